#include "refdata/kits_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "refdata/dialog_controls.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "storage/catalogue_string.h"

namespace mw::refdata {

namespace {

constexpr int kWordKit = 84;
// "Data Error: The %1 may hold at most %2 characters (it has %3)."
constexpr int kMsgTooLong = 1271;
constexpr int kHintManufacturer = 131;
constexpr int kHintStyle = 132;
constexpr int kHintHbu = 71;
constexpr int kHintColor = 253;
constexpr int kHintWeight = 276;
constexpr int kHintSelectOne = 261;
constexpr int kHintGravity = 148;
constexpr int kHintDescription = 130;
// QLineEdit's own default, the longest text it takes.
constexpr int kNoLimit = 32767;

// Typing stops at the limit; a stored text that is already longer is shown
// whole (and refused on saving) rather than cut.
void limitTyping(QLineEdit* field, int limit) {
    field->setMaxLength(std::max(limit, static_cast<int>(field->text().size())));
}

}  // namespace

CKitsDlg::CKitsDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Beer Kits Data"), parent) {
    setObjectName(QStringLiteral("refdataKits"));
    auto* grid = new QGridLayout;
    m_manufacturer = lineEdit("KitsManuf", this, 40);
    addRow(grid, 0, QStringLiteral("&Manufacturer:"), m_manufacturer, 3);
    m_style = lineEdit("KitsStyle", this);
    addRow(grid, 1, QStringLiteral("&Style:"), m_style, 3);
    m_hbu = lineEdit("KitsHBU", this, 8);
    addRow(grid, 2, QStringLiteral("Home &Bitterness Units (HBU):"), m_hbu);
    m_color = lineEdit("KitsColor", this, 8);
    addRow(grid, 3, QStringLiteral("&Color (Lovibond):"), m_color);
    m_weight = lineEdit("KitsWeight", this, 8);
    addRow(grid, 4, QStringLiteral("&Weight:"), m_weight);
    auto* units = new QGroupBox(QStringLiteral("Units"), this);
    m_units =
        radioGroup(units, "KitsUnits", {QStringLiteral("&Pounds"), QStringLiteral("K&ilograms")});
    grid->addWidget(units, 4, 2, 1, 2);
    m_startGravity = lineEdit("KitsStartSPGrav", this, 8);
    addRow(grid, 5, QStringLiteral("S&tarting Specific Gravity:"), m_startGravity);
    m_description = memo("KitsDescription", this, 4);
    addRow(grid, 6, QStringLiteral("&Description:"), m_description, 3);
    grid->itemAtPosition(6, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    body()->addLayout(grid);
    limitTyping(m_manufacturer, kManufacturerLength);
    limitTyping(m_style, kStyleLength);
}

void CKitsDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetKits& r = record();
    fields.text(m_manufacturer, r.m_KitsManuf, kHintManufacturer, F::Required | F::NotNullOnNew);
    fields.text(m_style, r.m_KitsStyle, kHintStyle, F::Required | F::NotNullOnNew);
    fields.number(m_hbu, r.m_KitsHBU, kHintHbu);
    fields.number(m_color, r.m_KitsColor, kHintColor);
    fields.number(m_weight, r.m_KitsWeight, kHintWeight);
    fields.radio(m_units, r.m_KitsUnits, kHintSelectOne);
    fields.number(m_startGravity, r.m_KitsStartSPGrav, kHintGravity);
    fields.text(m_description, r.m_KitsDescription, kHintDescription);
}

int CKitsDlg::tableWordNumber() const {
    return kWordKit;
}

QString CKitsDlg::keyText() const {
    return m_manufacturer->text() + QStringLiteral(", ") + m_style->text();
}

void CKitsDlg::OnRecordRefresh() {
    AbandonChanges();
}

void CKitsDlg::fillExtraControls() {
    // A length limit cuts the text it is given, so the texts are shown again
    // from the record, whole, before the limits are set to fit them.
    const storage::CRecordSetKits& r = record();
    const bool shown = hasRecord() || isAdding();
    const std::pair<QLineEdit*, const QString*> texts[] = {{m_manufacturer, &r.m_KitsManuf},
                                                           {m_style, &r.m_KitsStyle}};
    for (const auto& [field, text] : texts) {
        const QSignalBlocker quiet(field);
        field->setMaxLength(kNoLimit);
        field->setText(shown ? *text : QString());
    }
    limitTyping(m_manufacturer, kManufacturerLength);
    limitTyping(m_style, kStyleLength);
}

bool CKitsDlg::readExtraControls() {
    const storage::CRecordSetKits& r = record();
    return withinLength(m_manufacturer, r.m_KitsManuf, kManufacturerLength) &&
           withinLength(m_style, r.m_KitsStyle, kStyleLength);
}

bool CKitsDlg::withinLength(QLineEdit* field, const QString& text, int limit) {
    if (text.size() <= limit) {
        return true;
    }
    const std::string name = field->accessibleName().toStdString();
    const std::string text2 = formatStrings(
        catalogueText(kMsgTooLong), {name, std::to_string(limit), std::to_string(text.size())});
    prompts().show(kMsgTooLong, text2, PromptIcon::Exclamation);
    field->setFocus();
    return false;
}

}  // namespace mw::refdata
