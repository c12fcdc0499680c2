#pragma once

#include <QTreeView>
#include <functional>
#include <memory>

#include "storage/document_view.h"

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class CMwcalcDoc;
class CRecordSetRecipeLog;
class Database;
class Workspace;
}  // namespace mw::storage

namespace mw::views {

class CSortHeaderCtrl;
class RecipeLogModel;

// The recipe log: every recipe of the open database, one row each (batch,
// name, brew date, target style, category, subcategory), read through a
// workspace of its own ("LogView") so that it never waits for the recipe
// being edited. A click on a column header sorts by that column; a double
// click or Enter opens the remembered recipe on the recipe form. Every
// change the form announces rereads the list.
class CRecipeLogView final : public QTreeView, public storage::DocumentView {
    Q_OBJECT

public:
    struct Services {
        PromptService& prompts;
        HelpService* help = nullptr;
    };

    // Registers with the document and fills the list.
    CRecipeLogView(storage::CMwcalcDoc& document, Services services, QWidget* parent = nullptr);
    ~CRecipeLogView() override;

    // How the view brings the recipe form to the front (making it when there
    // is none); given by whoever makes the view.
    void setRecipeFormActivator(std::function<void()> activate) {
        m_activateForm = std::move(activate);
    }

    // The log recordset, made and opened on first use; null when the
    // workspace or the recordset could not be opened (the user has been told).
    storage::CRecordSetRecipeLog* GetLogRecordset();
    // Selects the first row of a batch number without scrolling and without
    // changing the remembered row.
    void SelectBatch(long batch);
    // Rereads every recipe, sorts as before and selects the remembered row.
    void Refill();

    // The remembered row: the last one clicked or selected by a refill.
    int rememberedRow() const { return m_selectedRow; }
    qint32 rememberedRecipeId() const { return m_selectedRecipeId; }
    long rememberedBatch() const { return m_selectedBatch; }
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_sortAscending; }
    RecipeLogModel& logModel() const { return *m_model; }
    CSortHeaderCtrl& sortHeader() const { return *m_header; }

    // storage::DocumentView
    void OnUpdate(DocumentView* sender, long hint) override;
    void closeView() override;
    void OnDocumentDestroyed() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void OnInitialUpdate();
    void onHeaderClicked(int column);
    void sortList();
    void setColumnWidths();
    // Selects and focuses a row (or nothing for -1) without scrolling.
    void selectRow(int row, bool scroll);
    void rememberRow(int row);
    void openRememberedRecipe();
    bool openWorkspace();
    void closeWorkspace();

    storage::CMwcalcDoc* m_document;
    Services m_services;
    std::function<void()> m_activateForm;
    RecipeLogModel* m_model;
    CSortHeaderCtrl* m_header;

    std::unique_ptr<storage::Workspace> m_workspace;
    storage::Database* m_database = nullptr;
    std::unique_ptr<storage::CRecordSetRecipeLog> m_recordset;

    int m_sortColumn = 0;
    bool m_sortAscending = true;
    int m_selectedRow = 0;
    qint32 m_selectedRecipeId = 0;
    long m_selectedBatch = 0;
    bool m_clicked = false;
};

}  // namespace mw::views
