#pragma once

#include <array>
#include <string>

#include "calc/solver_support.h"

namespace mw::calc {

// The original gravity calculator without its window: given three of weight,
// extract potential, boil volume and original gravity, and the efficiency, it
// solves for the fourth and shows the gravity also in degrees Balling.
class GravitySolver {
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

    const std::string& text(Field field) const { return m_texts[field]; }
    void editText(Field field, std::string text);

    int solvingFor() const { return m_state.solvingFor; }
    bool resultsEnabled() const { return m_state.resultsEnabled; }
    bool efficiencyEnabled() const { return m_efficiencyEnabled; }
    const std::string& ingredientName() const { return m_ingredientName; }
    WeightUnit weightUnit() const { return m_unit; }
    // Read at the next Calculate.
    void setWeightUnit(WeightUnit unit) { m_unit = unit; }

    SolveOutcome calculate();
    SolveOutcome recalculate();
    SolveOutcome chooseVariable(int variable);
    SolveOutcome clear();
    // An extract, adjunct or grain chosen from its lookup: its gravity becomes
    // the potential; extracts and adjuncts count at 100 percent and lock the
    // efficiency, grains start from 80 percent.
    void selectIngredient(Ingredient kind, const std::string& name, double specificGravity);

    static Field fieldOf(int variable);

private:
    void restoreDefaults();

    std::array<std::string, FieldCount> m_texts;
    SolverState m_state;
    WeightUnit m_unit = Pounds;
    bool m_efficiencyEnabled = true;
    std::string m_ingredientName;
};

}  // namespace mw::calc
