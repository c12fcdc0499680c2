#include "recipe_form/recipe_ingredient_rows.h"

#include <array>

#include "calc/sheets.h"
#include "storage/ingredient_store.h"

namespace mw::recipe_form {

namespace {

using calc::Sheet;

// The order in which a recipe's ingredient tables are copied and deleted.
constexpr std::array<Sheet, calc::kSheetCount> kTableOrder{
    Sheet::Hops, Sheet::Extracts, Sheet::Grains, Sheet::Adjuncts, Sheet::Kits, Sheet::Yeasts};

}  // namespace

void copyIngredientRows(storage::Database& database, qint32 fromRecipe, qint32 toRecipe) {
    storage::IngredientStore store(database);
    for (Sheet sheet : kTableOrder) {
        const storage::SheetRows rows = store.load(sheet, fromRecipe);
        for (QStringList cells : rows.cells) {
            // The owning recipe is the last column.
            cells.last() = QString::number(toRecipe);
            store.insertRow(sheet, cells);
        }
    }
}

void deleteIngredientRows(storage::Database& database, qint32 recipeId) {
    storage::IngredientStore store(database);
    for (Sheet sheet : kTableOrder) {
        for (qint64 id : store.load(sheet, recipeId).ids) {
            store.deleteRow(sheet, id);
        }
    }
}

}  // namespace mw::recipe_form
