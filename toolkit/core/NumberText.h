// Sign-position number text: one blank before zero or a positive number, "-" before a negative one.
#pragma once

#include <string>

namespace tk {

inline std::string signPositionText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace tk
