#pragma once

#include <QString>
#include <QVariantHash>
#include <array>
#include <vector>

#include "calc/sheets.h"

namespace mw::storage {
class Database;
}

namespace mw::beerxml {

// One recipe as the recipe database holds it: the Recipes row and the rows
// of its six ingredient tables, each a map from column name to value.
// Columns a map does not name are left to the table's defaults.
struct RecipeData {
    QVariantHash recipe;
    std::array<std::vector<QVariantHash>, calc::kSheetCount> ingredients;

    std::vector<QVariantHash>& rows(calc::Sheet sheet) {
        return ingredients[static_cast<std::size_t>(sheet)];
    }
    const std::vector<QVariantHash>& rows(calc::Sheet sheet) const {
        return ingredients[static_cast<std::size_t>(sheet)];
    }
    bool hasIngredients() const;
};

// The values of a new recipe in the columns that do not start empty.
QVariantHash newRecipeValues();

// Adds a recipe with its ingredient rows in the caller's transaction;
// returns the new RecipeID.
qint32 insertRecipe(storage::Database& database, const RecipeData& recipe);

// Reads a stored recipe with its ingredient rows.
RecipeData readRecipe(storage::Database& database, qint32 recipeId);

// The predicted original gravity and IBU of a recipe, with every hop row's
// IBU and HBU worked out and written into `recipe` as the recipe form does,
// using the shipped hop utilization table.
struct Prediction {
    double originalGravity = 0.0;
    double ibu = 0.0;
};
Prediction calculateHops(RecipeData& recipe);

}  // namespace mw::beerxml
