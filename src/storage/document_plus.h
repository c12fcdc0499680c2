#pragma once

#include <QString>
#include <memory>

#include "storage/database.h"
#include "storage/workspace.h"

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw

namespace mw::storage {

class Settings;

// The document base: the factory of private workspaces. A reference-data
// dialog asks for a "DAO" workspace on the data database, the recipe log for
// a "LogView" workspace on the open recipe database.
class CDocumentPlus {
public:
    CDocumentPlus(Settings& settings, PromptService& prompts, HelpService* help = nullptr);
    virtual ~CDocumentPlus();

    // Cleans both handles, makes the named workspace and opens its database.
    // Returns 1 with both handles set, or 0 with both handles null after
    // telling the user why.
    int GetNewWorkspace(std::unique_ptr<Workspace>& workspace, Database*& database,
                        const QString& name);
    // Closes the database and the workspace; both handles end null. Returns
    // 1, or 0 when the engine reported an error (shown in the error box).
    int cleanWorkspace(std::unique_ptr<Workspace>& workspace, Database*& database);

    // The data database path ("DefaultDataFile") and the open recipe
    // database ("RecipeFileOpened").
    QString GetDataFilePath() const;
    QString GetRecipeFilePath() const;

    Settings& settings() { return m_settings; }
    PromptService& prompts() { return m_prompts; }
    HelpService* help() { return m_help; }

protected:
    void reportError(const class DaoException& error);

    Settings& m_settings;
    PromptService& m_prompts;
    HelpService* m_help;
};

}  // namespace mw::storage
