#pragma once

namespace mw::recipe_form {
class CRecipeFormSheet;
}

namespace mw::views {

struct PredictionDetails;

// Adds "Predic&tion Details..." to the recipe form's context menu.
void attachPredictionDetails(recipe_form::CRecipeFormSheet& form);

// The form's recalculation, with the assumption report attached, and what
// the Prediction Details window shows of it.
PredictionDetails recalculateWithDetails(recipe_form::CRecipeFormSheet& form);

// Recalculates and shows the Prediction Details window over the form.
void runPredictionDetails(recipe_form::CRecipeFormSheet& form);

}  // namespace mw::views
