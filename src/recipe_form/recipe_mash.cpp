#include "recipe_form/recipe_mash.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "recipe_form/field_reader.h"
#include "recipe_form/recipe_page_controls.h"
#include "recipe_form/record_exchange.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/catalogue_string.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

// Hints of the step fields.
constexpr int kHintMashLength = 217;
constexpr int kHintHowLong = 201;
constexpr int kHintMashOutLength = 220;
constexpr int kHintTempAchieved = 218;
constexpr int kHintAverageTemp = 202;
constexpr int kHintFinalTemp = 219;
constexpr int kHintWaterAdded = 203;
constexpr int kHintMashBoiled = 204;
// Hints of the other fields.
constexpr int kHintPh = 205;
constexpr int kHintExpected = 10;
constexpr int kHintCalculated = 11;
constexpr int kHintVolume = 147;
constexpr int kHintDegrees = 143;

const QString kStrike = QStringLiteral("\tStrike");
const QString kProteinRest = QStringLiteral("Protein Rest");
const QString kStarchConversion = QStringLiteral("Starch Conv");
const QString kMashOut = QStringLiteral("Mash Out");
// The volume unit, whatever the recipe's measure.
const QString kGallons = QStringLiteral("Gallons");
// The "Calculated" box: an actual original gravity is there to work from.
const QString kCalculated = QStringLiteral("calc");
const QString kNotCalculated = QStringLiteral("---");

QLineEdit* numberField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(name);
    field->setMaximumWidth(90);
    return field;
}

// The columns of the four mash steps.
struct StepColumns {
    std::array<qint32*, CRecipeMash::kSteps> time;
    std::array<double*, CRecipeMash::kSteps> volume;
    std::array<qint32*, CRecipeMash::kSteps> temperature;
};

StepColumns stepColumns(storage::CRecordSetRecipe& r) {
    return {
        {&r.m_RecipeMashTime1, &r.m_RecipeMashTime2, &r.m_RecipeMashTime3, &r.m_RecipeMashTime4},
        {&r.m_RecipeMashVol1, &r.m_RecipeMashVol2, &r.m_RecipeMashVol3, &r.m_RecipeMashVol4},
        {&r.m_RecipeMashTemp1, &r.m_RecipeMashTemp2, &r.m_RecipeMashTemp3, &r.m_RecipeMashTemp4}};
}

}  // namespace

CRecipeMash::CRecipeMash(PromptService& prompts, HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Mash"), kHelpTopic, parent),
      m_prompts(prompts),
      m_helpService(help) {
    setObjectName(QStringLiteral("recipeMash"));
    shell::setHelpTopic(this, kHelpTopic);
    buildControls();
    addHints();
    trackChanges(m_help);
    for (QRadioButton* button : m_type) {
        connect(button, &QRadioButton::clicked, this, [this] { typeClicked(); });
    }
    applyMashType(NoMashType);
    refreshDerived();
}

void CRecipeMash::buildControls() {
    auto* typeBox = new QGroupBox(QStringLiteral("T&ype"), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    m_type[0] = new QRadioButton(QStringLiteral("Single Stage &Infusion"), typeBox);
    m_type[1] = new QRadioButton(QStringLiteral("&Step Infusion"), typeBox);
    m_type[2] = new QRadioButton(QStringLiteral("&Decoction"), typeBox);
    for (QRadioButton* button : m_type) {
        typeLayout->addWidget(button);
    }
    typeLayout->addStretch();

    auto* steps = new QWidget(this);
    auto* grid = new QGridLayout(steps);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString headings[kSteps] = {kProteinRest, kStarchConversion, kStarchConversion, kMashOut};
    for (int step = 1; step <= kSteps; ++step) {
        const std::size_t i = index(step);
        m_stepLabel[i] = new QLabel(headings[i], steps);
        m_stepLabel[i]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        m_time[i] = numberField(steps, QStringLiteral("Step %1 time").arg(step));
        m_volume[i] = numberField(steps, QStringLiteral("Step %1 volume").arg(step));
        m_temperature[i] = numberField(steps, QStringLiteral("Step %1 temperature").arg(step));
        grid->addWidget(m_stepLabel[i], 0, step);
        grid->addWidget(m_time[i], 1, step);
        grid->addWidget(m_volume[i], 2, step);
        grid->addWidget(m_temperature[i], 3, step);
    }
    grid->addWidget(new QLabel(QStringLiteral("Time"), steps), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Volume"), steps), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Temperature"), steps), 3, 0);
    m_volumeUnits = new QLabel(kGallons, steps);
    grid->addWidget(new QLabel(QStringLiteral("Minutes"), steps), 1, kSteps + 1);
    grid->addWidget(m_volumeUnits, 2, kSteps + 1);
    grid->addWidget(new QLabel(QStringLiteral("Degrees"), steps), 3, kSteps + 1);
    m_mashPh = numberField(steps, QStringLiteral("Mash pH adjustment"));
    grid->addWidget(buddyLabel(QStringLiteral("pH Adjustment"), m_mashPh), 4, 0);
    grid->addWidget(m_mashPh, 4, 1);
    grid->setRowStretch(5, 1);

    auto* sparge = new QGroupBox(QStringLiteral("Spa&rge"), this);
    auto* spargeLayout = new QGridLayout(sparge);
    m_spargeVolume = numberField(sparge, QStringLiteral("Sparge water volume"));
    m_spargeTemperature = numberField(sparge, QStringLiteral("Sparge temperature"));
    m_spargePh = numberField(sparge, QStringLiteral("Sparge pH adjustment"));
    spargeLayout->addWidget(buddyLabel(QStringLiteral("Water Volume"), m_spargeVolume), 0, 0);
    spargeLayout->addWidget(m_spargeVolume, 0, 1);
    spargeLayout->addWidget(buddyLabel(QStringLiteral("Temperature"), m_spargeTemperature), 1, 0);
    spargeLayout->addWidget(m_spargeTemperature, 1, 1);
    spargeLayout->addWidget(buddyLabel(QStringLiteral("pH Adjustment"), m_spargePh), 2, 0);
    spargeLayout->addWidget(m_spargePh, 2, 1);

    auto* wort = new QGroupBox(QStringLiteral("W&ort"), this);
    auto* wortLayout = new QGridLayout(wort);
    m_wortCollected = numberField(wort, QStringLiteral("Volume collected"));
    wortLayout->addWidget(buddyLabel(QStringLiteral("Volume Collected"), m_wortCollected), 0, 0);
    wortLayout->addWidget(m_wortCollected, 0, 1);

    // "Type" holds S; the efficiency's access key is its second word's E.
    auto* efficiency = new QGroupBox(QStringLiteral("System E&fficiency"), this);
    auto* efficiencyLayout = new QGridLayout(efficiency);
    m_expectedEfficiency = numberField(efficiency, QStringLiteral("Expected system efficiency"));
    m_calculatedEfficiency = new QLabel(kNotCalculated, efficiency);
    m_calculatedEfficiency->setFrameShape(QFrame::StyledPanel);
    m_calculatedEfficiency->setFrameShadow(QFrame::Sunken);
    m_calculatedEfficiency->setMinimumWidth(60);
    efficiencyLayout->addWidget(buddyLabel(QStringLiteral("Expected"), m_expectedEfficiency), 0, 0);
    efficiencyLayout->addWidget(m_expectedEfficiency, 0, 1);
    efficiencyLayout->addWidget(new QLabel(QStringLiteral("Calculated"), efficiency), 1, 0);
    efficiencyLayout->addWidget(m_calculatedEfficiency, 1, 1);

    m_help = makeHelpButton(this, m_helpService);

    auto* top = new QHBoxLayout;
    top->addWidget(typeBox);
    top->addWidget(steps, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sparge);
    bottom->addWidget(wort, 0, Qt::AlignTop);
    bottom->addWidget(efficiency, 0, Qt::AlignTop);
    bottom->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addStretch();
    layout->addLayout(buttons);
}

void CRecipeMash::addHints() {
    m_hints = new shell::CHintBalloon(this);
    setHintBalloon(m_hints);
    for (int step = 1; step <= kSteps; ++step) {
        m_hints->AddToolAskingOwner(m_time[index(step)]);
        m_hints->AddToolAskingOwner(m_volume[index(step)]);
        m_hints->AddToolAskingOwner(m_temperature[index(step)]);
    }
    m_hints->setTextProvider([this](QWidget* field) {
        const int number = stepHint(field);
        return number != 0 ? storage::catalogueString(number) : QString();
    });
    addHint(*m_hints, m_mashPh, kHintPh);
    addHint(*m_hints, m_spargePh, kHintPh);
    addHint(*m_hints, m_expectedEfficiency, kHintExpected);
    addHint(*m_hints, m_calculatedEfficiency, kHintCalculated);
    addHint(*m_hints, m_spargeVolume, kHintVolume);
    addHint(*m_hints, m_wortCollected, kHintVolume);
    addHint(*m_hints, m_spargeTemperature, kHintDegrees);
}

int CRecipeMash::stepHint(const QWidget* field) const {
    const int type = currentMashType();
    for (int step = 1; step <= kSteps; ++step) {
        const std::size_t i = index(step);
        const bool first = step == 1;
        const bool last = step == kSteps;
        if (field == m_time[i]) {
            if (type == SingleStageInfusion && first) {
                return kHintMashLength;
            }
            if (type == SingleStageInfusion && last) {
                return kHintMashOutLength;
            }
            return kHintHowLong;
        }
        if (field == m_temperature[i]) {
            if (type == SingleStageInfusion && first) {
                return kHintTempAchieved;
            }
            if (type == SingleStageInfusion && last) {
                return kHintFinalTemp;
            }
            return kHintAverageTemp;
        }
        if (field == m_volume[i]) {
            return type == Decoction && !first ? kHintMashBoiled : kHintWaterAdded;
        }
    }
    return 0;
}

QList<QAbstractButton*> CRecipeMash::typeGroup() const {
    return {m_type[0], m_type[1], m_type[2]};
}

int CRecipeMash::currentMashType() const {
    return record() != nullptr ? record()->m_RecipeMashType
                               : RecordExchange::radioIndex(typeGroup());
}

void CRecipeMash::typeClicked() {
    if (record() != nullptr) {
        RecordExchange exchange(m_prompts);
        readRecord(exchange);
    }
    applyMashType(currentMashType());
}

void CRecipeMash::applyMashType(int type) {
    // Which of the steps 1 to 4 are open, field by field.
    struct Open {
        bool time[kSteps];
        bool temperature[kSteps];
        bool volume[kSteps];
    };
    Open open{};
    switch (type) {
        case SingleStageInfusion:
            open = {{true, false, false, true},
                    {true, false, false, true},
                    {true, false, false, false}};
            m_stepLabel[0]->setText(kStrike);
            break;
        case StepInfusion:
            open = {
                {true, true, true, true}, {true, true, true, true}, {false, false, false, false}};
            m_stepLabel[0]->setText(kProteinRest);
            break;
        case Decoction:
            open = {{true, true, true, true}, {true, true, true, true}, {true, true, true, true}};
            m_stepLabel[0]->setText(kProteinRest);
            break;
        default:
            break;  // none chosen: everything closed, the labels as they were
    }
    for (std::size_t i = 0; i < kSteps; ++i) {
        m_time[i]->setEnabled(open.time[i]);
        m_temperature[i]->setEnabled(open.temperature[i]);
        m_volume[i]->setEnabled(open.volume[i]);
    }
    if (type == SingleStageInfusion || type == StepInfusion || type == Decoction) {
        const bool middleSteps = type != SingleStageInfusion;
        m_stepLabel[1]->setEnabled(middleSteps);
        m_stepLabel[2]->setEnabled(middleSteps);
    }
    for (std::size_t i = 0; i < kSteps; ++i) {
        for (QLineEdit* field : {m_time[i], m_temperature[i], m_volume[i]}) {
            field->setAccessibleDescription(storage::catalogueString(stepHint(field)));
        }
    }
}

void CRecipeMash::refreshDerived() {
    m_volumeUnits->setText(kGallons);
    const bool measured = record() != nullptr && record()->m_RecipeSGOriginal > 1.0;
    m_calculatedEfficiency->setText(measured ? kCalculated : kNotCalculated);
}

void CRecipeMash::enterRecord() {
    applyMashType(currentMashType());
    refreshDerived();
}

void CRecipeMash::activate() {
    enterRecord();
}

void CRecipeMash::doShowRecord(storage::CRecordSetRecipe& record) {
    RecordExchange::showRadio(typeGroup(), record.m_RecipeMashType);
    const StepColumns columns = stepColumns(record);
    for (std::size_t i = 0; i < kSteps; ++i) {
        RecordExchange::show(m_time[i], *columns.time[i]);
        RecordExchange::show(m_volume[i], *columns.volume[i]);
        RecordExchange::show(m_temperature[i], *columns.temperature[i]);
    }
    RecordExchange::show(m_mashPh, record.m_RecipeMashPhAdj);
    RecordExchange::show(m_spargeVolume, record.m_RecipeSpargeVol);
    RecordExchange::show(m_spargeTemperature, record.m_RecipeSpargeTemp);
    RecordExchange::show(m_spargePh, record.m_RecipeSpargePhAdj);
    RecordExchange::show(m_wortCollected, record.m_RecipeWortCollectedVol);
    RecordExchange::show(m_expectedEfficiency, record.m_RecipeSystemEfficiencyExpected);
    applyMashType(record.m_RecipeMashType);
}

bool CRecipeMash::doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) {
    record.m_RecipeMashType = RecordExchange::radioIndex(typeGroup());
    const StepColumns columns = stepColumns(record);
    FieldReader reader(&exchange);
    for (std::size_t i = 0; i < kSteps; ++i) {
        reader.read(m_time[i], *columns.time[i]);
        reader.read(m_volume[i], *columns.volume[i]);
        reader.read(m_temperature[i], *columns.temperature[i]);
    }
    reader.read(m_mashPh, record.m_RecipeMashPhAdj);
    reader.read(m_spargeVolume, record.m_RecipeSpargeVol);
    reader.read(m_spargeTemperature, record.m_RecipeSpargeTemp);
    reader.read(m_spargePh, record.m_RecipeSpargePhAdj);
    reader.read(m_wortCollected, record.m_RecipeWortCollectedVol);
    reader.read(m_expectedEfficiency, record.m_RecipeSystemEfficiencyExpected);
    return reader.ok();
}

}  // namespace mw::recipe_form
