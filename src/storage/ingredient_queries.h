#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "calc/sheets.h"

namespace mw::storage {

// The saved parameter query that feeds one sheet of the ingredients grid:
// the recipe's rows of one ingredient table, its columns in the grid's order
// with the owning recipe's identifier last, followed by the row's own
// identifier (which the grid keeps to itself).
struct IngredientQuery {
    calc::Sheet sheet;
    QString queryName;    // "RecipeIngredients_Kits"
    QString table;        // "Ingredients_Kits"
    QStringList columns;  // grid order, IngRecipeID last
    QString idColumn;     // "IngKitsID"
};

// The parameter every ingredient query takes: the recipe's identifier.
inline const QString kRecipeIdParameter = QStringLiteral("RecipeID Needed");

const std::array<IngredientQuery, calc::kSheetCount>& ingredientQueries();
const IngredientQuery& ingredientQuery(calc::Sheet sheet);

// The SQL stored for a query: its columns, then the identifier, of the rows
// whose IngRecipeID is the one parameter, in the order they were entered.
QString ingredientQuerySql(const IngredientQuery& query);

}  // namespace mw::storage
