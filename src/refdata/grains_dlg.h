#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Grain Data": a malt or grain by category and name, with its
// maltster, colour, and its potential for 1 lb in 1 gallon (yield, specific
// gravity, degrees Balling, protein).
class CGrainsDlg final : public CAddChgOf<storage::CRecordSetGrains> {
    Q_OBJECT

public:
    CGrainsDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override { AbandonChanges(); }

    // The categories of the drop-down list, in its order.
    static QStringList categories();

protected:
    QString indexName() const override { return QStringLiteral("IndexGrainsCategoryName"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;

private:
    QLineEdit* m_manufacturer;
    QComboBox* m_category;
    QLineEdit* m_name;
    QLineEdit* m_color;
    QLineEdit* m_yield;
    QLineEdit* m_gravity;
    QLineEdit* m_balling;
    QLineEdit* m_protein;
    QPlainTextEdit* m_comments;
};

}  // namespace mw::refdata
