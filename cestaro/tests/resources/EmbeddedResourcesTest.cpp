// SPDX-License-Identifier: GPL-3.0-or-later
// cestaro's embedded success sound, the two pictures of the instructions and the application icon.
#include "toolkit/core/WavDecoder.h"
#include "toolkit/ui/Resources.h"

#include <QImageReader>
#include <gtest/gtest.h>

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

TEST(CestaroResources, SuccessSoundIsEightBitMonoPcmOfAboutFourSeconds) {
    const QByteArray image = tk::ui::resourceBytes("CUSTOM", 101);
    const tk::WavParse parse = tk::parseWav(bytesOf(image));
    ASSERT_TRUE(parse.ok()) << tk::describe(parse.error);
    EXPECT_EQ(parse.info.formatTag, 1);
    EXPECT_EQ(parse.info.channels, 1);
    EXPECT_EQ(parse.info.sampleRate, 11025u);
    EXPECT_EQ(parse.info.bitsPerSample, 8);
    EXPECT_EQ(parse.info.dataBytes, 45392u);
    const tk::WavDecode decoded = tk::decodeWav(bytesOf(image));
    ASSERT_TRUE(decoded.ok());
    EXPECT_NEAR(decoded.audio.seconds(), 4.12, 0.01);
}

TEST(CestaroResources, InstructionPicturesAreTwentyFourBitBitmapsOfTheBoard) {
    for (int id : {101, 102}) {
        QImageReader reader(QStringLiteral(":/BITMAP/%1").arg(id));
        EXPECT_EQ(reader.format(), "bmp");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << id;
        EXPECT_EQ(image.size(), QSize(313, 284));
        EXPECT_EQ(image.depth(), 32); // Qt reads 24-bit bitmaps into 32-bit RGB
        EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 128, 128)) << "teal background";
    }
    const QByteArray header = tk::ui::resourceBytes("BITMAP", 101).left(30);
    EXPECT_EQ(header[28], 24); // biBitCount
    EXPECT_NE(tk::ui::resourceBytes("BITMAP", 101), tk::ui::resourceBytes("BITMAP", 102));
}

TEST(CestaroResources, ApplicationIconIsThere) {
    EXPECT_FALSE(tk::ui::resourceIcon("ICON", 1).isNull());
}

} // namespace
