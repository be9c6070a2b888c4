// SPDX-License-Identifier: GPL-3.0-or-later
// The glow table: red full, green falling by 51 from yellow to red, then rising back.
#include "cestaro/logic/DemoGlow.h"

#include <array>

namespace cestaro {

tk::Rgb DemoGlow::colour(int step) {
    static constexpr std::array<int, kSteps> kGreen{255, 204, 153, 102, 51, 0, 51, 102, 153, 204};
    const int wrapped = ((step % kSteps) + kSteps) % kSteps;
    return tk::Rgb{255, kGreen[static_cast<std::size_t>(wrapped)], 0};
}

tk::Rgb DemoGlow::tick() {
    const tk::Rgb now = colour(step_);
    step_ = step_ == kSteps - 1 ? 0 : step_ + 1;
    return now;
}

} // namespace cestaro
