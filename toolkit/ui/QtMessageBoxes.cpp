// Modal QMessageBox with one OK button.
#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace tk::ui {

void QtMessageBoxes::show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning, title,
                    body, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tk::ui
