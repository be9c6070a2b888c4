// SPDX-License-Identifier: GPL-3.0-or-later
// The RIFF walker and the PCM paths of the WAV decoder: layouts, chunk handling, the RIFF length, bad
// headers.
#include "toolkit/core/WavDecoder.h"

#include "toolkit/core/tests/WavImages.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace tk::wavimages;
using tk::WavError;

tk::WavDecode decode(const Bytes& image) {
    return tk::decodeWav(image);
}

TEST(WavDecoder, PcmLayoutsDecodeToSixteenBits) {
    struct Case {
        const char* name;
        tk::WavInfo format;
        Bytes payload;
        std::vector<std::int16_t> samples;
    };
    const Case cases[] = {
        {"8-bit mono, silence at 128", pcmFormat(1, 22050, 8), {0, 128, 255, 1}, {-32768, 0, 32512, -32512}},
        {"8-bit stereo", pcmFormat(2, 22050, 8), {0, 255, 128, 64}, {-32768, 32512, 0, -16384}},
        {"8-bit at 22257 Hz", pcmFormat(1, 22257, 8), {129, 127}, {256, -256}},
        {"16-bit mono, little-endian", pcmFormat(1, 44100, 16), {0x34, 0x12, 0x00, 0x80}, {0x1234, -32768}},
        {"16-bit stereo", pcmFormat(2, 11025, 16), {1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}, {1, -1, 32767, 0}},
        {"a partial last frame is dropped", pcmFormat(2, 11025, 16), {1, 0, 2, 0, 3}, {1, 2}},
    };
    for (const Case& c : cases) {
        const tk::WavDecode result = decode(pcmImage(c.format, c.payload));
        ASSERT_TRUE(result.ok()) << c.name << ": " << tk::describe(result.error);
        EXPECT_EQ(result.audio.samples, c.samples) << c.name;
        EXPECT_EQ(result.audio.channels, c.format.channels) << c.name;
        EXPECT_EQ(result.audio.sampleRate, static_cast<int>(c.format.sampleRate)) << c.name;
    }
}

TEST(WavDecoder, LengthInSecondsFollowsTheRate) {
    const tk::WavDecode result = decode(pcmImage(pcmFormat(2, 22257, 8), Bytes(2 * 22257 / 2, 128)));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.audio.frames(), 22257u / 2);
    EXPECT_NEAR(result.audio.seconds(), 0.5, 1e-4);
}

TEST(WavDecoder, DecodingIntoUsedAudioLeavesNothingOfTheSoundBefore) {
    tk::PcmAudio audio;
    ASSERT_EQ(tk::decodeWavInto(toneImage(44100, 2, 0.1, 440.0, 0.5), audio), WavError::None);
    ASSERT_EQ(audio.frames(), 4410u);

    EXPECT_EQ(tk::decodeWavInto(pcmImage(pcmFormat(1, 22050, 8), {0, 255}), audio), WavError::None);
    EXPECT_EQ(audio.samples, (std::vector<std::int16_t>{-32768, 32512}));
    EXPECT_EQ(audio.channels, 1);
    EXPECT_EQ(audio.sampleRate, 22050);

    const Bytes image = pcmImage(pcmFormat(1, 22050, 8), {1, 2, 3});
    EXPECT_EQ(tk::decodeWavInto(Bytes(image.begin(), image.end() - 8), audio), WavError::Truncated);
    EXPECT_TRUE(audio.samples.empty());
    EXPECT_EQ(audio.channels, 0);
    EXPECT_EQ(audio.seconds(), 0.0);
}

TEST(WavDecoder, UnknownChunksAreSkippedAndOddOnesPadded) {
    // Odd-sized chunks before and after the format, an odd data chunk and a chunk after it: without the
    // pad byte the walker would read every later header one byte off.
    const Bytes image =
        riffWave({chunk("fact", {1, 2, 3, 4}), chunk("alia", {9, 9, 9}), formatChunk(pcmFormat(1, 11025, 8)),
                  chunk("mark", {7}), chunk("data", {10, 20, 30}), chunk("LIST", {'I', 'N', 'F', 'O', 1})});
    const tk::WavParse parsed = tk::parseWav(image);
    ASSERT_TRUE(parsed.ok()) << tk::describe(parsed.error);
    EXPECT_EQ(parsed.info.dataBytes, 3u);
    EXPECT_EQ(image[parsed.info.dataOffset], 10);
    EXPECT_EQ(parsed.info.riffEnd, image.size());
    EXPECT_EQ(decode(image).audio.samples,
              (std::vector<std::int16_t>{(10 - 128) * 256, (20 - 128) * 256, (30 - 128) * 256}));
}

TEST(WavDecoder, OddDataChunkAtTheEndNeedsNoPadByte) {
    Bytes image = pcmImage(pcmFormat(1, 11025, 8), {1, 2, 3});
    image.pop_back(); // the pad byte
    image[4] = static_cast<std::uint8_t>(image.size() - 8);
    EXPECT_EQ(decode(image).audio.frames(), 3u);
}

TEST(WavDecoder, BytesAfterTheRiffChunkAreNeverRead) {
    // Trailing garbage that starts like a data chunk, as some old editors leave behind.
    const Bytes riff = pcmImage(pcmFormat(1, 11025, 8), Bytes(100, 200));
    Bytes image = riff;
    const Bytes fake = chunk("data", Bytes(392, 0), 0x7FFFFFFF);
    image.insert(image.end(), fake.begin(), fake.end());
    const tk::WavDecode result = decode(image);
    ASSERT_TRUE(result.ok()) << tk::describe(result.error);
    EXPECT_EQ(result.audio.samples, std::vector<std::int16_t>(100, (200 - 128) * 256));
    EXPECT_EQ(tk::parseWav(image).info.riffEnd, riff.size());

    // A data chunk that lies wholly after the RIFF chunk is not part of the image.
    Bytes formatOnly = riffWave({formatChunk(pcmFormat(1, 11025, 8))});
    const Bytes data = chunk("data", Bytes(100, 200));
    formatOnly.insert(formatOnly.end(), data.begin(), data.end());
    EXPECT_EQ(decode(formatOnly).error, WavError::NoData);
}

TEST(WavDecoder, HeaderFieldsAreChecked) {
    struct Case {
        const char* name;
        tk::WavInfo format;
        std::size_t payloadBytes;
        WavError error;
    };
    const Case cases[] = {
        {"lowest rate", pcmFormat(1, 1000, 8), 4, WavError::None},
        {"rate below it", pcmFormat(1, 999, 8), 4, WavError::BadFormat},
        {"highest rate", pcmFormat(2, 192000, 16), 4, WavError::None},
        {"rate above it", pcmFormat(2, 192001, 16), 4, WavError::BadFormat},
        {"three channels", pcmFormat(3, 11025, 8), 6, WavError::Unsupported},
        {"12-bit PCM", pcmFormat(1, 11025, 12), 4, WavError::BadFormat},
        {"24-bit PCM", pcmFormat(1, 11025, 24), 6, WavError::Unsupported},
        {"block align not a frame", {1, 2, 11025, 0, 2, 16}, 8, WavError::BadFormat},
        {"IEEE float", {3, 1, 11025, 0, 4, 32}, 8, WavError::Unsupported},
        {"extensible", {0xFFFE, 1, 11025, 0, 2, 16}, 8, WavError::Unsupported},
        {"empty data", pcmFormat(1, 11025, 8), 0, WavError::NoData},
        {"less than one frame", pcmFormat(2, 11025, 16), 3, WavError::NoData},
        {"ADPCM with 8 bits", {2, 1, 22050, 0, 256, 8}, 256, WavError::BadFormat},
        {"empty MP3 data", {0x55, 1, 22050, 0, 1, 0}, 0, WavError::NoData},
    };
    for (const Case& c : cases) {
        const tk::WavDecode result = decode(pcmImage(c.format, Bytes(c.payloadBytes, 128)));
        EXPECT_EQ(result.error, c.error) << c.name << ": " << tk::describe(result.error);
        EXPECT_EQ(result.ok(), !result.audio.samples.empty()) << c.name;
    }
}

TEST(WavDecoder, EveryTruncationIsAnErrorAndSilence) {
    const Bytes image = riffWave(
        {chunk("junk", {1, 2, 3}), formatChunk(pcmFormat(2, 22050, 16)), chunk("data", Bytes(40, 7))});
    ASSERT_TRUE(decode(image).ok());
    for (std::size_t n = 0; n < image.size(); ++n) {
        const tk::WavDecode result = decode(Bytes(image.begin(), image.begin() + static_cast<long>(n)));
        EXPECT_FALSE(result.ok()) << n;
        EXPECT_TRUE(result.audio.samples.empty()) << n;
    }
}

TEST(WavDecoder, SizesNearFourGigabytesDoNotWrapAround) {
    Bytes image = pcmImage(pcmFormat(1, 11025, 8), Bytes(16, 128));
    for (const std::uint32_t size : {0xFFFFFFFFu, 0xFFFFFFF8u, 0xFFFFFFF4u}) {
        Bytes riffSize = image;
        riffSize[4] = riffSize[5] = riffSize[6] = riffSize[7] = 0;
        for (int i = 0; i < 4; ++i)
            riffSize[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        EXPECT_EQ(decode(riffSize).error, WavError::Truncated) << size;
        Bytes dataSize = image;
        for (int i = 0; i < 4; ++i)
            dataSize[40 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        EXPECT_EQ(decode(dataSize).error, WavError::Truncated) << size;
    }
}

TEST(WavDecoder, DescribesEveryError) {
    std::set<std::string_view> texts;
    for (int e = 0; e <= static_cast<int>(WavError::DecodeFailed); ++e)
        texts.insert(tk::describe(static_cast<WavError>(e)));
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(WavError::DecodeFailed) + 1);
}

} // namespace
