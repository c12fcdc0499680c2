#pragma once

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QPlainTextEdit;

namespace mw::refdata {

// "Add/Change Beer Kits Data": a beer kit by manufacturer and style, with its
// bitterness, colour, weight and unit, starting gravity and description. The
// manufacturer holds at most 50 characters and the style at most 30: typing
// stops there, and a longer stored text is refused when the record is saved.
class CKitsDlg final : public CAddChgOf<storage::CRecordSetKits> {
    Q_OBJECT

public:
    static constexpr int kManufacturerLength = 50;
    static constexpr int kStyleLength = 30;

    CKitsDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    QLineEdit* manufacturerField() const { return m_manufacturer; }
    QLineEdit* styleField() const { return m_style; }

protected:
    QString indexName() const override { return QStringLiteral("IndexKitsManufStyle"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;
    void fillExtraControls() override;
    bool readExtraControls() override;

private:
    // The length check of one text: false (after the message, with the focus
    // on the field) when it is too long.
    bool withinLength(QLineEdit* field, const QString& text, int limit);

    QLineEdit* m_manufacturer;
    QLineEdit* m_style;
    QLineEdit* m_hbu;
    QLineEdit* m_color;
    QLineEdit* m_weight;
    QList<QAbstractButton*> m_units;
    QLineEdit* m_startGravity;
    QPlainTextEdit* m_description;
};

}  // namespace mw::refdata
