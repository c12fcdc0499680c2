#include "refdata/glossary_dlg.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordGlossary = 81;
constexpr int kHintTerm = 129;
constexpr int kHintInfo = 130;

}  // namespace

CGlossaryDlg::CGlossaryDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Glossary Data"), parent) {
    setObjectName(QStringLiteral("refdataGlossary"));
    auto* grid = new QGridLayout;
    m_term = lineEdit("GlossaryTerm", this, 40);
    addRow(grid, 0, QStringLiteral("&Term or Phrase:"), m_term);
    m_info = memo("GlossaryInfo", this, 8);
    addRow(grid, 1, QStringLiteral("&Info:"), m_info);
    grid->itemAtPosition(1, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CGlossaryDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetGlossary& r = record();
    fields.text(m_term, r.m_GlossaryTerm, kHintTerm, F::Required | F::NotNullOnNew);
    fields.text(m_info, r.m_GlossaryInfo, kHintInfo);
}

int CGlossaryDlg::tableWordNumber() const {
    return kWordGlossary;
}

QString CGlossaryDlg::keyText() const {
    return m_term->text();
}

void CGlossaryDlg::OnRecordRefresh() {
    AbandonChanges();
}

}  // namespace mw::refdata
