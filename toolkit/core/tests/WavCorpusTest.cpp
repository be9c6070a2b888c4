// SPDX-License-Identifier: GPL-3.0-or-later
// The kept collection of damaged WAV images: each one is an error, with silence, never a crash.
#include "toolkit/core/WavDecoder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace {

using tk::WavError;

// Made by corpus/make_corpus.py; every file there must be listed here.
const std::map<std::string, WavError> kExpected = {
    {"empty.wav", WavError::NotRiffWave},
    {"short_riff.wav", WavError::NotRiffWave},
    {"not_wave.wav", WavError::NotRiffWave},
    {"truncated_header.wav", WavError::Truncated},
    {"truncated_payload.wav", WavError::Truncated},
    {"riff_size_past_end.wav", WavError::Truncated},
    {"data_size_past_end.wav", WavError::Truncated},
    {"chunk_size_past_end.wav", WavError::Truncated},
    {"fake_data_after_riff.wav", WavError::NoData},
    {"data_before_fmt.wav", WavError::NoFormat},
    {"no_data.wav", WavError::NoData},
    {"fmt_too_short.wav", WavError::BadFormat},
    {"zero_channels.wav", WavError::BadFormat},
    {"absurd_rate.wav", WavError::BadFormat},
    {"zero_rate.wav", WavError::BadFormat},
    {"zero_block_align.wav", WavError::BadFormat},
    {"garbage_mp3_payload.wav", WavError::DecodeFailed},
    {"adpcm_block_smaller_than_header.wav", WavError::BadFormat},
    {"adpcm_too_many_samples_per_block.wav", WavError::BadFormat},
    {"adpcm_coefficients_past_fmt.wav", WavError::BadFormat},
    {"adpcm_bad_predictor.wav", WavError::DecodeFailed},
};

TEST(WavCorpus, EveryDamagedImageIsAnErrorAndSilence) {
    std::size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TK_WAV_CORPUS_DIR)) {
        if (entry.path().extension() != ".wav") continue;
        const std::string name = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        const tk::WavDecode result = tk::decodeWav(image);
        const auto expected = kExpected.find(name);
        ASSERT_NE(expected, kExpected.end()) << name << " has no expected error";
        EXPECT_EQ(result.error, expected->second) << name << ": " << tk::describe(result.error);
        EXPECT_TRUE(result.audio.samples.empty()) << name;
        EXPECT_EQ(result.audio.frames(), 0u) << name;
        ++seen;
    }
    EXPECT_EQ(seen, kExpected.size());
}

} // namespace
