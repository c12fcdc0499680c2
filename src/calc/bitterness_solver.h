#pragma once

#include <string>

#include "calc/variable_solver.h"

namespace mw::calc {

class HopUtilizationTable;

// The bitterness calculator without its window: given three of weight, alpha
// acid, boil volume and IBU (and the boil time and gravity that fix the hop
// utilization), it solves for the fourth and works out the addition's HBU.
class BitternessSolver final : public VariableSolver {
public:
    enum Field { Weight, Alpha, Utilization, BoilVolume, Gravity, BoilTime, Ibu, Hbu, FieldCount };
    // In the order of the "Currently solving for:" list.
    enum Variable { VarIbu = 0, VarWeight = 1, VarAlpha = 2, VarBoilVolume = 3, VarNone = 4 };
    enum Measurement { English = 0, Metric = 1 };

    explicit BitternessSolver(const HopUtilizationTable& table);

    // Editing the boil time or gravity marks the utilization as stale.
    void editText(int field, std::string text) override;

    Measurement measurement() const { return m_measurement; }
    const char* weightUnit() const { return m_measurement == English ? "Onces" : "Grams"; }
    const char* volumeUnit() const { return m_measurement == English ? "Gallons" : "Liters"; }
    // The chosen hop as the dialog shows it: name, ", " and the alpha.
    const std::string& hopLabel() const { return m_hopLabel; }

    SolveOutcome calculate() override;
    // The English or Metric button: new unit labels, then Recalculate.
    SolveOutcome setMeasurement(Measurement measurement);
    // The boil time or gravity edit lost the focus: looks the utilization up
    // again after a change; the focus returns to the edit when it is 0.
    SolveOutcome leaveField(Field field);
    // A hop chosen from the hop lookup.
    void selectHop(const std::string& name, double alpha);

private:
    void restoreDefaults() override;
    void showHop(const std::string& name, double alpha);
    // Looks the utilization up and shows it; lookup messages go to `outcome`.
    double refreshUtilization(int boilMinutes, double gravity, SolveOutcome& outcome);

    const HopUtilizationTable& m_table;
    Measurement m_measurement = English;
    std::string m_hopLabel;
    bool m_utilizationStale = false;
};

}  // namespace mw::calc
