#include "recipe_form/recipe_form_factory.h"

#include "recipe_form/recipe_form_sheet.h"
#include "shell/application.h"
#include "shell/main_frame.h"

namespace mw::recipe_form {

void installRecipeForm(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                       HelpService* help) {
    app.setRecipeFormFactory(
        [&settings, &prompts, help](storage::CMwcalcDoc& document, shell::CMainFrame& frame) {
            return new CRecipeFormSheet(
                document, {settings, prompts, help, &frame.commands(), frame.infoStatusBar()});
        });
}

}  // namespace mw::recipe_form
