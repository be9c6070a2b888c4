// SPDX-License-Identifier: GPL-3.0-or-later
// Range banner and capped time texts.
#include "filarino/logic/Captions.h"

#include "toolkit/core/NumberText.h"

namespace filarino {
namespace {

std::string capped(long long value, long long cap) {
    return value > cap ? std::to_string(cap) : tk::signPositionText(value);
}

} // namespace

std::string rangeTitle(std::int16_t numeroMinimo, std::int16_t numeroMassimo) {
    return "  FILARINO DA " + tk::signPositionText(numeroMinimo) + " a" + tk::signPositionText(numeroMassimo);
}

std::string displayedPartialTime(long long seconds) {
    return capped(seconds, 99);
}

std::string displayedTotalTime(long long seconds) {
    return capped(seconds, 999);
}

} // namespace filarino
