// SPDX-License-Identifier: GPL-3.0-or-later
// Reads WAV images in memory: a bounded RIFF walker that judges them, libsndfile (loaded when first needed)
// for PCM and Microsoft ADPCM, libmpg123 for MPEG Layer-3.
#include "toolkit/core/WavDecoder.h"

#include <algorithm>
#include <array>
#include <dlfcn.h>
#include <memory>
#include <mpg123.h>
#include <mutex>
#include <sndfile.h>

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

// Microsoft ADPCM blocks begin with a header of 7 bytes per channel (predictor index, delta, two history
// samples); 4-bit codes follow.
constexpr std::size_t kAdpcmHeaderBytes = 7;

// libsndfile predicts with the seven standard coefficient pairs, which the format puts first in every table.
constexpr std::array<std::array<int, 2>, 7> kStandardCoefficients{
    {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}};

struct AdpcmSetup {
    std::size_t samplesPerBlock = 0; // per channel, the two history samples included
    std::size_t predictors = 0;      // how many predictor indices the table allows
};

std::size_t adpcmSamplesIn(std::size_t blockBytes, unsigned channels) {
    return 2 + (blockBytes - kAdpcmHeaderBytes * channels) * 2 / channels;
}

// Reads the ADPCM extension of the "fmt " chunk (cbSize, samples per block, coefficient table). Without an
// extension the block holds as many samples as fit and the standard coefficients apply. A table whose
// first entries differ from the standard ones describes a variant that is not decoded.
WavError readAdpcmSetup(Bytes image, const WavInfo& info, AdpcmSetup& setup) {
    if (info.bitsPerSample != 4 || info.blockAlign < kAdpcmHeaderBytes * info.channels)
        return WavError::BadFormat;
    const std::size_t fullBlock = adpcmSamplesIn(info.blockAlign, info.channels);
    const Bytes fmt = image.subspan(info.formatOffset, info.formatBytes);
    if (fmt.size() < 22) {
        setup.samplesPerBlock = fullBlock;
        setup.predictors = kStandardCoefficients.size();
        return WavError::None;
    }
    setup.samplesPerBlock = le16(fmt, 18);
    const std::size_t count = le16(fmt, 20);
    if (setup.samplesPerBlock < 2 || setup.samplesPerBlock > fullBlock || count == 0 ||
        22 + 4 * count > fmt.size())
        return WavError::BadFormat;
    setup.predictors = std::min(count, kStandardCoefficients.size());
    for (std::size_t i = 0; i < setup.predictors; ++i) {
        if (le16s(fmt, 22 + 4 * i) != kStandardCoefficients[i][0] ||
            le16s(fmt, 24 + 4 * i) != kStandardCoefficients[i][1])
            return WavError::Unsupported;
    }
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
        smallestPayload = kAdpcmHeaderBytes * info.channels;
    }
    return info.dataBytes < smallestPayload ? WavError::NoData : WavError::None;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}
void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

// What libsndfile is given to read: a plain WAV header made from the checked fields, then the payload, then
// zeros up to `length`. It never sees the image's other chunks, nor any byte outside the payload, so it
// cannot judge the image differently from the walker.
struct LibsndfileInput {
    std::vector<std::uint8_t> header; // up to and including the "data" chunk's header
    Bytes payload;
    sf_count_t length = 0;
    sf_count_t position = 0;
};

// `dataBytes` is the size the "data" chunk claims: the payload cut or padded to whole blocks. For ADPCM the
// samples per block are always the full block's, as libsndfile requires.
void writeHeader(const WavInfo& info, std::size_t fullBlock, std::uint32_t dataBytes,
                 std::vector<std::uint8_t>& out) {
    const bool adpcm = info.formatTag == kTagMsAdpcm;
    const std::uint32_t formatBytes = adpcm ? 22 + 4 * kStandardCoefficients.size() : 16;
    putTag(out, "RIFF");
    put32(out, 4 + 8 + formatBytes + 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, formatBytes);
    put16(out, info.formatTag);
    put16(out, info.channels);
    put32(out, info.sampleRate);
    put32(out, info.avgBytesPerSecond);
    put16(out, info.blockAlign);
    put16(out, info.bitsPerSample);
    if (adpcm) {
        put16(out, formatBytes - 18);
        put16(out, static_cast<std::uint32_t>(fullBlock));
        put16(out, kStandardCoefficients.size());
        for (const auto& [first, second] : kStandardCoefficients) {
            put16(out, static_cast<std::uint16_t>(first));
            put16(out, static_cast<std::uint16_t>(second));
        }
    }
    putTag(out, "data");
    put32(out, dataBytes);
}

sf_count_t inputLength(void* user) {
    return static_cast<LibsndfileInput*>(user)->length;
}

sf_count_t inputTell(void* user) {
    return static_cast<LibsndfileInput*>(user)->position;
}

sf_count_t inputSeek(sf_count_t offset, int whence, void* user) {
    auto& in = *static_cast<LibsndfileInput*>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? in.position : in.length;
    in.position = std::clamp<sf_count_t>(base + offset, 0, in.length);
    return in.position;
}

sf_count_t inputRead(void* to, sf_count_t count, void* user) {
    auto& in = *static_cast<LibsndfileInput*>(user);
    auto* const out = static_cast<std::uint8_t*>(to);
    const auto n = static_cast<std::size_t>(std::clamp<sf_count_t>(count, 0, in.length - in.position));
    const std::size_t header = in.header.size();
    auto at = static_cast<std::size_t>(in.position);
    for (std::size_t i = 0; i < n; ++i, ++at)
        out[i] = at < header ? in.header[at] : at - header < in.payload.size() ? in.payload[at - header] : 0;
    in.position += static_cast<sf_count_t>(n);
    return static_cast<sf_count_t>(n);
}

sf_count_t inputWrite(const void*, sf_count_t, void*) {
    return 0;
}

// libsndfile, loaded at the first PCM or ADPCM sound rather than with the program: it brings six codec
// libraries along (FLAC, Vorbis, Opus, LAME among them), which no first window needs and a program that
// plays only MPEG sounds, or none, never needs. Empty when it cannot be loaded: that sound is then silence.
struct Libsndfile {
    decltype(&sf_open_virtual) openVirtual = nullptr;
    decltype(&sf_readf_short) readFrames = nullptr;
    decltype(&sf_close) close = nullptr;

    static const Libsndfile& get() {
        static const Libsndfile loaded = [] {
            Libsndfile library;
            // Kept for the life of the process.
            void* handle = dlopen(LIBSNDFILE_SONAME, RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) return library;
            library.openVirtual =
                reinterpret_cast<decltype(&sf_open_virtual)>(dlsym(handle, "sf_open_virtual"));
            library.readFrames = reinterpret_cast<decltype(&sf_readf_short)>(dlsym(handle, "sf_readf_short"));
            library.close = reinterpret_cast<decltype(&sf_close)>(dlsym(handle, "sf_close"));
            if (!library.openVirtual || !library.readFrames || !library.close) library = {};
            return library;
        }();
        return loaded;
    }
};

// Decodes PCM or Microsoft ADPCM with libsndfile. A block is a frame for PCM. For ADPCM, libsndfile yields
// full blocks: each keeps the samples per block that the format names, and a short last block the samples
// it holds (a tail shorter than a block header holds none).
WavError decodeWithLibsndfile(Bytes image, Bytes payload, const WavInfo& info, PcmAudio& out) {
    const unsigned channels = info.channels;
    std::size_t blocks = payload.size() / info.blockAlign;
    std::size_t fullBlock = 1;
    std::size_t keptPerBlock = 1;
    std::size_t keptInLast = 1;
    if (info.formatTag == kTagMsAdpcm) {
        AdpcmSetup setup;
        if (readAdpcmSetup(image, info, setup) != WavError::None) return WavError::DecodeFailed;
        fullBlock = adpcmSamplesIn(info.blockAlign, channels);
        keptPerBlock = keptInLast = setup.samplesPerBlock;
        if (const std::size_t tail = payload.size() % info.blockAlign; tail >= kAdpcmHeaderBytes * channels) {
            ++blocks;
            keptInLast = std::min(keptPerBlock, adpcmSamplesIn(tail, channels));
        }
        // Where a block names a predictor beyond its seven, libsndfile would quietly predict with the first.
        for (std::size_t b = 0; b < blocks; ++b) {
            for (unsigned c = 0; c < channels; ++c) {
                if (payload[b * info.blockAlign + c] >= setup.predictors) return WavError::DecodeFailed;
            }
        }
    }
    const std::size_t dataBytes = blocks * info.blockAlign;
    LibsndfileInput input;
    writeHeader(info, fullBlock, static_cast<std::uint32_t>(dataBytes), input.header);
    input.payload = payload.first(std::min(payload.size(), dataBytes));
    input.length = static_cast<sf_count_t>(input.header.size() + dataBytes);
    const Libsndfile& sndfile = Libsndfile::get();
    if (sndfile.openVirtual == nullptr) return WavError::Unsupported;
    SF_VIRTUAL_IO io{inputLength, inputSeek, inputRead, inputWrite, inputTell};
    SF_INFO format{};
    SNDFILE* file = nullptr;
    {
        // A failed open records its error in libsndfile's globals: one open at a time.
        static std::mutex opening;
        const std::lock_guard lock(opening);
        file = sndfile.openVirtual(&io, SFM_READ, &format, &input);
    }
    if (file == nullptr) return WavError::DecodeFailed;
    const std::size_t frames = blocks * fullBlock;
    out.channels = static_cast<int>(channels);
    out.sampleRate = static_cast<int>(info.sampleRate);
    out.samples.resize(frames * channels);
    const sf_count_t read =
        format.channels == static_cast<int>(channels)
            ? sndfile.readFrames(file, out.samples.data(), static_cast<sf_count_t>(frames))
            : 0;
    sndfile.close(file);
    if (read != static_cast<sf_count_t>(frames)) return WavError::DecodeFailed;
    if (keptPerBlock != fullBlock || keptInLast != fullBlock) {
        auto kept = out.samples.begin();
        for (std::size_t b = 0; b < blocks; ++b) {
            const auto first = out.samples.begin() + static_cast<std::ptrdiff_t>(b * fullBlock * channels);
            kept = std::copy_n(first, (b + 1 == blocks ? keptInLast : keptPerBlock) * channels, kept);
        }
        out.samples.erase(kept, out.samples.end());
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
    return decodeWithLibsndfile(image, payload, info, out);
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
