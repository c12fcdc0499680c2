#include "grid/gw_tab_grid_ctrl.h"

#include "grid/gw_grid_ctrl.h"
#include "grid/sheet_model.h"

namespace mw::grid {

CGWTabGridCtrl::CGWTabGridCtrl(QWidget* parent) : QTabWidget(parent) {
    setTabPosition(QTabWidget::South);
    setDocumentMode(true);
}

CGWGridCtrl* CGWTabGridCtrl::addSheet(CGWSheetModel* model) {
    auto* grid = new CGWGridCtrl(this);
    grid->setSheet(model);
    grid->setPrompts(m_prompts);
    const int sheet = static_cast<int>(m_grids.size());
    m_grids.push_back(grid);
    addTab(grid, model->settings().title);
    connect(grid, &CGWGridCtrl::cellClicked, this,
            [this, sheet](int row, int column) { emit cellClicked(sheet, row, column); });
    connect(grid, &CGWGridCtrl::editEnded, this,
            [this, sheet](int row, int column) { emit editEnded(sheet, row, column); });
    return grid;
}

CGWGridCtrl* CGWTabGridCtrl::grid(int sheet) const {
    return sheet >= 0 && sheet < sheetCount() ? m_grids[static_cast<std::size_t>(sheet)] : nullptr;
}

void CGWTabGridCtrl::setPrompts(PromptService* prompts) {
    m_prompts = prompts;
    for (CGWGridCtrl* grid : m_grids) {
        grid->setPrompts(prompts);
    }
}

void CGWTabGridCtrl::setGridFont(const GridSettings& settings) {
    QFont f(settings.fontFamily);
    f.setPointSize(settings.fontPoints);
    // A face the desktop lacks falls back to its nearest match.
    for (CGWGridCtrl* grid : m_grids) {
        grid->setFont(f);
    }
}

}  // namespace mw::grid
