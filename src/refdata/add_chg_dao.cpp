#include "refdata/add_chg_dao.h"

#include <QAction>
#include <QGuiApplication>
#include <QVBoxLayout>

#include "refdata/add_chg_toolbar.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/hint_balloon.h"
#include "shell/override_cursor.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/document_plus.h"
#include "storage/error_report.h"
#include "storage/settings.h"
#include "storage/workspace.h"

namespace mw::refdata {

namespace {

constexpr int kMsgPlanned = 19;
constexpr int kMsgConfirmDelete = 32;
constexpr int kMsgRequired = 119;
constexpr int kMsgSaveChanges = 262;
constexpr int kMsgContactWortline = 263;
constexpr int kMsgRefreshMissing = 1240;
constexpr int kMsgWorkspaceFailed = 1241;

}  // namespace

CAddChgDAO::CAddChgDAO(const ReferenceDialogContext& context, const QString& caption,
                       QWidget* parent)
    : QDialog(parent), m_context(context), m_fields(context.prompts, this) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    m_toolBar = new CAddChgToolBar(this);
    layout->setMenuBar(m_toolBar);
    m_body = new QVBoxLayout;
    layout->addLayout(m_body);
    m_hints = new shell::CHintBalloon(this);
    m_hints->setActive(false);
    connect(m_toolBar, &CAddChgToolBar::triggered, this, &CAddChgDAO::command);
    connect(&m_fields, &RecordFields::changed, this, [this] {
        if (m_hasRecord || m_adding) {
            setDirty(true);
        }
    });
}

CAddChgDAO::~CAddChgDAO() {
    closeWorkspace();
}

void CAddChgDAO::closeWorkspace() {
    // The record object goes before its database; an open transaction is
    // discarded with the workspace.
    m_record.reset();
    if (m_workspace) {
        m_context.documents.cleanWorkspace(m_workspace, m_database);
    }
}

// ------------------------------------------------------------------ opening

bool CAddChgDAO::openWorkspace() {
    if (m_workspace && m_database != nullptr && m_database->isOpen()) {
        return true;
    }
    if (m_context.documents.GetNewWorkspace(m_workspace, m_database, QStringLiteral("DAO")) == 0) {
        prompts().show(kMsgWorkspaceFailed, PromptIcon::Information);
        return false;
    }
    return true;
}

bool CAddChgDAO::load() {
    if (m_loaded) {
        return true;
    }
    {
        std::unique_ptr<shell::OverrideCursor> wait = std::make_unique<shell::OverrideCursor>();
        if (!openWorkspace()) {
            return false;
        }
        try {
            m_record = makeRecordset(m_database);
            m_record->open();
            m_record->setCurrentIndex(indexName());
            m_recordCount = m_record->recordCount();
            if (m_recordCount > 0) {
                m_record->moveFirst();
            }
        } catch (const storage::DaoException& error) {
            wait.reset();
            report(error);
            closeWorkspace();
            return false;
        }
    }
    m_fields.setRecord(m_record.get());
    bindFields(m_fields);
    const storage::Settings& settings = m_context.settings;
    m_askBeforeSaving = settings.integer(storage::Setting::DisplayWarnings) != 0;
    m_askBeforeDeleting = settings.integer(storage::Setting::DisplayDeleteWarnings) != 0;
    m_showHints = settings.integer(storage::Setting::DisplayToolTips) != 0;
    m_loaded = true;
    if (m_recordCount == 0) {
        // Nothing to show: no transaction, no hints; the user can only add.
        showNoRecord();
        return true;
    }
    enterRecord();
    m_fields.attachHints(*m_hints);
    attachExtraHints(*m_hints);
    m_hints->setActive(m_showHints);
    return true;
}

// ------------------------------------------------------------------ helpers

void CAddChgDAO::report(const storage::DaoException& error) {
    storage::ReportDaoException(error, m_context.prompts, m_context.help);
}

void CAddChgDAO::beginTransaction() {
    if (m_database != nullptr && m_database->transactionDepth() == 0) {
        m_workspace->beginTrans();
    }
}

void CAddChgDAO::commitTransaction() {
    if (m_database != nullptr && m_database->transactionDepth() > 0) {
        m_workspace->commitTrans();
    }
}

void CAddChgDAO::rollbackTransaction() {
    if (m_database != nullptr && m_database->transactionDepth() > 0) {
        m_workspace->rollback();
    }
}

void CAddChgDAO::setDirty(bool dirty) {
    m_dirty = dirty;
    updateCommands();
}

void CAddChgDAO::updateCommands() {
    m_toolBar->action(CAddChgToolBar::Delete)->setEnabled(m_recordCount > 0);
    m_toolBar->action(CAddChgToolBar::Refresh)->setEnabled(!refreshOnlyWhenDirty() || m_dirty);
}

void CAddChgDAO::fillControls() {
    m_fields.show();
    fillExtraControls();
}

bool CAddChgDAO::readControls() {
    return m_fields.read() && readExtraControls();
}

void CAddChgDAO::showNoRecord() {
    m_hasRecord = false;
    m_adding = false;
    m_fields.clear();
    fillExtraControls();
    m_fields.setControlsEnabled(false);
    setDirty(false);
}

void CAddChgDAO::enterRecord() {
    try {
        if (m_record->editMode() == storage::EditMode::None) {
            m_record->edit();
        }
        beginTransaction();
    } catch (const storage::DaoException& error) {
        report(error);
    }
    m_hasRecord = true;
    m_fields.setControlsEnabled(true);
    fillControls();
    setDirty(false);
}

// ------------------------------------------------------------------ saving

bool CAddChgDAO::runChecks() {
    if (QWidget* empty = m_fields.firstEmptyRequired()) {
        prompts().show(kMsgRequired, PromptIcon::Exclamation);
        empty->setFocus();
        return false;
    }
    return checkRecord();
}

bool CAddChgDAO::writeRecord() {
    m_writeRefused = false;
    try {
        // Until now the transaction has only read. Starting it afresh lets the
        // write see what other windows and programs committed meanwhile, so
        // that a row changed elsewhere is refused as such rather than as a
        // busy database.
        rollbackTransaction();
        beginTransaction();
        m_record->update();
        commitTransaction();
        if (m_adding) {
            m_lastAdded = m_record->lastModified();
            m_record->setBookmark(m_record->lastModified());
        }
    } catch (const storage::DaoException& error) {
        // The record keeps its edit and the user's typing; Refresh shows the
        // row as it is now.
        m_writeRefused = true;
        report(error);
        try {
            beginTransaction();
        } catch (const storage::DaoException& again) {
            report(again);
        }
        setDirty(true);
        return false;
    }
    m_adding = false;
    enterRecord();
    return true;
}

bool CAddChgDAO::SaveRecord() {
    if (!m_hasRecord && !m_adding) {
        return true;  // an empty table: nothing to leave
    }
    if (!readControls() || !runChecks()) {
        return false;
    }
    if (!m_dirty && !m_adding) {
        // Nothing to write; end the transaction so the next record is read fresh.
        try {
            commitTransaction();
        } catch (const storage::DaoException& error) {
            report(error);
        }
        return true;
    }
    if (m_dirty && m_askBeforeSaving &&
        prompts().show(kMsgSaveChanges, PromptIcon::Question, PromptButtons::YesNo) ==
            PromptAnswer::No) {
        OnRecordRefresh();
        return true;
    }
    return writeRecord();
}

void CAddChgDAO::SaveIfDirty() {
    m_writeRefused = false;
    if (!m_dirty) {
        return;
    }
    const PromptAnswer answer =
        m_askBeforeSaving
            ? prompts().show(kMsgSaveChanges, PromptIcon::Question, PromptButtons::YesNo)
            : PromptAnswer::Yes;
    if (answer == PromptAnswer::No) {
        OnRecordRefresh();
        return;
    }
    if (!readControls() || !runChecks() || !writeRecord()) {
        setDirty(true);
    }
}

// ------------------------------------------------------------------ commands

void CAddChgDAO::command(int id) {
    switch (id) {
        case CAddChgToolBar::First:
            OnRecordFirst();
            break;
        case CAddChgToolBar::Previous:
            OnRecordPrev();
            break;
        case CAddChgToolBar::Next:
            OnRecordNext();
            break;
        case CAddChgToolBar::Last:
            OnRecordLast();
            break;
        case CAddChgToolBar::Add:
            OnRecordAdd();
            break;
        case CAddChgToolBar::Refresh:
            if (m_toolBar->action(CAddChgToolBar::Refresh)->isEnabled()) {
                OnRecordRefresh();
            }
            break;
        case CAddChgToolBar::Delete:
            if (m_toolBar->action(CAddChgToolBar::Delete)->isEnabled()) {
                OnRecordDelete();
            }
            break;
        case CAddChgToolBar::Find:
            OnFind();
            break;
        default:
            break;
    }
}

void CAddChgDAO::move(void (storage::Recordset::*step)()) {
    if (!SaveRecord() || !m_hasRecord) {
        return;
    }
    try {
        (m_record.get()->*step)();
        if (m_record->isEOF()) {
            m_record->moveLast();
        } else if (m_record->isBOF()) {
            m_record->moveFirst();
        }
    } catch (const storage::DaoException& error) {
        report(error);
    }
    if (m_record->isEOF() && m_record->isBOF()) {
        showNoRecord();
        return;
    }
    enterRecord();
}

void CAddChgDAO::OnRecordFirst() {
    move(&storage::Recordset::moveFirst);
}

void CAddChgDAO::OnRecordPrev() {
    move(&storage::Recordset::movePrev);
}

void CAddChgDAO::OnRecordNext() {
    move(&storage::Recordset::moveNext);
}

void CAddChgDAO::OnRecordLast() {
    move(&storage::Recordset::moveLast);
}

void CAddChgDAO::OnRecordAdd() {
    if (!m_loaded || !SaveRecord()) {
        return;
    }
    try {
        m_returnTo = m_hasRecord ? m_record->bookmark() : 0;
        // A fresh transaction, for the reason writeRecord() gives.
        commitTransaction();
        beginTransaction();
        m_record->addNew();
    } catch (const storage::DaoException& error) {
        report(error);
        return;
    }
    SetNewRecordDefaults();
    m_adding = true;
    m_fields.setControlsEnabled(true);
    fillControls();
    SetNewRecordScreenDefaults();
    setDirty(false);
}

void CAddChgDAO::SetNewRecordDefaults() {
    m_fields.setNewRecordDefaults();
}

void CAddChgDAO::SetNewRecordScreenDefaults() {
    if (QWidget* first = m_fields.firstControl()) {
        first->setFocus();
    }
}

void CAddChgDAO::OnFind() {
    prompts().show(kMsgPlanned, PromptIcon::Information);
}

void CAddChgDAO::OnRecordRefresh() {
    const std::string text = std::string(catalogueText(kMsgRefreshMissing)) +
                             std::string(catalogueText(kMsgContactWortline));
    prompts().show(kMsgRefreshMissing, text, PromptIcon::Stop);
}

void CAddChgDAO::AbandonChanges() {
    if (!m_loaded) {
        return;
    }
    const bool wasAdding = m_adding;
    m_adding = false;
    try {
        // Rolled back first, so the record is read again as it is stored now.
        rollbackTransaction();
        if (m_record->editMode() != storage::EditMode::None) {
            m_record->cancelUpdate();
        }
        if (wasAdding && m_returnTo != 0) {
            m_record->setBookmark(m_returnTo);
        }
    } catch (const storage::DaoException& error) {
        // The row is gone (deleted elsewhere): show the first one instead.
        report(error);
        try {
            m_record->requery();
        } catch (const storage::DaoException& again) {
            report(again);
        }
    }
    if (m_record->isEOF() || m_record->isBOF() || (wasAdding && m_returnTo == 0)) {
        showNoRecord();
        return;
    }
    enterRecord();
}

void CAddChgDAO::OnRecordDelete() {
    if (!m_hasRecord && !m_adding) {
        return;
    }
    if (m_askBeforeDeleting) {
        const std::string word(catalogueText(tableWordNumber()));
        const std::string text = formatMessage(kMsgConfirmDelete, word, keyText().toStdString());
        if (prompts().show(kMsgConfirmDelete, text, PromptIcon::Question,
                           PromptButtons::OkCancel) == PromptAnswer::Cancel) {
            return;
        }
    }
    DeleteRecord();
}

void CAddChgDAO::DeleteRecord() {
    SaveIfDirty();
    if (m_adding) {
        // A new record that was never stored: there is nothing to delete.
        AbandonChanges();
        return;
    }
    if (!m_hasRecord) {
        return;
    }
    try {
        commitTransaction();
        m_record->deleteRecord();
        m_record->moveNext();
        if (m_record->isEOF()) {
            m_record->moveLast();
        }
    } catch (const storage::DaoException& error) {
        report(error);
        AbandonChanges();
        return;
    }
    if (m_record->isEOF() && m_record->isBOF()) {
        showNoRecord();
        return;
    }
    enterRecord();
}

void CAddChgDAO::reject() {
    if (m_loaded) {
        SaveIfDirty();
        if (m_writeRefused) {
            return;  // the database refused the changes: they stay on screen
        }
    }
    QDialog::reject();
}

}  // namespace mw::refdata
