#include "views/recipe_log_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/override_cursor.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/workspace.h"
#include "views/recipe_log_model.h"
#include "views/recipe_log_order.h"
#include "views/sort_header_ctrl.h"

namespace mw::views {

namespace {

constexpr int kLogTemplate = 140;
constexpr int kMsgNoWorkspace = 1018;
constexpr int kMsgBatchOutOfReach = 1200;
// The largest batch number a change notice can carry (16 bits).
constexpr long kLargestNoticeBatch = 0xffff;

std::vector<RecipeLogRow> readRows(storage::CRecordSetRecipeLog& log) {
    std::vector<RecipeLogRow> rows;
    while (!log.isEOF()) {
        RecipeLogRow row;
        row.texts[ColumnBatch] = QString::number(log.m_RecipeBatchNo);
        row.texts[ColumnName] = log.m_RecipeName;
        if (!log.isFieldNull(&log.m_RecipeDateBrewed) && log.m_RecipeDateBrewed.isValid()) {
            const QDate date = log.m_RecipeDateBrewed.date();
            row.texts[ColumnBrewDate] = brewDateText(date.year(), date.month(), date.day());
        }
        row.texts[ColumnStyle] = log.m_RecipeTargetStyle;
        row.texts[ColumnCategory] = log.m_RecipeTargetCategory;
        row.texts[ColumnSubcategory] = log.m_RecipeTargetSubcategory;
        row.recipeId = log.m_RecipeID;
        rows.push_back(std::move(row));
        log.moveNext();
    }
    return rows;
}

}  // namespace

CRecipeLogView::CRecipeLogView(storage::CMwcalcDoc& document, Services services, QWidget* parent)
    : QTreeView(parent),
      m_document(&document),
      m_services(services),
      m_model(new RecipeLogModel(this)),
      m_header(new CSortHeaderCtrl(this)) {
    setObjectName(QStringLiteral("recipeLog"));
    setWindowTitle(storage::catalogueString(kLogTemplate).section(QLatin1Char('\n'), 0, 0));
    setAccessibleName(windowTitle());
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setFrameShape(QFrame::StyledPanel);
    setModel(m_model);
    setHeader(m_header);
    // The tree view makes its header unclickable while it does not sort
    // itself; this header is clicked to sort.
    m_header->setSectionsClickable(true);
    m_header->setSortIndicatorShown(false);
    m_header->setStretchLastSection(false);
    connect(m_header, &QHeaderView::sectionClicked, this, &CRecipeLogView::onHeaderClicked);
    document.addView(this);
    OnInitialUpdate();
}

CRecipeLogView::~CRecipeLogView() {
    if (m_document != nullptr) {
        m_document->removeView(this);
    }
    closeWorkspace();
}

void CRecipeLogView::OnInitialUpdate() {
    const shell::OverrideCursor wait;
    Refill();
}

// ------------------------------------------------------------------ reading

bool CRecipeLogView::openWorkspace() {
    if (m_database != nullptr) {
        return true;
    }
    if (m_document == nullptr) {
        return false;
    }
    if (m_document->GetNewWorkspace(m_workspace, m_database, QStringLiteral("LogView")) == 0) {
        m_services.prompts.show(kMsgNoWorkspace, PromptIcon::Information);
        return false;
    }
    return true;
}

void CRecipeLogView::closeWorkspace() {
    if (m_recordset) {
        try {
            m_recordset->close();
        } catch (const storage::DaoException&) {
            // The view is going; nothing is left to tell about.
        }
        m_recordset.reset();
    }
    if (m_document != nullptr) {
        m_document->cleanWorkspace(m_workspace, m_database);
        return;
    }
    try {
        if (m_workspace) {
            m_workspace->closeAll();
        }
    } catch (const storage::DaoException&) {
        // As above.
    }
    m_workspace.reset();
    m_database = nullptr;
}

storage::CRecordSetRecipeLog* CRecipeLogView::GetLogRecordset() {
    if (m_recordset && m_recordset->isOpen()) {
        return m_recordset.get();
    }
    if (!openWorkspace()) {
        return nullptr;
    }
    try {
        m_recordset = std::make_unique<storage::CRecordSetRecipeLog>(m_database);
        m_recordset->open(storage::OpenType::Default, storage::OpenOption::ReadOnly);
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_services.prompts, m_services.help);
        m_recordset.reset();
        return nullptr;
    }
    return m_recordset.get();
}

void CRecipeLogView::Refill() {
    const shell::OverrideCursor wait;
    std::vector<RecipeLogRow> rows;
    const bool opened = m_recordset && m_recordset->isOpen();
    if (storage::CRecordSetRecipeLog* log = GetLogRecordset()) {
        try {
            if (opened) {
                log->requery();
            }
            rows = readRows(*log);
        } catch (const storage::DaoException& error) {
            storage::ReportDaoException(error, m_services.prompts, m_services.help);
            rows.clear();
        }
    }
    m_model->setRows(std::move(rows));
    setColumnWidths();
    sortList();

    const int count = m_model->count();
    if (count == 0) {
        m_selectedRow = -1;
    } else if (m_selectedRow > count - 1 || m_selectedRow < 0) {
        m_selectedRow = m_selectedRow < 0 ? 0 : count - 1;
    }
    selectRow(m_selectedRow, false);
    rememberRow(m_selectedRow);
}

void CRecipeLogView::setColumnWidths() {
    // Widths follow the screen's pixels per inch, never fixed pixels.
    const int w = static_cast<int>(0.3 * logicalDpiX());
    const int units[LogColumnCount] = {2, 4, 3, 3, 3, 3};
    for (int column = 0; column < LogColumnCount && column < m_header->count(); ++column) {
        setColumnWidth(column, units[column] * w);
    }
}

// ------------------------------------------------------------------ sorting

void CRecipeLogView::onHeaderClicked(int column) {
    if (column == m_sortColumn) {
        m_sortAscending = !m_sortAscending;
    } else {
        m_sortColumn = column;
        m_sortAscending = true;
    }
    sortList();
}

void CRecipeLogView::sortList() {
    if (m_model->sortBy(m_sortColumn, m_sortAscending)) {
        m_header->SetSortImage(m_sortColumn, m_sortAscending);
    }
}

// ------------------------------------------------------------------ selection

void CRecipeLogView::selectRow(int row, bool scroll) {
    if (row < 0 || row >= m_model->count()) {
        selectionModel()->clearSelection();
        return;
    }
    const bool autoScrolling = hasAutoScroll();
    setAutoScroll(scroll);
    selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setAutoScroll(autoScrolling);
}

void CRecipeLogView::rememberRow(int row) {
    m_selectedRow = row;
    if (row < 0 || row >= m_model->count()) {
        m_selectedRecipeId = 0;
        m_selectedBatch = 0;
        return;
    }
    const RecipeLogRow& r = m_model->row(row);
    m_selectedRecipeId = r.recipeId;
    m_selectedBatch = r.texts[ColumnBatch].toLong();
}

void CRecipeLogView::SelectBatch(long batch) {
    const QString text = QString::number(batch);
    for (int row = 0; row < m_model->count(); ++row) {
        if (m_model->row(row).texts[ColumnBatch] == text) {
            selectRow(row, false);
            return;
        }
    }
    // A batch the list does not hold: no row stands for it.
    selectionModel()->clearSelection();
}

// ------------------------------------------------------------------ opening a recipe

void CRecipeLogView::openRememberedRecipe() {
    if (m_document == nullptr || m_selectedRow < 0) {
        return;
    }
    if (m_selectedBatch < 0 || m_selectedBatch > kLargestNoticeBatch) {
        m_services.prompts.show(kMsgBatchOutOfReach,
                                formatMessage(kMsgBatchOutOfReach, std::to_string(m_selectedBatch)),
                                PromptIcon::Information);
        return;
    }
    // A recipe form made after the notice would show its first recipe, not
    // this one: make it first, then tell it which batch to show.
    bool formExists = false;
    for (storage::DocumentView* view : m_document->views()) {
        formExists = formExists || view->isRecipeForm();
    }
    if (!formExists && m_activateForm) {
        m_activateForm();
    }
    if (m_document == nullptr) {
        return;
    }
    m_document->GoToBatch(this, m_selectedBatch);
    if (m_activateForm) {
        m_activateForm();
    }
}

// ------------------------------------------------------------------ mouse and keys

void CRecipeLogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    m_clicked = false;
    // Near the left edge, so that a click anywhere along a row finds it.
    const QModelIndex index = indexAt(QPoint(2, event->position().toPoint().y()));
    if (index.isValid()) {
        selectRow(index.row(), true);
        rememberRow(index.row());
        m_clicked = true;
    }
    event->accept();
}

void CRecipeLogView::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with the left button does not move the selection: only a
    // press chooses a row.
    if ((event->buttons() & Qt::LeftButton) != 0) {
        event->accept();
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void CRecipeLogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    if (m_clicked) {
        openRememberedRecipe();
    }
}

void CRecipeLogView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The remembered row, not the one the arrow keys have reached.
            event->accept();
            openRememberedRecipe();
            return;
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if ((event->modifiers() & Qt::ControlModifier) == 0) {
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QTreeView::keyPressEvent(event);
}

bool CRecipeLogView::focusNextPrevChild(bool) {
    // Tab stays in the list.
    return true;
}

// ------------------------------------------------------------------ document

void CRecipeLogView::OnUpdate(DocumentView* sender, long hint) {
    if (sender == this) {
        return;
    }
    if (storage::Hint::kind(hint) == storage::Hint::ShowBatch) {
        SelectBatch(storage::Hint::batch(hint));
    } else {
        Refill();
    }
}

void CRecipeLogView::closeView() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

void CRecipeLogView::OnDocumentDestroyed() {
    m_document = nullptr;
}

}  // namespace mw::views

// The recipe log is linked into the program on its own, without the other
// windows of this folder (which come with the extras library).
#include "moc_recipe_log_view.cpp"
