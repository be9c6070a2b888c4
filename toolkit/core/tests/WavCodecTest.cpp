// SPDX-License-Identifier: GPL-3.0-or-later
// Microsoft ADPCM and MPEG Layer-3 payloads, checked against libsndfile, and damaged copies of them.
#include "toolkit/core/WavDecoder.h"
#include "toolkit/core/tests/WavImages.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sndfile.h>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFixture(const std::string& name) {
    std::ifstream in(std::string(TK_WAV_FIXTURES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// libsndfile reading the image from memory, told that the file ends where the RIFF chunk does.
struct MemoryFile {
    const Bytes* bytes;
    sf_count_t length;
    sf_count_t position = 0;
};

std::vector<std::int16_t> decodeWithLibsndfile(const Bytes& image, int& channels) {
    const tk::WavParse parsed = tk::parseWav(image);
    MemoryFile file{&image, static_cast<sf_count_t>(parsed.info.riffEnd)};
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* user) { return static_cast<MemoryFile*>(user)->length; };
    io.seek = [](sf_count_t offset, int whence, void* user) {
        auto* f = static_cast<MemoryFile*>(user);
        const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? f->position : f->length;
        f->position = std::clamp<sf_count_t>(base + offset, 0, f->length);
        return f->position;
    };
    io.read = [](void* out, sf_count_t count, void* user) {
        auto* f = static_cast<MemoryFile*>(user);
        const sf_count_t n = std::min(count, f->length - f->position);
        std::copy_n(f->bytes->begin() + f->position, n, static_cast<std::uint8_t*>(out));
        f->position += n;
        return n;
    };
    io.write = [](const void*, sf_count_t, void*) { return sf_count_t{0}; };
    io.tell = [](void* user) { return static_cast<MemoryFile*>(user)->position; };
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (sf == nullptr) return {};
    channels = info.channels;
    std::vector<std::int16_t> samples;
    std::vector<short> chunk(4096 * static_cast<std::size_t>(info.channels));
    // The frame count is only an estimate for MPEG: read until nothing comes back.
    while (const sf_count_t frames = sf_readf_short(sf, chunk.data(), 4096))
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + frames * info.channels);
    sf_close(sf);
    return samples;
}

double rms(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (const std::int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

struct Fixture {
    const char* file;
    int channels;
    int sampleRate;
    // Exact sample count, or 0 where the encoder adds its own delay and padding.
    std::size_t frames;
    int toleranceLsb; // against libsndfile
};

// Every fixture holds 0.5 s of sine tones at half of full scale.
const Fixture kFixtures[] = {
    {"adpcm_mono_22050.wav", 1, 22050, 11 * 1012, 0}, // whole blocks of 1012 samples
    {"adpcm_stereo_11025.wav", 2, 11025, 12 * 500, 0},
    {"mp3_mono_22050.wav", 1, 22050, 0, 1},
    {"mp3_stereo_11025.wav", 2, 11025, 0, 1},
};

TEST(WavCodecs, CompressedPayloadsMatchLibsndfile) {
    for (const Fixture& f : kFixtures) {
        const Bytes image = readFixture(f.file);
        ASSERT_FALSE(image.empty()) << f.file;
        const tk::WavDecode result = tk::decodeWav(image);
        ASSERT_TRUE(result.ok()) << f.file << ": " << tk::describe(result.error);
        const tk::PcmAudio& audio = result.audio;
        EXPECT_EQ(audio.channels, f.channels) << f.file;
        EXPECT_EQ(audio.sampleRate, f.sampleRate) << f.file;
        if (f.frames != 0) {
            EXPECT_EQ(audio.frames(), f.frames) << f.file;
        }
        // MPEG adds the encoder's delay and padding.
        EXPECT_GE(audio.seconds(), 0.5) << f.file;
        EXPECT_LE(audio.seconds(), 0.65) << f.file;
        EXPECT_GT(rms(audio.samples), 9000) << f.file;
        EXPECT_LT(rms(audio.samples), 12500) << f.file;

        int channels = 0;
        const std::vector<std::int16_t> reference = decodeWithLibsndfile(image, channels);
        EXPECT_EQ(channels, f.channels) << f.file;
        ASSERT_EQ(audio.samples.size(), reference.size()) << f.file;
        int worst = 0;
        for (std::size_t i = 0; i < reference.size(); ++i)
            worst = std::max(worst, std::abs(audio.samples[i] - reference[i]));
        EXPECT_LE(worst, f.toleranceLsb) << f.file;
    }
}

// An MPEG stream whose format changes midway: all of the first format is kept, nothing after the change.
TEST(WavCodecs, AnMpegStreamThatChangesFormatKeepsAllOfItsFirstFormat) {
    const Bytes mono = readFixture("mp3_mono_22050.wav"), stereo = readFixture("mp3_stereo_11025.wav");
    const tk::WavInfo first = tk::parseWav(mono).info, second = tk::parseWav(stereo).info;
    Bytes payload(mono.begin() + first.dataOffset, mono.begin() + first.dataOffset + first.dataBytes);
    payload.insert(payload.end(), stereo.begin() + second.dataOffset,
                   stereo.begin() + second.dataOffset + second.dataBytes);
    const Bytes format(mono.begin() + first.formatOffset,
                       mono.begin() + first.formatOffset + first.formatBytes);
    const Bytes joined = tk::wavimages::riffWave(
        {tk::wavimages::chunk("fmt ", format), tk::wavimages::chunk("data", payload)});
    const tk::WavDecode alone = tk::decodeWav(mono), decoded = tk::decodeWav(joined);
    ASSERT_TRUE(alone.ok() && decoded.ok());
    EXPECT_EQ(decoded.audio.channels, 1);
    EXPECT_EQ(decoded.audio.sampleRate, 22050);
    EXPECT_EQ(decoded.audio.frames(), alone.audio.frames());
}

TEST(WavCodecs, StereoAdpcmKeepsItsChannelsApart) {
    // The left channel holds 440 Hz, the right 660 Hz: count the rising edges of each (with hysteresis, so
    // coding noise near zero does not count).
    const tk::WavDecode result = tk::decodeWav(readFixture("adpcm_stereo_11025.wav"));
    ASSERT_TRUE(result.ok());
    int crossings[2] = {0, 0};
    bool high[2] = {false, false};
    const auto& s = result.audio.samples;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool& h = high[i % 2];
        if (!h && s[i] > 4000) ++crossings[i % 2];
        h = s[i] > 4000 || (h && s[i] > -4000);
    }
    EXPECT_NEAR(crossings[0], 440 * 0.5, 3);
    EXPECT_NEAR(crossings[1], 660 * 0.5, 3);
}

// The mono ADPCM fixture rebuilt from its "fmt " body and a payload, both as given.
Bytes adpcmImage(const Bytes& format, const Bytes& payload) {
    return tk::wavimages::riffWave(
        {tk::wavimages::chunk("fmt ", format), tk::wavimages::chunk("data", payload)});
}

struct AdpcmParts {
    Bytes format, payload;
    std::vector<std::int16_t> samples; // 11 blocks of 512 bytes, 1012 samples each
};

AdpcmParts adpcmParts() {
    const Bytes image = readFixture("adpcm_mono_22050.wav");
    const tk::WavInfo info = tk::parseWav(image).info;
    const auto at = [&](std::uint32_t offset) { return image.begin() + offset; };
    return {Bytes(at(info.formatOffset), at(info.formatOffset + info.formatBytes)),
            Bytes(at(info.dataOffset), at(info.dataOffset + info.dataBytes)),
            tk::decodeWav(image).audio.samples};
}

TEST(WavCodecs, AdpcmBlocksYieldTheSamplesTheyHold) {
    const AdpcmParts parts = adpcmParts();
    ASSERT_EQ(parts.samples.size(), 11u * 1012);
    const auto first = [&](std::size_t n) {
        return std::vector<std::int16_t>(parts.samples.begin(), parts.samples.begin() + static_cast<long>(n));
    };
    // A last block of 107 bytes holds its two header samples and 200 codes; one shorter than its header
    // holds nothing.
    const Bytes cut(parts.payload.begin(), parts.payload.begin() + 10 * 512 + 107);
    EXPECT_EQ(tk::decodeWav(adpcmImage(parts.format, cut)).audio.samples, first(10 * 1012 + 202));
    const Bytes stub(parts.payload.begin(), parts.payload.begin() + 10 * 512 + 6);
    EXPECT_EQ(tk::decodeWav(adpcmImage(parts.format, stub)).audio.samples, first(10 * 1012));

    // Blocks that declare 1000 samples play the first 1000 of the 1012 they could hold.
    Bytes fewer = parts.format;
    fewer[18] = 1000 & 0xFF;
    fewer[19] = 1000 >> 8;
    std::vector<std::int16_t> expected;
    for (std::size_t b = 0; b < 11; ++b) {
        const auto block = parts.samples.begin() + static_cast<long>(b * 1012);
        expected.insert(expected.end(), block, block + 1000);
    }
    EXPECT_EQ(tk::decodeWav(adpcmImage(fewer, parts.payload)).audio.samples, expected);
}

TEST(WavCodecs, AdpcmPredictsOnlyWithTheStandardCoefficients) {
    const AdpcmParts parts = adpcmParts();
    // An eighth coefficient pair after the standard seven: blocks that do not use it decode as before, a
    // block that does is refused.
    Bytes eight = parts.format;
    eight[16] += 4; // cbSize
    eight[20] = 8;  // coefficient pairs
    eight.insert(eight.end(), {0x00, 0x01, 0x00, 0x00});
    const tk::WavDecode unused = tk::decodeWav(adpcmImage(eight, parts.payload));
    ASSERT_TRUE(unused.ok()) << tk::describe(unused.error);
    EXPECT_EQ(unused.audio.samples, parts.samples);
    Bytes usesIt = parts.payload;
    usesIt[3 * 512] = 7;
    EXPECT_EQ(tk::decodeWav(adpcmImage(eight, usesIt)).error, tk::WavError::DecodeFailed);

    // A table whose standard entries are changed describes another codec.
    Bytes changed = parts.format;
    changed[22 + 4 * 3] += 1;
    EXPECT_EQ(tk::decodeWav(adpcmImage(changed, parts.payload)).error, tk::WavError::Unsupported);
}

TEST(WavCodecs, DamagedCopiesNeverBreakTheDecoder) {
    // Random byte changes in each fixture: the decoder may succeed or fail, but stays in bounds (the
    // sanitizer builds check that) and never hands out audio with an error.
    std::mt19937 rng(7);
    for (const Fixture& f : kFixtures) {
        const Bytes original = readFixture(f.file);
        ASSERT_FALSE(original.empty());
        std::uniform_int_distribution<std::size_t> at(0, original.size() - 1);
        for (int round = 0; round < 150; ++round) {
            Bytes image = original;
            for (int k = 0; k < 1 + round % 8; ++k)
                image[at(rng)] = static_cast<std::uint8_t>(rng());
            const tk::WavDecode result = tk::decodeWav(image);
            if (!result.ok()) {
                EXPECT_TRUE(result.audio.samples.empty()) << f.file << " round " << round;
            } else {
                EXPECT_GE(result.audio.frames(), 1u);
                EXPECT_EQ(result.audio.samples.size() % static_cast<std::size_t>(result.audio.channels), 0u);
            }
        }
    }
}

} // namespace
