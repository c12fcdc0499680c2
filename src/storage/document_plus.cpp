#include "storage/document_plus.h"

#include <new>

#include "resources/prompt_service.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/settings.h"

namespace mw::storage {

namespace {
constexpr int kMsgCleanFailed = 1012;
constexpr int kMsgNoWorkspaceMemory = 1013;
constexpr int kMsgUnknownName = 1014;
constexpr int kMsgNoDatabaseMemory = 1015;
constexpr int kMsgNotOpen = 1016;
}  // namespace

CDocumentPlus::CDocumentPlus(Settings& settings, PromptService& prompts, HelpService* help)
    : m_settings(settings), m_prompts(prompts), m_help(help) {}

CDocumentPlus::~CDocumentPlus() = default;

QString CDocumentPlus::GetDataFilePath() const {
    return m_settings.string(Setting::DefaultDataFile);
}

QString CDocumentPlus::GetRecipeFilePath() const {
    return m_settings.string(Setting::RecipeFileOpened);
}

void CDocumentPlus::reportError(const DaoException& error) {
    ReportDaoException(error, m_prompts, m_help);
}

int CDocumentPlus::cleanWorkspace(std::unique_ptr<Workspace>& workspace, Database*& database) {
    int result = 1;
    try {
        if (database != nullptr) {
            database->close();
            if (workspace) {
                workspace->closeDatabase(database);
            }
        }
        if (workspace) {
            workspace->closeAll();
        }
    } catch (const DaoException& error) {
        reportError(error);
        result = 0;
    }
    database = nullptr;
    workspace.reset();
    return result;
}

int CDocumentPlus::GetNewWorkspace(std::unique_ptr<Workspace>& workspace, Database*& database,
                                   const QString& name) {
    if (cleanWorkspace(workspace, database) == 0) {
        m_prompts.show(kMsgCleanFailed, PromptIcon::Information);
        return 0;
    }
    const auto fail = [&](int message) {
        if (message != 0) {
            m_prompts.show(message, PromptIcon::Information);
        }
        cleanWorkspace(workspace, database);
        return 0;
    };
    QString path;
    if (name == QLatin1String("DAO")) {
        path = GetDataFilePath();
    } else if (name == QLatin1String("LogView")) {
        path = GetRecipeFilePath();
    } else {
        return fail(kMsgUnknownName);
    }
    try {
        workspace = std::make_unique<Workspace>(name, QStringLiteral("Admin"), QString());
    } catch (const std::bad_alloc&) {
        return fail(kMsgNoWorkspaceMemory);
    }
    try {
        database = &workspace->openDatabase(path);
        // The reference dialogs write here: a commit reaches the disk before
        // it returns, whatever the engine was built to do by default.
        database->setFullSync();
    } catch (const std::bad_alloc&) {
        return fail(kMsgNoDatabaseMemory);
    } catch (const DaoException& error) {
        reportError(error);
        return fail(0);
    }
    if (!database->isOpen()) {
        return fail(kMsgNotOpen);
    }
    return 1;
}

}  // namespace mw::storage
