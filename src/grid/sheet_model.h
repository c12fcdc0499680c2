#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

#include "grid/grid_settings.h"

namespace mw::grid {

// The cells of one sheet as texts, each with an optional text colour; the
// columns and their kinds come from the sheet's settings. A data-bound sheet
// ends with a "new" row that shows empty until it is first edited; only then
// are its texts asked of a callback. A fixed-size sheet has a set number of
// rows and its row headings.
class CGWSheetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    CGWSheetModel(SheetSettings settings, bool withNewRow, QObject* parent = nullptr);

    const SheetSettings& settings() const { return m_settings; }
    int dataRowCount() const { return static_cast<int>(m_rows.size()); }
    bool hasNewRow() const { return m_withNewRow; }
    bool isNewRow(int row) const { return m_withNewRow && row == dataRowCount(); }

    // Texts of a new row's cells, asked when the new row is first edited.
    void setNewRowTexts(std::function<QString(int column)> texts);
    // Whether the new row has been edited (and holds its callback's texts).
    bool isNewRowStarted() const { return m_newRowStarted; }
    // Replaces every data row (and makes a fresh, empty new row).
    void setRows(std::vector<QStringList> rows);
    // Turns the new row into a data row and makes another new row.
    void acceptNewRow();
    // Empties the new row again (an edit of it was refused or abandoned).
    void resetNewRow();
    // Shows a text in a cell of the new row without starting it (a hint of
    // what is being entered there).
    void showNewRowHint(int column, const QString& text);

    QString cellText(int row, int column) const;
    // Sets a text without reporting an edit.
    void setCellText(int row, int column, const QString& text);
    QStringList rowTexts(int row) const;
    void setCellColor(int row, int column, const QColor& color);
    QColor cellColor(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // A user's edit, before the new text is stored and after.
    void cellAboutToChange(int row, int column, const QString& oldText, const QString& newText);
    void cellEdited(int row, int column, const QString& oldText, const QString& newText);

private:
    QStringList emptyNewRow() const;
    // The new row's first edit: its texts come from the callback.
    void startNewRow();
    CellKind kindOf(int column) const;

    SheetSettings m_settings;
    bool m_withNewRow;
    std::function<QString(int)> m_newRowTexts;
    std::vector<QStringList> m_rows;
    QStringList m_newRow;
    bool m_newRowStarted = false;
    QHash<quint64, QColor> m_colors;
};

}  // namespace mw::grid
