#include "refdata_commands.h"

#include "refdata/reference_dialogs.h"
#include "storage/document_plus.h"
#include "storage/recipe_document.h"

namespace mw::app {

void registerReferenceData(const CommandSink& add, storage::Settings& settings,
                           PromptService& prompts, HelpService& help) {
    for (const refdata::ReferenceDialogKind& kind : refdata::referenceDialogKinds()) {
        add(kind.command, [&settings, &prompts, &help, table = kind.table](
                              storage::CMwcalcDoc& document, QWidget* parent) {
            refdata::runReferenceDialog(table, {document, settings, prompts, &help}, parent);
        });
    }
}

std::optional<qint64> addToReferenceTable(storage::Settings& settings, PromptService& prompts,
                                          HelpService& help, const QString& table,
                                          QWidget* parent) {
    if (refdata::referenceDialogKind(table) == nullptr) {
        return std::nullopt;
    }
    storage::CDocumentPlus documents(settings, prompts, &help);
    return refdata::runReferenceDialog(table, {documents, settings, prompts, &help}, parent);
}

}  // namespace mw::app
