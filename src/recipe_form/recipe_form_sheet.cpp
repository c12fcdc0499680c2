#include "recipe_form/recipe_form_sheet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calc/recipe_calculation.h"
#include "calc/sheets.h"
#include "recipe_form/picture_button.h"
#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_fermentation_page.h"
#include "recipe_form/recipe_form_commands.h"
#include "recipe_form/recipe_grid1.h"
#include "recipe_form/recipe_ingredients_page.h"
#include "recipe_form/recipe_mash.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "recipe_form/recipe_recipe_page.h"
#include "recipe_form/record_exchange.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "shell/color_static.h"
#include "shell/command_set.h"
#include "shell/info_status_bar.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage/recipe_record_fields.h"
#include "storage/recipe_records.h"
#include "storage/settings.h"

namespace mw::recipe_form {

namespace {

constexpr int kTipName = 131;
constexpr int kTipBatch = 195;
constexpr int kTipProcess = 198;
constexpr int kTipMeasure = 199;
constexpr int kTipDisplayOnly = 197;
constexpr int kSheetCaption = 138;
constexpr int kMsgFutureVersion = 19;
constexpr int kWordTarget = 174;
constexpr int kRangeGravity = 172;
constexpr int kRangeIbu = 173;
constexpr int kRangeAlcohol = 175;
constexpr int kRangeColor = 176;

// Rows the save checks count: kits among the first ten, extracts and
// grains among the first twelve.
constexpr int kKitRowsCounted = 10;
constexpr int kGrainRowsCounted = 12;

const QString kBatchIndex = QStringLiteral("IndexRecipeBatchNo");
const QString kNotApplicable = QStringLiteral("(N/A)");

using storage::Setting;

QString rangeLine(int message, double low, double high, int format) {
    return storage::catalogueString(kWordTarget) +
           QString::fromStdString(
               formatMessage(message, formatNumber(format, low), formatNumber(format, high)));
}

}  // namespace

CRecipeFormSheet::CRecipeFormSheet(storage::CMwcalcDoc& document, Services services,
                                   QWidget* parent)
    : QWidget(parent), m_document(&document), m_services(services) {
    setObjectName(QStringLiteral("recipeForm"));
    setWindowTitle(QStringLiteral("Recipe Form"));
    setAccessibleName(windowTitle());
    readSettings();
    showProgress(10);

    m_record = std::make_unique<storage::CRecordSetRecipe>(document.database());
    try {
        m_record->open(storage::OpenType::Table);
        showProgress(15);
        m_record->setCurrentIndex(kBatchIndex);
        m_record->moveFirst();
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_services.prompts, m_services.help);
    }
    m_fields = std::make_unique<storage::RecipeRecordFields>(*m_record);
    m_lifecycle = std::make_unique<CRecipeLifecycle>(document, *m_record, *this, *this,
                                                     m_services.prompts, m_services.help);
    m_lifecycle->setOptions({m_displayWarnings, m_displayDeleteWarnings});

    buildControls();
    showProgress(20);
    m_lifecycle->start();
    buildPages();

    m_calc = std::make_unique<calc::RecipeCalculation>(
        *m_fields, m_grid->cells(), document.hopUtilization(), m_services.prompts);
    m_calc->setDisplayWarnings(m_displayWarnings);
    m_calc->setModifiedHandler([this] { setModified(); });

    m_commands = m_services.commands;
    if (m_commands == nullptr) {
        m_commands = new shell::CommandSet(this);
        m_commands->attachKeys(this);
    }
    m_formCommands = new RecipeFormCommands(*m_commands, *m_lifecycle, this);
    m_contextMenu = m_formCommands->makeContextMenu(this);

    showRecord();
    showProgress(100);
    applyToolTips();
    trackFormChanges();
    showProgress(-1);
    ShowTargetRanges();
    applyStatusLook();
    m_c.name->setFocus();
    document.addView(this);
    m_document->setCurrentRecipe(m_record->m_RecipeID, m_record->m_RecipeBatchNo);
}

CRecipeFormSheet::~CRecipeFormSheet() {
    // The command handlers go first: they reach into the lifecycle.
    delete m_formCommands;
    m_formCommands = nullptr;
    if (m_document != nullptr) {
        m_document->removeView(this);
    }
}

// ------------------------------------------------------------------ building

void CRecipeFormSheet::buildControls() {
    const auto edit = [this](const char* objectName, const QString& accessible) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(objectName));
        e->setAccessibleName(accessible);
        return e;
    };
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    m_c.name = edit("name", QStringLiteral("Name"));
    m_c.name->setMaxLength(50);
    m_c.brewer = edit("brewer", QStringLiteral("Brewer"));
    m_c.brewer->setMaxLength(50);
    m_c.batch = edit("batch", QStringLiteral("Batch #"));
    m_c.batch->setMaximumWidth(70);

    auto* measure = new QGroupBox(QStringLiteral("Measurement"), this);
    measure->setObjectName(QStringLiteral("measurement"));
    m_c.english = new QRadioButton(QStringLiteral("&English"), measure);
    m_c.english->setObjectName(QStringLiteral("english"));
    m_c.metric = new QRadioButton(QStringLiteral("&Metric"), measure);
    m_c.metric->setObjectName(QStringLiteral("metric"));
    auto* measureLayout = new QVBoxLayout(measure);
    measureLayout->addWidget(m_c.english);
    measureLayout->addWidget(m_c.metric);

    auto* process = new QGroupBox(QStringLiteral("&Process"), this);
    process->setObjectName(QStringLiteral("process"));
    m_c.kit = new QCheckBox(QStringLiteral("Kit"), process);
    m_c.kit->setObjectName(QStringLiteral("kit"));
    m_c.extract = new QCheckBox(QStringLiteral("Extract"), process);
    m_c.extract->setObjectName(QStringLiteral("extract"));
    m_c.partialMash = new QCheckBox(QStringLiteral("Partial Mash"), process);
    m_c.partialMash->setObjectName(QStringLiteral("partialMash"));
    m_c.allGrain = new QCheckBox(QStringLiteral("All Grain"), process);
    m_c.allGrain->setObjectName(QStringLiteral("allGrain"));
    auto* processLayout = new QGridLayout(process);
    processLayout->addWidget(m_c.kit, 0, 0);
    processLayout->addWidget(m_c.extract, 0, 1);
    processLayout->addWidget(m_c.partialMash, 1, 0);
    processLayout->addWidget(m_c.allGrain, 1, 1);

    m_c.targetStyle = new QPushButton(QStringLiteral("&Target Style..."), this);
    m_c.targetStyle->setObjectName(QStringLiteral("targetStyle"));
    connect(m_c.targetStyle, &QPushButton::clicked, this, [this] { OnTargetStyle(); });
    const auto target = [this](const char* objectName) {
        auto* l = new shell::CColorStatic(this);
        l->setObjectName(QLatin1String(objectName));
        l->SetText(kNotApplicable);
        l->SetBold(true);
        return l;
    };
    m_c.targetStyleName = target("targetStyleName");
    m_c.targetCategory = target("targetCategory");
    m_c.targetSubcategory = target("targetSubcategory");

    auto* calculations = new QLabel(QStringLiteral("Calculations:"), this);
    m_c.calcStatus = new shell::CColorStatic(this);
    m_c.calcStatus->setObjectName(QStringLiteral("calcStatus"));
    calculations->setBuddy(nullptr);
    m_c.messages = new CPictureButton(this);
    m_c.messages->setObjectName(QStringLiteral("msgs"));
    m_c.messages->setText(QStringLiteral("Msgs"));
    m_c.messages->setAccessibleName(QStringLiteral("Msgs"));
    for (ButtonLook look :
         {ButtonLook::Normal, ButtonLook::Pressed, ButtonLook::Focused, ButtonLook::Disabled}) {
        m_c.messages->setPicture(look, messagesButtonPicture(look, QStringLiteral("Msgs")));
    }
    connect(m_c.messages, &QAbstractButton::clicked, this, [this] { ShowCalcMessages(); });

    m_c.pages = new QTabWidget(this);
    m_c.pages->setObjectName(QStringLiteral("recipeSheet"));
    m_c.pages->setAccessibleName(storage::catalogueString(kSheetCaption));

    // Name, brewer and batch across the top.
    auto* identity = new QHBoxLayout;
    identity->addWidget(label(QStringLiteral("&Name"), m_c.name));
    identity->addWidget(m_c.name, 3);
    identity->addWidget(label(QStringLiteral("Bre&wer"), m_c.brewer));
    identity->addWidget(m_c.brewer, 2);
    identity->addWidget(label(QStringLiteral("&Batch #"), m_c.batch));
    identity->addWidget(m_c.batch);

    auto* targets = new QVBoxLayout;
    targets->setSpacing(2);
    targets->addWidget(m_c.targetStyle, 0, Qt::AlignLeft);
    targets->addWidget(m_c.targetStyleName);
    targets->addWidget(m_c.targetCategory);
    targets->addWidget(m_c.targetSubcategory);

    auto* status = new QGridLayout;
    status->addWidget(calculations, 0, 0);
    status->addWidget(m_c.calcStatus, 0, 1);
    status->addWidget(m_c.messages, 1, 0, 1, 2, Qt::AlignLeft);
    status->setRowStretch(2, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(measure);
    middle->addWidget(process);
    middle->addLayout(targets, 1);
    middle->addLayout(status);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(identity);
    layout->addLayout(middle);
    layout->addWidget(m_c.pages, 1);
}

void CRecipeFormSheet::buildPages() {
    m_recipePage =
        new CRecipeRecipePage(*m_document->database(), m_services.prompts, m_services.help);
    m_recipePage->setPrintHandler(
        [this] { m_services.prompts.show(kMsgFutureVersion, PromptIcon::Information); });
    addPage(m_recipePage);
    m_ingredientsPage = new CRecipeIngredientsPage(m_services.help);
    addPage(m_ingredientsPage);

    m_grid = new CRecipeGrid1(*this, *m_document->database(), m_services.settings,
                              m_services.prompts, m_services.help);
    m_ingredientsPage->setGrid(m_grid);

    // The other pages are made the first time they come to the front: many
    // brewers never open some of them, and each costs memory and start-up
    // time. Until then the record's columns they show stay as stored.
    addLazyPage(QStringLiteral("Mash"), [this] {
        m_mashPage = new CRecipeMash(m_services.prompts, m_services.help);
        return m_mashPage;
    });
    addLazyPage(QStringLiteral("Fermentation Info"), [this] {
        m_fermentationPage = new CRecipeSpecGravities(m_services.help);
        m_fermentationPage->setPredictOriginalGravity([this] {
            RecalculateRecipe(false);
            return m_calc->results().originalGravity;
        });
        m_fermentationPage->setPrimingLookup(CRecipeSpecGravities::adjunctPrimingLookup(
            m_services.settings, m_services.prompts, m_services.help));
        connect(m_fermentationPage, &CRecipeSpecGravities::unmodified, this,
                [this] { m_lifecycle->setModified(false); });
        return m_fermentationPage;
    });
    addLazyPage(QStringLiteral("Comments"), [this] {
        m_commentsPage = new CRecipeComments(m_services.help);
        return m_commentsPage;
    });
    addLazyPage(QStringLiteral("Rating"), [this] {
        m_ratingPage = new CRecipeRatingDlg(m_services.prompts, m_services.help);
        return m_ratingPage;
    });

    // A page that derives what it shows from the record refreshes when it
    // comes to the front.
    connect(m_c.pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (CRecipePage* page = ensurePage(index)) {
            page->activate();
        }
    });
    m_c.pages->setCurrentIndex(0);
}

void CRecipeFormSheet::addPage(CRecipePage* page) {
    page->setRecord(m_record.get());
    m_c.pages->addTab(page, page->title());
    m_pages.push_back(page);
    m_pageFactories.emplace_back();
    connect(page, &CRecipePage::modified, this, [this] { setModified(); });
}

void CRecipeFormSheet::addLazyPage(const QString& title, std::function<CRecipePage*()> make) {
    auto* slot = new QWidget;
    auto* layout = new QVBoxLayout(slot);
    layout->setContentsMargins(0, 0, 0, 0);
    m_c.pages->addTab(slot, title);
    m_pages.push_back(nullptr);
    m_pageFactories.push_back(std::move(make));
}

CRecipePage* CRecipeFormSheet::ensurePage(int index) {
    if (index < 0 || index >= static_cast<int>(m_pages.size())) {
        return nullptr;
    }
    const auto i = static_cast<std::size_t>(index);
    if (m_pages[i] == nullptr && m_pageFactories[i]) {
        CRecipePage* page = m_pageFactories[i]();
        page->setRecord(m_record.get());
        m_c.pages->widget(index)->layout()->addWidget(page);
        page->show();
        m_pages[i] = page;
        connect(page, &CRecipePage::modified, this, [this] { setModified(); });
        applyToolTips();
        page->showRecord();
        page->enterRecord();
        // The page's first activation only sets it up, as when every page
        // was made with the form; the one that brings it to the front follows.
        if (page == m_fermentationPage) {
            m_fermentationPage->activate();
        }
    }
    return m_pages[i];
}

void CRecipeFormSheet::trackFormChanges() {
    for (QLineEdit* e : {m_c.name, m_c.brewer, m_c.batch}) {
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!m_showing) {
                setModified();
            }
        });
    }
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             m_c.english, m_c.metric, m_c.kit, m_c.extract, m_c.partialMash, m_c.allGrain}) {
        connect(b, &QAbstractButton::clicked, this, [this] { setModified(); });
    }
}

void CRecipeFormSheet::readSettings() {
    storage::Settings& s = m_services.settings;
    m_displayWarnings = s.integer(Setting::DisplayWarnings) != 0;
    m_displayDeleteWarnings = s.integer(Setting::DisplayDeleteWarnings) != 0;
    m_displayToolTips = s.integer(Setting::DisplayToolTips) != 0;
    m_recipeScroll = s.integer(Setting::RecipeScroll);
    if (m_lifecycle) {
        m_lifecycle->setOptions({m_displayWarnings, m_displayDeleteWarnings});
        m_calc->setDisplayWarnings(m_displayWarnings);
        applyToolTips();
    }
}

void CRecipeFormSheet::applyToolTips() {
    const auto tip = [this](QWidget* w, int number) {
        w->setToolTip(m_displayToolTips ? storage::catalogueString(number) : QString());
    };
    tip(m_c.name, kTipName);
    tip(m_c.brewer, kTipName);
    tip(m_c.batch, kTipBatch);
    tip(m_c.english->parentWidget(), kTipMeasure);
    tip(m_c.kit->parentWidget(), kTipProcess);
    tip(m_recipePage->list(), kTipDisplayOnly);
    for (CRecipePage* page : m_pages) {
        if (page != nullptr) {
            page->setHintsActive(m_displayToolTips);
        }
    }
}

// ------------------------------------------------------------------ record and controls

void CRecipeFormSheet::showFormControls() {
    const storage::CRecordSetRecipe& r = *m_record;
    m_showing = true;
    RecordExchange::show(m_c.name, r.m_RecipeName);
    RecordExchange::show(m_c.brewer, r.m_RecipeBrewer);
    RecordExchange::show(m_c.batch, r.m_RecipeBatchNo);
    RecordExchange::showRadio({m_c.english, m_c.metric}, r.m_RecipeMeasureEnglish);
    RecordExchange::show(m_c.kit, r.m_RecipeProcessKit);
    RecordExchange::show(m_c.extract, r.m_RecipeProcessExtract);
    RecordExchange::show(m_c.partialMash, r.m_RecipeProcessPartial);
    RecordExchange::show(m_c.allGrain, r.m_RecipeProcessAllGrain);
    m_showing = false;
}

void CRecipeFormSheet::showRecord() {
    showFormControls();
    for (CRecipePage* page : m_pages) {
        if (page != nullptr) {
            page->showRecord();
        }
    }
}

void CRecipeFormSheet::showNameAndBatch() {
    m_showing = true;
    RecordExchange::show(m_c.name, m_record->m_RecipeName);
    m_c.batch->setText(QString::fromStdString(
        formatNumber(msg::FormatUnsigned, static_cast<double>(m_record->m_RecipeBatchNo))));
    m_showing = false;
}

bool CRecipeFormSheet::readFormControls() {
    storage::CRecordSetRecipe& r = *m_record;
    RecordExchange exchange(m_services.prompts);
    RecordExchange::read(m_c.name, r.m_RecipeName);
    RecordExchange::read(m_c.brewer, r.m_RecipeBrewer);
    // An empty Batch # is the save check's to announce, not the transfer's.
    const bool batchRead =
        m_c.batch->text().isEmpty() || exchange.read(m_c.batch, r.m_RecipeBatchNo);
    r.m_RecipeMeasureEnglish = RecordExchange::radioIndex({m_c.english, m_c.metric});
    RecordExchange::read(m_c.kit, r.m_RecipeProcessKit);
    RecordExchange::read(m_c.extract, r.m_RecipeProcessExtract);
    RecordExchange::read(m_c.partialMash, r.m_RecipeProcessPartial);
    RecordExchange::read(m_c.allGrain, r.m_RecipeProcessAllGrain);
    return batchRead;
}

bool CRecipeFormSheet::readAllControls() {
    bool ok = readFormControls();
    RecordExchange exchange(m_services.prompts);
    // The Recipe page holds nothing to read.
    for (std::size_t i = 1; i < m_pages.size(); ++i) {
        if (m_pages[i] != nullptr) {
            ok = m_pages[i]->readRecord(exchange) && ok;
        }
    }
    return ok;
}

int CRecipeFormSheet::countRows(int sheet, int limit) const {
    const auto s = static_cast<calc::Sheet>(sheet);
    return countFilledRows(m_grid->rowCount(s), limit,
                           [this, s](int row) { return m_grid->cellText(s, row, 0); });
}

RecipeCheckInput CRecipeFormSheet::checkInput() const {
    RecipeCheckInput in;
    in.name = m_c.name->text();
    in.batch = m_c.batch->text();
    in.kit = m_c.kit->isChecked();
    in.extract = m_c.extract->isChecked();
    in.partialMash = m_c.partialMash->isChecked();
    in.allGrain = m_c.allGrain->isChecked();
    in.kitRows = countRows(static_cast<int>(calc::Sheet::Kits), kKitRowsCounted);
    in.extractRows = countRows(static_cast<int>(calc::Sheet::Extracts), kGrainRowsCounted);
    in.grainRows = countRows(static_cast<int>(calc::Sheet::Grains), kGrainRowsCounted);
    return in;
}

void CRecipeFormSheet::focusField(CheckFocus field) {
    switch (field) {
        case CheckFocus::Name:
            m_c.name->setFocus();
            break;
        case CheckFocus::Batch:
            m_c.batch->setFocus();
            break;
        case CheckFocus::AllGrain:
            m_c.allGrain->setFocus();
            break;
        case CheckFocus::Unchanged:
            break;
    }
}

QString CRecipeFormSheet::nameText() const {
    return m_c.name->text();
}

void CRecipeFormSheet::enterRecordDisplay() {
    for (CRecipePage* page : m_pages) {
        if (page != nullptr) {
            page->enterRecord();
        }
    }
    showFirstPage();
    m_calc->enterRecipe();
    applyStatusLook();
}

void CRecipeFormSheet::showFirstPage() {
    if (m_recipeScroll == 0) {
        m_c.pages->setCurrentIndex(0);
    }
}

void CRecipeFormSheet::reloadGrid() {
    if (m_grid != nullptr) {
        m_grid->reloadAll();
    }
}

void CRecipeFormSheet::settleGrid() {
    if (m_grid != nullptr) {
        m_grid->settle();
    }
}

void CRecipeFormSheet::clearCalcResults() {
    if (m_calc) {
        m_calc->clearResults();
    }
}

void CRecipeFormSheet::lifecycleStateChanged() {
    if (m_formCommands != nullptr) {
        m_formCommands->updateEnabling();
    }
}

// ------------------------------------------------------------------ calculations

void CRecipeFormSheet::applyStatusLook() {
    const calc::CalcStatusLook look = m_calc->statusLook();
    m_c.calcStatus->SetText(
        QString::fromUtf8(look.text.data(), static_cast<qsizetype>(look.text.size())));
    if (look.color) {
        m_c.calcStatus->SetTextColor(QColor(look.color->red, look.color->green, look.color->blue));
    } else {
        m_c.calcStatus->SetDefaultTextColor();
    }
    m_c.messages->setEnabled(look.msgsButtonEnabled);
}

void CRecipeFormSheet::RecalculateRecipe(bool announce) {
    m_calc->RecalculateRecipe(announce);
    applyStatusLook();
}

void CRecipeFormSheet::ShowCalcMessages() {
    const bool open = m_calc->ShowCalcMessages();
    applyStatusLook();
    if (open && m_messagesWindow) {
        m_messagesWindow(*this);
    }
}

void CRecipeFormSheet::OnTargetStyle() {
    RecalculateRecipe(true);
    if (m_targetStyleWindow) {
        m_targetStyleWindow(*this);
    }
}

void CRecipeFormSheet::ShowTargetRanges() {
    const storage::CRecordSetRecipe& r = *m_record;
    m_c.targetStyleName->SetText(r.m_RecipeTargetStyle);
    m_c.targetCategory->SetText(r.m_RecipeTargetCategory);
    m_c.targetSubcategory->SetText(r.m_RecipeTargetSubcategory);
    shell::CInfoStatusBar* status = m_services.status;
    if (status == nullptr) {
        return;
    }
    status->DeleteAllLines(true);
    status->AddLine(rangeLine(kRangeGravity, r.m_RecipeTargetSpGravLo, r.m_RecipeTargetSpGravHi,
                              msg::FormatThreeDecimals));
    status->AddLine(rangeLine(kRangeAlcohol, r.m_RecipeTargetAlcoLo, r.m_RecipeTargetAlcoHi,
                              msg::FormatOneDecimal));
    status->AddLine(
        rangeLine(kRangeIbu, r.m_RecipeTargetIBULo, r.m_RecipeTargetIBUHi, msg::FormatWhole));
    status->AddLine(rangeLine(kRangeColor, r.m_RecipeTargetColorLo, r.m_RecipeTargetColorHi,
                              msg::FormatOneDecimal));
    for (int i = 0; i < 3; ++i) {
        status->PreviousLine();
    }
}

// ------------------------------------------------------------------ document

void CRecipeFormSheet::OnUpdate(DocumentView* sender, long hint) {
    if (sender == this || m_document == nullptr) {
        return;
    }
    switch (storage::Hint::kind(hint)) {
        case storage::Hint::InitialUpdate:
            m_document->setCurrentRecipe(m_record->m_RecipeID, m_record->m_RecipeBatchNo);
            break;
        case storage::Hint::ShowBatch:
            m_lifecycle->ShowBatch(storage::Hint::batch(hint));
            break;
        default:
            break;
    }
}

bool CRecipeFormSheet::canLeaveRecipe() {
    return m_lifecycle->canLeave();
}

void CRecipeFormSheet::closeView() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

void CRecipeFormSheet::OnDocumentDestroyed() {
    m_document = nullptr;
}

// ------------------------------------------------------------------ grid host

qint32 CRecipeFormSheet::currentRecipeId() const {
    return m_lifecycle->currentRecipeId();
}

bool CRecipeFormSheet::isAdding() const {
    return m_lifecycle->isAdding();
}

bool CRecipeFormSheet::displayDeleteWarnings() const {
    return m_displayDeleteWarnings;
}

void CRecipeFormSheet::setModified() {
    m_lifecycle->setModified(true);
}

qint32 CRecipeFormSheet::storeNewRecipe() {
    return m_lifecycle->storeNewRecipe();
}

void CRecipeFormSheet::calcHopRow(int row, bool unitChanging) {
    m_calc->CalcHopRow(row, unitChanging);
}

void CRecipeFormSheet::showProgress(int percent) {
    if (m_services.status != nullptr) {
        m_services.status->setProgress(percent);
    }
}

// ------------------------------------------------------------------ window

bool CRecipeFormSheet::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        // The frame that holds the form has no Close of its own: the form
        // closes with the database (File Close).
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && !sub->isVisible()) {
            sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinMaxButtonsHint);
        }
    }
    return QWidget::event(event);
}

void CRecipeFormSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_firstShow) {
        return;
    }
    m_firstShow = false;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->resize(m_services.settings.integer(Setting::RecipeFormSizeMaxX),
                    m_services.settings.integer(Setting::RecipeFormSizeMaxY));
        sub->showMaximized();
    }
}

void CRecipeFormSheet::closeEvent(QCloseEvent* event) {
    if (m_document != nullptr && !m_document->isClosing()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void CRecipeFormSheet::contextMenuEvent(QContextMenuEvent* event) {
    m_contextMenu->popup(event->globalPos());
}

}  // namespace mw::recipe_form
