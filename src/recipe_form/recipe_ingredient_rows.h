#pragma once

#include <QtGlobal>

namespace mw::storage {
class Database;
}

namespace mw::recipe_form {

// Gives the recipe `toRecipe` a copy of every ingredient row of `fromRecipe`,
// table by table (hops, extracts, grains, adjuncts, kits, yeasts), each row
// with a new identifier of its own. Throws DaoException.
void copyIngredientRows(storage::Database& database, qint32 fromRecipe, qint32 toRecipe);

// Deletes every ingredient row of a recipe, table by table in the same
// order. Throws DaoException.
void deleteIngredientRows(storage::Database& database, qint32 recipeId);

}  // namespace mw::recipe_form
