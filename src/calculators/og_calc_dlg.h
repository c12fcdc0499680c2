#pragma once

#include "calc/gravity_solver.h"
#include "calculators/calculator_support.h"
#include "calculators/variable_calculator_dlg.h"

class QRadioButton;

namespace mw::calculators {

// "Original Gravity Calculator": solves one fermentable's weight, extract
// potential, boil volume or the original gravity, with the efficiency, and
// shows the gravity in degrees Balling too.
class COGCalcDlg : public VariableCalculatorDlg {
    Q_OBJECT

public:
    COGCalcDlg(PromptService& prompts, CalculatorLookups lookups, QWidget* parent = nullptr);

    using Field = calc::GravitySolver::Field;
    const calc::GravitySolver& solver() const { return m_gravity; }
    QRadioButton* poundsButton() const { return m_pounds; }
    QRadioButton* kilogramsButton() const { return m_kilograms; }
    QPushButton* extractButton() const { return m_extract; }
    QPushButton* adjunctButton() const { return m_adjunct; }
    QPushButton* grainButton() const { return m_grain; }
    QPushButton* ballingButton() const { return m_balling; }
    QLabel* ingredientLabel() const { return m_ingredient; }

protected:
    void refresh() override;

private:
    void choose(calc::GravitySolver::Ingredient kind,
                const std::function<std::optional<NamedValue>(QWidget*)>& lookup);

    calc::GravitySolver m_gravity;
    PromptService& m_promptsForConverter;
    CalculatorLookups m_lookups;
    QRadioButton* m_pounds;
    QRadioButton* m_kilograms;
    QPushButton* m_extract;
    QPushButton* m_adjunct;
    QPushButton* m_grain;
    QPushButton* m_balling;
    QLabel* m_ingredient;
};

}  // namespace mw::calculators
