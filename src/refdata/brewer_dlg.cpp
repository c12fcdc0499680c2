#include "refdata/brewer_dlg.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"
#include "resources/prompt_service.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"

namespace mw::refdata {

namespace {

constexpr int kWordBrewer = 80;
// "Should delete of last brewer be allowed?"
constexpr int kMsgDeleteLastBrewer = 1270;
constexpr int kHintName = 131;
constexpr int kHintAddress = 135;
constexpr int kHintLevel = 136;

}  // namespace

CBrewerDlg::CBrewerDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Brewer's Information"), parent) {
    setObjectName(QStringLiteral("refdataBrewer"));
    auto* grid = new QGridLayout;
    m_name = lineEdit("BrewerName", this, 40);
    addRow(grid, 0, QStringLiteral("Brewer's &Name:"), m_name);
    m_address = memo("BrewerAddress", this, 3);
    m_address->setMaximumHeight(m_address->minimumHeight());
    addRow(grid, 1, QStringLiteral("Brewer's &Address:"), m_address);
    grid->itemAtPosition(1, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* level = new QGroupBox(QStringLiteral("Brewer's Level"), this);
    m_level = radioGroup(level, "BrewerSkill",
                         {QStringLiteral("N&ovice"), QStringLiteral("Advanced No&vice"),
                          QStringLiteral("&Experienced"), QStringLiteral("Advanced Ex&perienced")},
                         true);
    // Each button as wide as its text, so a click beside the text is not taken for it.
    for (QAbstractButton* button : m_level) {
        level->layout()->setAlignment(button, Qt::AlignLeft);
    }
    grid->addWidget(level, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CBrewerDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetBrewer& r = record();
    fields.text(m_name, r.m_BrewerName, kHintName, F::Required | F::NotNullOnNew);
    fields.text(m_address, r.m_BrewerAddress, kHintAddress);
    fields.radio(m_level, r.m_BrewerSkill, kHintLevel);
}

int CBrewerDlg::tableWordNumber() const {
    return kWordBrewer;
}

QString CBrewerDlg::keyText() const {
    return m_name->text();
}

void CBrewerDlg::OnRecordRefresh() {
    AbandonChanges();
}

long CBrewerDlg::storedBrewers() {
    try {
        return recordset()->recordCount();
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, context().prompts, context().help);
        return -1;
    }
}

void CBrewerDlg::OnRecordDelete() {
    if (!hasRecord() && !isAdding()) {
        return;
    }
    // A new brewer not yet stored is only abandoned; a stored one that is the
    // last would leave the program without a brewer.
    if (!isAdding() && storedBrewers() == 1 &&
        prompts().show(kMsgDeleteLastBrewer, PromptIcon::Question, PromptButtons::YesNo) ==
            PromptAnswer::No) {
        return;
    }
    CAddChgDAO::OnRecordDelete();
}

}  // namespace mw::refdata
