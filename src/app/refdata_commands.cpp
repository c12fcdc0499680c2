#include "refdata_commands.h"

#include "recipe_form/lookup_dlg.h"
#include "refdata/reference_dialogs.h"
#include "shell/application.h"
#include "storage/document_plus.h"
#include "storage/recipe_document.h"

namespace mw::app {

void registerReferenceData(shell::CMwcalcApp& app, storage::Settings& settings,
                           PromptService& prompts, HelpService& help) {
    for (const refdata::ReferenceDialogKind& kind : refdata::referenceDialogKinds()) {
        app.setDocumentCommand(kind.command, [&settings, &prompts, &help, table = kind.table](
                                                 storage::CMwcalcDoc& document, QWidget* parent) {
            refdata::runReferenceDialog(table, {document, settings, prompts, &help}, parent);
        });
    }
    recipe_form::CLookupDlg::setTableAdder([&settings, &prompts, &help](
                                               const QString& table,
                                               QWidget* parent) -> std::optional<qint64> {
        if (refdata::referenceDialogKind(table) == nullptr) {
            return std::nullopt;
        }
        // A lookup may be open without a recipe database (the calculators).
        storage::CDocumentPlus documents(settings, prompts, &help);
        return refdata::runReferenceDialog(table, {documents, settings, prompts, &help}, parent);
    });
}

}  // namespace mw::app
