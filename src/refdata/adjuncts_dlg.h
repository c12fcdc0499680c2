#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Adjuncts Data": an adjunct by name, whether it ferments (and
// so counts in the gravity calculation) and whether it may prime, with its
// colour and its potential for 1 lb in 1 gallon.
class CAdjunctsDlg final : public CAddChgOf<storage::CRecordSetAdjuncts> {
    Q_OBJECT

public:
    CAdjunctsDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override { AbandonChanges(); }

protected:
    QString indexName() const override { return QStringLiteral("IndexAdjunctsName"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    QLineEdit* m_name;
    QAbstractButton* m_fermentable;
    QAbstractButton* m_priming;
    QLineEdit* m_color;
    QLineEdit* m_yield;
    QLineEdit* m_protein;
    QLineEdit* m_gravity;
    QLineEdit* m_balling;
    QPlainTextEdit* m_comments;
};

}  // namespace mw::refdata
