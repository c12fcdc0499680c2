#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "refdata/record_fields.h"
#include "storage/recordset.h"

class QVBoxLayout;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CHintBalloon;
}
namespace mw::storage {
class CDocumentPlus;
class DaoException;
class Database;
class Settings;
class Workspace;
}  // namespace mw::storage

namespace mw::refdata {

class CAddChgToolBar;

// What every reference-data dialog is given.
struct ReferenceDialogContext {
    // The workspace factory ("DAO" on the data database the settings name).
    storage::CDocumentPlus& documents;
    storage::Settings& settings;
    PromptService& prompts;
    HelpService* help = nullptr;
};

// The common base of the reference-data dialogs: one table of the data
// database, browsed, changed, added to and pruned through its own private
// "DAO" workspace and one table-type record object in the order of the
// table's index.
//
// Whenever a record is on screen it is in edit mode inside an open
// transaction of the dialog's workspace. Leaving it (a move, Add, Delete,
// closing) first runs the record-saving step: the controls are read, the
// dialog's checks run (whether or not anything changed, so a stored record
// that breaks them cannot be left), and a changed record is saved, after
// "Save changes to current data record?" when "DisplayWarnings" is on.
// A save that the database refuses (another window or another running copy
// changed the row meanwhile, a duplicate key) is reported in the database
// error box; the record, its typing and its dirty state stay.
//
// A derived dialog builds its controls in its constructor, binds them to its
// record's columns in bindFields(), names its index, and overrides
// OnRecordRefresh() with AbandonChanges() (plus its own extra controls).
// The caller runs load() and shows the dialog with exec() only when it
// succeeded.
class CAddChgDAO : public QDialog {
    Q_OBJECT

public:
    ~CAddChgDAO() override;

    // Opens the workspace, the record object and its index, reads the
    // settings and shows the first record in index order. False when the data
    // database cannot be used; the user has been told.
    bool load();

    // The commands (toolbar buttons and keys).
    void OnRecordFirst();
    void OnRecordPrev();
    void OnRecordNext();
    void OnRecordLast();
    void OnRecordAdd();
    void OnFind();
    // Abandons the changes. A dialog that does not supply its own is a
    // programming error, reported as such.
    virtual void OnRecordRefresh();
    // The derived confirmation (message 32 with tableWord() and keyText(),
    // when "DisplayDeleteWarnings" is on), then DeleteRecord().
    virtual void OnRecordDelete();

    // The record-saving step: read, check, save when changed. Answers whether
    // the caller may go on.
    virtual bool SaveRecord();
    // When changed: asks (message 262) or not, then saves or abandons.
    void SaveIfDirty();

    bool isAdding() const { return m_adding; }
    bool isDirty() const { return m_dirty; }
    // A record is on screen (false only for an empty table before Add).
    bool hasRecord() const { return m_hasRecord; }
    long recordCountAtOpen() const { return m_recordCount; }
    // The identifier of the last record this dialog added and saved, or 0.
    qint64 lastAddedId() const { return m_lastAdded; }

    CAddChgToolBar* toolBar() const { return m_toolBar; }
    shell::CHintBalloon* hintBalloon() const { return m_hints; }
    storage::Recordset* recordset() const { return m_record.get(); }

    // Marks the record changed (spin buttons, substitute lists, ...).
    void setDirty(bool dirty);

protected:
    CAddChgDAO(const ReferenceDialogContext& context, const QString& caption, QWidget* parent);

    // What a table's dialog tells the base.
    virtual std::unique_ptr<storage::Recordset> makeRecordset(storage::Database* database) = 0;
    virtual QString indexName() const = 0;
    // Binds the controls to the columns of the record just made.
    virtual void bindFields(RecordFields& fields) = 0;
    // Catalogue number of the table word of message 32 ("Hops", "Grain", ...).
    virtual int tableWordNumber() const = 0;
    // The record's key text in message 32, from the controls on screen.
    virtual QString keyText() const = 0;

    // The dialog's checks after the required fields (ranges, consistency);
    // a failing check tells the user and puts the focus on a field.
    virtual bool checkRecord() { return true; }
    // New record: the bound columns go null (the not-null texts empty); a
    // derived dialog adds its own defaults after calling this.
    virtual void SetNewRecordDefaults();
    // New record on screen: the focus on the first field; a derived dialog
    // sets its radio buttons here.
    virtual void SetNewRecordScreenDefaults();
    // Controls that are not bound columns (lists, spin buttons): filled after
    // the bound fields, and read into the record after them.
    virtual void fillExtraControls() {}
    virtual bool readExtraControls() { return true; }
    virtual void attachExtraHints(shell::CHintBalloon&) {}
    // Refresh is enabled only while the record is dirty (the hop dialog).
    virtual bool refreshOnlyWhenDirty() const { return false; }

    // The common shape of every dialog's refresh: cancel the edit or add,
    // roll back, show the record that was current before Add, enter it.
    void AbandonChanges();
    // Commit, delete the current record, show the next (or the new last).
    void DeleteRecord();

    // Where a derived dialog puts its controls (below the toolbar).
    QVBoxLayout* body() const { return m_body; }
    const ReferenceDialogContext& context() const { return m_context; }
    PromptService& prompts() const { return m_context.prompts; }
    RecordFields& fields() { return m_fields; }
    bool askBeforeDeleting() const { return m_askBeforeDeleting; }

    void reject() override;

private:
    bool openWorkspace();
    void command(int id);
    void move(void (storage::Recordset::*step)());
    // Puts the current record in edit mode, opens the transaction, fills
    // the controls, clears dirty.
    void enterRecord();
    void fillControls();
    bool readControls();
    // Required fields, then the dialog's own checks.
    bool runChecks();
    // Writes the record and commits; afterwards the written record is shown
    // in edit mode in a new transaction. False when the database refused.
    bool writeRecord();
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    void report(const storage::DaoException& error);
    void showNoRecord();
    void updateCommands();
    void closeWorkspace();

    ReferenceDialogContext m_context;
    std::unique_ptr<storage::Workspace> m_workspace;
    storage::Database* m_database = nullptr;
    std::unique_ptr<storage::Recordset> m_record;
    RecordFields m_fields;

    bool m_loaded = false;
    // The last write was refused by the database (not by a check).
    bool m_writeRefused = false;
    bool m_adding = false;
    bool m_dirty = false;
    bool m_hasRecord = false;
    bool m_askBeforeSaving = true;
    bool m_askBeforeDeleting = true;
    bool m_showHints = true;
    long m_recordCount = 0;
    storage::Bookmark m_returnTo = 0;
    qint64 m_lastAdded = 0;

    CAddChgToolBar* m_toolBar;
    QVBoxLayout* m_body;
    shell::CHintBalloon* m_hints;
};

// The base over one record class.
template <typename Record>
class CAddChgOf : public CAddChgDAO {
protected:
    using CAddChgDAO::CAddChgDAO;

    std::unique_ptr<storage::Recordset> makeRecordset(storage::Database* database) override {
        auto record = std::make_unique<Record>(database);
        m_typed = record.get();
        return record;
    }
    Record& record() const { return *m_typed; }

private:
    Record* m_typed = nullptr;
};

}  // namespace mw::refdata
