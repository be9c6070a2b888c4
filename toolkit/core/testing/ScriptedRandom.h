// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for the random source: hands out chosen values in turn and records what is mixed in.
#pragma once

#include "toolkit/core/Random.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace tk {

// Returns the given values in turn, then repeats the last one (0 when given none); records mixes.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values)
        : values_(std::move(values)) {}

    double next() override {
        if (values_.empty()) return 0.0;
        const double value = values_[next_ < values_.size() ? next_ : values_.size() - 1];
        ++next_;
        return value;
    }
    void mix(double reading) override { mixes_.push_back(reading); }
    void push(double value) { values_.push_back(value); }
    const std::vector<double>& mixes() const { return mixes_; }
    std::size_t drawn() const { return next_; }

private:
    std::vector<double> values_;
    std::vector<double> mixes_;
    std::size_t next_ = 0;
};

} // namespace tk
