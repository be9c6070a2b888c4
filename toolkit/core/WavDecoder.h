// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a WAV file image held in memory and decodes it to interleaved 16-bit PCM.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tk {

enum class WavError {
    None,
    NotRiffWave,  // no "RIFF....WAVE" header
    Truncated,    // a chunk or the RIFF length runs past the end of the image
    NoFormat,     // no usable "fmt " chunk before "data"
    NoData,       // no "data" chunk inside the RIFF chunk, or one too short for a single frame
    BadFormat,    // inconsistent fields: zero channels, absurd rate, bad block align...
    Unsupported,  // a format tag other than PCM (1), Microsoft ADPCM (2) or MPEG Layer-3 (0x55), or an
                  // ADPCM coefficient table whose first pairs are not the standard ones
    DecodeFailed, // the payload could not be decoded
};

std::string_view describe(WavError error);

// What the header of a WAV image says, as read by the RIFF walker.
struct WavInfo {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t avgBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t riffEnd = 0;      // offset one past the RIFF chunk (8 + RIFF size), never past the image
    std::uint32_t dataOffset = 0;   // offset of the first payload byte
    std::uint32_t dataBytes = 0;    // payload size
    std::uint32_t formatOffset = 0; // offset of the "fmt " chunk's body, for codec-specific fields
    std::uint32_t formatBytes = 0;  // size of that body (at least 16)
};

struct WavParse {
    WavInfo info;
    WavError error = WavError::None;
    bool ok() const { return error == WavError::None; }
};

// Walks the RIFF chunks of `image`. Bytes after the RIFF chunk are never looked at; odd chunks are padded;
// unknown chunks are skipped. The walk ends at the first "data" chunk, which must follow a "fmt " chunk;
// the header fields are checked for the format tag they name.
WavParse parseWav(std::span<const std::uint8_t> image);

struct PcmAudio {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples; // interleaved, channels per frame
    std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    double seconds() const { return sampleRate > 0 ? static_cast<double>(frames()) / sampleRate : 0.0; }
};

struct WavDecode {
    PcmAudio audio; // empty (silence) unless ok()
    WavError error = WavError::None;
    bool ok() const { return error == WavError::None; }
};

// Decodes linear PCM (8-bit unsigned, 16-bit signed), Microsoft ADPCM and MPEG Layer-3 in WAV.
// Never reads outside `image`, never prints, never throws.
WavDecode decodeWav(std::span<const std::uint8_t> image);
// The same into `out`, whose sample storage is reused, so a player decoding sound after sound grows it only
// when a sound is longer than any before. On an error `out` is silence.
WavError decodeWavInto(std::span<const std::uint8_t> image, PcmAudio& out);

} // namespace tk
