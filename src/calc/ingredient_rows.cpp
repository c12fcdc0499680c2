#include "calc/ingredient_rows.h"

#include <utility>

namespace mw::calc {

int IngredientRows::rowCount(Sheet sheet) const {
    return static_cast<int>(m_sheets[index(sheet)].size());
}

std::string IngredientRows::cellText(Sheet sheet, int row, int column) const {
    const auto& rows = m_sheets[index(sheet)];
    if (row < 1 || row > static_cast<int>(rows.size()) || column < 0) {
        return {};
    }
    const Row& cells = rows[static_cast<std::size_t>(row - 1)];
    return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)]
                                                   : std::string();
}

void IngredientRows::setCellText(Sheet sheet, int row, int column, const std::string& text) {
    auto& rows = m_sheets[index(sheet)];
    if (row < 1 || row > static_cast<int>(rows.size()) || column < 0) {
        return;
    }
    Row& cells = rows[static_cast<std::size_t>(row - 1)];
    if (column >= static_cast<int>(cells.size())) {
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    cells[static_cast<std::size_t>(column)] = text;
}

int IngredientRows::addRow(Sheet sheet, std::initializer_list<std::string> cells) {
    return addRow(sheet, Row(cells));
}

int IngredientRows::addRow(Sheet sheet, Row cells) {
    m_sheets[index(sheet)].push_back(std::move(cells));
    return rowCount(sheet);
}

void IngredientRows::clear() {
    for (auto& rows : m_sheets) {
        rows.clear();
    }
}

}  // namespace mw::calc
