#include "calculators/alcohol_calc_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/calculator_support.h"
#include "calculators/converter_dlg.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"

namespace mw::calculators {

namespace {
constexpr int kHintGravity = 148;
constexpr int kHintAttenuation = 279;
constexpr int kHintByVolume = 273;
constexpr int kHintTerminal = 1052;
}  // namespace

CAlcoholCalcDlg::CAlcoholCalcDlg(PromptService& prompts, QWidget* parent)
    : VariableCalculatorDlg(m_alcohol, prompts, parent) {
    setWindowTitle(QStringLiteral("Alcohol Content Calculator"));
    setObjectName(QStringLiteral("alcoholCalculator"));
    shell::setHelpTopic(this, 215);
    using F = calc::AlcoholSolver::Field;
    auto* original = new QLineEdit(this);
    auto* terminal = new QLineEdit(this);
    auto* attenuation = new QLineEdit(this);
    auto* byVolume = makeResultField(this, false);
    auto* byWeight = makeResultField(this, true);
    bindField(F::OriginalGravity, original);
    bindField(F::TerminalGravity, terminal);
    bindField(F::Attenuation, attenuation);
    bindField(F::ByVolume, byVolume);
    bindField(F::ByWeight, byWeight);

    auto* originalLabel = new QLabel(QStringLiteral("&Original Gravity"), this);
    originalLabel->setBuddy(original);
    auto* terminalLabel = new QLabel(QStringLiteral("&Terminal Gravity*"), this);
    terminalLabel->setBuddy(terminal);
    auto* byVolumeLabel = buddyLabel(QStringLiteral("% by Volume"), byVolume);
    auto* inputs = new QGridLayout;
    inputs->addWidget(originalLabel, 0, 0);
    inputs->addWidget(original, 0, 1);
    inputs->addWidget(terminalLabel, 1, 0);
    inputs->addWidget(terminal, 1, 1);

    auto* yeast = new QGroupBox(QStringLiteral("Used for predicting Terminal Gravity only"), this);
    auto* yeastLayout = new QGridLayout(yeast);
    auto* attenuationLabel = new QLabel(QStringLiteral("&Yeast Attenuation"), yeast);
    attenuationLabel->setBuddy(attenuation);
    yeastLayout->addWidget(attenuationLabel, 0, 0);
    yeastLayout->addWidget(attenuation, 0, 1);
    yeastLayout->addWidget(new QLabel(QStringLiteral("Attenuation is normally 70-80%\n(if "
                                                     "unknown, assume 75%)"),
                                      yeast),
                           1, 0, 1, 2);

    auto* results = new QGridLayout;
    results->addWidget(byVolumeLabel, 0, 0);
    results->addWidget(byVolume, 0, 1);
    results->addWidget(buddyLabel(QStringLiteral("% by Weight"), byWeight), 1, 0);
    results->addWidget(byWeight, 1, 1);

    makeSolvingForList({QStringLiteral("% by Volume"), QStringLiteral("Original Gravity"),
                        QStringLiteral("Terminal Gravity")},
                       {byVolumeLabel, originalLabel, terminalLabel});
    makeActionButtons(QStringLiteral("&Calculate"), QStringLiteral("&Recalculate"),
                      QStringLiteral("C&lear"));
    m_abvAbw = new QPushButton(QStringLiteral("&ABV to/from ABW..."), this);
    m_sgBalling = new QPushButton(QStringLiteral("&SG to/from Balling..."), this);

    auto* formula =
        new QLabel(QStringLiteral("%ABV = ( ( Original Gravity - Terminal Gravity ) * .1275\n"
                                  "%ABW = ( ( Original Gravity - Terminal Gravity ) * .102\n"
                                  "- Gravities are stated in points (e.g., 1.035 = 35 SG points)\n"
                                  "- If Terminal Gravity is not known, then estimate using yeast "
                                  "attenuation:\n(OG * Attenuation = predicted TG)\n"
                                  "*Note: To calculate PREDICTED ABV, leave TG blank"),
                   this);

    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addWidget(yeast);
    left->addStretch(1);
    arrange(left, results, {formula}, {m_abvAbw, m_sgBalling});

    addHint(*m_hints, original, kHintGravity);
    addHint(*m_hints, terminal, kHintTerminal);
    addHint(*m_hints, attenuation, kHintAttenuation);
    addHint(*m_hints, byVolume, kHintByVolume);

    connect(m_abvAbw, &QPushButton::clicked, this, [this] {
        CABVABWDlg converter(m_prompts, this);
        converter.exec();
    });
    connect(m_sgBalling, &QPushButton::clicked, this, [this] {
        CSGBallingDlg converter(m_prompts, this);
        converter.exec();
    });
    refresh();
    focusAndSelect(byVolume);
}

}  // namespace mw::calculators
