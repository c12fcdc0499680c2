#pragma once

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

// Makes the application open every recipe database on the real recipe
// form, with the main window's commands and status bar.
void installRecipeForm(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                       HelpService* help);

}  // namespace mw::recipe_form
