// SPDX-License-Identifier: GPL-3.0-or-later
// Sign-position number text: one blank before zero or a positive number, "-" before a negative one.
#pragma once

#include <string>

namespace tk {

inline std::string signPositionText(long long value) {
    std::string text(value < 0 ? 0 : 1, ' '); // the minus sign comes with the digits
    text += std::to_string(value);
    return text;
}

} // namespace tk
