#pragma once

#include <string>

#include "calc/sheets.h"

namespace mw::calc {

// The recipe's ingredient rows as the calculations see them: cell texts by
// sheet, row and column. Rows are numbered from 1; the grid's heading row and
// its trailing row for a new entry are not ingredient rows. The ingredients
// grid, the database rows loaded for the command line and test data all
// offer this.
class IngredientCells {
public:
    virtual ~IngredientCells() = default;

    virtual int rowCount(Sheet sheet) const = 0;
    // The text of a cell; an empty text for a column the sheet does not have.
    virtual std::string cellText(Sheet sheet, int row, int column) const = 0;
    // Writes a cell (the bitterness calculation writes a hop row's IBU and HBU).
    virtual void setCellText(Sheet sheet, int row, int column, const std::string& text) = 0;
};

}  // namespace mw::calc
