#pragma once

#include <QStyledItemDelegate>
#include <QTableView>
#include <utility>

#include "grid/sheet_model.h"

namespace mw {
class PromptService;
}

namespace mw::grid {

// Makes each cell's editor from its column's kind of cell. A number cell's
// text that does not read as a number is refused with a message naming the
// column, and the cell keeps its text.
class CGWCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setPrompts(PromptService* prompts) { m_prompts = prompts; }
    // True once after a commit that refused its text.
    bool takeRefusal() { return std::exchange(m_refused, false); }
    // The cell whose text was last refused.
    QModelIndex refusedCell() const { return m_refusedCell; }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    PromptService* m_prompts = nullptr;
    mutable bool m_refused = false;
    mutable QPersistentModelIndex m_refusedCell;
    // The editor and text last refused: committing them again (the focus
    // moving while the message is up) is refused without a second message.
    mutable const QWidget* m_toldEditor = nullptr;
    mutable QString m_toldText;
};

// One sheet on the screen: a spreadsheet-like table of text cells with the
// column widths of its settings (tenths of an inch at the screen's pixels
// per inch), reporting clicks and finished edits by row and column.
class CGWGridCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CGWGridCtrl(QWidget* parent = nullptr);

    // Where a refused cell text is reported; without one it is refused quietly.
    void setPrompts(PromptService* prompts);

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
    // An edit in a cell's editor changed the cell's text (reported once, for
    // the edited cell, when its editor closes).
    void editEnded(int row, int column);

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    CGWSheetModel* m_model = nullptr;
    CGWCellDelegate* m_delegate = nullptr;
    QMetaObject::Connection m_editWatch;
    bool m_committing = false;
    QModelIndex m_edited;  // the cell an open editor's commit changed
};

}  // namespace mw::grid
