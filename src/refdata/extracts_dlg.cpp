#include "refdata/extracts_dlg.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordExtract = 21;
constexpr int kHintYes = 34;
constexpr int kHintHbu = 71;
constexpr int kHintName50 = 131;
constexpr int kHintName30 = 132;
constexpr int kHintGravity = 148;
constexpr int kHintColor = 253;
constexpr int kHintBalling = 256;
constexpr int kHintSelectOne = 261;
constexpr int kHintWeight = 276;
constexpr int kHintComments = 130;

}  // namespace

CExtractsDlg::CExtractsDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Extract Data"), parent) {
    setObjectName(QStringLiteral("refdataExtracts"));
    auto* grid = new QGridLayout;
    m_manufacturer = lineEdit("ExtractsManuf", this, 40);
    addRow(grid, 0, QStringLiteral("&Manufacturer:"), m_manufacturer, 2);
    m_name = lineEdit("ExtractsName", this);
    addRow(grid, 1, QStringLiteral("Extract &Type:"), m_name, 2);
    m_color = lineEdit("ExtractsColor", this, 8);
    addRow(grid, 2, QStringLiteral("&Color (Lovibond):"), m_color);

    auto* form = new QGroupBox(QStringLiteral("Form"), this);
    m_form = radioGroup(form, "ExtractsForm", {QStringLiteral("S&yrup"), QStringLiteral("&Dry")});
    grid->addWidget(form, 3, 0, 1, 2);
    m_hopped = checkBox("ExtractsHopped", QStringLiteral("&Hopped"), this);
    grid->addWidget(m_hopped, 3, 2);

    m_gravity = lineEdit("ExtractsSpecificGravity", this, 8);
    addRow(grid, 4, QStringLiteral("&Specific Gravity:"), m_gravity);
    m_balling = lineEdit("ExtractsDegreesBalling", this, 8);
    addRow(grid, 5, QStringLiteral("Degrees &Balling:"), m_balling);
    m_hbu = lineEdit("ExtractsHBU", this, 8);
    addRow(grid, 6, QStringLiteral("Home B&itterness Units (HBU):"), m_hbu);
    m_weight = lineEdit("ExtractsWeight", this, 8);
    addRow(grid, 7, QStringLiteral("&Weight:"), m_weight);
    auto* units = new QGroupBox(QStringLiteral("Units"), this);
    m_units = radioGroup(units, "ExtractsUnits",
                         {QStringLiteral("&Pounds"), QStringLiteral("&Kilograms")});
    grid->addWidget(units, 7, 2);

    m_comments = memo("ExtractsComments", this);
    addRow(grid, 8, QStringLiteral("C&omments:"), m_comments, 2);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);
}

void CExtractsDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetExtracts& r = record();
    fields.text(m_manufacturer, r.m_ExtractsManuf, kHintName50, F::Required | F::NotNullOnNew);
    fields.text(m_name, r.m_ExtractsName, kHintName30, F::Required | F::NotNullOnNew);
    fields.number(m_color, r.m_ExtractsColor, kHintColor);
    fields.radio(m_form, r.m_ExtractsForm, kHintSelectOne);
    fields.check(m_hopped, r.m_ExtractsHopped, kHintYes);
    fields.number(m_gravity, r.m_ExtractsSpecificGravity, kHintGravity);
    fields.number(m_balling, r.m_ExtractsDegreesBalling, kHintBalling);
    fields.number(m_hbu, r.m_ExtractsHBU, kHintHbu);
    fields.number(m_weight, r.m_ExtractsWeight, kHintWeight);
    fields.radio(m_units, r.m_ExtractsUnits, kHintSelectOne);
    fields.text(m_comments, r.m_ExtractsComments, kHintComments);
}

int CExtractsDlg::tableWordNumber() const {
    return kWordExtract;
}

QString CExtractsDlg::keyText() const {
    return m_name->text();
}

}  // namespace mw::refdata
