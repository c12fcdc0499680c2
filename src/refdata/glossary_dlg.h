#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Glossary Data": a brewing term or phrase and what it means.
class CGlossaryDlg final : public CAddChgOf<storage::CRecordSetGlossary> {
    Q_OBJECT

public:
    CGlossaryDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    QLineEdit* termField() const { return m_term; }
    QPlainTextEdit* infoField() const { return m_info; }

protected:
    QString indexName() const override { return QStringLiteral("IndexGlossaryTerm"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    QLineEdit* m_term;
    QPlainTextEdit* m_info;
};

}  // namespace mw::refdata
