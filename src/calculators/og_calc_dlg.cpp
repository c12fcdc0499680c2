#include "calculators/og_calc_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calculators/converter_dlg.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"

namespace mw::calculators {

namespace {
constexpr int kHintWeight = 276;
constexpr int kHintGravity = 148;
constexpr int kHintVolume = 147;
constexpr int kHintEfficiency = 10;
constexpr int kHintOriginalGravity = 1051;
}  // namespace

COGCalcDlg::COGCalcDlg(PromptService& prompts, CalculatorLookups lookups, QWidget* parent)
    : VariableCalculatorDlg(m_gravity, prompts, parent),
      m_promptsForConverter(prompts),
      m_lookups(std::move(lookups)) {
    setWindowTitle(QStringLiteral("Original Gravity Calculator"));
    setObjectName(QStringLiteral("gravityCalculator"));
    shell::setHelpTopic(this, 214);
    using F = calc::GravitySolver::Field;
    auto* weight = new QLineEdit(this);
    auto* potential = new QLineEdit(this);
    auto* volume = new QLineEdit(this);
    auto* efficiency = new QLineEdit(this);
    auto* gravity = makeResultField(this, false);
    auto* balling = makeResultField(this, true);
    bindField(F::Weight, weight);
    bindField(F::Potential, potential);
    bindField(F::BoilVolume, volume);
    bindField(F::Efficiency, efficiency);
    bindField(F::OriginalGravity, gravity);
    bindField(F::Balling, balling);

    auto* weightLabel = buddyLabel(QStringLiteral("&Weight"), weight);
    auto* potentialLabel = buddyLabel(QStringLiteral("E&xtract Potential"), potential);
    auto* volumeLabel = buddyLabel(QStringLiteral("Boil &Volume"), volume);
    auto* efficiencyLabel = buddyLabel(QStringLiteral("E&fficiency"), efficiency);
    auto* gravityLabel = buddyLabel(QStringLiteral("Original Gravity"), gravity);
    m_ingredient = new QLabel(this);

    auto* units = new QGroupBox(QStringLiteral("Weight"), this);
    auto* unitsLayout = new QHBoxLayout(units);
    m_pounds = new QRadioButton(QStringLiteral("&Pounds"), units);
    m_kilograms = new QRadioButton(QStringLiteral("&Kilograms"), units);
    unitsLayout->addWidget(m_pounds);
    unitsLayout->addWidget(m_kilograms);

    auto* inputs = new QGridLayout;
    inputs->addWidget(weightLabel, 0, 0);
    inputs->addWidget(weight, 0, 1);
    inputs->addWidget(units, 1, 0, 1, 3);
    inputs->addWidget(potentialLabel, 2, 0);
    inputs->addWidget(potential, 2, 1);
    inputs->addWidget(volumeLabel, 3, 0);
    inputs->addWidget(volume, 3, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Gallons"), this), 3, 2);
    inputs->addWidget(efficiencyLabel, 4, 0);
    inputs->addWidget(efficiency, 4, 1);
    inputs->addWidget(new QLabel(QStringLiteral("%"), this), 4, 2);

    m_extract = new QPushButton(QStringLiteral("&Extract..."), this);
    m_adjunct = new QPushButton(QStringLiteral("&Adjunct..."), this);
    m_grain = new QPushButton(QStringLiteral("&Grain..."), this);
    auto* ingredientRow = new QHBoxLayout;
    ingredientRow->addWidget(m_extract);
    ingredientRow->addWidget(m_adjunct);
    ingredientRow->addWidget(m_grain);
    ingredientRow->addWidget(m_ingredient, 1);

    auto* results = new QGridLayout;
    results->addWidget(gravityLabel, 0, 0);
    results->addWidget(gravity, 0, 1);
    results->addWidget(buddyLabel(QStringLiteral("Balling"), balling), 1, 0);
    results->addWidget(balling, 1, 1);

    makeSolvingForList({QStringLiteral("Original Gravity"), QStringLiteral("Weight"),
                        QStringLiteral("Extract Potential"), QStringLiteral("Boil Volume")},
                       {gravityLabel, weightLabel, potentialLabel, volumeLabel});
    makeActionButtons(QStringLiteral("&Calculate"), QStringLiteral("&Recalculate"),
                      QStringLiteral("C&lear"));
    m_balling = new QPushButton(QStringLiteral("&SG to/from Balling..."), this);
    auto* formula = new QLabel(
        QStringLiteral("OG = ( ( Pounds of Extract * Extract Potential ) / Volume of boil in "
                       "gallons ) * Efficiency\n"
                       "- Extract Potential is stated in points (e.g., 1.035 = 35 SG points)\n"
                       "For Extracts : Dry = 1.045   Syrup = 1.037\n"
                       "- Efficiency is 100% for Extracts and Fermentable Adjuncts\n"
                       "- Efficiency is normally between 70-90% for Grains\n"
                       "(if unknown, assume 80%)"),
        this);
    auto* left = new QVBoxLayout;
    left->addLayout(ingredientRow);
    left->addLayout(inputs);
    left->addStretch(1);
    arrange(left, results, {formula}, {m_balling});

    addHint(*m_hints, weight, kHintWeight);
    addHint(*m_hints, potential, kHintGravity);
    addHint(*m_hints, volume, kHintVolume);
    addHint(*m_hints, efficiency, kHintEfficiency);
    addHint(*m_hints, gravity, kHintOriginalGravity);

    // The unit is read at the next Calculate.
    connect(m_pounds, &QRadioButton::clicked, this,
            [this] { m_gravity.setWeightUnit(calc::GravitySolver::Pounds); });
    connect(m_kilograms, &QRadioButton::clicked, this,
            [this] { m_gravity.setWeightUnit(calc::GravitySolver::Kilograms); });
    connect(m_extract, &QPushButton::clicked, this,
            [this] { choose(calc::GravitySolver::Ingredient::Extract, m_lookups.extract); });
    connect(m_adjunct, &QPushButton::clicked, this, [this] {
        choose(calc::GravitySolver::Ingredient::Adjunct, m_lookups.fermentableAdjunct);
    });
    connect(m_grain, &QPushButton::clicked, this,
            [this] { choose(calc::GravitySolver::Ingredient::Grain, m_lookups.grain); });
    connect(m_balling, &QPushButton::clicked, this, [this] {
        CSGBallingDlg converter(m_promptsForConverter, this);
        converter.exec();
    });
    refresh();
    focusAndSelect(weight);
}

void COGCalcDlg::choose(calc::GravitySolver::Ingredient kind,
                        const std::function<std::optional<NamedValue>(QWidget*)>& lookup) {
    if (!lookup) {
        return;
    }
    if (const auto choice = lookup(this)) {
        m_gravity.selectIngredient(kind, choice->name.toStdString(), choice->value);
        refresh();
    }
}

void COGCalcDlg::refresh() {
    VariableCalculatorDlg::refresh();
    const bool kilograms = m_gravity.weightUnit() == calc::GravitySolver::Kilograms;
    m_pounds->setChecked(!kilograms);
    m_kilograms->setChecked(kilograms);
    field(Field::Efficiency)->setEnabled(m_gravity.efficiencyEnabled());
    m_ingredient->setText(QString::fromStdString(m_gravity.ingredientName()));
}

}  // namespace mw::calculators
