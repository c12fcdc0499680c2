#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "calc/ingredient_cells.h"
#include "grid/grid_settings.h"
#include "storage/ingredient_store.h"

namespace mw::storage {
class DaoException;
}

namespace mw::grid {

class CGWSheetModel;

// The recipe's six ingredient sheets bound to their saved parameter queries:
// each sheet shows the current recipe's rows and ends with a "new" row whose
// texts come from a callback. An edited cell is written to its table row, a
// new row that gets its first text becomes a table row, all through the
// database the owner gives it and inside whatever transaction the owner has
// open (so the recipe form's Discard takes ingredient changes back too).
//
// It is also the calculations' view of the ingredients: rows are numbered
// from 1 there, and the new row is not an ingredient row.
class CGWDAODataSource : public QObject, public calc::IngredientCells {
    Q_OBJECT

public:
    CGWDAODataSource(storage::Database& database, const GridSettings& settings,
                     QObject* parent = nullptr);
    ~CGWDAODataSource() override;

    CGWSheetModel* model(calc::Sheet sheet) const;

    // The recipe whose rows the sheets show ("RecipeID Needed").
    void setRecipeId(qint32 recipeId) { m_recipeId = recipeId; }
    qint32 recipeId() const { return m_recipeId; }
    void requery(calc::Sheet sheet);
    void requeryAll();

    // Texts of a new row's cells.
    void setNewRowText(std::function<QString(calc::Sheet, int column)> texts);
    // Where database errors go (the owner's error box).
    void setErrorHandler(std::function<void(const storage::DaoException&)> handler) {
        m_onError = std::move(handler);
    }

    // IngredientCells: rows from 1; writing a cell writes its table row.
    int rowCount(calc::Sheet sheet) const override;
    std::string cellText(calc::Sheet sheet, int row, int column) const override;
    void setCellText(calc::Sheet sheet, int row, int column, const std::string& text) override;

    // Writes a cell of an ingredient row or of the new row (rows from 1; the
    // new row is rowCount + 1). Returns false when it could not be stored.
    bool writeCell(calc::Sheet sheet, int row, int column, const QString& text);
    // Deletes an ingredient row's table row and requeries the sheet.
    bool deleteRow(calc::Sheet sheet, int row);
    qint64 rowId(calc::Sheet sheet, int row) const;

signals:
    // After a user's edit was stored.
    void endOfEdit(int sheet, int row, int column);
    // A drop-down cell is about to change; the cell still shows the old text.
    void dropDownChanging(int sheet, int row, int column, const QString& oldText,
                          const QString& newText);
    // A new row needs its recipe stored first: the handler stores the
    // recipe and calls setRecipeId; if it does not, the edit is refused.
    void recipeNeeded(int sheet, int row);

private:
    struct SheetState {
        CGWSheetModel* model = nullptr;
        std::vector<qint64> ids;
    };

    void onAboutToChange(calc::Sheet sheet, int row, int column, const QString& oldText,
                         const QString& newText);
    void onEdited(calc::Sheet sheet, int row, int column, const QString& newText);
    bool storeNewRow(calc::Sheet sheet);
    void report(const storage::DaoException& error);
    SheetState& state(calc::Sheet sheet) { return m_sheets[static_cast<std::size_t>(sheet)]; }
    const SheetState& state(calc::Sheet sheet) const {
        return m_sheets[static_cast<std::size_t>(sheet)];
    }

    storage::IngredientStore m_store;
    std::array<SheetState, calc::kSheetCount> m_sheets;
    qint32 m_recipeId = 0;
    std::function<QString(calc::Sheet, int)> m_newRowText;
    std::function<void(const storage::DaoException&)> m_onError;
    bool m_writing = false;
};

}  // namespace mw::grid
