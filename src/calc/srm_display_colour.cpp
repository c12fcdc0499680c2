#include "calc/srm_display_colour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mw::calc {

std::string DisplayColour::hex() const {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red & 0xff, green & 0xff, blue & 0xff);
    return text;
}

DisplayColour srmDisplayColour(double srm) {
    const double s = std::isfinite(srm) ? std::clamp(srm, 0.0, 40.0) : 0.0;
    const auto channel = [s](double k) {
        return static_cast<int>(std::lround(255.0 * std::pow(k, s)));
    };
    return {channel(0.975), channel(0.88), channel(0.7)};
}

}  // namespace mw::calc
