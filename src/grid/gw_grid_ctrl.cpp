#include "grid/gw_grid_ctrl.h"

#include <QComboBox>
#include <QHeaderView>

#include "grid/cells.h"

namespace mw::grid {

namespace {
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
    model->setData(index, cellOf(columnOf(index).kind).editorText(editor), Qt::EditRole);
}

CGWGridCtrl::CGWGridCtrl(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CGWCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit cellClicked(i.row(), i.column()); });
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { emit editEnded(currentIndex().row(), currentIndex().column()); });
}

void CGWGridCtrl::setSheet(CGWSheetModel* model) {
    m_model = model;
    setModel(model);
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
