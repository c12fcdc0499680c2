#include "report_wiring.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "recipe_form/recipe_form_sheet.h"
#include "recipe_form/recipe_lifecycle.h"
#include "shell/application.h"
#include "shell/main_frame.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "views/report_commands.h"

namespace mw::app {

namespace {

recipe_form::CRecipeFormSheet* recipeForm(shell::CMainFrame* frame) {
    if (frame == nullptr) {
        return nullptr;
    }
    for (QMdiSubWindow* sub : frame->mdiArea()->subWindowList()) {
        if (auto* form = qobject_cast<recipe_form::CRecipeFormSheet*>(sub->widget())) {
            return form;
        }
    }
    return nullptr;
}

}  // namespace

ReportWiring::ReportWiring(shell::CMwcalcApp& app, storage::Settings& settings,
                           PromptService& prompts)
    : m_app(app), m_settings(settings), m_prompts(prompts) {}

ReportWiring::~ReportWiring() = default;

void ReportWiring::closeReports() {
    if (m_commands) {
        m_commands->CloseReports();
    }
}

views::ReportCommands& ReportWiring::commands() {
    if (!m_commands) {
        views::ReportCommands::Context context;
        context.recipeDatabase = [this] {
            return m_app.document() != nullptr ? m_app.document()->pathName() : QString();
        };
        context.currentRecipe = [this] {
            views::ReportCommands::CurrentRecipe recipe;
            if (storage::CMwcalcDoc* document = m_app.document()) {
                recipe.batch = document->currentBatch();
                recipe.modified = document->isModified();
            }
            if (recipe_form::CRecipeFormSheet* form = recipeForm(m_app.mainFrame())) {
                recipe.batch = form->record().m_RecipeBatchNo;
                recipe.modified = form->lifecycle().isModified();
            }
            return recipe;
        };
        m_commands = std::make_unique<views::ReportCommands>(*m_app.mainFrame(), m_settings,
                                                             m_prompts, std::move(context));
    }
    return *m_commands;
}

}  // namespace mw::app
