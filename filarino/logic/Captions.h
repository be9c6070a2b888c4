// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the exercise windows show: the range banner and the two times with their display caps.
#pragma once

#include <cstdint>
#include <string>

namespace filarino {

// "  FILARINO DA " + sign-position text of the minimum + " a" + sign-position text of the maximum,
// so the range 1 to 4 reads "  FILARINO DA  1 a 4".
std::string rangeTitle(std::int16_t numeroMinimo, std::int16_t numeroMassimo);

// The partial time as shown in its cell: "99" above 99 seconds, otherwise its sign-position text (" 7").
std::string displayedPartialTime(long long seconds);

// The total time as shown in its cell: "999" above 999 seconds, otherwise its sign-position text.
std::string displayedTotalTime(long long seconds);

} // namespace filarino
