#pragma once

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::recipe_form {
class CRecipeFormSheet;
}
namespace mw::storage {
class Settings;
}

namespace mw::views {

class CTargetStyleDlg;

struct TargetStyleServices {
    storage::Settings& settings;
    PromptService& prompts;
    HelpService* help = nullptr;
};

// Gives a recipe form its Target Style dialog and its Calculation Messages
// window (the "&Target Style..." and "Msgs" buttons).
void attachTargetStyleWindows(recipe_form::CRecipeFormSheet& form, TargetStyleServices services);

// The Target Style dialog on the form's recipe: its style, stored limits,
// the latest predictions and the calculation messages. Ended with OK, the
// chosen style and its limits go into the recipe, which counts as changed.
void runTargetStyleDlg(recipe_form::CRecipeFormSheet& form, TargetStyleServices services);
// Sets a dialog up from the form's recipe and its latest calculation.
void setUpFromRecipe(CTargetStyleDlg& dlg, recipe_form::CRecipeFormSheet& form);
// The dialog's result selection and limits into the recipe; shows the new
// ranges and marks the recipe changed.
void writeTargetStyle(const CTargetStyleDlg& dlg, recipe_form::CRecipeFormSheet& form);

// The Calculation Messages window on the form's messages.
void runCalcMessagesDlg(recipe_form::CRecipeFormSheet& form);

}  // namespace mw::views
