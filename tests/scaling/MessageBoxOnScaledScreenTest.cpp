// SPDX-License-Identifier: GPL-3.0-or-later
// The message box's icon on a scaled screen: the style's picture enlarged by whole pixels, never blurred.
#include "tests/scaling/RatioImages.h"
#include "toolkit/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using scaling::Edges;

// Shows a box as the programs do and returns the icon it carried, closing it at once.
QPixmap iconShownWith(tk::ui::MessageIcon icon) {
    QPixmap shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->iconPixmap();
            box->accept();
        }
    });
    tk::ui::QtMessageBoxes().show(nullptr, icon, QStringLiteral("Titolo"), QStringLiteral("Testo"));
    return shown;
}

TEST(MessageBoxOnScaledScreen, IconIsTheStylesPictureEnlargedByWholePixels) {
    const qreal ratio = scaling::screenRatio();
    const std::pair<tk::ui::MessageIcon, QStyle::StandardPixmap> icons[] = {
        {tk::ui::MessageIcon::Information, QStyle::SP_MessageBoxInformation},
        {tk::ui::MessageIcon::Exclamation, QStyle::SP_MessageBoxWarning}};
    for (const auto& [icon, standard] : icons) {
        const QPixmap shown = iconShownWith(icon);
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(32, 32));
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        const QImage original = QApplication::style()
                                    ->standardIcon(standard)
                                    .pixmap(QSize(32, 32), 1.0)
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const scaling::Departures found = scaling::departures(
            original, shown.toImage().convertToFormat(QImage::Format_RGB32), ratio,
            scaling::isWholeRatio(ratio) ? Edges::Exact : Edges::Blended, QRegion(original.rect()));
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
    }
}

} // namespace
