// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound and picture filarino embeds: format, channels, rate, bits and length of the sounds; size,
// colour depth and byte size of the portraits; the icons, cursor and arrow.
#include "toolkit/core/WavDecoder.h"
#include "toolkit/ui/Resources.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

struct SoundRow {
    int id;
    std::uint16_t formatTag; // 1 PCM, 2 Microsoft ADPCM, 0x55 MPEG Layer-3
    int channels;
    int rate;
    int bits; // 0 where the payload has no sample size
    double seconds;
};

class Sound : public ::testing::TestWithParam<SoundRow> {};

TEST_P(Sound, MatchesItsRowAndDecodesToItsLength) {
    const SoundRow row = GetParam();
    const QByteArray image = tk::ui::resourceBytes("CUSTOM", row.id);
    ASSERT_FALSE(image.isEmpty()) << row.id;
    const tk::WavParse parse = tk::parseWav(bytesOf(image));
    ASSERT_TRUE(parse.ok()) << tk::describe(parse.error);
    EXPECT_EQ(parse.info.formatTag, row.formatTag);
    EXPECT_EQ(parse.info.channels, row.channels);
    EXPECT_EQ(static_cast<int>(parse.info.sampleRate), row.rate);
    if (row.formatTag == 1) {
        EXPECT_EQ(parse.info.bitsPerSample, row.bits);
    }
    const tk::WavDecode decoded = tk::decodeWav(bytesOf(image));
    ASSERT_TRUE(decoded.ok()) << tk::describe(decoded.error);
    EXPECT_EQ(decoded.audio.channels, row.channels);
    EXPECT_NEAR(decoded.audio.seconds(), row.seconds, row.seconds * 0.10) << row.id;
}

INSTANTIATE_TEST_SUITE_P(
    Filarino, Sound,
    ::testing::Values(SoundRow{102, 1, 1, 22050, 8, 3.40}, SoundRow{103, 1, 1, 44100, 16, 0.94},
                      SoundRow{104, 1, 1, 11025, 8, 0.32}, SoundRow{105, 1, 1, 22257, 8, 0.43},
                      SoundRow{106, 1, 2, 22050, 8, 1.99}, SoundRow{107, 1, 2, 22050, 8, 0.48},
                      SoundRow{108, 0x55, 2, 11025, 0, 5.98}, SoundRow{109, 1, 1, 11025, 8, 3.46},
                      SoundRow{110, 2, 1, 22050, 4, 1.77}, SoundRow{111, 1, 2, 22050, 8, 2.93},
                      SoundRow{112, 1, 2, 22050, 8, 1.16}, SoundRow{113, 1, 1, 11025, 8, 0.89},
                      SoundRow{114, 0x55, 1, 22050, 0, 5.90}),
    [](const auto& info) { return std::to_string(info.param.id); });

TEST(Sound, CompressedPayloadsHaveTheirBlockAndByteRates) {
    const tk::WavParse adpcm = tk::parseWav(bytesOf(tk::ui::resourceBytes("CUSTOM", 110)));
    EXPECT_EQ(adpcm.info.blockAlign, 512);
    EXPECT_EQ(tk::parseWav(bytesOf(tk::ui::resourceBytes("CUSTOM", 108))).info.avgBytesPerSecond, 4000u);
    EXPECT_EQ(tk::parseWav(bytesOf(tk::ui::resourceBytes("CUSTOM", 114))).info.avgBytesPerSecond, 3000u);
}

TEST(Sound, TrailingBytesAfterTheRiffChunkAreNeverPlayed) {
    const QByteArray image = tk::ui::resourceBytes("CUSTOM", 113);
    const tk::WavParse parse = tk::parseWav(bytesOf(image));
    ASSERT_TRUE(parse.ok());
    EXPECT_EQ(parse.info.riffEnd, 8u + 9848u);
    EXPECT_EQ(image.size(), static_cast<qsizetype>(parse.info.riffEnd) + 392);
    EXPECT_LE(parse.info.dataOffset + parse.info.dataBytes, parse.info.riffEnd);
}

TEST(Sound, UnknownChunksAreCarriedAndSkipped) {
    const QByteArray image = tk::ui::resourceBytes("CUSTOM", 109);
    for (const char* chunk : {"fact", "alia", "mark"})
        EXPECT_TRUE(image.contains(chunk)) << chunk;
    EXPECT_TRUE(tk::decodeWav(bytesOf(image)).ok());
}

TEST(Portraits, AllHundredArePresentAs32By32PalettedIconsWithMasks) {
    EXPECT_FALSE(tk::ui::hasResource("ICON", 100));
    EXPECT_FALSE(tk::ui::hasResource("ICON", 201));
    for (int id = 101; id <= 200; ++id) {
        const QByteArray ico = tk::ui::resourceBytes("ICON", id);
        ASSERT_GE(ico.size(), 22) << id;
        // One image; its directory entry gives the size of the image data.
        const auto* b = reinterpret_cast<const unsigned char*>(ico.constData());
        EXPECT_EQ(b[4] | b[5] << 8, 1) << id;
        const int bytes = b[14] | b[15] << 8 | b[16] << 16 | b[17] << 24;
        EXPECT_EQ(bytes, 2216) << id;
        const int bitCount = b[6 + 16 + 14] | b[6 + 16 + 15] << 8; // BITMAPINFOHEADER biBitCount
        EXPECT_EQ(bitCount, 8) << id;
        const QPixmap picture = tk::ui::resourcePixmap("ICON", id);
        ASSERT_FALSE(picture.isNull()) << id;
        EXPECT_EQ(picture.size(), QSize(32, 32));
        const QImage image = picture.toImage();
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "corners are transparent: " << id;
        EXPECT_EQ(image.pixelColor(16, 16).alpha(), 255) << id;
    }
}

TEST(Pictures, IconsCursorAndArrowHaveTheirSizes) {
    QBuffer program;
    program.setData(tk::ui::resourceBytes("ICON", 1));
    QImageReader reader(&program, "ico");
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(tk::ui::resourcePixmap("WINDOWICON", 1).size(), QSize(32, 32));
    EXPECT_EQ(tk::ui::resourcePixmap("CURSOR", 101).size(), QSize(32, 32));
    EXPECT_EQ(tk::ui::resourceCursor("CURSOR", 101, 4, 0).hotSpot(), QPoint(4, 0));
    EXPECT_EQ(tk::ui::resourcePixmap("PICTURE", 1).size(), QSize(110, 80));
}

} // namespace
