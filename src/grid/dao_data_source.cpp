#include "grid/dao_data_source.h"

#include "grid/sheet_model.h"
#include "storage/dao_exception.h"
#include "storage/ingredient_queries.h"

namespace mw::grid {

namespace {
calc::Sheet sheetOf(int sheet) {
    return static_cast<calc::Sheet>(sheet);
}
}  // namespace

CGWDAODataSource::CGWDAODataSource(storage::Database& database, const GridSettings& settings,
                                   QObject* parent)
    : QObject(parent), m_store(database) {
    for (int s = 0; s < calc::kSheetCount; ++s) {
        const calc::Sheet sheet = sheetOf(s);
        SheetSettings sheetSettings = s < static_cast<int>(settings.sheets.size())
                                          ? settings.sheets[static_cast<std::size_t>(s)]
                                          : SheetSettings{};
        // Every sheet has as many columns as its query returns.
        sheetSettings.columns.resize(static_cast<std::size_t>(calc::columnCount(sheet)));
        auto* model = new CGWSheetModel(sheetSettings, true, this);
        model->setNewRowTexts([this, sheet](int column) {
            return m_newRowText ? m_newRowText(sheet, column) : QString();
        });
        connect(model, &CGWSheetModel::cellAboutToChange, this,
                [this, sheet](int row, int column, const QString& oldText, const QString& newText) {
                    onAboutToChange(sheet, row, column, oldText, newText);
                });
        connect(model, &CGWSheetModel::cellEdited, this,
                [this, sheet](int row, int column, const QString&, const QString& newText) {
                    onEdited(sheet, row, column, newText);
                });
        state(sheet).model = model;
    }
}

CGWDAODataSource::~CGWDAODataSource() = default;

CGWSheetModel* CGWDAODataSource::model(calc::Sheet sheet) const {
    return state(sheet).model;
}

void CGWDAODataSource::setNewRowText(std::function<QString(calc::Sheet, int)> texts) {
    m_newRowText = std::move(texts);
    for (SheetState& s : m_sheets) {
        s.model->resetNewRow();
    }
}

void CGWDAODataSource::report(const storage::DaoException& error) {
    if (m_onError) {
        m_onError(error);
    }
}

void CGWDAODataSource::requery(calc::Sheet sheet) {
    SheetState& s = state(sheet);
    try {
        storage::SheetRows rows = m_store.load(sheet, m_recipeId);
        s.ids = std::move(rows.ids);
        s.model->setRows(std::move(rows.cells));
    } catch (const storage::DaoException& error) {
        s.ids.clear();
        s.model->setRows({});
        report(error);
    }
}

void CGWDAODataSource::requeryAll() {
    for (int s = 0; s < calc::kSheetCount; ++s) {
        requery(sheetOf(s));
    }
}

int CGWDAODataSource::rowCount(calc::Sheet sheet) const {
    return state(sheet).model->dataRowCount();
}

std::string CGWDAODataSource::cellText(calc::Sheet sheet, int row, int column) const {
    return state(sheet).model->cellText(row - 1, column).toStdString();
}

void CGWDAODataSource::setCellText(calc::Sheet sheet, int row, int column,
                                   const std::string& text) {
    writeCell(sheet, row, column, QString::fromStdString(text));
}

qint64 CGWDAODataSource::rowId(calc::Sheet sheet, int row) const {
    const SheetState& s = state(sheet);
    return row >= 1 && row <= static_cast<int>(s.ids.size())
               ? s.ids[static_cast<std::size_t>(row - 1)]
               : 0;
}

bool CGWDAODataSource::writeCell(calc::Sheet sheet, int row, int column, const QString& text) {
    SheetState& s = state(sheet);
    const int modelRow = row - 1;
    if (s.model->isNewRow(modelRow)) {
        s.model->setCellText(modelRow, column, text);
        return storeNewRow(sheet);
    }
    const qint64 id = rowId(sheet, row);
    if (id == 0) {
        return false;
    }
    try {
        m_store.updateCell(sheet, id, column, text);
    } catch (const storage::DaoException& error) {
        report(error);
        return false;
    }
    s.model->setCellText(modelRow, column, text);
    return true;
}

bool CGWDAODataSource::storeNewRow(calc::Sheet sheet) {
    SheetState& s = state(sheet);
    const int modelRow = s.model->dataRowCount();
    if (m_recipeId == 0) {
        emit recipeNeeded(static_cast<int>(sheet), modelRow + 1);
        if (m_recipeId == 0) {
            s.model->resetNewRow();
            return false;
        }
    }
    // The row belongs to the current recipe, whatever its last cell said.
    const int recipeColumn = calc::columnCount(sheet) - 1;
    s.model->setCellText(modelRow, recipeColumn, QString::number(m_recipeId));
    try {
        s.ids.push_back(m_store.insertRow(sheet, s.model->rowTexts(modelRow)));
    } catch (const storage::DaoException& error) {
        s.model->resetNewRow();
        report(error);
        return false;
    }
    s.model->acceptNewRow();
    return true;
}

bool CGWDAODataSource::deleteRow(calc::Sheet sheet, int row) {
    const qint64 id = rowId(sheet, row);
    if (id == 0) {
        return false;
    }
    try {
        m_store.deleteRow(sheet, id);
    } catch (const storage::DaoException& error) {
        report(error);
        return false;
    }
    requery(sheet);
    return true;
}

void CGWDAODataSource::onAboutToChange(calc::Sheet sheet, int row, int column,
                                       const QString& oldText, const QString& newText) {
    const auto& columns = state(sheet).model->settings().columns;
    if (columns[static_cast<std::size_t>(column)].kind == CellKind::DropDownList &&
        !state(sheet).model->isNewRow(row)) {
        emit dropDownChanging(static_cast<int>(sheet), row + 1, column, oldText, newText);
    }
}

void CGWDAODataSource::onEdited(calc::Sheet sheet, int row, int column, const QString& newText) {
    SheetState& s = state(sheet);
    bool stored = false;
    if (s.model->isNewRow(row)) {
        stored = storeNewRow(sheet);
    } else {
        const qint64 id = rowId(sheet, row + 1);
        try {
            m_store.updateCell(sheet, id, column, newText);
            stored = true;
        } catch (const storage::DaoException& error) {
            report(error);
            requery(sheet);
        }
    }
    if (stored) {
        emit endOfEdit(static_cast<int>(sheet), row + 1, column);
    }
}

}  // namespace mw::grid
