#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

#include "grid/sheet_model.h"

namespace mw::grid {

// Makes each cell's editor from its column's kind of cell.
class CGWCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// One sheet on the screen: a spreadsheet-like table of text cells with the
// column widths of its settings (tenths of an inch at the screen's pixels
// per inch), reporting clicks and finished edits by row and column.
class CGWGridCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CGWGridCtrl(QWidget* parent = nullptr);

    // Shows a sheet; widths are worked out for the screen's pixels per inch.
    void setSheet(CGWSheetModel* model);
    CGWSheetModel* sheet() const { return m_model; }

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    int currentRowIndex() const;
    int currentColumnIndex() const;
    void setCurrentCell(int row, int column);
    // The cell under a point in the viewport, or (-1, -1).
    QPair<int, int> cellAt(const QPoint& point) const;

    // A fixed-size table (no new row): every row a quarter inch high.
    void useFixedRowHeights();
    void applyColumnWidths(double pixelsPerInch);

signals:
    void cellClicked(int row, int column);
    void editEnded(int row, int column);

private:
    CGWSheetModel* m_model = nullptr;
};

}  // namespace mw::grid
