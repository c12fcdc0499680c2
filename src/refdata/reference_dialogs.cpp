#include "refdata/reference_dialogs.h"

#include "refdata/hops_dlg.h"
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
        {QStringLiteral("Hops"), DataHop, make<CHopsDlg>},
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
