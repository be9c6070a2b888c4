// An RGB triple drawn for a flashing dot, each component 0 to 255.
#pragma once

namespace filarino {

struct FlashColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const FlashColour&, const FlashColour&) = default;
};

} // namespace filarino
