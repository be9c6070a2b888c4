// The credits message: title, thanks and contact lines.
#include "Credits.h"

#include "MessageBoxes.h"

namespace filarino::ui {

void showCredits(tk::ui::MessageBoxes& messages, QWidget* parent) {
    const QString text =
        QStringLiteral("Questo software didattico è stato ideato e realizzato dalla Squadra "
                       "Filarino.\r\n"
                       "Un grazie sincero a tutto lo staff delle Edizioni Scuola Aperta per la "
                       "collaborazione.\r\n"
                       "\r\n"
                       "\r\n"
                       "\r\n"
                       "Per contattare l'autore:\r\n"
                       "https://www.filarino.example\r\n"
                       "autore@filarino.example");
    messages.show(parent, tk::ui::MessageIcon::Information, QStringLiteral("WWW.FILARINO.EXAMPLE"), text);
}

} // namespace filarino::ui
