#include "calc/target_ranges.h"

#include "calc/recipe_fields.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {
constexpr int kMsgTargetPrefix = 174;
constexpr int kMsgGravityRange = 172;
constexpr int kMsgIbuRange = 173;
constexpr int kMsgAlcoholRange = 175;
constexpr int kMsgColorRange = 176;

std::string rangeLine(int message, int format, double low, double high) {
    return std::string(catalogueText(kMsgTargetPrefix)) +
           formatMessage(message, formatNumber(format, low), formatNumber(format, high));
}
}  // namespace

TargetRangeDisplay targetRanges(const RecipeFields& recipe) {
    TargetRangeDisplay display;
    display.style = recipe.targetStyle();
    display.category = recipe.targetCategory();
    display.subcategory = recipe.targetSubcategory();
    display.lines = {
        rangeLine(kMsgGravityRange, msg::FormatThreeDecimals, recipe.targetSpGravLo(),
                  recipe.targetSpGravHi()),
        rangeLine(kMsgAlcoholRange, msg::FormatOneDecimal, recipe.targetAlcoLo(),
                  recipe.targetAlcoHi()),
        rangeLine(kMsgIbuRange, msg::FormatWhole, recipe.targetIbuLo(), recipe.targetIbuHi()),
        rangeLine(kMsgColorRange, msg::FormatOneDecimal, recipe.targetColorLo(),
                  recipe.targetColorHi()),
    };
    return display;
}

}  // namespace mw::calc
