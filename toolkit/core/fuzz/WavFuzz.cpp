// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point: any byte string given to the WAV decoder yields audio or an error, never a fault.
#include "toolkit/core/WavDecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    const tk::WavParse parsed = tk::parseWav(image);
    if (parsed.ok()) {
        const tk::WavInfo& info = parsed.info;
        // The payload lies inside the RIFF chunk, which lies inside the image.
        if (info.riffEnd > size || std::size_t{info.dataOffset} + info.dataBytes > info.riffEnd) std::abort();
    }
    const tk::WavDecode decoded = tk::decodeWav(image);
    const tk::PcmAudio& audio = decoded.audio;
    // Only the payload itself can fail after a good header; a bad header fails the same way in both.
    if (parsed.ok() ? !decoded.ok() && decoded.error != tk::WavError::DecodeFailed
                    : decoded.error != parsed.error)
        std::abort();
    if (!decoded.ok() && !audio.samples.empty()) std::abort();
    if (decoded.ok() && (audio.channels < 1 || audio.channels > 2 || audio.frames() == 0 ||
                         audio.samples.size() % static_cast<std::size_t>(audio.channels) != 0))
        std::abort();
    return 0;
}
