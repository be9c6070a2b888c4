// SPDX-License-Identifier: GPL-3.0-or-later
// The two checks every program makes of its windows on a scaled screen.
#pragma once

#include <functional>

class QWidget;

namespace scaling {

// Shows each window in the states worth looking at, handing it to the function it is given.
using WindowVisit = std::function<void(const std::function<void(QWidget*)>& look)>;

// Every control of every window visited stands in the same logical place, with the same size and font, as
// in the same visit at scale 1; and the screen is scaled as the run intended.
void expectLayoutAsAtScaleOne(const WindowVisit& visit);

// Every window visited paints crisply at the screen's ratio.
void expectCrispWindows(const WindowVisit& visit);

} // namespace scaling
