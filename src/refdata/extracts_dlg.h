#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Extract Data": a malt extract by manufacturer and type, syrup
// or dry, hopped or not, with its colour, potential, bitterness and the
// package weight in pounds or kilograms.
class CExtractsDlg final : public CAddChgOf<storage::CRecordSetExtracts> {
    Q_OBJECT

public:
    CExtractsDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override { AbandonChanges(); }

protected:
    QString indexName() const override { return QStringLiteral("IndexExtractsManufName"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    QLineEdit* m_manufacturer;
    QLineEdit* m_name;
    QLineEdit* m_color;
    QList<QAbstractButton*> m_form;
    QAbstractButton* m_hopped;
    QLineEdit* m_gravity;
    QLineEdit* m_balling;
    QLineEdit* m_hbu;
    QLineEdit* m_weight;
    QList<QAbstractButton*> m_units;
    QPlainTextEdit* m_comments;
};

}  // namespace mw::refdata
