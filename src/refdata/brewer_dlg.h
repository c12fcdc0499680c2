#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Brewer's Information": the brewer's own name, address and level of skill.
// Deleting the only brewer left asks first whether that should be allowed,
// whatever the delete-warning setting.
class CBrewerDlg final : public CAddChgOf<storage::CRecordSetBrewer> {
    Q_OBJECT

public:
    CBrewerDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;
    void OnRecordDelete() override;

    QLineEdit* nameField() const { return m_name; }
    const QList<QAbstractButton*>& levelButtons() const { return m_level; }

protected:
    QString indexName() const override { return QStringLiteral("IndexBrewerName"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    // The brewers the table holds now; -1 when it cannot be read.
    long storedBrewers();

    QLineEdit* m_name;
    QPlainTextEdit* m_address;
    QList<QAbstractButton*> m_level;
};

}  // namespace mw::refdata
