#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "calc/ingredient_cells.h"

namespace mw::calc {

// Ingredient rows held in memory: six sheets of rows of cell texts.
class IngredientRows final : public IngredientCells {
public:
    using Row = std::vector<std::string>;

    int rowCount(Sheet sheet) const override;
    std::string cellText(Sheet sheet, int row, int column) const override;
    void setCellText(Sheet sheet, int row, int column, const std::string& text) override;

    // Appends a row; missing trailing cells read as empty texts. Returns its number.
    int addRow(Sheet sheet, std::initializer_list<std::string> cells);
    int addRow(Sheet sheet, Row cells);
    void clear();

    const std::vector<Row>& rows(Sheet sheet) const { return m_sheets[index(sheet)]; }

private:
    static std::size_t index(Sheet sheet) { return static_cast<std::size_t>(sheet); }

    std::array<std::vector<Row>, kSheetCount> m_sheets;
};

}  // namespace mw::calc
