#pragma once

#include <string>
#include <vector>

#include "calc/calc_results.h"
#include "calc/srm_display_colour.h"

namespace mw::calc {

class IngredientCells;
class RecipeFields;

// One named method's figure.
struct MethodFigure {
    std::string method;
    double value = 0.0;
};

// One hop addition as the present-day bitterness methods see it.
struct ModernHopAddition {
    int row = 0;
    int minutes = 0;
    double alphaPercent = 0.0;
    double grams = 0.0;
    double tinsethUtilization = 0.0;  // fraction
    double tinsethIbu = 0.0;
    double ragerUtilizationPercent = 0.0;
    double ragerIbu = 0.0;
    bool counted = false;  // false: a finishing or dry hop (no boil time)
};

struct ModernBitterness {
    bool worked = false;
    std::string gravityName;  // which wort gravity the utilization is taken at
    double gravity = 0.0;
    double litres = 0.0;  // the boil volume the alpha acid is dissolved in
    double ragerAdjustment = 0.0;
    std::vector<ModernHopAddition> hops;
    std::vector<MethodFigure> ibu;  // Tinseth (formula), Rager
    std::vector<std::string> notes;
};

struct ModernColour {
    bool worked = false;
    double mcu = 0.0;               // degrees Lovibond x pounds per US gallon
    std::vector<MethodFigure> srm;  // Morey, Daniels, Mosher
    std::vector<MethodFigure> ebc;  // the same methods in EBC
    DisplayColour display;          // of the Morey SRM
    std::vector<std::string> notes;
};

struct ModernAlcohol {
    bool worked = false;
    double originalGravity = 0.0;
    double attenuation = 0.0;  // fraction
    double finalGravity = 0.0;
    std::vector<MethodFigure> abv;  // simple, alternate
    std::vector<MethodFigure> abw;  // of each ABV
    std::vector<std::string> notes;
};

// Present-day predictions of the recipe, worked from the same ingredient rows
// and the classic predictions (the original gravity, the attenuation the
// alcohol used), beside them and never instead of them.
struct ModernPredictions {
    ModernBitterness bitterness;
    ModernColour colour;
    ModernAlcohol alcohol;
};

// `attenuation` is the fraction the classic alcohol prediction used.
ModernPredictions predictModern(const RecipeFields& recipe, const IngredientCells& cells,
                                const CalcResults& classic, double attenuation);

}  // namespace mw::calc
