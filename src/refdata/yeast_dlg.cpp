#include "refdata/yeast_dlg.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordYeast = 22;
constexpr int kHintName50 = 131;
constexpr int kHintName30 = 132;
constexpr int kHintSelectOne = 261;
constexpr int kHintAttenuation = 279;
constexpr int kHintComments = 130;

}  // namespace

CYeastDlg::CYeastDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Yeast Data"), parent) {
    setObjectName(QStringLiteral("refdataYeast"));
    auto* grid = new QGridLayout;
    m_manufacturer = lineEdit("YeastManuf", this, 40);
    addRow(grid, 0, QStringLiteral("&Manufacturer:"), m_manufacturer, 2);
    m_strain = lineEdit("YeastStrain", this);
    addRow(grid, 1, QStringLiteral("Yeast &Strain:"), m_strain, 2);
    auto* type = new QGroupBox(QStringLiteral("Type"), this);
    m_type = radioGroup(type, "YeastType", {QStringLiteral("&Lager"), QStringLiteral("&Ale")});
    auto* form = new QGroupBox(QStringLiteral("Form"), this);
    m_form = radioGroup(form, "YeastForm", {QStringLiteral("Li&quid"), QStringLiteral("&Dry")});
    grid->addWidget(type, 2, 1);
    grid->addWidget(form, 2, 2);
    m_attenuation = lineEdit("YeastAttenuation", this, 8);
    addRow(grid, 3, QStringLiteral("A&ttenuation:"), m_attenuation);
    m_comments = memo("YeastComments", this);
    addRow(grid, 4, QStringLiteral("&Comments:"), m_comments, 2);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);
}

void CYeastDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetYeast& r = record();
    fields.text(m_manufacturer, r.m_YeastManuf, kHintName50, F::Required | F::NotNullOnNew);
    fields.text(m_strain, r.m_YeastStrain, kHintName30, F::Required | F::NotNullOnNew);
    fields.radio(m_type, r.m_YeastType, kHintSelectOne);
    fields.radio(m_form, r.m_YeastForm, kHintSelectOne);
    fields.number(m_attenuation, r.m_YeastAttenuation, kHintAttenuation);
    fields.text(m_comments, r.m_YeastComments, kHintComments);
}

int CYeastDlg::tableWordNumber() const {
    return kWordYeast;
}

QString CYeastDlg::keyText() const {
    return m_strain->text();
}

void CYeastDlg::SetNewRecordScreenDefaults() {
    // Lager and Liquid, as the buttons a new yeast starts with.
    m_type.front()->setChecked(true);
    m_form.front()->setChecked(true);
    m_manufacturer->setFocus();
}

}  // namespace mw::refdata
