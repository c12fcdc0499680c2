#include "refdata/hops_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "recipe_form/ingredient_lookups.h"
#include "refdata/dialog_controls.h"
#include "refdata/tenths_spin_button.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "shell/hint_balloon.h"

namespace mw::refdata {

namespace {

constexpr int kWordHops = 20;
constexpr int kMsgInconsistentRange = 36;
constexpr int kMsgAlphaOutOfRange = 120;
constexpr int kFormatOneDecimal = 192;
constexpr int kHintVariety = 132;
constexpr int kHintAlpha = 258;
constexpr int kHintLow = 121;
constexpr int kHintHigh = 122;
constexpr int kHintOrigin = 259;
constexpr int kHintSubstitutes = 260;
constexpr int kHintSelectOne = 261;
constexpr int kHintComments = 130;

constexpr int kMaxSubstitutes = 4;
constexpr double kAlphaLowest = 1.0;
constexpr double kAlphaHighest = 20.0;
constexpr qint32 kStabilityGood = 2;

bool outsideAlphaRange(double value) {
    return value < kAlphaLowest || value > kAlphaHighest;
}

}  // namespace

CHopsDlg::CHopsDlg(const ReferenceDialogContext& context, QWidget* parent)
    : CAddChgOf(context, QStringLiteral("Add/Change Hops Data"), parent) {
    setObjectName(QStringLiteral("refdataHops"));
    auto* grid = new QGridLayout;
    m_name = lineEdit("HopsName", this);
    addRow(grid, 0, QStringLiteral("Variety &Name:"), m_name, 3);

    const auto withSpin = [this](QLineEdit* field, CTenthsSpinButton*& spinButton,
                                 const QString& name) {
        spinButton = new CTenthsSpinButton(name, this);
        field->setMaximumWidth(field->fontMetrics().averageCharWidth() * 8);
        auto* box = new QWidget(this);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(1);
        field->setParent(box);
        spinButton->setParent(box);
        row->addWidget(field);
        row->addWidget(spinButton);
        row->addStretch(1);
        connect(spinButton, &CTenthsSpinButton::stepped, this,
                [this, field, spinButton](int step) { spin(field, spinButton, step); });
        return box;
    };
    m_alpha = lineEdit("HopsAlpha", this, 6);
    m_alpha->setAccessibleName(QStringLiteral("Alpha Acid Percent"));
    {
        auto* caption = new QLabel(QStringLiteral("&Alpha Acid Percent:"), this);
        caption->setBuddy(m_alpha);
        grid->addWidget(caption, 1, 0);
        grid->addWidget(withSpin(m_alpha, m_alphaSpin, QStringLiteral("Alpha Acid Percent")), 1, 1,
                        1, 3);
    }

    auto* range = new QGroupBox(QStringLiteral("Variety Alpha Range"), this);
    auto* rangeRow = new QHBoxLayout(range);
    m_low = lineEdit("HopsAlphaLo", this, 6);
    m_low->setAccessibleName(QStringLiteral("Variety Alpha Range Low"));
    m_high = lineEdit("HopsAlphaHi", this, 6);
    m_high->setAccessibleName(QStringLiteral("Variety Alpha Range High"));
    auto* lowCaption = new QLabel(QStringLiteral("&Low:"), range);
    lowCaption->setBuddy(m_low);
    auto* highCaption = new QLabel(QStringLiteral("&High:"), range);
    highCaption->setBuddy(m_high);
    rangeRow->addWidget(lowCaption);
    rangeRow->addWidget(withSpin(m_low, m_lowSpin, QStringLiteral("Variety Alpha Range Low")));
    rangeRow->addSpacing(12);
    rangeRow->addWidget(highCaption);
    rangeRow->addWidget(withSpin(m_high, m_highSpin, QStringLiteral("Variety Alpha Range High")));
    rangeRow->addStretch(1);
    grid->addWidget(range, 2, 0, 1, 4);

    m_origin = lineEdit("HopsOrigin", this);
    addRow(grid, 3, QStringLiteral("O&rigin:"), m_origin, 3);

    auto* stability = new QGroupBox(QStringLiteral("Stability"), this);
    m_stability =
        radioGroup(stability, "HopsStability",
                   {QStringLiteral("&Poor"), QStringLiteral("&Fair"), QStringLiteral("&Good"),
                    QStringLiteral("&Very Good"), QStringLiteral("&Excellent")});
    grid->addWidget(stability, 4, 0, 1, 4);

    m_substitutes = new QListWidget(this);
    m_substitutes->setObjectName(QStringLiteral("HopsSubstitutes"));
    m_substitutes->setMaximumHeight(m_substitutes->fontMetrics().lineSpacing() * 4 + 8);
    m_plus = new QPushButton(QStringLiteral("+"), this);
    m_plus->setAccessibleName(QStringLiteral("Add a substitute hop"));
    m_plus->setToolTip(m_plus->accessibleName());
    m_minus = new QPushButton(QStringLiteral("-"), this);
    m_minus->setAccessibleName(QStringLiteral("Remove the selected substitute hop"));
    m_minus->setToolTip(m_minus->accessibleName());
    for (QPushButton* button : {m_plus, m_minus}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().averageCharWidth() * 5);
    }
    auto* substituteButtons = new QVBoxLayout;
    substituteButtons->addWidget(m_plus);
    substituteButtons->addWidget(m_minus);
    substituteButtons->addStretch(1);
    auto* substitutesCaption = new QLabel(QStringLiteral("S&ubstitutes:"), this);
    substitutesCaption->setBuddy(m_substitutes);
    m_substitutes->setAccessibleName(QStringLiteral("Substitutes"));
    grid->addWidget(substitutesCaption, 5, 0, Qt::AlignTop);
    grid->addWidget(m_substitutes, 5, 1, 1, 2);
    grid->addLayout(substituteButtons, 5, 3);

    m_comments = memo("HopsComments", this);
    addRow(grid, 6, QStringLiteral("&Comments:"), m_comments, 3);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    connect(m_plus, &QPushButton::clicked, this, &CHopsDlg::OnAddSubstitute);
    connect(m_minus, &QPushButton::clicked, this, &CHopsDlg::OnRemoveSubstitute);

    m_chooseHop = [this](QWidget* owner) -> std::optional<QString> {
        recipe_form::CLookupHop lookup(this->context().settings, this->context().prompts,
                                       this->context().help, owner);
        if (!lookup.load() || lookup.exec() != QDialog::Accepted ||
            lookup.choice().name.isEmpty()) {
            return std::nullopt;
        }
        return lookup.choice().name;
    };
    updateSubstituteButtons();
}

void CHopsDlg::bindFields(RecordFields& fields) {
    using F = RecordFields;
    storage::CRecordSetHops& r = record();
    fields.text(m_name, r.m_HopsName, kHintVariety, F::Required | F::NotNullOnNew);
    fields.number(m_alpha, r.m_HopsAlpha, kHintAlpha, F::Required | F::OneDecimal);
    fields.number(m_low, r.m_HopsAlphaLo, kHintLow, F::OneDecimal);
    fields.number(m_high, r.m_HopsAlphaHi, kHintHigh, F::OneDecimal);
    fields.text(m_origin, r.m_HopsOrigin, kHintOrigin);
    fields.radio(m_stability, r.m_HopsStability, kHintSelectOne);
    fields.text(m_comments, r.m_HopsComments, kHintComments);
}

void CHopsDlg::attachExtraHints(shell::CHintBalloon& hints) {
    hints.AddTool(m_substitutes, kHintSubstitutes);
}

int CHopsDlg::tableWordNumber() const {
    return kWordHops;
}

QString CHopsDlg::keyText() const {
    return QStringLiteral("%1, %2%").arg(m_name->text(), m_alpha->text());
}

void CHopsDlg::OnRecordRefresh() {
    AbandonChanges();
}

// ---------------------------------------------------------------- checks

bool CHopsDlg::checkRecord() {
    const storage::CRecordSetHops& r = record();
    // An empty field is null and reads as 0: not given.
    const double alpha = r.m_HopsAlpha;
    const double low = r.m_HopsAlphaLo;
    const double high = r.m_HopsAlphaHi;
    bool failed = false;
    if (high != 0.0 && outsideAlphaRange(high)) {
        failed = true;
        m_high->setFocus();
    }
    if (low != 0.0 && outsideAlphaRange(low)) {
        failed = true;
        m_low->setFocus();
    }
    if (alpha == 0.0 || outsideAlphaRange(alpha)) {
        failed = true;
        m_alpha->setFocus();
    }
    if (failed) {
        prompts().show(kMsgAlphaOutOfRange, PromptIcon::Exclamation);
        return false;
    }
    if (low + high != 0.0) {
        bool inconsistent = high < low || low == 0.0;
        if (alpha != 0.0 && (alpha < low || alpha > high)) {
            inconsistent = true;
        }
        if (inconsistent) {
            prompts().show(kMsgInconsistentRange, PromptIcon::Exclamation);
            m_alpha->setFocus();
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- new record

void CHopsDlg::SetNewRecordDefaults() {
    CAddChgDAO::SetNewRecordDefaults();
    storage::CRecordSetHops& r = record();
    for (double* value : {&r.m_HopsAlpha, &r.m_HopsAlphaLo, &r.m_HopsAlphaHi}) {
        r.setFieldNull(value, false);
        *value = 1.0;
    }
    r.setFieldNull(&r.m_HopsStability, false);
    r.m_HopsStability = kStabilityGood;
}

void CHopsDlg::SetNewRecordScreenDefaults() {
    m_name->setFocus();
}

// ---------------------------------------------------------------- extra controls

void CHopsDlg::fillExtraControls() {
    const storage::CRecordSetHops& r = record();
    m_alphaSpin->setValue(r.m_HopsAlpha);
    m_lowSpin->setValue(r.m_HopsAlphaLo);
    m_highSpin->setValue(r.m_HopsAlphaHi);
    m_substitutes->clear();
    if (hasRecord() || isAdding()) {
        for (const QString* name : {&r.m_HopsSubstitute1, &r.m_HopsSubstitute2,
                                    &r.m_HopsSubstitute3, &r.m_HopsSubstitute4}) {
            if (!name->isEmpty()) {
                m_substitutes->addItem(*name);
            }
        }
    }
    m_substitutes->setCurrentRow(m_substitutes->count() > 0 ? 0 : -1);
    updateSubstituteButtons();
}

bool CHopsDlg::readExtraControls() {
    storage::CRecordSetHops& r = record();
    QString* columns[] = {&r.m_HopsSubstitute1, &r.m_HopsSubstitute2, &r.m_HopsSubstitute3,
                          &r.m_HopsSubstitute4};
    for (int i = 0; i < kMaxSubstitutes; ++i) {
        r.setFieldNull(columns[i], true);
        if (i < m_substitutes->count()) {
            r.setFieldNull(columns[i], false);
            *columns[i] = m_substitutes->item(i)->text();
        }
    }
    return true;
}

void CHopsDlg::updateSubstituteButtons() {
    const bool editing = hasRecord() || isAdding();
    m_plus->setEnabled(editing && m_substitutes->count() < kMaxSubstitutes);
    m_minus->setEnabled(editing && m_substitutes->count() >= 1);
}

void CHopsDlg::OnAddSubstitute() {
    if (m_substitutes->count() >= kMaxSubstitutes || !m_chooseHop) {
        return;
    }
    const std::optional<QString> name = m_chooseHop(this);
    if (!name) {
        return;
    }
    m_substitutes->addItem(*name);
    m_substitutes->setCurrentRow(m_substitutes->count() - 1);
    setDirty(true);
    updateSubstituteButtons();
}

void CHopsDlg::OnRemoveSubstitute() {
    const int row = m_substitutes->currentRow();
    if (row < 0) {
        return;
    }
    delete m_substitutes->takeItem(row);
    m_substitutes->setCurrentRow(std::min(row, m_substitutes->count() - 1));
    setDirty(true);
    updateSubstituteButtons();
}

// ---------------------------------------------------------------- spin buttons

void CHopsDlg::spin(QLineEdit* field, CTenthsSpinButton* button, int step) {
    if (!hasRecord() && !isAdding()) {
        return;
    }
    const std::optional<double> typed = parseNumber(field->text().toStdString());
    const double start = typed ? *typed : button->position() / 10.0;
    const double value = std::clamp(start + step * 0.1, kAlphaLowest, kAlphaHighest);
    field->setText(QString::fromStdString(formatNumber(kFormatOneDecimal, value)));
    button->setValue(value);
    setDirty(true);
}

}  // namespace mw::refdata
