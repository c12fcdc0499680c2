#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "calc/assumption_report.h"
#include "calc/calc_results.h"
#include "calc/modern_predictions.h"

class QTreeWidget;

namespace mw::calc {
class IngredientCells;
class RecipeCalculation;
class RecipeFields;
}  // namespace mw::calc

namespace mw::views {

class RangeBar;

// A style's range of one figure.
struct FigureRange {
    double low = 0.0;
    double high = 0.0;
};

// Everything the Prediction Details window shows: the classic and the
// present-day predictions, the target style's ranges and the assumptions.
struct PredictionDetails {
    QString style;
    calc::CalcResults classic;
    calc::ModernPredictions modern;
    std::vector<calc::Assumption> assumptions;
    FigureRange gravity, alcohol, ibu, color;
};

// The details of a recalculation that ran with `report` attached.
PredictionDetails gatherPredictionDetails(const calc::RecipeCalculation& calculation,
                                          const calc::AssumptionReport& report,
                                          const calc::RecipeFields& recipe,
                                          const calc::IngredientCells& cells);

// "Prediction Details": the classic and the present-day figures side by side,
// each against the target style's range on a bar, the beer's colour as a
// swatch and the assumption behind every classic figure.
class CPredictionDetailsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPredictionDetailsDlg(const PredictionDetails& details, QWidget* parent = nullptr);

    // The figure bars, top to bottom, by their labels.
    const std::vector<std::pair<QString, RangeBar*>>& bars() const { return m_bars; }
    QTreeWidget* assumptions() const { return m_assumptions; }
    QWidget* swatch() const { return m_swatch; }

private:
    std::vector<std::pair<QString, RangeBar*>> m_bars;
    QTreeWidget* m_assumptions = nullptr;
    QWidget* m_swatch = nullptr;
};

}  // namespace mw::views
