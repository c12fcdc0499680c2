#pragma once

#include <string>

#include "calc/variable_solver.h"

namespace mw::calc {

// The alcohol calculator without its window: given two of original gravity,
// terminal gravity and alcohol by volume it finds the third; when the
// terminal gravity is not known it predicts it from the yeast attenuation.
class AlcoholSolver final : public VariableSolver {
public:
    enum Field { OriginalGravity, TerminalGravity, Attenuation, ByVolume, ByWeight, FieldCount };
    // In the order of the "Currently solving for:" list.
    enum Variable { VarByVolume = 0, VarOriginal = 1, VarTerminal = 2, VarNone = 3 };

    AlcoholSolver();

    SolveOutcome calculate() override;

private:
    void restoreDefaults() override;
};

}  // namespace mw::calc
