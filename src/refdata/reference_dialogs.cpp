#include "refdata/reference_dialogs.h"

#include "refdata/adjuncts_dlg.h"
#include "refdata/brewer_dlg.h"
#include "refdata/extracts_dlg.h"
#include "refdata/glossary_dlg.h"
#include "refdata/grains_dlg.h"
#include "refdata/hops_dlg.h"
#include "refdata/kits_dlg.h"
#include "refdata/styles_dlg.h"
#include "refdata/suppliers_dlg.h"
#include "refdata/water_dlg.h"
#include "refdata/yeast_dlg.h"
#include "shell/command_ids.h"

namespace mw::refdata {

namespace {

template <typename Dialog>
std::unique_ptr<CAddChgDAO> make(const ReferenceDialogContext& context, QWidget* parent) {
    return std::make_unique<Dialog>(context, parent);
}

}  // namespace

const std::vector<ReferenceDialogKind>& referenceDialogKinds() {
    using namespace shell::cmd;
    // One line per dialog, in the order of the Data menu.
    static const std::vector<ReferenceDialogKind> kinds = {
        {QStringLiteral("Styles"), DataStyle, make<CStylesDlg>},
        {QStringLiteral("Kits"), DataKit, make<CKitsDlg>},
        {QStringLiteral("Extracts"), DataExtract, make<CExtractsDlg>},
        {QStringLiteral("Grains"), DataGrain, make<CGrainsDlg>},
        {QStringLiteral("Hops"), DataHop, make<CHopsDlg>},
        {QStringLiteral("Yeast"), DataYeast, make<CYeastDlg>},
        {QStringLiteral("Water"), DataWater, make<CWaterDlg>},
        {QStringLiteral("Adjuncts"), DataAdjunct, make<CAdjunctsDlg>},
        {QStringLiteral("Glossary"), DataGlossary, make<CGlossaryDlg>},
        {QStringLiteral("Suppliers"), DataSupplier, make<CSuppliersDlg>},
        {QStringLiteral("Brewer"), BrewerInfo, make<CBrewerDlg>},
    };
    return kinds;
}

const ReferenceDialogKind* referenceDialogKind(const QString& table) {
    for (const ReferenceDialogKind& kind : referenceDialogKinds()) {
        if (kind.table == table) {
            return &kind;
        }
    }
    return nullptr;
}

qint64 runReferenceDialog(const QString& table, const ReferenceDialogContext& context,
                          QWidget* parent) {
    const ReferenceDialogKind* kind = referenceDialogKind(table);
    if (kind == nullptr) {
        return 0;
    }
    std::unique_ptr<CAddChgDAO> dialog = kind->make(context, parent);
    if (!dialog->load()) {
        return 0;
    }
    dialog->exec();
    return dialog->lastAddedId();
}

}  // namespace mw::refdata
