#include "views/recipe_log_factory.h"

#include "shell/application.h"
#include "views/recipe_log_view.h"

namespace mw::views {

void installRecipeLog(shell::CMwcalcApp& app, PromptService& prompts, HelpService* help) {
    app.setRecipeLogFactory(
        [&app, &prompts, help](storage::CMwcalcDoc& document, shell::CMainFrame&) {
            auto* log = new CRecipeLogView(document, {prompts, help});
            log->setRecipeFormActivator([&app] { app.activateView(shell::ViewKind::RecipeForm); });
            return log;
        });
}

}  // namespace mw::views
