#pragma once

#include <QColor>
#include <QString>

#include "grid/grid_settings.h"
#include "grid/gw_grid_ctrl.h"
#include "views/style_selection.h"

namespace mw {
class PromptService;
}

namespace mw::views {

// The Target Style window's comparison table, 5 rows by 6 columns from
// "GWTargetStyle.gws": a heading row, then original gravity, alcohol,
// bitterness and colour, each with the style's low limit, "-" when the
// prediction is below it, the prediction (red when out of range), "+" when
// above, and the high limit. Nothing in it can be edited.
class CTargetStyleGrid2 : public grid::CGWGridCtrl {
    Q_OBJECT

public:
    static constexpr char kSettingsFile[] = "GWTargetStyle.gws";

    // The quantities by their row under the heading row.
    enum Quantity { Gravity, Alcohol, Bitterness, Color, QuantityCount };
    enum Column { Heading, Low, Below, Predicted, Above, High, ColumnCount };

    static const QColor kOutOfRange;  // red
    static const QColor kNormal;      // black

    explicit CTargetStyleGrid2(PromptService& prompts, QWidget* parent = nullptr);

    const grid::GridSettings& gridSettings() const { return m_settings; }

    // The four predictions into the predicted column.
    void setPredicted(const PredictedValues& values);
    // The limits into the low and high columns, and each prediction against
    // them: outside (strictly below or above) it turns red with "-" or "+".
    void showLimits(const StyleLimits& limits);

    QString text(Quantity quantity, Column column) const;
    QColor textColor(Quantity quantity, Column column) const;

    // A value as its row writes it: gravity "%.3f", the others "%.1f".
    static QString formatted(Quantity quantity, double value);

private:
    grid::GridSettings m_settings;
    grid::CGWSheetModel* m_cells = nullptr;
    double m_predicted[QuantityCount] = {};
};

}  // namespace mw::views
