#pragma once

#include "calc/alcohol_solver.h"
#include "calculators/variable_calculator_dlg.h"

namespace mw::calculators {

// "Alcohol Content Calculator": original gravity, terminal gravity and
// alcohol by volume, any one from the other two; a missing terminal gravity
// is predicted from the yeast attenuation. Shows alcohol by weight too.
class CAlcoholCalcDlg : public VariableCalculatorDlg {
    Q_OBJECT

public:
    explicit CAlcoholCalcDlg(PromptService& prompts, QWidget* parent = nullptr);

    using Field = calc::AlcoholSolver::Field;
    const calc::AlcoholSolver& solver() const { return m_alcohol; }
    QPushButton* abvAbwButton() const { return m_abvAbw; }
    QPushButton* sgBallingButton() const { return m_sgBalling; }

private:
    calc::AlcoholSolver m_alcohol;
    QPushButton* m_abvAbw;
    QPushButton* m_sgBalling;
};

}  // namespace mw::calculators
