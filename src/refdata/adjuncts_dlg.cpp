#include "refdata/adjuncts_dlg.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "refdata/dialog_controls.h"

namespace mw::refdata {

namespace {

constexpr int kWordAdjuncts = 160;
constexpr int kHintName50 = 131;
constexpr int kHintGravity = 148;
constexpr int kHintFerments = 251;
constexpr int kHintPriming = 252;
constexpr int kHintColor = 253;
constexpr int kHintYield = 254;
constexpr int kHintProtein = 255;
constexpr int kHintBalling = 256;
constexpr int kHintComments = 130;

}  // namespace

CAdjunctsDlg::CAdjunctsDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Adjuncts Data"), parent) {
    setObjectName(QStringLiteral("refdataAdjuncts"));
    auto* grid = new QGridLayout;
    m_name = lineEdit("AdjunctsName", this, 40);
    addRow(grid, 0, QStringLiteral("Adjunct &Name:"), m_name);
    auto* checks = new QHBoxLayout;
    m_fermentable = checkBox("AdjunctsFermentable", QStringLiteral("&Fermentable"), this);
    m_priming = checkBox("AdjunctsPriming", QStringLiteral("P&riming"), this);
    checks->addWidget(m_fermentable);
    checks->addWidget(m_priming);
    checks->addStretch(1);
    grid->addLayout(checks, 1, 1);
    m_color = lineEdit("AdjunctsColor", this, 8);
    addRow(grid, 2, QStringLiteral("&Color (Lovibond):"), m_color);

    auto* potential = new QGroupBox(QStringLiteral("For 1 lb/gal"), this);
    auto* inner = new QGridLayout(potential);
    m_yield = lineEdit("AdjunctsYield", potential, 8);
    addRow(inner, 0, QStringLiteral("&Yield %:"), m_yield);
    m_protein = lineEdit("AdjunctsProtein", potential, 8);
    addRow(inner, 1, QStringLiteral("% &Protein:"), m_protein);
    m_gravity = lineEdit("AdjunctsSPGrav", potential, 8);
    addRow(inner, 2, QStringLiteral("&Specific Gravity:"), m_gravity);
    m_balling = lineEdit("AdjunctsDegreesBalling", potential, 8);
    addRow(inner, 3, QStringLiteral("Degrees &Balling:"), m_balling);
    inner->setColumnStretch(2, 1);
    grid->addWidget(potential, 3, 0, 1, 2);

    m_comments = memo("AdjunctsComments", this);
    addRow(grid, 4, QStringLiteral("C&omments:"), m_comments);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
}

void CAdjunctsDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetAdjuncts& r = record();
    fields.text(m_name, r.m_AdjunctsName, kHintName50, F::Required | F::NotNullOnNew);
    fields.check(m_fermentable, r.m_AdjunctsFermentable, kHintFerments);
    fields.check(m_priming, r.m_AdjunctsPriming, kHintPriming);
    fields.number(m_color, r.m_AdjunctsColor, kHintColor);
    fields.number(m_yield, r.m_AdjunctsYield, kHintYield);
    fields.number(m_protein, r.m_AdjunctsProtein, kHintProtein);
    fields.number(m_gravity, r.m_AdjunctsSPGrav, kHintGravity);
    fields.number(m_balling, r.m_AdjunctsDegreesBalling, kHintBalling);
    fields.text(m_comments, r.m_AdjunctsComments, kHintComments);
}

int CAdjunctsDlg::tableWordNumber() const {
    return kWordAdjuncts;
}

QString CAdjunctsDlg::keyText() const {
    return m_name->text();
}

}  // namespace mw::refdata
