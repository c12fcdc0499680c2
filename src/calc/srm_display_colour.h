#pragma once

#include <string>

namespace mw::calc {

// An sRGB colour, each channel 0 to 255.
struct DisplayColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    // "#rrggbb"
    std::string hex() const;
    bool operator==(const DisplayColour&) const = default;
};

// The colour a beer of this SRM shows in a glass, for a swatch beside the
// figures. It is the exponential fit of the SRM colour charts that circulates
// among homebrewing programs: each channel is 255 x k^SRM, with k = 0.975 for
// red, 0.88 for green and 0.7 for blue. SRM below 0 counts as 0 (white), and
// above 40 as 40, where every chart ends in black-brown.
DisplayColour srmDisplayColour(double srm);

}  // namespace mw::calc
