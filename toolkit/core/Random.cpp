// SPDX-License-Identifier: GPL-3.0-or-later
// Random source: xoshiro256** with splitmix64 seeding and clock mixing.
#include "toolkit/core/Random.h"

#include <bit>
#include <cstring>

namespace tk {
namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kDefaultSeed = 0x46494C4152494E4FULL;

} // namespace

RandomSource::RandomSource()
    : RandomSource(kDefaultSeed) {}

RandomSource::RandomSource(std::uint64_t seed) {
    for (auto& word : state_)
        word = splitmix64(seed);
}

std::uint64_t RandomSource::nextBits() {
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

double RandomSource::next() {
    // The top 53 bits make an exact double in [0, 1).
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

void RandomSource::mix(double reading) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof reading);
    std::memcpy(&bits, &reading, sizeof bits);
    std::uint64_t stir = bits ^ nextBits();
    for (auto& word : state_)
        word ^= splitmix64(stir);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0)
        state_[0] = kDefaultSeed; // the all-zero state would stay zero for ever
}

} // namespace tk
