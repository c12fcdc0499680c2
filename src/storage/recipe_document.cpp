#include "storage/recipe_document.h"

#include <QDir>
#include <algorithm>

#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/hop_utilization_reader.h"
#include "storage/recipe_backups.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/settings.h"

namespace mw::storage {

namespace {
constexpr int kMsgNotARecipeDatabase = 168;
constexpr int kMsgWrongDatabaseKind = 171;
constexpr int kMsgNoDataPath = 224;
constexpr int kMsgOpening = 1019;
constexpr int kMsgShortUtilization = 1021;
constexpr int kMsgBackupDamaged = 1471;
constexpr int kMsgBackupFailed = 1472;

}  // namespace

CMwcalcDoc::CMwcalcDoc(Settings& settings, PromptService& prompts, HelpService* help,
                       StatusReporter* status, RecipeBackups* backups)
    : CDocumentPlus(settings, prompts, help), m_status(status), m_backups(backups) {}

CMwcalcDoc::~CMwcalcDoc() {
    // A window may outlive its document by a moment (its deletion is queued).
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views) {
        view->OnDocumentDestroyed();
    }
    m_utilizationRecords.reset();
    m_workspace.closeAll();
}

void CMwcalcDoc::endOpening() {
    if (m_status) {
        m_status->setProgress(-1);
        m_status->resetStatus();
    }
}

bool CMwcalcDoc::OnOpenDocument(const QString& path) {
    if (m_status) {
        m_status->setProgress(0);
        m_status->setStatusText(catalogueString(kMsgOpening));
        m_status->setProgress(10);
    }
    auto connection = std::make_unique<Database>();
    QString firstTable;
    try {
        connection->open(path);
        firstTable = connection->firstTableName();
    } catch (const DaoException& error) {
        reportError(error);
        endOpening();
        return false;
    }
    if (firstTable != kRecipeMarker) {
        connection.reset();
        m_prompts.show(kMsgNotARecipeDatabase,
                       formatMessage(kMsgNotARecipeDatabase, path.toStdString()),
                       PromptIcon::Exclamation);
        endOpening();
        return false;
    }
    // A recipe database with a table or column missing would fail at every
    // turn on the form; it is refused here, saying what is missing.
    try {
        verifyDatabase(*connection, DatabaseKind::Recipe);
    } catch (const DaoException& error) {
        connection.reset();
        reportError(error);
        endOpening();
        return false;
    }
    closeDatabase();
    m_database = &m_workspace.adopt(std::move(connection));
    try {
        m_database->setFullSync();
    } catch (const DaoException& error) {
        reportError(error);
    }
    m_path = path;
    m_settings.setString(Setting::RecipeFileOpened, path);
    backUpOncePerDay();
    InitDocument();
    m_currentRecipeId = 0;
    m_currentBatch = 0;
    return true;
}

void CMwcalcDoc::backUpOncePerDay() {
    if (m_backups == nullptr) {
        return;
    }
    const std::string shownPath = QDir::toNativeSeparators(m_path).toStdString();
    try {
        const BackupResult result =
            m_backups->backUpOncePerDay(*m_database, m_settings.integer(Setting::BackupCopies));
        if (result.outcome == BackupOutcome::Damaged) {
            m_prompts.show(kMsgBackupDamaged, formatMessage(kMsgBackupDamaged, shownPath),
                           PromptIcon::Exclamation);
        }
    } catch (const DaoException& error) {
        // The recipes open all the same; the brewer learns why there is no copy.
        m_prompts.show(
            kMsgBackupFailed,
            formatMessage(kMsgBackupFailed, shownPath, error.description().toStdString()),
            PromptIcon::Exclamation);
    }
}

bool CMwcalcDoc::OnNewDocument() {
    InitDocument();
    return true;
}

void CMwcalcDoc::InitDocument() {
    m_docSizeMaxX = m_settings.integer(Setting::RecipeDocSizeMaxX);
    m_docSizeMaxY = m_settings.integer(Setting::RecipeDocSizeMaxY);
    m_modified = false;
    LoadHopUtilization();
}

bool CMwcalcDoc::CheckDatabaseKind(const QString& path, const QString& marker) {
    if (isDatabaseOfKind(path, marker)) {
        return true;
    }
    m_prompts.show(kMsgWrongDatabaseKind, formatMessage(kMsgWrongDatabaseKind, path.toStdString()),
                   PromptIcon::Exclamation);
    return false;
}

void CMwcalcDoc::setCurrentRecipe(qint32 recipeId, qint32 batch) {
    m_currentRecipeId = recipeId;
    m_currentBatch = batch;
}

void CMwcalcDoc::LoadHopUtilization() {
    try {
        if (!m_utilizationRecords) {
            QString dataPath = GetDataFilePath();
            if (dataPath.isEmpty()) {
                m_prompts.show(kMsgNoDataPath, PromptIcon::Exclamation);
                // A name no file has, so that the open fails in the error box.
                dataPath = QStringLiteral("Error_opening_DefaultDatabase");
            }
            // Reference data is changed only through the reference dialogs'
            // own workspace; here it is read-only, so a recipe save commits
            // one file only.
            m_dataDatabase = &m_workspace.openDatabase(dataPath, Database::Access::ReadOnly);
            auto records = std::make_unique<CRecordSetHopsUtilization>(m_dataDatabase);
            records->open(OpenType::Table, OpenOption::ReadOnly | OpenOption::ForwardOnly);
            m_utilizationRecords = std::move(records);
        }
    } catch (const DaoException& error) {
        if (!m_utilizationRecords && m_dataDatabase) {
            m_workspace.closeDatabase(m_dataDatabase);
            m_dataDatabase = nullptr;
        }
        reportError(error);
        return;
    }
    std::size_t read = 0;
    try {
        read = readUtilizationGrid(*m_utilizationRecords, m_utilization);
    } catch (const DaoException& error) {
        reportError(error);
        return;
    }
    if (read < calc::HopUtilizationTable::kEntries) {
        reportError(DaoException(
            DaoError::NoCurrentRecord,
            QString::fromStdString(formatMessage(kMsgShortUtilization, std::to_string(read)))));
    }
}

double CMwcalcDoc::GetHopUtilization(int boilMinutes, double gravity, bool interactive) {
    calc::CalcMessageList& list = m_formMessages ? *m_formMessages : m_orphanMessages;
    return calc::GetHopUtilization(m_utilization, boilMinutes, gravity, interactive, list,
                                   m_prompts);
}

long CMwcalcDoc::GetNextBatchNumber() {
    CRecordSetRecipeMaxBatch maxBatch(m_database);
    maxBatch.open(OpenType::Dynaset, OpenOption::ReadOnly | OpenOption::ForwardOnly);
    const long next = static_cast<long>(maxBatch.m_Max_Of_RecipeBatchNo) + 1;
    maxBatch.close();
    return next;
}

void CMwcalcDoc::GoToBatch(DocumentView* sender, long batch) {
    m_currentBatch = static_cast<qint32>(batch);
    UpdateAllViews(sender, Hint::showBatch(batch));
}

void CMwcalcDoc::addView(DocumentView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CMwcalcDoc::removeView(DocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CMwcalcDoc::UpdateAllViews(DocumentView* sender, long hint) {
    // A view may close itself on a notice; walk a copy.
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views) {
        if (view != sender) {
            view->OnUpdate(sender, hint);
        }
    }
}

bool CMwcalcDoc::canLeave() {
    for (DocumentView* view : m_views) {
        if (view->isRecipeForm()) {
            return view->canLeaveRecipe();
        }
    }
    return true;
}

bool CMwcalcDoc::closeDocument() {
    if (!canLeave()) {
        return false;
    }
    m_closing = true;
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views) {
        view->closeView();
    }
    if (m_status) {
        m_status->resetStatus();
    }
    closeDatabase();
    m_settings.setString(Setting::RecipeFileOpened, QString());
    return true;
}

void CMwcalcDoc::closeDatabase() {
    if (m_database) {
        m_workspace.closeDatabase(m_database);
        m_database = nullptr;
    }
    m_path.clear();
}

}  // namespace mw::storage
