#include "calculators/bitterness_calc_dlg.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/catalogue_string.h"

namespace mw::calculators {

namespace {
constexpr int kMsgMethod = 185;
constexpr int kHintWeight = 276;
constexpr int kHintAlpha = 258;
constexpr int kHintVolume = 147;
constexpr int kHintGravity = 148;
constexpr int kHintMinutes = 137;
constexpr int kHintIbu = 1050;
}  // namespace

CBitternessCalcDlg::CBitternessCalcDlg(const calc::HopUtilizationTable& utilization,
                                       PromptService& prompts, CalculatorLookups lookups,
                                       QWidget* parent)
    : VariableCalculatorDlg(m_bitterness, prompts, parent),
      m_bitterness(utilization),
      m_lookups(std::move(lookups)) {
    setWindowTitle(QStringLiteral("Bitterness Calculator"));
    setObjectName(QStringLiteral("bitternessCalculator"));
    shell::setHelpTopic(this, 102);
    using F = calc::BitternessSolver::Field;

    auto* weight = new QLineEdit(this);
    auto* alpha = new QLineEdit(this);
    auto* utilizationField = new QLineEdit(this);
    utilizationField->setReadOnly(true);
    auto* volume = new QLineEdit(this);
    auto* gravity = new QLineEdit(this);
    auto* minutes = new QLineEdit(this);
    auto* ibu = makeResultField(this, false);
    auto* hbu = makeResultField(this, true);
    bindField(F::Weight, weight);
    bindField(F::Alpha, alpha);
    bindField(F::Utilization, utilizationField);
    bindField(F::BoilVolume, volume);
    bindField(F::Gravity, gravity);
    bindField(F::BoilTime, minutes);
    bindField(F::Ibu, ibu);
    bindField(F::Hbu, hbu);
    gravity->installEventFilter(this);
    minutes->installEventFilter(this);

    auto* weightLabel = buddyLabel(QStringLiteral("&Weight"), weight);
    auto* alphaLabel = buddyLabel(QStringLiteral("% &Alpha acid of hops"), alpha);
    auto* volumeLabel = buddyLabel(QStringLiteral("Boil &Volume"), volume);
    auto* ibuLabel = buddyLabel(QStringLiteral("IBUs"), ibu);
    m_weightUnit = new QLabel(this);
    m_volumeUnit = new QLabel(this);
    m_hop = new QLabel(this);
    m_method = new QLabel(storage::catalogueString(kMsgMethod), this);

    auto* inputs = new QGridLayout;
    inputs->addWidget(weightLabel, 0, 0);
    inputs->addWidget(weight, 0, 1);
    inputs->addWidget(m_weightUnit, 0, 2);
    inputs->addWidget(alphaLabel, 1, 0);
    inputs->addWidget(alpha, 1, 1);
    inputs->addWidget(volumeLabel, 2, 0);
    inputs->addWidget(volume, 2, 1);
    inputs->addWidget(m_volumeUnit, 2, 2);
    inputs->addWidget(buddyLabel(QStringLiteral("Original Gravity"), gravity), 3, 0);
    inputs->addWidget(gravity, 3, 1);
    inputs->addWidget(buddyLabel(QStringLiteral("&Boil Time"), minutes), 4, 0);
    inputs->addWidget(minutes, 4, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Minutes"), this), 4, 2);
    inputs->addWidget(buddyLabel(QStringLiteral("% Utilization of hops"), utilizationField), 5, 0);
    inputs->addWidget(utilizationField, 5, 1);

    auto* measure = new QGroupBox(QStringLiteral("Measurement"), this);
    auto* measureLayout = new QHBoxLayout(measure);
    m_english = new QRadioButton(QStringLiteral("&English"), measure);
    m_metric = new QRadioButton(QStringLiteral("&Metric"), measure);
    measureLayout->addWidget(m_english);
    measureLayout->addWidget(m_metric);

    m_selectHop = new QPushButton(QStringLiteral("&Select a Hop..."), this);
    auto* hopRow = new QHBoxLayout;
    hopRow->addWidget(m_selectHop);
    hopRow->addWidget(m_hop, 1);

    auto* results = new QGridLayout;
    results->addWidget(ibuLabel, 0, 0);
    results->addWidget(ibu, 0, 1);
    results->addWidget(buddyLabel(QStringLiteral("HBUs"), hbu), 1, 0);
    results->addWidget(hbu, 1, 1);

    makeSolvingForList({QStringLiteral("IBUs"), QStringLiteral("Weight"), QStringLiteral("Alpha"),
                        QStringLiteral("Boil Volume")},
                       {ibuLabel, weightLabel, alphaLabel, volumeLabel});
    makeActionButtons(QStringLiteral("&Calculate"), QStringLiteral("&Recalculate"),
                      QStringLiteral("C&lear"));
    auto* methodRow = new QWidget(this);
    auto* method = new QHBoxLayout(methodRow);
    method->setContentsMargins(0, 0, 0, 0);
    method->addWidget(new QLabel(QStringLiteral("Method:"), methodRow));
    method->addWidget(m_method, 1);
    auto* formula = new QLabel(
        QStringLiteral("IBUs = decimal alpha acid utilization * mg/l of added alpha acids\n"
                       "mg/l of added alpha acids =\n"
                       "    ( decimal Alpha Acid rating * ozs hops * 7490 )/ volume of boil in "
                       "gallons\n"
                       "or ( decimal Alpha Acid rating * grams hops * 1000 )/ volume of boil in "
                       "liters"),
        this);
    auto* left = new QVBoxLayout;
    left->addLayout(hopRow);
    left->addLayout(inputs);
    left->addWidget(measure);
    arrange(left, results, {methodRow, formula}, {});

    addHint(*m_hints, weight, kHintWeight);
    addHint(*m_hints, alpha, kHintAlpha);
    addHint(*m_hints, volume, kHintVolume);
    addHint(*m_hints, gravity, kHintGravity);
    addHint(*m_hints, minutes, kHintMinutes);
    addHint(*m_hints, ibu, kHintIbu);

    connect(m_english, &QRadioButton::clicked, this,
            [this] { apply(m_bitterness.setMeasurement(calc::BitternessSolver::English)); });
    connect(m_metric, &QRadioButton::clicked, this,
            [this] { apply(m_bitterness.setMeasurement(calc::BitternessSolver::Metric)); });
    connect(m_selectHop, &QPushButton::clicked, this, [this] {
        if (!m_lookups.hop) {
            return;
        }
        if (const auto hop = m_lookups.hop(this)) {
            m_bitterness.selectHop(hop->name.toStdString(), hop->value);
            refresh();
        }
    });
    refresh();
    focusAndSelect(weight);
}

bool CBitternessCalcDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Field f = watched == field(Field::Gravity) ? Field::Gravity : Field::BoilTime;
        // Looked up once the focus has settled, so a message box can take it.
        QTimer::singleShot(0, this, [this, f] { apply(m_bitterness.leaveField(f)); });
    }
    return VariableCalculatorDlg::eventFilter(watched, event);
}

void CBitternessCalcDlg::refresh() {
    VariableCalculatorDlg::refresh();
    const bool english = m_bitterness.measurement() == calc::BitternessSolver::English;
    m_english->setChecked(english);
    m_metric->setChecked(!english);
    m_weightUnit->setText(QString::fromLatin1(m_bitterness.weightUnit()));
    m_volumeUnit->setText(QString::fromLatin1(m_bitterness.volumeUnit()));
    m_hop->setText(QString::fromStdString(m_bitterness.hopLabel()));
}

}  // namespace mw::calculators
