#pragma once

#include <array>
#include <string>

namespace mw::calc {

class RecipeFields;

// The recipe's target style and the four range lines the status bar shows:
// gravity, alcohol, IBU and colour, each beginning with "Target ".
struct TargetRangeDisplay {
    std::string style;
    std::string category;
    std::string subcategory;
    std::array<std::string, 4> lines;
};

TargetRangeDisplay targetRanges(const RecipeFields& recipe);

}  // namespace mw::calc
