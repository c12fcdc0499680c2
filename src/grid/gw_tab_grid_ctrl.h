#pragma once

#include <QTabWidget>
#include <vector>

#include "grid/grid_settings.h"

namespace mw {
class PromptService;
}

namespace mw::grid {

class CGWGridCtrl;
class CGWSheetModel;

// A grid with one sheet per tab, each sheet with its own model.
class CGWTabGridCtrl : public QTabWidget {
    Q_OBJECT

public:
    explicit CGWTabGridCtrl(QWidget* parent = nullptr);

    // Adds a tab showing a sheet; returns its grid.
    CGWGridCtrl* addSheet(CGWSheetModel* model);
    CGWGridCtrl* grid(int sheet) const;
    int sheetCount() const { return static_cast<int>(m_grids.size()); }
    int currentSheet() const { return currentIndex(); }
    void setGridFont(const GridSettings& settings);
    // Where every sheet reports a refused cell text (sheets added later too).
    void setPrompts(PromptService* prompts);

signals:
    void cellClicked(int sheet, int row, int column);
    void editEnded(int sheet, int row, int column);

private:
    std::vector<CGWGridCtrl*> m_grids;
    PromptService* m_prompts = nullptr;
};

}  // namespace mw::grid
