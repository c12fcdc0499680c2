#pragma once

#include <QVariant>
#include <array>
#include <vector>

#include "calc/ingredient_rows.h"

namespace mw::storage {

class Database;

// A recipe's ingredient rows as the grid shows them, with each row's own
// identifier beside it.
struct LoadedIngredients {
    calc::IngredientRows rows;
    std::array<std::vector<qint64>, calc::kSheetCount> rowIds;
};

// Reads a recipe's six ingredient lists through the database's saved
// parameter queries, every value turned into the text a grid cell holds.
LoadedIngredients loadIngredients(Database& database, qint32 recipeId);

// The text a grid cell holds for a stored value: numbers without trailing
// zeros ("1.5", "17"), texts as they are, nothing for null.
QString cellText(const QVariant& value);

}  // namespace mw::storage
