// SPDX-License-Identifier: GPL-3.0-or-later
// An RGB triple drawn for a flashing dot, each component 0 to 255.
#pragma once

#include "toolkit/core/RgbColour.h"

namespace filarino {
using FlashColour = tk::Rgb;
} // namespace filarino
