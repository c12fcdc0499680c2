#pragma once

#include <array>
#include <string>

#include "calc/solver_support.h"

namespace mw::calc {

// The alcohol calculator without its window: given two of original gravity,
// terminal gravity and alcohol by volume it finds the third; when the
// terminal gravity is not known it predicts it from the yeast attenuation.
class AlcoholSolver {
public:
    enum Field { OriginalGravity, TerminalGravity, Attenuation, ByVolume, ByWeight, FieldCount };
    // In the order of the "Currently solving for:" list.
    enum Variable { VarByVolume = 0, VarOriginal = 1, VarTerminal = 2, VarNone = 3 };

    AlcoholSolver();

    const std::string& text(Field field) const { return m_texts[field]; }
    void editText(Field field, std::string text);

    int solvingFor() const { return m_state.solvingFor; }
    bool resultsEnabled() const { return m_state.resultsEnabled; }

    SolveOutcome calculate();
    SolveOutcome recalculate();
    SolveOutcome chooseVariable(int variable);
    SolveOutcome clear();

    static Field fieldOf(int variable);

private:
    void restoreDefaults();
    // The text an unknown's edit gets before it is solved: empty for the
    // alcohol, "0.000" for a gravity.
    static const char* unknownText(int variable);

    std::array<std::string, FieldCount> m_texts;
    SolverState m_state;
};

}  // namespace mw::calc
