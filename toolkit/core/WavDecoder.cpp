// SPDX-License-Identifier: GPL-3.0-or-later
// Reads WAV images in memory: a bounded RIFF walker and decoders for PCM, Microsoft ADPCM and MPEG Layer-3.
#include "toolkit/core/WavDecoder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mpg123.h>

namespace tk {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagMsAdpcm = 2;
constexpr std::uint16_t kTagMpegLayer3 = 0x55;

// Rates outside this range are taken for a damaged header rather than a real recording.
constexpr std::uint32_t kMinRateHz = 1000;
constexpr std::uint32_t kMaxRateHz = 192000;
// An MPEG payload never decodes to more than this, so a hostile image cannot exhaust memory (the other
// formats yield at most four samples per byte).
constexpr std::size_t kMaxSeconds = 600;

// Every reader below is called only after the caller has checked that the bytes lie inside the image.
std::uint16_t le16(Bytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int16_t le16s(Bytes b, std::size_t at) {
    return static_cast<std::int16_t>(le16(b, at));
}
std::uint32_t le32(Bytes b, std::size_t at) {
    return static_cast<std::uint32_t>(le16(b, at)) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16);
}
bool hasTag(Bytes b, std::size_t at, const char (&tag)[5]) {
    return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

// The layout of Microsoft ADPCM blocks: a header of 7 bytes per channel (predictor index, delta, two
// history samples), then 4-bit codes, high nibble first, channels interleaved code by code.
struct AdpcmSetup {
    std::size_t samplesPerBlock = 0; // per channel, the two history samples included
    std::vector<std::array<int, 2>> coefficients;
};

constexpr std::array<std::array<int, 2>, 7> kStandardCoefficients{
    {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}};

std::size_t adpcmSamplesIn(std::size_t blockBytes, unsigned channels) {
    return 2 + (blockBytes - 7 * channels) * 2 / channels;
}

// Reads the ADPCM extension of the "fmt " chunk (cbSize, samples per block, coefficient table). Without an
// extension the block holds as many samples as fit and the standard coefficients apply.
WavError readAdpcmSetup(Bytes image, const WavInfo& info, AdpcmSetup& setup) {
    if (info.bitsPerSample != 4 || info.blockAlign < 7u * info.channels) return WavError::BadFormat;
    const std::size_t fullBlock = adpcmSamplesIn(info.blockAlign, info.channels);
    const Bytes fmt = image.subspan(info.formatOffset, info.formatBytes);
    if (fmt.size() < 22) {
        setup.samplesPerBlock = fullBlock;
        setup.coefficients.assign(kStandardCoefficients.begin(), kStandardCoefficients.end());
        return WavError::None;
    }
    setup.samplesPerBlock = le16(fmt, 18);
    const std::size_t count = le16(fmt, 20);
    if (setup.samplesPerBlock < 2 || setup.samplesPerBlock > fullBlock || count == 0 ||
        22 + 4 * count > fmt.size())
        return WavError::BadFormat;
    setup.coefficients.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        setup.coefficients[i] = {le16s(fmt, 22 + 4 * i), le16s(fmt, 24 + 4 * i)};
    return WavError::None;
}

WavError checkFormat(Bytes image, const WavInfo& info) {
    if (info.channels == 0 || info.sampleRate < kMinRateHz || info.sampleRate > kMaxRateHz)
        return WavError::BadFormat;
    if (info.formatTag != kTagPcm && info.formatTag != kTagMsAdpcm && info.formatTag != kTagMpegLayer3)
        return WavError::Unsupported;
    if (info.channels > 2) return WavError::Unsupported;
    std::size_t smallestPayload = 1;
    if (info.formatTag == kTagPcm) {
        if (info.bitsPerSample == 0 || info.bitsPerSample % 8 != 0) return WavError::BadFormat;
        if (info.bitsPerSample > 16) return WavError::Unsupported;
        if (info.blockAlign != info.channels * info.bitsPerSample / 8) return WavError::BadFormat;
        smallestPayload = info.blockAlign;
    } else if (info.formatTag == kTagMsAdpcm) {
        AdpcmSetup setup;
        if (const WavError e = readAdpcmSetup(image, info, setup); e != WavError::None) return e;
        smallestPayload = 7u * info.channels;
    }
    return info.dataBytes < smallestPayload ? WavError::NoData : WavError::None;
}

void decodePcm(Bytes payload, const WavInfo& info, PcmAudio& out) {
    const std::size_t frames = payload.size() / info.blockAlign;
    out.samples.resize(frames * info.channels);
    if (info.bitsPerSample == 8) {
        // Unsigned, silence at 128.
        for (std::size_t i = 0; i < out.samples.size(); ++i)
            out.samples[i] = static_cast<std::int16_t>((payload[i] - 128) * 256);
    } else {
        for (std::size_t i = 0; i < out.samples.size(); ++i)
            out.samples[i] = le16s(payload, 2 * i);
    }
}

class AdpcmChannel {
public:
    AdpcmChannel(std::array<int, 2> coefficients, std::int64_t delta, std::int64_t older, std::int64_t newer)
        : coefficients_(coefficients)
        , delta_(delta)
        , older_(older)
        , newer_(newer) {}

    std::int16_t next(unsigned nibble) {
        static constexpr std::array<std::int64_t, 16> kAdaptation{230, 230, 230, 230, 307, 409, 512, 614,
                                                                  768, 614, 512, 409, 307, 230, 230, 230};
        // Bounds the step so damaged data cannot overflow; real streams stay far below it.
        constexpr std::int64_t kMaxDelta = 1 << 24;
        const std::int64_t code = nibble >= 8 ? static_cast<std::int64_t>(nibble) - 16 : nibble;
        const std::int64_t predicted = (newer_ * coefficients_[0] + older_ * coefficients_[1]) >> 8;
        const std::int64_t sample = std::clamp<std::int64_t>(predicted + code * delta_, -32768, 32767);
        delta_ = std::clamp<std::int64_t>((kAdaptation[nibble] * delta_) >> 8, 16, kMaxDelta);
        older_ = newer_;
        newer_ = sample;
        return static_cast<std::int16_t>(sample);
    }

private:
    std::array<int, 2> coefficients_;
    std::int64_t delta_;
    std::int64_t older_;
    std::int64_t newer_;
};

WavError decodeAdpcm(Bytes image, Bytes payload, const WavInfo& info, PcmAudio& out) {
    AdpcmSetup setup;
    if (const WavError e = readAdpcmSetup(image, info, setup); e != WavError::None) return e;
    const unsigned channels = info.channels;
    const std::size_t header = 7 * channels;
    std::vector<AdpcmChannel> state;
    for (std::size_t at = 0; at + header <= payload.size(); at += info.blockAlign) {
        const Bytes block = payload.subspan(at, std::min<std::size_t>(info.blockAlign, payload.size() - at));
        // A short last block yields the samples it holds.
        const std::size_t samples = std::min(setup.samplesPerBlock, adpcmSamplesIn(block.size(), channels));
        // Header fields are grouped by kind, one per channel: predictor bytes, then deltas, newer samples
        // and older samples as 16-bit words. The older sample is played first.
        const auto word = [&](unsigned kind, unsigned c) {
            return le16s(block, channels + 2 * (kind * channels + c));
        };
        state.clear();
        for (unsigned c = 0; c < channels; ++c) {
            const std::size_t predictor = block[c];
            if (predictor >= setup.coefficients.size()) return WavError::DecodeFailed;
            state.emplace_back(setup.coefficients[predictor], word(0, c), word(2, c), word(1, c));
            out.samples.push_back(word(2, c));
        }
        for (unsigned c = 0; c < channels; ++c)
            out.samples.push_back(word(1, c));
        std::size_t code = 0;
        for (std::size_t s = 2; s < samples; ++s) {
            for (unsigned c = 0; c < channels; ++c, ++code) {
                const std::uint8_t byte = block[header + code / 2];
                out.samples.push_back(state[c].next(code % 2 == 0 ? byte >> 4 : byte & 0x0F));
            }
        }
    }
    return WavError::None;
}

struct Mpg123Deleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};

// Decodes the MPEG audio stream with libmpg123 directly, quietly: damaged streams must not print. The
// stream's own frames decide the rate and channels. Decoding stops at a change of format or at the first
// error; what came before is kept.
WavError decodeMpegLayer3(Bytes payload, PcmAudio& out) {
    static const bool initialised = mpg123_init() == MPG123_OK;
    int error = MPG123_OK;
    const std::unique_ptr<mpg123_handle, Mpg123Deleter> handle(initialised ? mpg123_new(nullptr, &error)
                                                                           : nullptr);
    mpg123_handle* const mh = handle.get();
    if (mh == nullptr || mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0) != MPG123_OK ||
        mpg123_format_none(mh) != MPG123_OK)
        return WavError::DecodeFailed;
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(mh) != MPG123_OK || mpg123_feed(mh, payload.data(), payload.size()) != MPG123_OK)
        return WavError::DecodeFailed;

    std::array<std::int16_t, 8192> chunk{};
    std::size_t maxSamples = 0;
    const auto keep = [&](std::size_t bytes) {
        if (out.channels != 0)
            out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + bytes / sizeof chunk[0]);
    };
    for (;;) {
        std::size_t bytes = 0;
        const int rc = mpg123_read(mh, chunk.data(), sizeof chunk, &bytes);
        if (rc == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0;
            int encoding = 0;
            mpg123_getformat(mh, &rate, &channels, &encoding);
            const bool usable = encoding == MPG123_ENC_SIGNED_16 && (channels == 1 || channels == 2) &&
                                rate >= static_cast<long>(kMinRateHz) &&
                                rate <= static_cast<long>(kMaxRateHz);
            if (out.channels != 0 && (!usable || channels != out.channels || rate != out.sampleRate)) {
                keep(bytes); // decoded before the change, in the format so far
                break;
            }
            if (!usable) break;
            out.channels = channels;
            out.sampleRate = static_cast<int>(rate);
            maxSamples = kMaxSeconds * static_cast<std::size_t>(rate) * static_cast<std::size_t>(channels);
        }
        keep(bytes);
        if (out.channels != 0 && out.samples.size() >= maxSamples) break;
        if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT) break;
    }
    if (out.channels == 0) return WavError::DecodeFailed;
    out.samples.resize(std::min(out.samples.size(), maxSamples) / out.channels * out.channels);
    return out.samples.empty() ? WavError::DecodeFailed : WavError::None;
}

} // namespace

std::string_view describe(WavError error) {
    switch (error) {
    case WavError::None:
        return "no error";
    case WavError::NotRiffWave:
        return "not a RIFF WAVE image";
    case WavError::Truncated:
        return "a chunk runs past the end of the image";
    case WavError::NoFormat:
        return "no format chunk before the data";
    case WavError::NoData:
        return "no audio data";
    case WavError::BadFormat:
        return "inconsistent format fields";
    case WavError::Unsupported:
        return "unsupported format";
    case WavError::DecodeFailed:
        return "the audio data could not be decoded";
    }
    return "unknown error";
}

WavParse parseWav(Bytes image) {
    WavParse result;
    WavInfo& info = result.info;
    if (image.size() < 12 || !hasTag(image, 0, "RIFF") || !hasTag(image, 8, "WAVE")) {
        result.error = WavError::NotRiffWave;
        return result;
    }
    // 64-bit offsets: sizes near 4 GiB must not wrap around.
    const std::uint64_t riffEnd = 8 + std::uint64_t{le32(image, 4)};
    if (riffEnd > image.size()) {
        result.error = WavError::Truncated;
        return result;
    }
    info.riffEnd = static_cast<std::uint32_t>(riffEnd);
    bool haveFormat = false;
    for (std::uint64_t at = 12; at + 8 <= riffEnd;) {
        const std::uint64_t size = le32(image, at + 4);
        const std::uint64_t body = at + 8;
        if (body + size > riffEnd) {
            result.error = WavError::Truncated;
            return result;
        }
        if (hasTag(image, at, "fmt ")) {
            if (size < 16) {
                result.error = WavError::BadFormat;
                return result;
            }
            info.formatTag = le16(image, body);
            info.channels = le16(image, body + 2);
            info.sampleRate = le32(image, body + 4);
            info.avgBytesPerSecond = le32(image, body + 8);
            info.blockAlign = le16(image, body + 12);
            info.bitsPerSample = le16(image, body + 14);
            info.formatOffset = static_cast<std::uint32_t>(body);
            info.formatBytes = static_cast<std::uint32_t>(size);
            haveFormat = true;
        } else if (hasTag(image, at, "data")) {
            info.dataOffset = static_cast<std::uint32_t>(body);
            info.dataBytes = static_cast<std::uint32_t>(size);
            result.error = haveFormat ? checkFormat(image, info) : WavError::NoFormat;
            return result;
        }
        at = body + size + (size & 1); // chunks start on even offsets
    }
    result.error = WavError::NoData;
    return result;
}

namespace {

void makeSilence(PcmAudio& audio) {
    audio.channels = 0;
    audio.sampleRate = 0;
    audio.samples.clear(); // keeps the storage
}

// Decodes into silent `out`; on an error `out` may hold part of the sound.
WavError decodeImage(Bytes image, PcmAudio& out) {
    const WavParse parsed = parseWav(image);
    if (!parsed.ok()) return parsed.error;
    const WavInfo& info = parsed.info;
    const Bytes payload = image.subspan(info.dataOffset, info.dataBytes);
    if (info.formatTag == kTagMpegLayer3) return decodeMpegLayer3(payload, out);
    out.channels = info.channels;
    out.sampleRate = static_cast<int>(info.sampleRate);
    if (info.formatTag != kTagPcm) return decodeAdpcm(image, payload, info, out);
    decodePcm(payload, info, out);
    return WavError::None;
}

} // namespace

WavError decodeWavInto(Bytes image, PcmAudio& out) {
    makeSilence(out);
    const WavError error = decodeImage(image, out);
    if (error != WavError::None) makeSilence(out);
    return error;
}

WavDecode decodeWav(Bytes image) {
    WavDecode result;
    result.error = decodeWavInto(image, result.audio);
    return result;
}

} // namespace tk
