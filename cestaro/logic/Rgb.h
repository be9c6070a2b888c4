// SPDX-License-Identifier: GPL-3.0-or-later
// The colour type of cestaro's board: the toolkit's RGB triple.
#pragma once

#include "toolkit/core/RgbColour.h"

namespace cestaro {
using Rgb = tk::Rgb;
} // namespace cestaro
