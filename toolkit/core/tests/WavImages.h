// SPDX-License-Identifier: GPL-3.0-or-later
// Builds WAV images byte by byte for tests and benchmarks: chunks, format fields and 16-bit tones.
#pragma once

#include "toolkit/core/WavDecoder.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>
#include <vector>

namespace tk::wavimages {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A chunk with `tag` and `body`, padded to an even length; `declaredBytes` overrides the size field.
inline Bytes chunk(std::string_view tag, const Bytes& body, std::int64_t declaredBytes = -1) {
    Bytes out(tag.begin(), tag.end());
    put32(out, static_cast<std::uint32_t>(declaredBytes < 0 ? static_cast<std::int64_t>(body.size())
                                                            : declaredBytes));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
    return out;
}

// "RIFF", its size (covering exactly `chunks`), "WAVE", then the chunks.
inline Bytes riffWave(std::initializer_list<Bytes> chunks) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes out{'R', 'I', 'F', 'F'};
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// The 16-byte "fmt " chunk of `f`'s header fields; the average byte rate follows from the others.
inline Bytes formatChunk(const WavInfo& f) {
    Bytes body;
    put16(body, f.formatTag);
    put16(body, f.channels);
    put32(body, f.sampleRate);
    put32(body, f.sampleRate * f.blockAlign);
    put16(body, f.blockAlign);
    put16(body, f.bitsPerSample);
    return chunk("fmt ", body);
}

inline WavInfo pcmFormat(int channels, int sampleRate, int bits) {
    return {1,
            static_cast<std::uint16_t>(channels),
            static_cast<std::uint32_t>(sampleRate),
            0,
            static_cast<std::uint16_t>(channels * bits / 8),
            static_cast<std::uint16_t>(bits)};
}

inline Bytes pcmImage(const WavInfo& f, const Bytes& payload) {
    return riffWave({formatChunk(f), chunk("data", payload)});
}

// A 16-bit PCM sine tone at `frequencyHz`, the same on every channel; `amplitude` is a fraction of full
// scale.
inline Bytes toneImage(int sampleRate, int channels, double seconds, double frequencyHz, double amplitude) {
    Bytes payload;
    const auto frames = static_cast<long>(std::lround(seconds * sampleRate));
    for (long i = 0; i < frames; ++i) {
        const double v =
            amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
        for (int c = 0; c < channels; ++c)
            put16(payload, static_cast<std::uint16_t>(std::lround(v)));
    }
    return pcmImage(pcmFormat(channels, sampleRate, 16), payload);
}

} // namespace tk::wavimages
