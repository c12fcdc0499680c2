#pragma once

#include <optional>
#include <string_view>

namespace mw::calc {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kErrorRed{255, 0, 0};
inline constexpr Rgb kHighlightBlue{0, 0, 255};
inline constexpr Rgb kPlainBlack{0, 0, 0};

// The calculation status the recipe form shows beside its "Msgs" button.
enum class CalcStatus { NotDone, Errors, NoErrors };

struct CalcStatusLook {
    std::string_view text;
    std::optional<Rgb> color;  // none: the label's normal text colour
    bool msgsButtonEnabled = false;
};

constexpr CalcStatusLook calcStatusLook(CalcStatus status) {
    switch (status) {
        case CalcStatus::Errors:
            return {"Errors", kErrorRed, true};
        case CalcStatus::NoErrors:
            return {"No Errors", kHighlightBlue, false};
        case CalcStatus::NotDone:
            break;
    }
    return {"Not Done", std::nullopt, false};
}

}  // namespace mw::calc
