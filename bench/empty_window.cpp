// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of a first paint: a plain Qt Widgets window of filarino's size with one line of text.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Una finestra vuota con una riga di testo"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(792, 575);
    window.show();
    return QApplication::exec();
}
