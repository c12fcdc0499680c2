#include "refdata/grains_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordGrain = 24;
constexpr int kHintName50 = 131;
constexpr int kHintName30 = 132;
constexpr int kHintList = 277;
constexpr int kHintColor = 253;
constexpr int kHintYield = 254;
constexpr int kHintProtein = 255;
constexpr int kHintGravity = 148;
constexpr int kHintBalling = 256;
constexpr int kHintComments = 130;

}  // namespace

QStringList CGrainsDlg::categories() {
    return {QStringLiteral("Light Pale Malts"), QStringLiteral("Light-Colored Specialty Malts"),
            QStringLiteral("Crystal, Caramel, Carastan Malts"),
            QStringLiteral("Dark-Colored Specialty Malts"), QStringLiteral("Unusual Specialties")};
}

CGrainsDlg::CGrainsDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Grain Data"), parent) {
    setObjectName(QStringLiteral("refdataGrains"));
    auto* grid = new QGridLayout;
    m_manufacturer = lineEdit("GrainsManuf", this, 40);
    addRow(grid, 0, QStringLiteral("&Manufacturer:"), m_manufacturer);
    m_category = dropDownList("GrainsCategory", categories(), this);
    addRow(grid, 1, QStringLiteral("C&ategory:"), m_category);
    m_name = lineEdit("GrainsName", this);
    addRow(grid, 2, QStringLiteral("Grain &Name:"), m_name);
    m_color = lineEdit("GrainsColor", this, 8);
    addRow(grid, 3, QStringLiteral("&Color (Lovibond):"), m_color);

    auto* potential = new QGroupBox(QStringLiteral("For 1 lb/gal"), this);
    auto* inner = new QGridLayout(potential);
    m_yield = lineEdit("GrainsYield", potential, 8);
    addRow(inner, 0, QStringLiteral("&Yield %:"), m_yield);
    m_gravity = lineEdit("GrainsSPGrav", potential, 8);
    addRow(inner, 1, QStringLiteral("&Specific Gravity:"), m_gravity);
    m_balling = lineEdit("GrainsDegreesBalling", potential, 8);
    addRow(inner, 2, QStringLiteral("Degrees &Balling:"), m_balling);
    m_protein = lineEdit("GrainsProtein", potential, 8);
    addRow(inner, 3, QStringLiteral("% &Protein:"), m_protein);
    inner->setColumnStretch(2, 1);
    grid->addWidget(potential, 4, 0, 1, 2);

    m_comments = memo("GrainsComments", this);
    addRow(grid, 5, QStringLiteral("C&omments:"), m_comments);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CGrainsDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetGrains& r = record();
    fields.text(m_manufacturer, r.m_GrainsManuf, kHintName50);
    fields.choice(m_category, r.m_GrainsCategory, kHintList, F::Required);
    fields.text(m_name, r.m_GrainsName, kHintName30, F::Required | F::NotNullOnNew);
    fields.number(m_color, r.m_GrainsColor, kHintColor);
    fields.number(m_yield, r.m_GrainsYield, kHintYield);
    fields.number(m_gravity, r.m_GrainsSPGrav, kHintGravity);
    fields.number(m_balling, r.m_GrainsDegreesBalling, kHintBalling);
    fields.number(m_protein, r.m_GrainsProtein, kHintProtein);
    fields.text(m_comments, r.m_GrainsComments, kHintComments);
}

int CGrainsDlg::tableWordNumber() const {
    return kWordGrain;
}

QString CGrainsDlg::keyText() const {
    return m_name->text();
}

}  // namespace mw::refdata
