#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Yeast Data": a yeast by manufacturer and strain, lager or ale,
// liquid or dry, with its attenuation. A new yeast starts as a liquid lager
// yeast.
class CYeastDlg final : public CAddChgOf<storage::CRecordSetYeast> {
    Q_OBJECT

public:
    CYeastDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override { AbandonChanges(); }

protected:
    QString indexName() const override { return QStringLiteral("IndexYeastManufStrain"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;
    void SetNewRecordScreenDefaults() override;

private:
    QLineEdit* m_manufacturer;
    QLineEdit* m_strain;
    QList<QAbstractButton*> m_type;
    QList<QAbstractButton*> m_form;
    QLineEdit* m_attenuation;
    QPlainTextEdit* m_comments;
};

}  // namespace mw::refdata
