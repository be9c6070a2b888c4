// SPDX-License-Identifier: GPL-3.0-or-later
// Modal QMessageBox with one OK button.
#include "toolkit/ui/QtMessageBoxes.h"

#include "toolkit/ui/PixelPainting.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QStyle>

namespace tk::ui {

void QtMessageBoxes::show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool information = icon == MessageIcon::Information;
    QMessageBox box(information ? QMessageBox::Information : QMessageBox::Warning, title, body,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // The style draws its icons at one size; Qt would enlarge them smoothly into a blur on a scaled desktop.
    const qreal ratio = qGuiApp->devicePixelRatio();
    if (ratio > 1) {
        const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        const QIcon standard = box.style()->standardIcon(
            information ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning, nullptr, &box);
        box.setIconPixmap(
            QPixmap::fromImage(crispEnlarged(standard.pixmap(QSize(side, side), 1.0).toImage(), ratio)));
    }
    box.exec();
}

} // namespace tk::ui
