#include "recipe_form/recipe_form_factory.h"

#include "recipe_form/recipe_form_sheet.h"
#include "shell/application.h"
#include "shell/main_frame.h"

namespace mw::recipe_form {

void installRecipeForm(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                       HelpService* help, RecipeFormDecorator decorate) {
    app.setRecipeFormFactory([&settings, &prompts, help, decorate = std::move(decorate)](
                                 storage::CMwcalcDoc& document, shell::CMainFrame& frame) {
        auto* form = new CRecipeFormSheet(
            document, {settings, prompts, help, &frame.commands(), frame.infoStatusBar()});
        if (decorate) {
            decorate(*form);
        }
        return form;
    });
}

}  // namespace mw::recipe_form
