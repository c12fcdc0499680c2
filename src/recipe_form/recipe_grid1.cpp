#include "recipe_form/recipe_grid1.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTabBar>
#include <algorithm>
#include <array>

#include "grid/dao_data_source.h"
#include "grid/gw_grid_ctrl.h"
#include "grid/sheet_model.h"
#include "recipe_form/desktop_font.h"
#include "recipe_form/ingredient_lookups.h"
#include "recipe_form/ingredient_row_texts.h"
#include "recipe_form/ingredient_table_rows.h"
#include "recipe_form/recipe_grid_commands.h"
#include "recipe_form/recipe_grid_host.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "shell/program_files.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"

namespace mw::recipe_form {

namespace {

using calc::Sheet;

// Catalogue texts of the grid's own messages.
constexpr int kConfirmDelete = 32;       // "Please confirm delete -\n%1 - %2"
constexpr int kNoSuchIngredient = 1090;  // delete on a row that was never stored
constexpr int kIngredientWord = 1091;    // "Ingredient "

// Start-up progress while the sheets are bound: 30, then 10 more per sheet.
constexpr int kFirstProgress = 30;
constexpr int kProgressPerSheet = 10;

// The menu opens this far right of and below the current cell's corner.
constexpr QPoint kMenuOffset{5, 10};

// The current cell after Settle: the first row's second column.
constexpr int kSettleRow = 0;
constexpr int kSettleColumn = 1;

// Sheets in the order a change of recipe reloads them.
constexpr std::array<Sheet, calc::kSheetCount> kReloadOrder{
    Sheet::Yeasts, Sheet::Extracts, Sheet::Grains, Sheet::Adjuncts, Sheet::Hops, Sheet::Kits};

int recipeColumn(Sheet sheet) {
    return calc::columnCount(sheet) - 1;
}

bool runModalLookup(CLookupDlg& lookup) {
    return lookup.load() && lookup.exec() == QDialog::Accepted;
}

// The first line of a command's catalogue text is its status prompt.
QString statusPrompt(int command) {
    return storage::catalogueString(command).section(QLatin1Char('\n'), 0, 0);
}

}  // namespace

CRecipeGrid1::CRecipeGrid1(RecipeGridHost& host, storage::Database& recipes,
                           storage::Settings& settings, PromptService& prompts, HelpService* help,
                           QWidget* parent)
    : grid::CGWTabGridCtrl(parent),
      m_host(host),
      m_settings(settings),
      m_prompts(prompts),
      m_help(help),
      m_gridSettings(grid::loadGridSettings(
          shell::findProgramFile(QStringLiteral("grid/") + QLatin1String(kSettingsFile)),
          QLatin1String(kSettingsFile), prompts)),
      m_tables(std::make_unique<IngredientTableRows>(recipes)),
      m_runLookup(runModalLookup) {
    setObjectName(QStringLiteral("recipeIngredients"));
    setWindowTitle(m_gridSettings.title);
    setAccessibleName(m_gridSettings.title);
    setPrompts(&m_prompts);

    m_source = new grid::CGWDAODataSource(recipes, m_gridSettings, this);
    m_source->setErrorHandler([this](const storage::DaoException& error) { reportError(error); });
    connect(m_source, &grid::CGWDAODataSource::endOfEdit, this, [this] { m_host.setModified(); });
    connect(m_source, &grid::CGWDAODataSource::dropDownChanging, this,
            [this](int sheet, int row, int column) { onDropDownChanging(sheet, row, column); });
    connect(m_source, &grid::CGWDAODataSource::recipeNeeded, this,
            [this](int sheet, int row) { onRecipeNeeded(sheet, row); });
    connect(this, &grid::CGWTabGridCtrl::cellClicked, this,
            [this](int sheet, int row, int column) { onCellClicked(sheet, row, column); });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget* old, QWidget* now) { onFocusChanged(old, now); });

    bindSheets();
    makeMenu();
}

CRecipeGrid1::~CRecipeGrid1() {
    // The sheets go after this object's members: they must not call back.
    disconnect(m_focusWatch);
    for (int s = 0; s < sheetCount(); ++s) {
        grid(s)->removeEventFilter(this);
        grid(s)->viewport()->removeEventFilter(this);
    }
}

void CRecipeGrid1::bindSheets() {
    m_host.showProgress(kFirstProgress);
    m_source->setRecipeId(m_host.currentRecipeId());
    // A new row's texts are asked when it is first edited: a change of the
    // recipe. Showing a recipe's rows changes nothing.
    m_source->setNewRowText([this](Sheet sheet, int column) {
        m_host.setModified();
        return newRowText(sheet, column, m_host.currentRecipeId());
    });
    const QFont cellFont = desktopFont(m_gridSettings.fontFamily, m_gridSettings.fontPoints);
    const QFont headingFont =
        desktopFont(m_gridSettings.secondFontFamily, m_gridSettings.secondFontPoints);
    for (int s = 0; s < calc::kSheetCount; ++s) {
        const auto sheet = static_cast<Sheet>(s);
        m_source->requery(sheet);
        grid::CGWGridCtrl* view = addSheet(m_source->model(sheet));
        view->setFont(cellFont);
        view->horizontalHeader()->setFont(headingFont);
        view->verticalHeader()->setFont(headingFont);
        view->verticalHeader()->setDefaultSectionSize(QFontMetrics(cellFont).height() + 6);
        watchSheet(view);
        m_host.showProgress(kFirstProgress + kProgressPerSheet * (s + 1));
    }
    tabBar()->setFont(headingFont);
}

void CRecipeGrid1::makeMenu() {
    m_menu = new QMenu(QStringLiteral("Recipe Ingredients"), this);
    m_menu->setObjectName(QStringLiteral("recipeIngredientsMenu"));
    const auto add = [this](int command, const QString& text, auto handler) {
        QAction* action = m_menu->addAction(text);
        action->setData(command);
        action->setStatusTip(statusPrompt(command));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    m_selectAction = add(grid_cmd::SelectIngredient, QStringLiteral("&Select Ingredient"),
                         [this] { OnSelectIngredient(); });
    m_calculateAction = add(grid_cmd::CalculateBitterness, QStringLiteral("&Calculate Bitterness"),
                            [this] { OnCalculateBitterness(); });
    m_deleteAction = add(grid_cmd::DeleteIngredient, QStringLiteral("&Delete Ingredient"),
                         [this] { OnDeleteIngredient(); });
    m_menu->addSeparator();
    // Leaves the current row as it is; the menu closes by itself.
    m_cancelAction = add(grid_cmd::CancelMenu, QStringLiteral("Cancel Menu"), [] {});
}

QAction* CRecipeGrid1::commandAction(int command) const {
    for (QAction* action : {m_selectAction, m_calculateAction, m_deleteAction, m_cancelAction}) {
        if (action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

void CRecipeGrid1::watchSheet(grid::CGWGridCtrl* sheetView) {
    sheetView->installEventFilter(this);
    sheetView->viewport()->installEventFilter(this);
}

// ------------------------------------------------------------------ sheets

void CRecipeGrid1::reloadSheet(Sheet sheet) {
    m_source->setRecipeId(m_host.currentRecipeId());
    m_source->requery(sheet);
}

void CRecipeGrid1::reloadAll() {
    for (Sheet sheet : kReloadOrder) {
        reloadSheet(sheet);
    }
}

void CRecipeGrid1::settle() {
    grid::CGWGridCtrl* view = grid(currentSheet());
    if (view == nullptr || view->sheet() == nullptr) {
        return;
    }
    if (QWidget* editor = view->indexWidget(view->currentIndex())) {
        QAbstractItemDelegate* delegate = view->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    if (view->currentRowIndex() != kSettleRow || view->currentColumnIndex() != kSettleColumn) {
        view->setCurrentCell(kSettleRow, kSettleColumn);
    }
}

QString CRecipeGrid1::cellText(Sheet sheet, int row, int column) const {
    return m_source->model(sheet)->cellText(row - 1, column);
}

void CRecipeGrid1::setCellText(Sheet sheet, int row, int column, const QString& text) {
    m_source->writeCell(sheet, row, column, text);
}

double CRecipeGrid1::cellNumber(Sheet sheet, int row, int column) const {
    return leadingNumber(cellText(sheet, row, column).toStdString());
}

int CRecipeGrid1::rowCount(Sheet sheet) const {
    return m_source->rowCount(sheet);
}

calc::IngredientCells& CRecipeGrid1::cells() {
    return *m_source;
}

int CRecipeGrid1::currentViewRow() const {
    const grid::CGWGridCtrl* view = grid(currentSheet());
    return view != nullptr ? std::max(view->currentRowIndex(), 0) : 0;
}

bool CRecipeGrid1::isNewRow(Sheet sheet, int viewRow) const {
    return m_source->model(sheet)->isNewRow(viewRow);
}

void CRecipeGrid1::highlightRow(Sheet sheet, int viewRow) {
    grid::CGWGridCtrl* view = sheetGrid(sheet);
    const grid::CGWSheetModel* model = m_source->model(sheet);
    const QItemSelection row(model->index(viewRow, 0),
                             model->index(viewRow, model->columnCount() - 1));
    view->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
    const int column = std::max(view->currentColumnIndex(), 0);
    view->selectionModel()->setCurrentIndex(model->index(viewRow, column),
                                            QItemSelectionModel::NoUpdate);
}

// ---------------------------------------------------------------- commands

template <typename Lookup>
std::optional<QStringList> CRecipeGrid1::choose() {
    Lookup lookup(m_settings, m_prompts, m_help, this);
    if (!m_runLookup(lookup)) {
        return std::nullopt;
    }
    return rowTexts(lookup.choice());
}

std::optional<QStringList> CRecipeGrid1::chooseIngredient(Sheet sheet) {
    switch (sheet) {
        case Sheet::Kits:
            return choose<CLookupKit>();
        case Sheet::Extracts:
            return choose<CLookupExtract>();
        case Sheet::Grains:
            return choose<CLookupGrain>();
        case Sheet::Adjuncts:
            return choose<CLookupAdjunct>();
        case Sheet::Hops:
            return choose<CLookupHop>();
        case Sheet::Yeasts:
            return choose<CLookupYeast>();
    }
    return std::nullopt;
}

void CRecipeGrid1::OnSelectIngredient() {
    const QScopedValueRollback<bool> busy(m_busy, true);
    const Sheet sheet = currentSheetKind();
    const int viewRow = currentViewRow();
    grid::CGWSheetModel* model = m_source->model(sheet);
    // The new row shows what is being entered there; it is not started (and
    // the recipe not changed) until an ingredient is chosen.
    const bool untouchedNewRow = isNewRow(sheet, viewRow) && !model->isNewRowStarted();
    if (untouchedNewRow) {
        model->showNewRowHint(0, QStringLiteral("<new>"));
    } else if (isNewRow(sheet, viewRow)) {
        model->setCellText(viewRow, 0, QStringLiteral("<new>"));
    }
    highlightRow(sheet, viewRow);
    const std::optional<QStringList> texts = chooseIngredient(sheet);
    if (!texts) {
        if (untouchedNewRow) {
            model->resetNewRow();
        }
        return;
    }
    // The first text turns a new row into a table row; the rest update it.
    for (int column = 0; column < texts->size(); ++column) {
        if (!m_source->writeCell(sheet, viewRow + 1, column, texts->at(column))) {
            return;
        }
    }
    m_host.setModified();
}

void CRecipeGrid1::OnCalculateBitterness() {
    const int viewRow = currentViewRow();
    if (currentSheetKind() != Sheet::Hops || isNewRow(Sheet::Hops, viewRow)) {
        return;
    }
    m_host.calcHopRow(viewRow + 1, false);
}

void CRecipeGrid1::OnDeleteIngredient() {
    const QScopedValueRollback<bool> busy(m_busy, true);
    const Sheet sheet = currentSheetKind();
    const int viewRow = currentViewRow();
    const grid::CGWSheetModel* model = m_source->model(sheet);
    const QString recipeText = model->cellText(viewRow, recipeColumn(sheet));
    if (isNewRow(sheet, viewRow) || leadingInteger(recipeText.toStdString()) == 0) {
        m_prompts.show(kNoSuchIngredient, PromptIcon::Information);
        return;
    }
    highlightRow(sheet, viewRow);
    const QStringList row = model->rowTexts(viewRow);
    if (m_host.displayDeleteWarnings()) {
        const std::string what = std::string(catalogueText(kIngredientWord)) +
                                 std::string(catalogueText(ingredientTypeNumber(sheet)));
        const std::string text = formatMessage(kConfirmDelete, what, row.value(0).toStdString());
        if (m_prompts.show(kConfirmDelete, text, PromptIcon::Question, PromptButtons::OkCancel) !=
            PromptAnswer::Ok) {
            return;
        }
    }
    bool stored = true;
    try {
        m_tables->deleteFirstMatching(sheet, m_host.currentRecipeId(), row);
    } catch (const storage::DaoException& error) {
        reportError(error);
        stored = false;
    }
    reloadSheet(sheet);
    // The row that took the deleted one's place becomes current.
    const int last = m_source->model(sheet)->rowCount() - 1;
    sheetGrid(sheet)->setCurrentCell(std::min(viewRow, last), 0);
    if (stored) {
        m_host.setModified();
    }
}

void CRecipeGrid1::OnShowMenu() {
    grid::CGWGridCtrl* view = grid(currentSheet());
    if (view == nullptr) {
        return;
    }
    QModelIndex current = view->currentIndex();
    if (!current.isValid()) {
        view->setCurrentCell(0, 0);
        current = view->currentIndex();
    }
    const QRect cell = view->visualRect(current);
    openMenu(view->viewport()->mapToGlobal(cell.topLeft() + kMenuOffset));
}

void CRecipeGrid1::openMenu(const QPoint& globalPos) {
    const Sheet sheet = currentSheetKind();
    const bool newRow = isNewRow(sheet, currentViewRow());
    m_calculateAction->setEnabled(sheet == Sheet::Hops && !newRow);
    m_deleteAction->setEnabled(!newRow);
    m_menu->popup(globalPos);
}

// ------------------------------------------------------------------ events

bool CRecipeGrid1::handleKey(int key, bool release) {
    switch (key) {
        case Qt::Key_S:
        case Qt::Key_D:
        case Qt::Key_C:
        case Qt::Key_M:
            break;
        default:
            return false;
    }
    // The press is taken too, so that it does not start typing into the cell.
    if (!release) {
        return true;
    }
    switch (key) {
        case Qt::Key_S:
            OnSelectIngredient();
            break;
        case Qt::Key_D:
            OnDeleteIngredient();
            break;
        case Qt::Key_C:
            OnCalculateBitterness();
            break;
        default:
            OnShowMenu();
            break;
    }
    return true;
}

bool CRecipeGrid1::eventFilter(QObject* watched, QEvent* event) {
    grid::CGWGridCtrl* view = grid(currentSheet());
    if (view == nullptr || m_busy) {
        return grid::CGWTabGridCtrl::eventFilter(watched, event);
    }
    if (watched == view &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers others =
            key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (others == Qt::NoModifier && !key->isAutoRepeat() &&
            handleKey(key->key(), event->type() == QEvent::KeyRelease)) {
            return true;
        }
    }
    if (watched == view->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::RightButton) {
                    break;
                }
                const QModelIndex index = view->indexAt(mouse->position().toPoint());
                if (index.isValid()) {
                    view->setCurrentCell(index.row(), index.column());
                    highlightRow(currentSheetKind(), index.row());
                    openMenu(mouse->globalPosition().toPoint());
                }
                return true;
            }
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                    return true;
                }
                break;
            case QEvent::ContextMenu:
                // The mouse's menu opened on the press; the keyboard's opens here.
                if (static_cast<QContextMenuEvent*>(event)->reason() ==
                    QContextMenuEvent::Keyboard) {
                    OnShowMenu();
                }
                return true;
            default:
                break;
        }
    }
    return grid::CGWTabGridCtrl::eventFilter(watched, event);
}

void CRecipeGrid1::onCellClicked(int sheet, int viewRow, int column) {
    if (m_busy) {
        return;
    }
    if (column == 0) {
        OnSelectIngredient();
        return;
    }
    const bool bitternessCell = column == calc::HopCol::Ibu || column == calc::HopCol::Hbu;
    if (static_cast<Sheet>(sheet) == Sheet::Hops && bitternessCell &&
        !isNewRow(Sheet::Hops, viewRow)) {
        m_host.calcHopRow(viewRow + 1, false);
    }
}

void CRecipeGrid1::onDropDownChanging(int sheet, int row, int column) {
    // The calculation reads the unit being replaced, still in the cell.
    if (static_cast<Sheet>(sheet) == Sheet::Hops && column == calc::HopCol::Units) {
        m_host.calcHopRow(row, true);
    }
}

void CRecipeGrid1::onRecipeNeeded(int sheet, int row) {
    if (!m_host.isAdding()) {
        return;
    }
    const qint32 recipeId = m_host.storeNewRecipe();
    if (recipeId == 0) {
        return;
    }
    m_source->setRecipeId(recipeId);
    const auto s = static_cast<Sheet>(sheet);
    m_source->model(s)->setCellText(row - 1, recipeColumn(s), QString::number(recipeId));
}

void CRecipeGrid1::onFocusChanged(QWidget* old, QWidget* now) {
    // A lookup or a message box of a command takes the focus for a while;
    // only another control of the same window ends the grid's turn.
    if (m_busy || old == nullptr || now == nullptr || now->window() != window()) {
        return;
    }
    const bool wasInside = old == this || isAncestorOf(old);
    const bool isInside = now == this || isAncestorOf(now);
    if (wasInside && !isInside) {
        settle();
    }
}

void CRecipeGrid1::reportError(const storage::DaoException& error) {
    storage::ReportDaoException(error, m_prompts, m_help);
}

}  // namespace mw::recipe_form
