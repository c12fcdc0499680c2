#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "storage/database.h"
#include "storage/recordset.h"

class QPushButton;
class QTreeWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class DaoException;
class Settings;
}  // namespace mw::storage
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

// "Lookup Ingredient": the modal list of every record of one reference table
// of the data database ("DefaultDataFile"), from which the brewer selects one
// row and gets that record's values back. Each kind of ingredient is a small
// subclass that names its table, index, headings and columns and copies its
// record into its result.
//
// The caller runs load() first and exec() only when it succeeded: load()
// tells the user why it failed (an empty table, a data database that cannot
// be read) and the dialog is not shown.
class CLookupDlg : public QDialog {
    Q_OBJECT

public:
    // Runs the reference table's Add/Change dialog; afterwards the list is read
    // again, so a record just added shows up.
    using AddHandler = std::function<void(QWidget* parent)>;
    // Runs the Add/Change dialog of a reference table ("Hops", "Grains", ...)
    // and answers the identifier of the record last added in it (0: none), or
    // nothing when the program has no such dialog. The program sets it once;
    // a lookup without its own AddHandler uses it, and afterwards selects the
    // record added.
    using TableAdder = std::function<std::optional<qint64>(const QString& table, QWidget* parent)>;
    static void setTableAdder(TableAdder adder);

    static constexpr int kHelpContext = 181;

    ~CLookupDlg() override;

    // Opens the data database and the table and fills the list in index order
    // with the first row selected. False when the table is empty or cannot be
    // read; the user has been told.
    bool load();

    void setAddHandler(AddHandler handler) { m_addHandler = std::move(handler); }

    // The buttons.
    void OnSelect();
    void OnInfo();
    void OnAdd();
    void OnHelp();

    QTreeWidget* list() const { return m_list; }
    QPushButton* selectButton() const { return m_select; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* infoButton() const { return m_info; }
    QPushButton* helpButton() const { return m_helpButton; }
    QPushButton* addButton() const { return m_add; }
    shell::CHintBalloon* hintBalloon() const { return m_hints; }

    // The column headings in list order.
    QStringList headings() const;
    // One column-width unit: three tenths of an inch, in pixels.
    int widthUnit() const;

protected:
    CLookupDlg(storage::Settings& settings, PromptService& prompts, HelpService* help,
               QWidget* parent);

    // What a kind of ingredient tells the common dialog.

    // Catalogue text of the headings, one per column, separated by commas.
    virtual int headingsNumber() const = 0;
    // The table's index: the list's first order and the seek's keys.
    virtual QString indexName() const = 0;
    // Catalogue text naming the table in the "No %1" message.
    virtual int tableWordNumber() const = 0;
    // Column widths in width units, widened where a column's texts need more;
    // none: each column fits its texts.
    virtual std::vector<int> columnWidthUnits() const { return {}; }
    // Bit c set: column c holds numbers and sorts by value.
    virtual unsigned numericColumns() const { return 0; }
    virtual std::unique_ptr<storage::Recordset> makeRecordset(
        storage::Database* database) const = 0;
    // Whether the current record belongs in the list (the adjunct modes).
    virtual bool listsCurrentRecord() const { return true; }
    // The current record's column texts.
    virtual QStringList rowTexts() const = 0;
    // Rows listed before the records, selected without reading the table.
    virtual QStringList fixedRows() const { return {}; }

    virtual void clearChoice() = 0;
    // Copies the current record into the result.
    virtual void takeCurrentRecord() = 0;
    virtual void takeFixedRow(const QString& text);

    // Catalogue number of the Info box's first line, its help context.
    virtual int infoNumber() const = 0;
    // The Info box's text for the current record.
    virtual std::string infoText() const = 0;
    // The Info box's text for a fixed row; empty: no box.
    virtual std::string fixedRowInfoText(const QString& text) const;

    storage::Recordset& recordset() const { return *m_recordset; }

private:
    enum class Found { Record, FixedRow, Nothing, Failed };

    bool openDatabase();
    // The database error box.
    void reportError(const storage::DaoException& error);
    bool fillList();
    void setUpColumns();
    void fitColumns();
    // Reads the selected row's key texts and seeks its record; a failure is
    // reported and closes the dialog with Cancel.
    Found seekSelected();
    void reportSeekFailure();
    // Makes the row of the record with this identifier the selected one.
    void selectRecord(qint64 id);

    storage::Settings& m_settings;
    PromptService& m_prompts;
    HelpService* m_help;
    AddHandler m_addHandler;

    // The record object must close before its database.
    storage::Database m_database;
    std::unique_ptr<storage::Recordset> m_recordset;

    int m_columnCount = 0;
    // The selected row's texts of columns 0 to 2, which the seek uses.
    QStringList m_keyTexts;

    QTreeWidget* m_list;
    QPushButton* m_select;
    QPushButton* m_cancel;
    QPushButton* m_info;
    QPushButton* m_helpButton;
    QPushButton* m_add;
    shell::CHintBalloon* m_hints;
};

// The common dialog over one record class, handing back one kind of choice.
template <typename Record, typename Choice>
class CLookupOf : public CLookupDlg {
public:
    const Choice& choice() const { return m_choice; }

protected:
    using CLookupDlg::CLookupDlg;

    void clearChoice() override { m_choice = {}; }

    std::unique_ptr<storage::Recordset> makeRecordset(storage::Database* database) const override {
        return std::make_unique<Record>(database);
    }
    const Record& record() const { return static_cast<const Record&>(recordset()); }

    Choice m_choice;
};

}  // namespace mw::recipe_form
