// SPDX-License-Identifier: GPL-3.0-or-later
// Uniform random values in [0, 1): the interface the games draw from, and the program's real source.
#pragma once

#include <array>
#include <cstdint>

namespace tk {

class Random {
public:
    virtual ~Random() = default;
    // A value uniformly distributed in [0, 1).
    virtual double next() = 0;
    // Stirs a reading (typically the clock) into the source. The state after mixing depends on both the
    // reading and everything drawn before, so mixing the same reading twice never replays a sequence.
    virtual void mix(double reading) = 0;
};

// xoshiro256** seeded through splitmix64. Default-constructed it always starts in the same state.
class RandomSource final : public Random {
public:
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    double next() override;
    void mix(double reading) override;

private:
    std::uint64_t nextBits();
    std::array<std::uint64_t, 4> state_{};
};

} // namespace tk
