// WAV decoding (placeholder until the decoder lands).
#include "WavDecoder.h"

namespace tk {
std::string_view describe(WavError) { return "unsupported"; }
WavParse parseWav(std::span<const std::uint8_t>) { return {{}, WavError::NotRiffWave}; }
WavDecode decodeWav(std::span<const std::uint8_t>) { return {{}, WavError::NotRiffWave}; }
} // namespace tk
