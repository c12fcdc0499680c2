#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Water Data": a brewing water by its descriptive name, with its
// hardness (Soft, Medium Hard, Hard, Very Hard) and a description. A new
// water starts Soft.
class CWaterDlg final : public CAddChgOf<storage::CRecordSetWater> {
    Q_OBJECT

public:
    CWaterDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    QLineEdit* typeField() const { return m_type; }
    const QList<QAbstractButton*>& hardnessButtons() const { return m_hardness; }

protected:
    QString indexName() const override { return QStringLiteral("IndexWaterType"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;
    void SetNewRecordDefaults() override;

private:
    QLineEdit* m_type;
    QList<QAbstractButton*> m_hardness;
    QPlainTextEdit* m_info;
};

}  // namespace mw::refdata
