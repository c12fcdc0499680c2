#pragma once

#include <string>
#include <vector>

#include "calc/solver_support.h"

namespace mw::calc {

// What the bitterness, original gravity and alcohol calculators share: field
// texts, a "Currently solving for:" list whose variables each own one field,
// and Recalculate, choose-a-variable and Clear, which work alike on all three.
// Variable 0 is the calculator's result (IBU, gravity, alcohol); its edit is
// emptied when it becomes the unknown, the others get a zero text.
class VariableSolver {
public:
    virtual ~VariableSolver() = default;

    const std::string& text(int field) const { return m_texts[static_cast<std::size_t>(field)]; }
    // A text the user typed; editing a variable's field makes it the last edited.
    virtual void editText(int field, std::string text);

    int solvingFor() const { return m_state.solvingFor; }
    // The value meaning "no variable".
    int noneVariable() const { return static_cast<int>(m_variableFields.size()); }
    // Recalculate, Clear, the list and its label.
    bool resultsEnabled() const { return m_state.resultsEnabled; }
    // The field of a variable; "none" stands for variable 1's field.
    int fieldOf(int variable) const;

    virtual SolveOutcome calculate() = 0;
    // Empties the unknown's edit and calculates again: after changing any
    // input, the same unknown is solved once more.
    SolveOutcome recalculate();
    SolveOutcome chooseVariable(int variable);
    SolveOutcome clear();

protected:
    VariableSolver(int fieldCount, std::vector<int> variableFields, std::string zeroText,
                   int clearFocusField);

    // Puts back every default of the dialog (the texts and any state of its own).
    virtual void restoreDefaults() = 0;

    std::string& field(int f) { return m_texts[static_cast<std::size_t>(f)]; }
    // Start of Calculate: remembers the focus and gives the listed empty
    // fields a "0".
    void beginCalculate(std::initializer_list<int> fieldsZeroIfEmpty);
    // End of a successful solve: the unknown becomes the variable solved for,
    // the results are enabled and the remembered field gets the focus.
    void finishSolve(int unknown, SolveOutcome& outcome);
    // A refused solve that leaves the unknown's edit empty.
    void emptyUnknown(int unknown) { field(fieldOf(unknown)).clear(); }

    SolverState m_state;

private:
    std::vector<std::string> m_texts;
    std::vector<int> m_variableFields;
    std::string m_zeroText;
    int m_clearFocusField;
};

}  // namespace mw::calc
