#pragma once

#include <QStringList>
#include <QtGlobal>
#include <array>
#include <memory>

#include "calc/sheets.h"

namespace mw::storage {
class Database;
class Recordset;
}  // namespace mw::storage

namespace mw::recipe_form {

// The six ingredient tables of the recipe database as record objects, each
// opened on first use and kept open for as long as this object lives. They
// find a grid row's table row by the row's key columns, so that a row is
// deleted from the table whatever the grid has made of its other cells.
class IngredientTableRows {
public:
    explicit IngredientTableRows(storage::Database& database);
    ~IngredientTableRows();
    IngredientTableRows(const IngredientTableRows&) = delete;
    IngredientTableRows& operator=(const IngredientTableRows&) = delete;

    // Deletes the first table row, in table order, that belongs to the recipe
    // and whose key columns read as the grid row's texts do:
    //   kits: manufacturer and style;   extracts: name and weight;
    //   grains: name and weight;        adjuncts: name and amount;
    //   hops: name and alpha;           yeasts: name and type.
    // Returns false when there is none. Throws DaoException.
    bool deleteFirstMatching(calc::Sheet sheet, qint32 recipeId, const QStringList& gridRow);

private:
    storage::Recordset& table(calc::Sheet sheet);

    storage::Database& m_database;
    std::array<std::unique_ptr<storage::Recordset>, calc::kSheetCount> m_tables;
};

}  // namespace mw::recipe_form
