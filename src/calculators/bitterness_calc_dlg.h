#pragma once

#include "calc/bitterness_solver.h"
#include "calculators/calculator_support.h"
#include "calculators/variable_calculator_dlg.h"

class QRadioButton;

namespace mw::calc {
class HopUtilizationTable;
}

namespace mw::calculators {

// "Bitterness Calculator": solves one hop addition's weight, alpha acid, boil
// volume or IBU from the other three, with the utilization of its boil time
// and gravity.
class CBitternessCalcDlg : public VariableCalculatorDlg {
    Q_OBJECT

public:
    CBitternessCalcDlg(const calc::HopUtilizationTable& utilization, PromptService& prompts,
                       CalculatorLookups lookups, QWidget* parent = nullptr);

    using Field = calc::BitternessSolver::Field;
    const calc::BitternessSolver& solver() const { return m_bitterness; }
    QRadioButton* englishButton() const { return m_english; }
    QRadioButton* metricButton() const { return m_metric; }
    QPushButton* selectHopButton() const { return m_selectHop; }
    QLabel* hopLabel() const { return m_hop; }
    QLabel* weightUnitLabel() const { return m_weightUnit; }
    QLabel* volumeUnitLabel() const { return m_volumeUnit; }
    QLabel* methodLabel() const { return m_method; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void refresh() override;

private:
    calc::BitternessSolver m_bitterness;
    CalculatorLookups m_lookups;
    QRadioButton* m_english;
    QRadioButton* m_metric;
    QPushButton* m_selectHop;
    QLabel* m_hop;
    QLabel* m_weightUnit;
    QLabel* m_volumeUnit;
    QLabel* m_method;
};

}  // namespace mw::calculators
