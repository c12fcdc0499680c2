#pragma once

#include <functional>

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CMwcalcApp;
}
namespace mw::storage {
class Settings;
}

namespace mw::recipe_form {

class CRecipeFormSheet;

// Called with each recipe form as it is made, before it is shown: where the
// composition root gives it the windows of higher layers (the target style
// comparison, the calculation messages).
using RecipeFormDecorator = std::function<void(CRecipeFormSheet& form)>;

// Makes the application open every recipe database on the real recipe
// form, with the main window's commands and status bar.
void installRecipeForm(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                       HelpService* help, RecipeFormDecorator decorate = {});

}  // namespace mw::recipe_form
