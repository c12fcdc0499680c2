#pragma once

#include <array>
#include <string>

#include "calc/solver_support.h"

namespace mw::calc {

class HopUtilizationTable;

// The bitterness calculator without its window: given three of weight, alpha
// acid, boil volume and IBU (and the boil time and gravity that fix the hop
// utilization), it solves for the fourth and works out the addition's HBU.
// The window keeps the field texts here, passes the user's edits in, and shows
// what each action returns.
class BitternessSolver {
public:
    enum Field { Weight, Alpha, Utilization, BoilVolume, Gravity, BoilTime, Ibu, Hbu, FieldCount };
    // In the order of the "Currently solving for:" list.
    enum Variable { VarIbu = 0, VarWeight = 1, VarAlpha = 2, VarBoilVolume = 3, VarNone = 4 };
    enum Measurement { English = 0, Metric = 1 };

    explicit BitternessSolver(const HopUtilizationTable& table);

    const std::string& text(Field field) const { return m_texts[field]; }
    // A text the user typed: marks the variable last edited, or the
    // utilization as stale for the boil time and gravity.
    void editText(Field field, std::string text);

    int solvingFor() const { return m_state.solvingFor; }
    bool resultsEnabled() const { return m_state.resultsEnabled; }
    Measurement measurement() const { return m_measurement; }
    const char* weightUnit() const { return m_measurement == English ? "Onces" : "Grams"; }
    const char* volumeUnit() const { return m_measurement == English ? "Gallons" : "Liters"; }
    // The chosen hop as static 1213 shows it: name, ", " and the alpha.
    const std::string& hopLabel() const { return m_hopLabel; }

    SolveOutcome calculate();
    SolveOutcome recalculate();
    SolveOutcome chooseVariable(int variable);
    SolveOutcome clear();
    // The English or Metric button: new unit labels, then Recalculate.
    SolveOutcome setMeasurement(Measurement measurement);
    // The boil time or gravity edit lost the focus: looks the utilization up
    // again after a change; the focus returns to the edit when it is 0.
    SolveOutcome leaveField(Field field);
    // A hop chosen from the hop lookup.
    void selectHop(const std::string& name, double alpha);

    static Field fieldOf(int variable);

private:
    void restoreDefaults();
    void showHop(const std::string& name, double alpha);
    // Looks the utilization up and shows it; lookup messages go to `outcome`.
    double refreshUtilization(int boilMinutes, double gravity, SolveOutcome& outcome);

    const HopUtilizationTable& m_table;
    std::array<std::string, FieldCount> m_texts;
    SolverState m_state;
    Measurement m_measurement = English;
    std::string m_hopLabel;
    bool m_utilizationStale = false;
};

}  // namespace mw::calc
