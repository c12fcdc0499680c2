#include "recipe_form/recipe_lifecycle.h"

#include "recipe_form/recipe_ingredient_rows.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/document_view.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

constexpr int kMsgConfirmDelete = 32;
constexpr int kMsgConfirmCopy = 37;
constexpr int kMsgSaveChanges = 68;
constexpr int kMsgCopyComplete = 83;
constexpr int kMsgDuplicateBatch = 86;
constexpr int kMsgOnlyRecipe = 250;
constexpr int kMsgSeekFailed = 1020;
constexpr int kWordRecipe = 26;
constexpr int kNewRecipeName = 1132;
constexpr int kCopyPrefix = 1133;

const QString kBatchIndex = QStringLiteral("IndexRecipeBatchNo");

}  // namespace

CRecipeLifecycle::CRecipeLifecycle(storage::CMwcalcDoc& document, storage::CRecordSetRecipe& record,
                                   RecipeLifecycleView& view, storage::DocumentView& sender,
                                   PromptService& prompts, HelpService* help)
    : m_document(document),
      m_record(record),
      m_view(view),
      m_sender(sender),
      m_prompts(prompts),
      m_help(help) {}

// ------------------------------------------------------------------ helpers

void CRecipeLifecycle::report(const storage::DaoException& error) {
    storage::ReportDaoException(error, m_prompts, m_help);
}

bool CRecipeLifecycle::closing() const {
    return m_document.isClosing();
}

void CRecipeLifecycle::changed() {
    m_view.lifecycleStateChanged();
}

void CRecipeLifecycle::setModified(bool modified) {
    if (m_modified != modified) {
        m_modified = modified;
        changed();
    }
}

// Exactly one transaction is open between operations; these keep to that
// even when an earlier step failed half-way.
void CRecipeLifecycle::beginTransaction() {
    storage::Database* database = m_document.database();
    if (database != nullptr && database->transactionDepth() == 0) {
        m_document.workspace().beginTrans();
    }
}

void CRecipeLifecycle::commitTransaction() {
    storage::Database* database = m_document.database();
    if (database != nullptr && database->transactionDepth() > 0) {
        m_document.workspace().commitTrans();
    }
}

void CRecipeLifecycle::rollbackTransaction() {
    storage::Database* database = m_document.database();
    if (database != nullptr && database->transactionDepth() > 0) {
        m_document.workspace().rollback();
    }
}

void CRecipeLifecycle::editRecord() {
    if (m_record.editMode() == storage::EditMode::None) {
        m_record.edit();
    }
}

void CRecipeLifecycle::hint(long value) {
    m_document.UpdateAllViews(&m_sender, value);
}

void CRecipeLifecycle::storeCurrentInDocument() {
    m_document.setCurrentRecipe(m_record.m_RecipeID, m_record.m_RecipeBatchNo);
}

// ------------------------------------------------------------------ start, commit, save

void CRecipeLifecycle::start() {
    m_commitEnabled = true;
    m_currentRecipeId = m_record.m_RecipeID;
    try {
        beginTransaction();
        editRecord();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    changed();
}

bool CRecipeLifecycle::Validate() {
    RecipeCheckInput input = m_view.checkInput();
    input.boilSize = m_record.m_RecipeBoilSize;
    input.batchSize = m_record.m_RecipeBatchSize;
    const std::optional<CheckFailure> failure = checkRecipe(input);
    if (!failure) {
        return true;
    }
    m_prompts.show(failure->message, failure->text, failure->icon);
    m_view.focusField(failure->focus);
    return false;
}

bool CRecipeLifecycle::Commit() {
    const bool transferred = m_view.readAllControls();
    const bool valid = Validate();
    if (!transferred || !valid) {
        return false;
    }
    if (!canLeave()) {
        return false;
    }
    try {
        m_record.update();
        commitTransaction();
    } catch (const storage::DaoException& error) {
        if (error.number() == storage::DaoError::DuplicateKey) {
            m_prompts.show(kMsgDuplicateBatch, PromptIcon::Exclamation);
            m_view.focusField(CheckFocus::Batch);
        } else {
            report(error);
        }
        return false;
    }
    if (m_adding) {
        m_adding = false;
        hint(storage::Hint::RecipeAdded);
    }
    if (m_copying) {
        m_copying = false;
        hint(storage::Hint::RecipeCopied);
    }
    storeCurrentInDocument();
    changed();
    return true;
}

bool CRecipeLifecycle::canLeave() {
    if (!m_modified) {
        return true;
    }
    PromptAnswer answer = PromptAnswer::Yes;
    if (m_options.displayWarnings) {
        answer = m_prompts.show(kMsgSaveChanges,
                                formatMessage(kMsgSaveChanges, m_view.nameText().toStdString()),
                                PromptIcon::Question, PromptButtons::YesNoCancel);
    }
    switch (answer) {
        case PromptAnswer::Yes:
            Save();
            // A save that failed has told the user why; the recipe stays.
            return !m_modified;
        case PromptAnswer::No:
            Discard();
            return true;
        default:
            m_view.focusField(CheckFocus::Name);
            return false;
    }
}

void CRecipeLifecycle::Save() {
    // A cell edit in progress in the grid (the new row's first text too) is
    // stored first, inside the transaction the save commits.
    m_view.settleGrid();
    setModified(false);
    if (!m_adding) {
        if (!Commit()) {
            setModified(true);
            return;
        }
        m_view.settleGrid();
        try {
            editRecord();
            if (!closing()) {
                hint(storage::Hint::RecipeSaved);
                beginTransaction();
            }
        } catch (const storage::DaoException& error) {
            report(error);
        }
        return;
    }
    if (!Commit()) {
        return;
    }
    try {
        m_record.setBookmark(m_record.lastModified());
        m_currentRecipeId = m_record.m_RecipeID;
        m_view.settleGrid();
        setModified(false);
        editRecord();
        if (!closing()) {
            hint(storage::Hint::RecipeSaved);
            beginTransaction();
        }
    } catch (const storage::DaoException& error) {
        report(error);
    }
}

// ------------------------------------------------------------------ new, copy, delete

void CRecipeLifecycle::setNewRecipeDefaults() {
    if (!canLeave()) {
        return;
    }
    recipe_form::setNewRecipeDefaults(m_record);
    m_currentRecipeId = 0;
    m_view.reloadGrid();
    m_view.clearCalcResults();
    m_view.focusField(CheckFocus::Name);
    setModified(false);
}

void CRecipeLifecycle::NewRecipe() {
    if (!Commit()) {
        return;
    }
    try {
        m_returnTo = m_record.bookmark();
        beginTransaction();
        m_record.addNew();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    m_adding = true;
    changed();
    setNewRecipeDefaults();
    try {
        m_record.m_RecipeName = storage::catalogueString(kNewRecipeName);
        m_record.m_RecipeBatchNo = static_cast<qint32>(m_document.GetNextBatchNumber());
        m_record.update();
        m_record.setBookmark(m_record.lastModified());
        editRecord();
        m_currentRecipeId = m_record.m_RecipeID;
        // The grid's new rows belong to the row just written.
        m_view.reloadGrid();
        m_view.showRecord();
        m_view.showTargetRanges();
        m_view.focusField(CheckFocus::Name);
        m_commitEnabled = true;
        setModified(false);
        m_record.update();
        commitTransaction();
        hint(storage::Hint::RecipeAdded);
        storeCurrentInDocument();
        editRecord();
        beginTransaction();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    changed();
}

void CRecipeLifecycle::CopyRecipe() {
    const QString name = m_view.nameText();
    if (m_options.displayWarnings &&
        m_prompts.show(
            kMsgConfirmCopy,
            formatMessage(kMsgConfirmCopy, catalogueText(kWordRecipe), name.toStdString()),
            PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::No) {
        return;
    }
    if (!Commit()) {
        return;
    }
    m_copyBuffer.fill(m_record);
    try {
        m_returnTo = m_record.bookmark();
        beginTransaction();
        m_record.addNew();
        m_adding = true;
        m_copying = true;
        changed();
        setNewRecipeDefaults();
        // The form still shows the source: its name, batch, brewer, process
        // and measure go into the new row.
        m_view.readFormControls();
        m_record.m_RecipeName = storage::catalogueString(kCopyPrefix) + m_record.m_RecipeName;
        m_record.m_RecipeBatchNo = static_cast<qint32>(m_document.GetNextBatchNumber());
        m_view.showNameAndBatch();
        m_copyBuffer.applyTo(m_record);

        m_record.update();
        m_record.setBookmark(m_record.lastModified());
        editRecord();
        m_adding = false;
        m_currentRecipeId = m_record.m_RecipeID;
        copyIngredientRows(*m_document.database(), m_copyBuffer.sourceRecipeId(),
                           m_currentRecipeId);
    } catch (const storage::DaoException& error) {
        report(error);
    }
    // The pages show what the copy holds: the source's values where they
    // were copied, the defaults elsewhere.
    m_view.showRecord();
    m_view.showTargetRanges();
    m_view.reloadGrid();
    m_view.focusField(CheckFocus::Name);
    m_view.showFirstPage();
    m_commitEnabled = true;
    setModified(false);
    changed();
    if (m_options.displayWarnings) {
        m_prompts.show(kMsgCopyComplete, PromptIcon::Information);
    }
}

void CRecipeLifecycle::DeleteRecipe() {
    try {
        if (m_record.recordCount() == 1) {
            m_prompts.ask({std::string(catalogueText(kMsgOnlyRecipe)), PromptIcon::Stop,
                           PromptButtons::Ok, 0});
            return;
        }
    } catch (const storage::DaoException& error) {
        report(error);
        return;
    }
    if (m_options.displayDeleteWarnings &&
        m_prompts.show(kMsgConfirmDelete,
                       formatMessage(kMsgConfirmDelete, catalogueText(kWordRecipe),
                                     m_view.nameText().toStdString()),
                       PromptIcon::Question, PromptButtons::OkCancel) == PromptAnswer::Cancel) {
        return;
    }
    if (!canLeave()) {
        return;
    }
    try {
        commitTransaction();
        deleteIngredientRows(*m_document.database(), m_record.m_RecipeID);
    } catch (const storage::DaoException& error) {
        report(error);
    }
    try {
        m_record.deleteRecord();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    try {
        m_record.moveNext();
        if (m_record.isEOF()) {
            m_record.moveLast();
        }
    } catch (const storage::DaoException& error) {
        report(error);
    }
    hint(storage::Hint::RecipeDeleted);
    EnterRecord();
    storeCurrentInDocument();
}

// ------------------------------------------------------------------ discard, enter, moves

void CRecipeLifecycle::Discard() {
    const bool uncommittedRow = m_copying;
    try {
        m_record.cancelUpdate();
        rollbackTransaction();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    if (m_adding || m_copying) {
        try {
            // A copy that was never committed is gone with the rollback; go
            // back to the recipe it was made from.
            m_record.requery();
            m_record.setBookmark(uncommittedRow ? m_returnTo : m_record.lastModified());
        } catch (const storage::DaoException& error) {
            try {
                m_record.setBookmark(m_returnTo);
            } catch (const storage::DaoException&) {
                report(error);
            }
        }
        m_adding = false;
        m_copying = false;
    }
    setModified(false);
    if (closing()) {
        changed();
        return;
    }
    m_currentRecipeId = m_record.m_RecipeID;
    m_view.clearCalcResults();
    m_view.showRecord();
    m_view.reloadGrid();
    m_view.showTargetRanges();
    try {
        editRecord();
        beginTransaction();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    m_view.focusField(CheckFocus::Name);
    storeCurrentInDocument();
    changed();
}

void CRecipeLifecycle::EnterRecord() {
    try {
        if (!m_record.isBOF() && !m_record.isEOF()) {
            editRecord();
        }
        beginTransaction();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    m_currentRecipeId = m_record.m_RecipeID;
    m_view.reloadGrid();
    m_view.showRecord();
    m_view.enterRecordDisplay();
    m_view.showTargetRanges();
    m_view.focusField(CheckFocus::Name);
    setModified(false);
    changed();
}

void CRecipeLifecycle::MoveTo(Move move) {
    if (!Commit()) {
        return;
    }
    try {
        switch (move) {
            case Move::First:
                m_record.moveFirst();
                break;
            case Move::Last:
                m_record.moveLast();
                break;
            case Move::Next:
                m_record.moveNext();
                if (m_record.isEOF()) {
                    m_record.moveLast();
                }
                break;
            case Move::Previous:
                m_record.movePrev();
                if (m_record.isBOF()) {
                    m_record.moveFirst();
                }
                break;
        }
    } catch (const storage::DaoException& error) {
        report(error);
    }
    EnterRecord();
}

void CRecipeLifecycle::ShowBatch(long batch) {
    if (!Commit()) {
        return;
    }
    m_document.setCurrentRecipe(m_document.currentRecipeId(), static_cast<qint32>(batch));
    seekBatch(batch);
    EnterRecord();
    storeCurrentInDocument();
}

void CRecipeLifecycle::seekBatch(long batch) {
    try {
        if (m_record.currentIndex() != kBatchIndex) {
            m_record.setCurrentIndex(kBatchIndex);
        }
        const QString key =
            QString::fromStdString(formatNumber(msg::FormatUnsigned, static_cast<double>(batch)));
        if (!m_record.seek(QStringLiteral("="), {key.toLongLong()})) {
            m_prompts.show(kMsgSeekFailed, formatMessage(kMsgSeekFailed, key.toStdString()),
                           PromptIcon::Information);
        }
    } catch (const storage::DaoException& error) {
        report(error);
    }
}

bool CRecipeLifecycle::RunBetweenEdits(const std::function<long()>& change) {
    if (!Commit()) {
        return false;
    }
    long added = 0;
    try {
        added = change();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    if (added > 0) {
        seekBatch(added);
    }
    EnterRecord();
    storeCurrentInDocument();
    if (added > 0) {
        hint(storage::Hint::RecipeAdded);
        // Only 16 bits of a batch number travel in a notice.
        if (added == storage::Hint::batch(added)) {
            m_document.GoToBatch(&m_sender, added);
        }
    }
    return true;
}

qint32 CRecipeLifecycle::storeNewRecipe() {
    m_view.readFormControls();
    try {
        m_record.update();
        m_record.setBookmark(m_record.lastModified());
        editRecord();
    } catch (const storage::DaoException& error) {
        report(error);
        return 0;
    }
    m_adding = false;
    m_currentRecipeId = m_record.m_RecipeID;
    changed();
    return m_currentRecipeId;
}

}  // namespace mw::recipe_form
