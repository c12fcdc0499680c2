#pragma once

#include <string>

#include "calc/variable_solver.h"

namespace mw::calc {

// The original gravity calculator without its window: given three of weight,
// extract potential, boil volume and original gravity, and the efficiency, it
// solves for the fourth and shows the gravity also in degrees Balling.
class GravitySolver final : public VariableSolver {
public:
    enum Field { Weight, Potential, BoilVolume, Efficiency, OriginalGravity, Balling, FieldCount };
    // In the order of the "Currently solving for:" list.
    enum Variable {
        VarGravity = 0,
        VarWeight = 1,
        VarPotential = 2,
        VarBoilVolume = 3,
        VarNone = 4
    };
    enum WeightUnit { Pounds = 0, Kilograms = 1 };
    enum class Ingredient { Extract, Adjunct, Grain };

    GravitySolver();

    bool efficiencyEnabled() const { return m_efficiencyEnabled; }
    const std::string& ingredientName() const { return m_ingredientName; }
    WeightUnit weightUnit() const { return m_unit; }
    // Read at the next Calculate.
    void setWeightUnit(WeightUnit unit) { m_unit = unit; }

    SolveOutcome calculate() override;
    // An extract, adjunct or grain chosen from its lookup: its gravity becomes
    // the potential; extracts and adjuncts count at 100 percent and lock the
    // efficiency, grains start from 80 percent.
    void selectIngredient(Ingredient kind, const std::string& name, double specificGravity);

private:
    void restoreDefaults() override;

    WeightUnit m_unit = Pounds;
    bool m_efficiencyEnabled = true;
    std::string m_ingredientName;
};

}  // namespace mw::calc
