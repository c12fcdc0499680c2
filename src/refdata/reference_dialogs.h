#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "refdata/add_chg_dao.h"

class QWidget;

namespace mw::refdata {

// Every reference-data dialog the program has: the table it maintains, the
// command that opens it (the Data menu, Brewer's Information) and how it is
// made. The program puts each on its command and behind the lookups' Add;
// the tests walk the same list.
struct ReferenceDialogKind {
    QString table;  // "Hops", "Grains", ... as the lookups' record objects name it
    int command;
    std::function<std::unique_ptr<CAddChgDAO>(const ReferenceDialogContext&, QWidget* parent)> make;
};

const std::vector<ReferenceDialogKind>& referenceDialogKinds();
const ReferenceDialogKind* referenceDialogKind(const QString& table);

// Opens the table's dialog modally. Answers the identifier of the last record
// the user added in it (0: none, or no dialog for the table).
qint64 runReferenceDialog(const QString& table, const ReferenceDialogContext& context,
                          QWidget* parent);

}  // namespace mw::refdata
