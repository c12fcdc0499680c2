#include "grid/gw_grid_ctrl.h"

#include <QComboBox>
#include <QHeaderView>

#include "grid/cells.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"

namespace mw::grid {

namespace {

// "Data Error: The %1 entered (%2) is not a number." and "... a whole number."
constexpr int kMsgNotANumber = 1001;
constexpr int kMsgNotAWholeNumber = 1002;

// The message refusing a number cell's text, or 0 when the text will do. An
// empty cell is left to the calculations, which read it as 0.
int refusalOf(CellKind kind, const QString& text) {
    if (text.trimmed().isEmpty()) {
        return 0;
    }
    const std::string typed = text.toStdString();
    if (kind == CellKind::Float) {
        return parseNumber(typed) ? 0 : kMsgNotANumber;
    }
    if (kind == CellKind::Int) {
        return parseInteger(typed) ? 0 : kMsgNotAWholeNumber;
    }
    return 0;
}

const ColumnSettings& columnOf(const QModelIndex& index) {
    const auto* model = static_cast<const CGWSheetModel*>(index.model());
    return model->settings().columns[static_cast<std::size_t>(index.column())];
}
}  // namespace

QWidget* CGWCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
    const ColumnSettings& column = columnOf(index);
    const CGWCell& cell = cellOf(column.kind);
    QWidget* editor = cell.createEditor(parent, column);
    if (auto* box = qobject_cast<QComboBox*>(editor); box && cell.commitsOnChoice()) {
        // A drop-down list ends its edit as soon as an item is chosen.
        connect(box, &QComboBox::activated, this, [this, box] {
            emit const_cast<CGWCellDelegate*>(this)->commitData(box);
            emit const_cast<CGWCellDelegate*>(this)->closeEditor(box);
        });
    }
    return editor;
}

void CGWCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    cellOf(columnOf(index).kind).setEditorText(editor, index.data(Qt::EditRole).toString());
}

void CGWCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    const ColumnSettings& column = columnOf(index);
    const QString text = cellOf(column.kind).editorText(editor);
    if (const int refusal = refusalOf(column.kind, text); refusal != 0) {
        const bool told = m_toldEditor == editor && m_toldText == text;
        m_toldEditor = editor;
        m_toldText = text;
        m_refusedCell = index;
        if (m_prompts != nullptr && !told) {
            m_prompts->show(
                refusal, formatMessage(refusal, column.heading.toStdString(), text.toStdString()),
                PromptIcon::Exclamation);
        }
        m_refused = true;
        return;
    }
    m_toldEditor = nullptr;
    model->setData(index, text, Qt::EditRole);
}

CGWGridCtrl::CGWGridCtrl(QWidget* parent) : QTableView(parent) {
    m_delegate = new CGWCellDelegate(this);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit cellClicked(i.row(), i.column()); });
}

void CGWGridCtrl::setPrompts(PromptService* prompts) {
    m_delegate->setPrompts(prompts);
}

void CGWGridCtrl::commitData(QWidget* editor) {
    m_delegate->takeRefusal();
    m_committing = true;
    QTableView::commitData(editor);
    m_committing = false;
}

void CGWGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Closing may move the current cell (Tab, Enter): the report names the
    // cell that was edited, taken when its text was committed.
    const QModelIndex edited = m_edited;
    m_edited = QModelIndex();
    // A refused text stays in its editor, on its cell, for the user to
    // correct (Esc gives up): nothing typed is lost.
    if (m_delegate->takeRefusal() && hint != QAbstractItemDelegate::RevertModelCache) {
        const QModelIndex refused = m_delegate->refusedCell();
        if (refused.isValid() && indexWidget(refused) == editor) {
            if (currentIndex() != refused) {
                setCurrentIndex(refused);
            }
            editor->setFocus();
            return;
        }
    }
    QTableView::closeEditor(editor, hint);
    if (edited.isValid()) {
        emit editEnded(edited.row(), edited.column());
    }
}

void CGWGridCtrl::setSheet(CGWSheetModel* model) {
    disconnect(m_editWatch);
    m_edited = QModelIndex();
    m_model = model;
    setModel(model);
    if (model) {
        m_editWatch = connect(model, &CGWSheetModel::cellEdited, this, [this](int row, int column) {
            if (m_committing) {
                m_edited = m_model->index(row, column);
            }
        });
    }
    // A screen reader names the grid by its sheet, as the tab shows it.
    setAccessibleName(model ? model->settings().title : QString());
    applyColumnWidths(logicalDpiX());
}

void CGWGridCtrl::applyColumnWidths(double pixelsPerInch) {
    if (!m_model) {
        return;
    }
    const auto& columns = m_model->settings().columns;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c);
        const int width = GridSettings::pixels(columns[c].widthTenths, pixelsPerInch);
        setColumnHidden(column, width == 0);
        if (width > 0) {
            setColumnWidth(column, width);
        }
    }
}

void CGWGridCtrl::useFixedRowHeights() {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(logicalDpiY() / 4);
}

QString CGWGridCtrl::cellText(int row, int column) const {
    return m_model ? m_model->cellText(row, column) : QString();
}

void CGWGridCtrl::setCellText(int row, int column, const QString& text) {
    if (m_model) {
        m_model->setCellText(row, column, text);
    }
}

int CGWGridCtrl::currentRowIndex() const {
    return currentIndex().row();
}
int CGWGridCtrl::currentColumnIndex() const {
    return currentIndex().column();
}

void CGWGridCtrl::setCurrentCell(int row, int column) {
    if (m_model) {
        setCurrentIndex(m_model->index(row, column));
    }
}

QPair<int, int> CGWGridCtrl::cellAt(const QPoint& point) const {
    const QModelIndex i = indexAt(point);
    return i.isValid() ? qMakePair(i.row(), i.column()) : qMakePair(-1, -1);
}

}  // namespace mw::grid
