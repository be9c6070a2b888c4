// SPDX-License-Identifier: GPL-3.0-or-later
// The credits message: title, thanks and contact lines.
#include "filarino/ui/Credits.h"

#include "toolkit/core/Contact.h"
#include "toolkit/ui/MessageBoxes.h"

#include <QStringList>

namespace filarino::ui {

void showCredits(tk::ui::MessageBoxes& messages, QWidget* parent) {
    const QString name = QString::fromUtf8(tk::contact::kName);
    const QStringList lines{
        QStringLiteral("Questo software didattico è stato ideato e realizzato da %1.").arg(name),
        QStringLiteral("Un grazie sincero a tutto lo staff di %1 per la collaborazione.").arg(name),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Per contattare l'autore:"),
        QString::fromUtf8(tk::contact::kWebAddress),
        QString::fromUtf8(tk::contact::kEmail),
    };
    messages.show(parent, tk::ui::MessageIcon::Information,
                  QString::fromUtf8(tk::contact::kWebDomain).toUpper(), lines.join(QStringLiteral("\r\n")));
}

} // namespace filarino::ui
