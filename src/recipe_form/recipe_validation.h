#pragma once

#include <QString>
#include <optional>
#include <string>

#include "resources/prompt_service.h"

namespace mw::recipe_form {

// What the checks before a save look at: the Name and Batch # texts, the
// process boxes, the ingredient rows the grid holds, and the two sizes the
// record holds once the pages have been read into it.
struct RecipeCheckInput {
    QString name;
    QString batch;
    bool kit = false;
    bool extract = false;
    bool partialMash = false;
    bool allGrain = false;
    // Rows with a first column: kits among rows 1-10, extracts and grains
    // among rows 1-12.
    int kitRows = 0;
    int extractRows = 0;
    int grainRows = 0;
    double boilSize = 0.0;
    double batchSize = 0.0;
};

// Where the focus goes when a check fails.
enum class CheckFocus { Unchanged, Name, Batch, AllGrain };

// The first check a recipe fails: the message to show, its icon, and the
// control to put the focus on.
struct CheckFailure {
    int message = 0;
    std::string text;
    PromptIcon icon = PromptIcon::Exclamation;
    CheckFocus focus = CheckFocus::Unchanged;
};

// The checks in the order they are made; none when the recipe passes.
std::optional<CheckFailure> checkRecipe(const RecipeCheckInput& input);

// How many of the first `limit` rows have a first column that is not empty.
template <typename FirstColumnText>
int countFilledRows(int rowCount, int limit, FirstColumnText firstColumn) {
    int count = 0;
    for (int row = 1; row <= rowCount && row <= limit; ++row) {
        if (!firstColumn(row).isEmpty()) {
            ++count;
        }
    }
    return count;
}

}  // namespace mw::recipe_form
