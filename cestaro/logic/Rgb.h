// A colour as red, green and blue components 0..255.
#pragma once

namespace cestaro {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace cestaro
