#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "calc/ingredient_cells.h"
#include "calc/sheets.h"
#include "grid/grid_settings.h"
#include "grid/gw_tab_grid_ctrl.h"

class QAction;
class QMenu;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class Database;
class DaoException;
class Settings;
}  // namespace mw::storage
namespace mw::grid {
class CGWDAODataSource;
class CGWGridCtrl;
}  // namespace mw::grid

namespace mw::recipe_form {

class CLookupDlg;
class IngredientTableRows;
class RecipeGridHost;

// The recipe form's ingredients grid: one tab per kind of ingredient (kits,
// malt extracts, grains, adjuncts, hops, yeasts, in sheet order), each showing
// the current recipe's rows of its ingredient table and ending with a new row.
// Ingredients are picked from the reference data through the lookups, which
// fill a whole row; single cells can then be edited. Every change is written
// to the recipe database at once, inside whatever transaction the form has
// open, and marks the recipe changed.
//
// Keys, while a sheet (not a cell editor) has the focus, act on release:
// S selects an ingredient, D deletes one, C calculates a hop row's
// bitterness (hops only), M opens the "Recipe Ingredients" menu.
class CRecipeGrid1 : public grid::CGWTabGridCtrl {
    Q_OBJECT

public:
    // Runs a lookup as the brewer meets it: load() and the modal dialog.
    // True when an ingredient was chosen (its values are in the lookup).
    using LookupRunner = std::function<bool(CLookupDlg& lookup)>;

    static constexpr const char* kSettingsFile = "GWIngredients.gws";

    // Binds the six sheets to the recipe's ingredient queries on `recipes`,
    // showing the host's progress from 30 to 90, and shows the host's current
    // recipe. `settings`, `prompts` and `help` serve the lookups and messages.
    CRecipeGrid1(RecipeGridHost& host, storage::Database& recipes, storage::Settings& settings,
                 PromptService& prompts, HelpService* help, QWidget* parent = nullptr);
    ~CRecipeGrid1() override;

    // Shows the host's current recipe on one sheet, or on all six (yeasts,
    // extracts, grains, adjuncts, hops, kits).
    void reloadSheet(calc::Sheet sheet);
    void reloadAll();
    // Moves the current cell to the first row's second column when it is
    // elsewhere, which ends a cell edit in progress (Save; focus leaving).
    void settle();

    // Cells by sheet, row (from 1; the new row is rowCount + 1) and column.
    QString cellText(calc::Sheet sheet, int row, int column) const;
    // Writes through the data source, so the text is stored.
    void setCellText(calc::Sheet sheet, int row, int column, const QString& text);
    // The cell read as atof reads it.
    double cellNumber(calc::Sheet sheet, int row, int column) const;
    int rowCount(calc::Sheet sheet) const;
    // The ingredient rows as the recipe calculations read and write them.
    calc::IngredientCells& cells();
    grid::CGWDAODataSource& dataSource() { return *m_source; }
    grid::CGWGridCtrl* sheetGrid(calc::Sheet sheet) const { return grid(static_cast<int>(sheet)); }
    calc::Sheet currentSheetKind() const { return static_cast<calc::Sheet>(currentSheet()); }
    const grid::GridSettings& gridSettings() const { return m_gridSettings; }

    // The commands, on the current row of the current sheet.
    void OnSelectIngredient();
    void OnCalculateBitterness();
    void OnDeleteIngredient();
    // Opens the menu 5 pixels right of and 10 below the current cell's corner.
    void OnShowMenu();

    // The "Recipe Ingredients" menu and its commands (grid_cmd numbers).
    QMenu* contextMenu() const { return m_menu; }
    QAction* commandAction(int command) const;

    void setLookupRunner(LookupRunner runner) { m_runLookup = std::move(runner); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindSheets();
    void makeMenu();
    void watchSheet(grid::CGWGridCtrl* sheetView);
    // The current row of the current sheet, from 0 in the view's terms.
    int currentViewRow() const;
    bool isNewRow(calc::Sheet sheet, int viewRow) const;
    void highlightRow(calc::Sheet sheet, int viewRow);
    void openMenu(const QPoint& globalPos);
    bool handleKey(int key, bool release);
    void onCellClicked(int sheet, int viewRow, int column);
    void onDropDownChanging(int sheet, int row, int column);
    void onRecipeNeeded(int sheet, int row);
    void onFocusChanged(QWidget* old, QWidget* now);
    std::optional<QStringList> chooseIngredient(calc::Sheet sheet);
    template <typename Lookup>
    std::optional<QStringList> choose();
    void reportError(const storage::DaoException& error);

    RecipeGridHost& m_host;
    storage::Settings& m_settings;
    PromptService& m_prompts;
    HelpService* m_help;
    grid::GridSettings m_gridSettings;
    grid::CGWDAODataSource* m_source = nullptr;
    std::unique_ptr<IngredientTableRows> m_tables;
    LookupRunner m_runLookup;
    QMenu* m_menu = nullptr;
    QAction* m_selectAction = nullptr;
    QAction* m_calculateAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_cancelAction = nullptr;
    QMetaObject::Connection m_focusWatch;
    // A command is running (a lookup or a message box may have the focus).
    bool m_busy = false;
};

}  // namespace mw::recipe_form
