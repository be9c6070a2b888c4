// SPDX-License-Identifier: GPL-3.0-or-later
// intarsello's embedded example-solution pictures and its window icon.
#include "toolkit/ui/Resources.h"

#include <gtest/gtest.h>

namespace {

TEST(IntarselloResources, FourExampleSolutionsOfSixteenPixelSquares) {
    for (int id = 0; id <= 3; ++id) {
        const QImage image = tk::ui::resourcePixmap("PICTURE", id).toImage();
        ASSERT_FALSE(image.isNull()) << id;
        EXPECT_GE(image.width(), 160);
        EXPECT_LE(image.width(), 162);
        EXPECT_GE(image.height(), 96);
        EXPECT_LE(image.height(), 98);
        // The centre of every 16-pixel square shows a tile colour, never white or grey background.
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 10; ++column)
                EXPECT_NE(image.pixelColor(column * 16 + 8, row * 16 + 8), QColor(Qt::white)) << id;
    }
}

TEST(IntarselloResources, WindowIconIsSixteenPixelsWithTransparency) {
    const QImage icon = tk::ui::resourcePixmap("ICON", 1).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixelColor(15, 0).alpha(), 0);        // beside the Z, top right
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(128, 0, 0)); // its top bar, in maroon
    const QByteArray ico = tk::ui::resourceBytes("ICON", 1);
    EXPECT_EQ(static_cast<unsigned char>(ico[6 + 16 + 14]), 4); // 16 colours
}

} // namespace
