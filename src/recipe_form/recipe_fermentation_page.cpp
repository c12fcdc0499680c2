#include "recipe_form/recipe_fermentation_page.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "recipe_form/date_picker.h"
#include "recipe_form/field_reader.h"
#include "recipe_form/ingredient_lookups.h"
#include "recipe_form/recipe_page_controls.h"
#include "recipe_form/record_exchange.h"
#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

constexpr int kHintGravity = 148;
constexpr int kHintReadingTemperature = 207;
constexpr int kHintDays = 200;
constexpr int kHintDegrees = 143;
constexpr int kHintDate = 196;
constexpr int kHintVolume = 147;
constexpr int kHintDescription = 130;

QLineEdit* field(QWidget* parent, const QString& name, int width = 80) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setMaximumWidth(width);
    return edit;
}

QLabel* heading(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QString gravityText(double value) {
    return QString::fromStdString(fieldText(value));
}

}  // namespace

CRecipeSpecGravities::PrimingLookup CRecipeSpecGravities::adjunctPrimingLookup(
    storage::Settings& settings, PromptService& prompts, HelpService* help) {
    return [&settings, &prompts, help](QWidget* parent) -> std::optional<QString> {
        CLookupAdjunct lookup(settings, prompts, help, parent);
        lookup.setPriming(true);
        if (!lookup.load() || lookup.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return lookup.choice().name;
    };
}

CRecipeSpecGravities::CRecipeSpecGravities(HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Fermentation Info"), kHelpTopic, parent), m_helpService(help) {
    setObjectName(QStringLiteral("recipeSpecGravities"));
    shell::setHelpTopic(this, kHelpTopic);

    QWidget* gravities = buildGravities();
    QWidget* fermentation = buildFermentation();
    QWidget* dates = buildDates();
    QWidget* sizes = buildSizes();
    QWidget* yield = buildYield();
    QWidget* priming = buildPriming();
    QWidget* conditioning = buildConditioning();
    m_help = makeHelpButton(this, m_helpService);

    auto* left = new QVBoxLayout;
    left->addWidget(gravities);
    left->addWidget(fermentation);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(dates);
    middle->addWidget(sizes);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(yield);
    right->addWidget(priming);
    right->addWidget(conditioning);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_temperatureAdjust);
    buttons->addStretch();
    buttons->addWidget(m_help);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right, 1);

    addHints();
    trackChanges(m_help);
    m_boilSize->installEventFilter(this);
    connect(m_selectMethod, &QPushButton::clicked, this, [this] { selectPrimingMethod(); });
    connect(m_temperatureAdjust, &QPushButton::clicked, this, [this] {
        if (m_helpService != nullptr) {
            m_helpService->showHelp(kTemperatureCorrectionTopic);
        }
    });
}

QWidget* CRecipeSpecGravities::buildGravities() {
    auto* box = new QGroupBox(QStringLiteral("Specific &Gravities"), this);
    auto* grid = new QGridLayout(box);
    const QString rows[3] = {QStringLiteral("Original"), QStringLiteral("Racking"),
                             QStringLiteral("Final")};
    grid->addWidget(heading(QStringLiteral("Actual"), box), 0, 1);
    grid->addWidget(heading(QStringLiteral("Temp"), box), 0, 2);
    grid->addWidget(heading(QStringLiteral("Predicted"), box), 0, 3);
    for (std::size_t i = 0; i < 3; ++i) {
        const int row = static_cast<int>(i) + 1;
        m_gravity[i] = field(box, rows[i] + QStringLiteral(" gravity"));
        m_gravityTemperature[i] = field(box, rows[i] + QStringLiteral(" gravity temperature"), 50);
        grid->addWidget(heading(rows[i], box), row, 0);
        grid->addWidget(m_gravity[i], row, 1);
        grid->addWidget(m_gravityTemperature[i], row, 2);
    }
    m_predictedBox = new QLabel(gravityText(m_predicted), box);
    m_predictedBox->setFrameShape(QFrame::StyledPanel);
    m_predictedBox->setFrameShadow(QFrame::Sunken);
    m_predictedBox->setMinimumWidth(70);
    m_predictedBox->setAccessibleDescription(QStringLiteral("Predicted original gravity"));
    grid->addWidget(m_predictedBox, 1, 3);
    return box;
}

QWidget* CRecipeSpecGravities::buildFermentation() {
    auto* box = new QGroupBox(QStringLiteral("Fe&rmentation"), this);
    auto* grid = new QGridLayout(box);
    m_fermentation[0] = new QRadioButton(QStringLiteral("Ale"), box);
    m_fermentation[1] = new QRadioButton(QStringLiteral("Lager"), box);
    m_fermentation[2] = new QRadioButton(QStringLiteral("Other"), box);
    auto* types = new QHBoxLayout;
    for (QRadioButton* button : m_fermentation) {
        types->addWidget(button);
    }
    types->addStretch();
    grid->addLayout(types, 0, 0, 1, 3);
    m_primaryDays = field(box, QStringLiteral("Primary days"), 50);
    m_primaryTemperature = field(box, QStringLiteral("Primary temperature"), 50);
    m_secondaryDays = field(box, QStringLiteral("Secondary days"), 50);
    m_secondaryTemperature = field(box, QStringLiteral("Secondary temperature"), 50);
    grid->addWidget(heading(QStringLiteral("Days"), box), 1, 1);
    grid->addWidget(heading(QStringLiteral("Temp"), box), 1, 2);
    grid->addWidget(heading(QStringLiteral("Primary"), box), 2, 0);
    grid->addWidget(m_primaryDays, 2, 1);
    grid->addWidget(m_primaryTemperature, 2, 2);
    grid->addWidget(heading(QStringLiteral("Secondary"), box), 3, 0);
    grid->addWidget(m_secondaryDays, 3, 1);
    grid->addWidget(m_secondaryTemperature, 3, 2);
    return box;
}

QWidget* CRecipeSpecGravities::buildDates() {
    auto* box = new QGroupBox(QStringLiteral("&Dates"), this);
    auto* grid = new QGridLayout(box);
    m_brewed = new CDatePicker(box);
    m_racked = new CDatePicker(box);
    m_bottled = new CDatePicker(box);
    grid->addWidget(dateLabel(QStringLiteral("Brewed"), m_brewed), 0, 0);
    grid->addWidget(m_brewed, 0, 1);
    grid->addWidget(dateLabel(QStringLiteral("Racked"), m_racked), 1, 0);
    grid->addWidget(m_racked, 1, 1);
    grid->addWidget(dateLabel(QStringLiteral("Bottled"), m_bottled), 2, 0);
    grid->addWidget(m_bottled, 2, 1);
    return box;
}

QWidget* CRecipeSpecGravities::buildSizes() {
    auto* box = new QGroupBox(QStringLiteral("&Size (Gallons)"), this);
    auto* grid = new QGridLayout(box);
    m_boilSize = field(box, QStringLiteral("Boil size"));
    m_batchSize = field(box, QStringLiteral("Batch size"));
    grid->addWidget(buddyLabel(QStringLiteral("Boil"), m_boilSize), 0, 0);
    grid->addWidget(m_boilSize, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Batch"), m_batchSize), 1, 0);
    grid->addWidget(m_batchSize, 1, 1);
    return box;
}

QWidget* CRecipeSpecGravities::buildYield() {
    auto* box = new QGroupBox(QStringLiteral("&Yield"), this);
    auto* layout = new QVBoxLayout(box);
    m_yield = makeTextBox(box);
    m_yield->setAccessibleName(QStringLiteral("Yield"));
    m_yield->setMaximumHeight(m_yield->fontMetrics().lineSpacing() * 3 + 12);
    layout->addWidget(m_yield);
    return box;
}

QWidget* CRecipeSpecGravities::buildPriming() {
    auto* box = new QGroupBox(QStringLiteral("Pr&iming"), this);
    auto* grid = new QGridLayout(box);
    m_primingMethod = field(box, QStringLiteral("Priming method"), QWIDGETSIZE_MAX);
    m_primingAmount = field(box, QStringLiteral("Priming amount"));
    m_primingUnits = field(box, QStringLiteral("Priming units"));
    m_selectMethod = new QPushButton(QStringLiteral("Select a method..."), box);
    m_selectMethod->setAutoDefault(false);
    grid->addWidget(buddyLabel(QStringLiteral("Method"), m_primingMethod), 0, 0);
    grid->addWidget(m_primingMethod, 0, 1, 1, 3);
    grid->addWidget(buddyLabel(QStringLiteral("Amount"), m_primingAmount), 1, 0);
    grid->addWidget(m_primingAmount, 1, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Units"), m_primingUnits), 1, 2);
    grid->addWidget(m_primingUnits, 1, 3);
    grid->addWidget(m_selectMethod, 2, 1, 1, 3, Qt::AlignLeft);
    return box;
}

QWidget* CRecipeSpecGravities::buildConditioning() {
    auto* box = new QGroupBox(QStringLiteral("Length of Conditioning"), this);
    auto* row = new QHBoxLayout(box);
    m_conditioning = field(box, QStringLiteral("Length of conditioning"), 50);
    m_conditioningUnits = new QComboBox(box);
    m_conditioningUnits->setEditable(true);
    m_conditioningUnits->addItems({QStringLiteral("Days"), QStringLiteral("Weeks")});
    m_conditioningUnits->setAccessibleName(QStringLiteral("Conditioning units"));
    m_conditioningUnits->lineEdit()->setAccessibleName(QStringLiteral("Conditioning units"));
    row->addWidget(m_conditioning);
    row->addWidget(m_conditioningUnits);
    row->addStretch();
    m_temperatureAdjust = new QPushButton(QStringLiteral("Temp\nAdjust..."), this);
    m_temperatureAdjust->setAutoDefault(false);
    return box;
}

void CRecipeSpecGravities::addHints() {
    m_hints = new shell::CHintBalloon(this);
    setHintBalloon(m_hints);
    for (std::size_t i = 0; i < 3; ++i) {
        addHint(*m_hints, m_gravity[i], kHintGravity);
        addHint(*m_hints, m_gravityTemperature[i], kHintReadingTemperature);
    }
    addHint(*m_hints, m_primaryDays, kHintDays);
    addHint(*m_hints, m_primaryTemperature, kHintDegrees);
    addHint(*m_hints, m_secondaryDays, kHintDays);
    addHint(*m_hints, m_secondaryTemperature, kHintDegrees);
    for (CDatePicker* date : {m_brewed, m_racked, m_bottled}) {
        addHint(*m_hints, date, kHintDate);
    }
    addHint(*m_hints, m_boilSize, kHintVolume);
    addHint(*m_hints, m_batchSize, kHintVolume);
    addHint(*m_hints, m_yield, kHintDescription);
}

QList<QAbstractButton*> CRecipeSpecGravities::fermentationGroup() const {
    return {m_fermentation[0], m_fermentation[1], m_fermentation[2]};
}

void CRecipeSpecGravities::activate() {
    if (m_firstActivation) {
        m_firstActivation = false;
        return;
    }
    if (record() == nullptr) {
        return;
    }
    if (m_predict) {
        m_predicted = m_predict();
    }
    showRecord();
    emit unmodified();
}

bool CRecipeSpecGravities::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_boilSize && event->type() == QEvent::FocusOut) {
        boilSizeLeft();
    }
    return CRecipePage::eventFilter(watched, event);
}

void CRecipeSpecGravities::boilSizeLeft() {
    storage::CRecordSetRecipe* recipe = record();
    if (recipe == nullptr) {
        return;
    }
    const double size = leadingNumber(m_boilSize->text().toStdString());
    if (size == recipe->m_RecipeBoilSize) {
        return;
    }
    recipe->m_RecipeBoilSize = size;
    if (m_predict) {
        m_predicted = m_predict();
    }
    m_predictedBox->setText(
        QString::fromStdString(formatNumber(msg::FormatThreeDecimals, m_predicted)));
}

void CRecipeSpecGravities::selectPrimingMethod() {
    if (!m_primingLookup) {
        return;
    }
    if (const std::optional<QString> method = m_primingLookup(this)) {
        m_primingMethod->setText(*method);
        m_primingMethod->setFocus();
    }
}

void CRecipeSpecGravities::doShowRecord(storage::CRecordSetRecipe& record) {
    const double gravities[3] = {record.m_RecipeSGOriginal, record.m_RecipeSGRacking,
                                 record.m_RecipeSGFinal};
    const qint32 temperatures[3] = {record.m_RecipeSGOriginalTemp, record.m_RecipeSGRackingTemp,
                                    record.m_RecipeSGFinalTemp};
    for (std::size_t i = 0; i < 3; ++i) {
        RecordExchange::show(m_gravity[i], gravities[i]);
        RecordExchange::show(m_gravityTemperature[i], temperatures[i]);
    }
    m_predictedBox->setText(gravityText(m_predicted));
    RecordExchange::showRadio(fermentationGroup(), record.m_RecipeFermTypeAle);
    RecordExchange::show(m_primaryDays, record.m_RecipeFermPrimary);
    RecordExchange::show(m_primaryTemperature, record.m_RecipeFermAvgTempPri);
    RecordExchange::show(m_secondaryDays, record.m_RecipeFermSecondary);
    RecordExchange::show(m_secondaryTemperature, record.m_RecipeFermAvgTempSec);
    m_brewed->setDateTime(record.m_RecipeDateBrewed);
    m_racked->setDateTime(record.m_RecipeDateRacked);
    m_bottled->setDateTime(record.m_RecipeDateBottled);
    RecordExchange::show(m_boilSize, record.m_RecipeBoilSize);
    RecordExchange::show(m_batchSize, record.m_RecipeBatchSize);
    m_yield->setPlainText(record.m_RecipeYield);
    RecordExchange::show(m_primingMethod, record.m_RecipeFermPrimingName);
    RecordExchange::show(m_primingAmount, record.m_RecipeFermPrimingAmt);
    RecordExchange::show(m_primingUnits, record.m_RecipeFermPrimingUnits);
    RecordExchange::show(m_conditioning, record.m_RecipeFermConditioningAmt);
    m_conditioningUnits->setCurrentText(record.m_RecipeFermConditioningUnits);
}

bool CRecipeSpecGravities::doReadRecord(storage::CRecordSetRecipe& record,
                                        RecordExchange& exchange) {
    FieldReader reader(&exchange);
    double* gravities[3] = {&record.m_RecipeSGOriginal, &record.m_RecipeSGRacking,
                            &record.m_RecipeSGFinal};
    qint32* temperatures[3] = {&record.m_RecipeSGOriginalTemp, &record.m_RecipeSGRackingTemp,
                               &record.m_RecipeSGFinalTemp};
    for (std::size_t i = 0; i < 3; ++i) {
        reader.read(m_gravity[i], *gravities[i]);
        reader.read(m_gravityTemperature[i], *temperatures[i]);
    }
    // The box shows the form's prediction; reading the page hands it back.
    if (const std::optional<double> predicted = parseNumber(m_predictedBox->text().toStdString())) {
        m_predicted = *predicted;
        if (m_takePredicted) {
            m_takePredicted(m_predicted);
        }
    }
    record.m_RecipeFermTypeAle = RecordExchange::radioIndex(fermentationGroup());
    reader.read(m_primaryDays, record.m_RecipeFermPrimary);
    reader.read(m_primaryTemperature, record.m_RecipeFermAvgTempPri);
    reader.read(m_secondaryDays, record.m_RecipeFermSecondary);
    reader.read(m_secondaryTemperature, record.m_RecipeFermAvgTempSec);
    record.m_RecipeDateBrewed = m_brewed->dateTime();
    record.m_RecipeDateRacked = m_racked->dateTime();
    record.m_RecipeDateBottled = m_bottled->dateTime();
    reader.read(m_boilSize, record.m_RecipeBoilSize);
    reader.read(m_batchSize, record.m_RecipeBatchSize);
    record.m_RecipeYield = m_yield->toPlainText();
    RecordExchange::read(m_primingMethod, record.m_RecipeFermPrimingName);
    RecordExchange::read(m_primingAmount, record.m_RecipeFermPrimingAmt);
    RecordExchange::read(m_primingUnits, record.m_RecipeFermPrimingUnits);
    reader.read(m_conditioning, record.m_RecipeFermConditioningAmt);
    record.m_RecipeFermConditioningUnits = m_conditioningUnits->currentText();
    return reader.ok();
}

}  // namespace mw::recipe_form
