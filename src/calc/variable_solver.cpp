#include "calc/variable_solver.h"

#include <algorithm>

namespace mw::calc {

VariableSolver::VariableSolver(int fieldCount, std::vector<int> variableFields,
                               std::string zeroText, int clearFocusField)
    : m_texts(static_cast<std::size_t>(fieldCount)),
      m_variableFields(std::move(variableFields)),
      m_zeroText(std::move(zeroText)),
      m_clearFocusField(clearFocusField) {}

int VariableSolver::fieldOf(int variable) const {
    const bool listed = variable >= 0 && variable < noneVariable();
    return m_variableFields[static_cast<std::size_t>(listed ? variable : 1)];
}

void VariableSolver::editText(int f, std::string text) {
    field(f) = std::move(text);
    const auto it = std::find(m_variableFields.begin(), m_variableFields.end(), f);
    if (it != m_variableFields.end()) {
        m_state.lastEdited = static_cast<int>(it - m_variableFields.begin());
    }
}

void VariableSolver::beginCalculate(std::initializer_list<int> fieldsZeroIfEmpty) {
    m_state.rememberFocus();
    for (int f : fieldsZeroIfEmpty) {
        zeroIfEmpty(field(f));
    }
}

void VariableSolver::finishSolve(int unknown, SolveOutcome& outcome) {
    m_state.solvingFor = unknown;
    m_state.resultsEnabled = true;
    outcome.solved = true;
    outcome.focusField = fieldOf(m_state.focusVariable);
}

SolveOutcome VariableSolver::recalculate() {
    m_state.beginRecalculate();
    if (m_state.solvingFor != noneVariable()) {
        field(fieldOf(m_state.solvingFor)) = m_state.solvingFor == 0 ? "" : m_zeroText;
    }
    return calculate();
}

SolveOutcome VariableSolver::chooseVariable(int variable) {
    SolveOutcome outcome;
    if (variable < 0 || variable >= noneVariable()) {
        return outcome;
    }
    m_state.lastEdited = noneVariable();
    m_state.solvingFor = variable;
    field(fieldOf(variable)) = variable == 0 ? "" : m_zeroText;
    outcome.focusField = fieldOf(variable);
    return outcome;
}

SolveOutcome VariableSolver::clear() {
    restoreDefaults();
    m_state = SolverState{};
    m_state.solvingFor = noneVariable();
    SolveOutcome outcome;
    outcome.focusField = m_clearFocusField;
    return outcome;
}

}  // namespace mw::calc
