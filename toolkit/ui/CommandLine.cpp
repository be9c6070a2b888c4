// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing of the programs' options, with the texts a teacher reads in Italian.
#include "toolkit/ui/CommandLine.h"

#include "toolkit/core/Contact.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace tk::ui {

namespace {

constexpr double kLargestZoom = 4.0;

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

[[noreturn]] void refuse(const ProgramAbout& about, const QString& why) {
    print(stderr, QStringLiteral("%1: %2\n\n").arg(QString::fromUtf8(about.name), why) + usageText(about));
    std::exit(2);
}

// "1.5" or "1,5": a teacher writes decimals the Italian way as readily as the other.
bool readZoom(QString text, double& zoom) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    zoom = text.toDouble(&ok);
    return ok && zoom >= 1.0 && zoom <= kLargestZoom;
}

} // namespace

QString usageText(const ProgramAbout& about) {
    return QStringLiteral("Uso: %1 [opzioni]\n"
                          "%2\n"
                          "\n"
                          "Opzioni:\n"
                          "  --zoom=FATTORE  disegna il programma FATTORE volte più grande (da 1 a 4,\n"
                          "                  anche con i decimali: 1,5)\n"
                          "  --zoom=fit      il più grande possibile perché la finestra stia intera\n"
                          "                  sullo schermo (per la LIM e i proiettori)\n"
                          "  --mute          senza suoni\n"
                          "  -h, --help      mostra questo aiuto ed esce\n"
                          "  -v, --version   mostra la versione ed esce\n")
        .arg(QString::fromUtf8(about.name), QString::fromUtf8(about.summary));
}

StartOptions readCommandLine(int argc, char** argv, const ProgramAbout& about) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption zoom(QStringLiteral("zoom"), QString(), QStringLiteral("FATTORE"));
    const QCommandLineOption mute(QStringLiteral("mute"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({zoom, mute, help, version});
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            refuse(about, QStringLiteral("opzione sconosciuta: %1%2")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        refuse(about, QStringLiteral("manca il valore dopo --zoom (da 1 a 4, oppure fit)"));
    }
    if (parser.isSet(help)) {
        print(stdout, usageText(about));
        std::exit(0);
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QString::fromUtf8(about.name),
                                                    QString::fromUtf8(contact::kVersion)));
        std::exit(0);
    }
    if (!parser.positionalArguments().isEmpty())
        refuse(about, QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().first()));
    StartOptions options;
    options.mute = parser.isSet(mute);
    if (parser.isSet(zoom)) {
        const QString value = parser.value(zoom);
        if (value == QLatin1String("fit"))
            options.zoomToFit = true;
        else if (!readZoom(value, options.zoom))
            refuse(about,
                   QStringLiteral("valore non valido per --zoom: %1 (da 1 a 4, oppure fit)").arg(value));
    }
    return options;
}

} // namespace tk::ui
