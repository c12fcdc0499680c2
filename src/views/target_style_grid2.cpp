#include "views/target_style_grid2.h"

#include <QHeaderView>
#include <QIdentityProxyModel>

#include "grid/sheet_model.h"
#include "recipe_form/desktop_font.h"
#include "resources/number_text.h"
#include "shell/program_files.h"

namespace mw::views {

namespace {

constexpr int kFormatOneDecimal = 192;     // "%.1f"
constexpr int kFormatThreeDecimals = 193;  // "%.3f"

// The tenths of an inch all six columns take together.
constexpr int kTotalTenths = 32;

grid::CGWSheetModel* makeCells(const grid::GridSettings& settings, QObject* parent) {
    grid::SheetSettings sheet =
        settings.sheets.empty() ? grid::SheetSettings{} : settings.sheets.front();
    return new grid::CGWSheetModel(std::move(sheet), false, parent);
}

// Every cell in the grid's own font (the desktop's bold default is too wide
// for the columns' tenths of an inch), the row headings on the heading colour.
class RowHeadingLook : public QIdentityProxyModel {
public:
    RowHeadingLook(const QWidget& view, QObject* parent)
        : QIdentityProxyModel(parent), m_view(view) {}

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::FontRole) {
            return m_view.font();
        }
        if (role == Qt::BackgroundRole && index.column() == CTargetStyleGrid2::Heading) {
            return m_view.palette().button();
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    const QWidget& m_view;
};

}  // namespace

const QColor CTargetStyleGrid2::kOutOfRange(255, 0, 0);
const QColor CTargetStyleGrid2::kNormal(0, 0, 0);

CTargetStyleGrid2::CTargetStyleGrid2(PromptService& prompts, QWidget* parent)
    : grid::CGWGridCtrl(parent),
      m_settings(grid::loadGridSettings(
          shell::findProgramFile(QStringLiteral("grid/") + QLatin1String(kSettingsFile)),
          QLatin1String(kSettingsFile), prompts)) {
    setObjectName(QStringLiteral("targetStyleGrid"));
    setWindowTitle(m_settings.title);
    setFont(recipe_form::desktopFont(m_settings.fontFamily, m_settings.fontPoints));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);

    m_cells = makeCells(m_settings, this);
    setSheet(m_cells);
    auto* look = new RowHeadingLook(*this, this);
    look->setSourceModel(m_cells);
    QTableView::setModel(look);
    useFixedRowHeights();
    // The heading row is a quarter inch high like the others.
    const int rowHeight = logicalDpiY() / 4;
    horizontalHeader()->setFixedHeight(rowHeight);
    // The columns' tenths of an inch plus 10 pixels.
    const int tenth = logicalDpiX() / 10;
    setFixedSize(tenth * kTotalTenths + 10, rowHeight * (QuantityCount + 1) + 2 * frameWidth());
}

QString CTargetStyleGrid2::formatted(Quantity quantity, double value) {
    const int format = quantity == Gravity ? kFormatThreeDecimals : kFormatOneDecimal;
    return QString::fromStdString(formatNumber(format, value));
}

void CTargetStyleGrid2::setPredicted(const PredictedValues& values) {
    m_predicted[Gravity] = values.originalGravity;
    m_predicted[Alcohol] = values.alcohol;
    m_predicted[Bitterness] = values.ibu;
    m_predicted[Color] = values.color;
    for (int q = 0; q < QuantityCount; ++q) {
        m_cells->setCellText(q, Predicted, formatted(Quantity(q), m_predicted[q]));
    }
}

void CTargetStyleGrid2::showLimits(const StyleLimits& limits) {
    const double low[QuantityCount] = {limits.gravityLo, limits.alcoholLo, limits.ibuLo,
                                       limits.colorLo};
    const double high[QuantityCount] = {limits.gravityHi, limits.alcoholHi, limits.ibuHi,
                                        limits.colorHi};
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = Quantity(q);
        m_cells->setCellText(q, Low, formatted(quantity, low[q]));
        m_cells->setCellText(q, High, formatted(quantity, high[q]));
        m_cells->setCellColor(q, Predicted, kNormal);
        m_cells->setCellText(q, Below, QString());
        m_cells->setCellText(q, Above, QString());
        // A prediction equal to a limit is inside the range. Reversed limits
        // (low above high) can mark a prediction both below and above.
        if (m_predicted[q] < low[q]) {
            m_cells->setCellColor(q, Predicted, kOutOfRange);
            m_cells->setCellText(q, Below, QStringLiteral("-"));
        }
        if (m_predicted[q] > high[q]) {
            m_cells->setCellColor(q, Predicted, kOutOfRange);
            m_cells->setCellText(q, Above, QStringLiteral("+"));
        }
    }
    viewport()->update();
}

QString CTargetStyleGrid2::text(Quantity quantity, Column column) const {
    return m_cells->cellText(quantity, column);
}

QColor CTargetStyleGrid2::textColor(Quantity quantity, Column column) const {
    return m_cells->cellColor(quantity, column);
}

}  // namespace mw::views
