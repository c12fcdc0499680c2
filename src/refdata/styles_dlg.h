#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Styles Data": a beer style by name, category and subcategory,
// with its type, comments and the category's ranges of gravity, alcohol,
// bitterness and colour. A new style starts with a single blank in its
// category and subcategory and the type "Ale" followed by nine blanks.
class CStylesDlg final : public CAddChgOf<storage::CRecordSetStyles> {
    Q_OBJECT

public:
    CStylesDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* categoryField() const { return m_category; }
    QLineEdit* subcategoryField() const { return m_subcategory; }
    QComboBox* typeList() const { return m_type; }

protected:
    QString indexName() const override { return QStringLiteral("IndexStylesNameCatSubcat"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;
    void SetNewRecordDefaults() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_category;
    QLineEdit* m_subcategory;
    QComboBox* m_type;
    QPlainTextEdit* m_comments;
    // Low and high of gravity, alcohol, IBUs and colour.
    QLineEdit* m_range[4][2];
};

}  // namespace mw::refdata
