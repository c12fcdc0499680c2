#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

#include "recipe_form/recipe_defaults.h"
#include "recipe_form/recipe_validation.h"
#include "storage/recordset.h"

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class CMwcalcDoc;
class CRecordSetRecipe;
class DaoException;
class DocumentView;
}  // namespace mw::storage

namespace mw::recipe_form {

// What the lifecycle asks of the window that shows the recipe.
class RecipeLifecycleView {
public:
    virtual ~RecipeLifecycleView() = default;

    // The form's own controls, then the Ingredients, Mash, Fermentation Info,
    // Comments and Rating pages, into the record; every one is read even
    // after one failed. False when a value did not convert.
    virtual bool readAllControls() = 0;
    // Only the form's own controls (Name, Brewer, Batch #, measure, process).
    virtual bool readFormControls() = 0;
    // What the checks before a save read from the controls and the grid.
    virtual RecipeCheckInput checkInput() const = 0;
    virtual void focusField(CheckFocus field) = 0;
    virtual QString nameText() const = 0;
    // Shows the record's name and batch number in their boxes only.
    virtual void showNameAndBatch() = 0;
    // The record on the form and on every page.
    virtual void showRecord() = 0;
    // A recipe was entered: the pages refresh what they derive, the first
    // page shows unless "RecipeScroll" says to stay, the calculation status
    // reads "Not Done" and the "Msgs" button is disabled.
    virtual void enterRecordDisplay() = 0;
    // Shows the first page unless "RecipeScroll" says to stay.
    virtual void showFirstPage() = 0;
    virtual void reloadGrid() = 0;
    virtual void settleGrid() = 0;
    virtual void clearCalcResults() = 0;
    virtual void showTargetRanges() = 0;
    // The adding, modified or commit-enabled state changed.
    virtual void lifecycleStateChanged() = 0;
};

// The life of the current recipe: the record is always in edit mode inside
// an open transaction of the recipe database. Saving validates, writes,
// commits and reopens; discarding cancels, rolls back and reopens. Every
// route away from the recipe (moves, New, Copy, Delete, closing, the log's
// request) passes Commit and its save-changes prompt first.
class CRecipeLifecycle {
public:
    struct Options {
        bool displayWarnings = true;
        bool displayDeleteWarnings = true;
    };
    enum class Move { First, Previous, Next, Last };

    CRecipeLifecycle(storage::CMwcalcDoc& document, storage::CRecordSetRecipe& record,
                     RecipeLifecycleView& view, storage::DocumentView& sender,
                     PromptService& prompts, HelpService* help);

    void setOptions(Options options) { m_options = options; }
    const Options& options() const { return m_options; }

    bool isAdding() const { return m_adding; }
    bool isCopying() const { return m_copying; }
    bool isModified() const { return m_modified; }
    bool isCommitEnabled() const { return m_commitEnabled; }
    qint32 currentRecipeId() const { return m_currentRecipeId; }
    void setModified(bool modified = true);

    // The form starts: edit mode in a new transaction.
    void start();
    // Transfers, validates, asks about unsaved changes, writes and commits.
    // The edit and the transaction are not reopened.
    bool Commit();
    bool Validate();
    // The save-changes prompt: true when the caller may go on.
    bool canLeave();
    void Save();
    void NewRecipe();
    void CopyRecipe();
    void DeleteRecipe();
    void Discard();
    void EnterRecord();
    void MoveTo(Move move);
    // The recipe log asks for a batch.
    void ShowBatch(long batch);
    // A change of the recipe database made outside the form (a BeerXML
    // import, an export that reads the saved recipes). The recipe first
    // passes Commit and its save-changes prompt, so that no transaction of
    // the form is left open that a later Discard could roll the change back
    // with, or that could hold the file against it; then `change` runs on
    // the document's database. It returns the batch number of the first
    // recipe it added, which the form then shows and the other views are
    // told of, or 0 to come back to the recipe as it was saved. False when
    // the user stayed on the recipe (nothing ran). `change` reports its own
    // failures and does not throw.
    bool RunBetweenEdits(const std::function<long()>& change);
    // Writes an added recipe before its first ingredient row; its RecipeID,
    // or 0 when it could not be written.
    qint32 storeNewRecipe();

    // Command enabling.
    bool canCopy() const { return !m_adding; }
    bool canDelete() const { return !m_adding; }
    bool canRefresh() const { return m_adding || m_modified; }

private:
    void setNewRecipeDefaults();
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    void editRecord();
    // Seeks a batch on the record (message 1020 when there is none).
    void seekBatch(long batch);
    void hint(long value);
    void storeCurrentInDocument();
    void report(const storage::DaoException& error);
    bool closing() const;
    void changed();

    storage::CMwcalcDoc& m_document;
    storage::CRecordSetRecipe& m_record;
    RecipeLifecycleView& m_view;
    storage::DocumentView& m_sender;
    PromptService& m_prompts;
    HelpService* m_help;
    Options m_options;
    RecipeCopyBuffer m_copyBuffer;

    bool m_adding = false;
    bool m_copying = false;
    bool m_modified = false;
    bool m_commitEnabled = false;
    qint32 m_currentRecipeId = 0;
    // Where to return when an uncommitted new row is rolled back.
    storage::Bookmark m_returnTo = 0;
};

}  // namespace mw::recipe_form
