#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "calc/calc_message_list.h"
#include "calc/hop_utilization.h"
#include "storage/document_plus.h"
#include "storage/document_view.h"

namespace mw::storage {

class CRecordSetHopsUtilization;
class RecipeBackups;

// The recipe document: the one open recipe database, the current recipe's
// identity, the hop utilization grid, the next free batch number and the
// change notices between its views.
class CMwcalcDoc : public CDocumentPlus {
public:
    // With `backups`, every recipe database opened is copied there once a day.
    CMwcalcDoc(Settings& settings, PromptService& prompts, HelpService* help = nullptr,
               StatusReporter* status = nullptr, RecipeBackups* backups = nullptr);
    ~CMwcalcDoc() override;

    // Opens a recipe database, recognised by its first table "A_Recipes".
    // A file that is not one is refused with message 168; an engine error,
    // and a table or column missing, is shown in the error box. Nothing is
    // written to a file before it is recognised. Returns true on success.
    bool OnOpenDocument(const QString& path);
    // A new document without a database.
    bool OnNewDocument();
    // Reads the size limits, clears the modified flag, loads the utilization grid.
    void InitDocument();

    // Checks that a file is a database of the expected kind by its first
    // table; otherwise shows message 171 with the path. For the options sheet.
    bool CheckDatabaseKind(const QString& path, const QString& marker);

    bool hasDatabase() const { return m_database != nullptr; }
    Database* database() const { return m_database; }
    Workspace& workspace() { return m_workspace; }
    // The data database as this workspace reads it (read-only), or null.
    Database* dataDatabase() const { return m_dataDatabase; }
    const QString& pathName() const { return m_path; }

    qint32 currentRecipeId() const { return m_currentRecipeId; }
    qint32 currentBatch() const { return m_currentBatch; }
    void setCurrentRecipe(qint32 recipeId, qint32 batch);

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isClosing() const { return m_closing; }
    void setClosing() { m_closing = true; }
    int docSizeMaxX() const { return m_docSizeMaxX; }
    int docSizeMaxY() const { return m_docSizeMaxY; }

    // Hop utilization: the grid is read from the data database of
    // "DefaultDataFile" (275 rows in index order).
    void LoadHopUtilization();
    double GetHopUtilization(int boilMinutes, double gravity, bool interactive);
    const calc::HopUtilizationTable& hopUtilization() const { return m_utilization; }
    // The recipe form's calculation message list, where non-interactive
    // lookups put their messages.
    void setCalcMessageList(calc::CalcMessageList* list) { m_formMessages = list; }

    // The highest batch number plus 1.
    long GetNextBatchNumber();
    // Makes a batch current and tells every view but the sender to show it.
    void GoToBatch(DocumentView* sender, long batch);

    void addView(DocumentView* view);
    void removeView(DocumentView* view);
    const std::vector<DocumentView*>& views() const { return m_views; }
    void UpdateAllViews(DocumentView* sender, long hint);

    // Asks the recipe form whether the current recipe may be left.
    bool canLeave();
    // File Close: after the leave check, closes the views and the database
    // and empties "RecipeFileOpened". Returns false when the user stayed.
    bool closeDocument();

private:
    void closeDatabase();
    // Today's copy of the opened recipe database, unless it has one.
    void backUpOncePerDay();
    void endOpening();

    StatusReporter* m_status;
    RecipeBackups* m_backups;
    Workspace m_workspace;  // the engine's default workspace
    Database* m_database = nullptr;
    Database* m_dataDatabase = nullptr;
    QString m_path;
    qint32 m_currentRecipeId = 0;
    qint32 m_currentBatch = 0;
    bool m_modified = false;
    bool m_closing = false;
    int m_docSizeMaxX = 815;
    int m_docSizeMaxY = 470;

    calc::HopUtilizationTable m_utilization;
    std::unique_ptr<CRecordSetHopsUtilization> m_utilizationRecords;
    calc::CalcMessageList* m_formMessages = nullptr;
    calc::CalcMessageList m_orphanMessages;

    std::vector<DocumentView*> m_views;
};

}  // namespace mw::storage
