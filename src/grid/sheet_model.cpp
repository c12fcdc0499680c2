#include "grid/sheet_model.h"

#include "resources/number_text.h"

namespace mw::grid {

namespace {
quint64 cellKey(int row, int column) {
    return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
}
bool isChecked(const QString& text) {
    return !text.isEmpty() && text != QLatin1String("0");
}
// A number cell shows its column's decimals; the stored text stays as it is.
// A text that is not a number, or a column without decimals, shows as stored.
QString shownText(const QString& text, const ColumnSettings* column) {
    if (column == nullptr || column->kind != CellKind::Float || column->decimals < 0) {
        return text;
    }
    const std::optional<double> value = parseNumber(text.toStdString());
    return value ? QString::number(*value, 'f', column->decimals) : text;
}
}  // namespace

CGWSheetModel::CGWSheetModel(SheetSettings settings, bool withNewRow, QObject* parent)
    : QAbstractTableModel(parent), m_settings(std::move(settings)), m_withNewRow(withNewRow) {
    if (!m_withNewRow) {
        // A fixed table: one row per row heading.
        m_rows.assign(static_cast<std::size_t>(m_settings.rowHeadings.size()), QStringList());
        for (qsizetype r = 0; r < m_settings.rowHeadings.size(); ++r) {
            QStringList& row = m_rows[static_cast<std::size_t>(r)];
            for (std::size_t c = 0; c < m_settings.columns.size(); ++c) {
                row << (c == 0 ? m_settings.rowHeadings[r] : QString());
            }
        }
    }
    m_newRow = emptyNewRow();
}

CellKind CGWSheetModel::kindOf(int column) const {
    return column >= 0 && column < static_cast<int>(m_settings.columns.size())
               ? m_settings.columns[static_cast<std::size_t>(column)].kind
               : CellKind::Edit;
}

QStringList CGWSheetModel::emptyNewRow() const {
    QStringList row;
    for (int c = 0; c < columnCount(); ++c) {
        row << QString();
    }
    return row;
}

void CGWSheetModel::startNewRow() {
    if (!m_withNewRow || m_newRowStarted) {
        return;
    }
    m_newRowStarted = true;
    for (int c = 0; c < columnCount(); ++c) {
        m_newRow[c] = m_newRowTexts ? m_newRowTexts(c) : QString();
    }
    const int row = dataRowCount();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CGWSheetModel::setNewRowTexts(std::function<QString(int)> texts) {
    m_newRowTexts = std::move(texts);
}

void CGWSheetModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    for (QStringList& row : m_rows) {
        while (row.size() < columnCount()) {
            row << QString();
        }
    }
    m_colors.clear();
    m_newRow = emptyNewRow();
    m_newRowStarted = false;
    endResetModel();
}

void CGWSheetModel::acceptNewRow() {
    const int row = dataRowCount() + 1;
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(m_newRow);
    m_newRow = emptyNewRow();
    m_newRowStarted = false;
    endInsertRows();
    emit dataChanged(index(row - 1, 0), index(row, columnCount() - 1));
}

void CGWSheetModel::resetNewRow() {
    m_newRow = emptyNewRow();
    m_newRowStarted = false;
    if (m_withNewRow) {
        emit dataChanged(index(dataRowCount(), 0), index(dataRowCount(), columnCount() - 1));
    }
}

void CGWSheetModel::showNewRowHint(int column, const QString& text) {
    if (!m_withNewRow || column < 0 || column >= columnCount()) {
        return;
    }
    m_newRow[column] = text;
    emit dataChanged(index(dataRowCount(), column), index(dataRowCount(), column));
}

QString CGWSheetModel::cellText(int row, int column) const {
    if (column < 0 || column >= columnCount()) {
        return QString();
    }
    if (isNewRow(row)) {
        return m_newRow.value(column);
    }
    if (row < 0 || row >= dataRowCount()) {
        return QString();
    }
    return m_rows[static_cast<std::size_t>(row)].value(column);
}

void CGWSheetModel::setCellText(int row, int column, const QString& text) {
    if (column < 0 || column >= columnCount()) {
        return;
    }
    if (isNewRow(row)) {
        startNewRow();
        m_newRow[column] = text;
    } else if (row >= 0 && row < dataRowCount()) {
        m_rows[static_cast<std::size_t>(row)][column] = text;
    } else {
        return;
    }
    emit dataChanged(index(row, column), index(row, column));
}

QStringList CGWSheetModel::rowTexts(int row) const {
    if (isNewRow(row)) {
        return m_newRow;
    }
    return row >= 0 && row < dataRowCount() ? m_rows[static_cast<std::size_t>(row)] : QStringList();
}

void CGWSheetModel::setCellColor(int row, int column, const QColor& color) {
    m_colors.insert(cellKey(row, column), color);
    emit dataChanged(index(row, column), index(row, column), {Qt::ForegroundRole});
}

QColor CGWSheetModel::cellColor(int row, int column) const {
    return m_colors.value(cellKey(row, column));
}

int CGWSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataRowCount() + (m_withNewRow ? 1 : 0);
}

int CGWSheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_settings.columns.size());
}

QVariant CGWSheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return QVariant();
    }
    const QString text = cellText(index.row(), index.column());
    const CellKind kind = kindOf(index.column());
    switch (role) {
        case Qt::DisplayRole:
            if (kind == CellKind::CheckBox) {
                return QVariant();
            }
            return QVariant(
                shownText(text, &m_settings.columns[static_cast<std::size_t>(index.column())]));
        case Qt::EditRole:
            return kind == CellKind::CheckBox ? QVariant() : QVariant(text);
        case Qt::CheckStateRole:
            return kind == CellKind::CheckBox
                       ? QVariant(isChecked(text) ? Qt::Checked : Qt::Unchecked)
                       : QVariant();
        case Qt::ForegroundRole: {
            const QColor color = cellColor(index.row(), index.column());
            return color.isValid() ? QVariant(color) : QVariant();
        }
        case Qt::TextAlignmentRole:
            switch (kind) {
                case CellKind::Float:
                case CellKind::Int:
                case CellKind::Spin:
                    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
                default:
                    return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            }
        case Qt::FontRole:
            if (kind == CellKind::Heading || (index.column() == 0 && !m_withNewRow)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return QVariant();
        default:
            return QVariant();
    }
}

bool CGWSheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) {
        return false;
    }
    QString text;
    if (role == Qt::CheckStateRole) {
        text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    } else if (role == Qt::EditRole) {
        text = value.toString();
    } else {
        return false;
    }
    const int row = index.row();
    const int column = index.column();
    if (isNewRow(row)) {
        // An editor left empty on the untouched new row enters nothing.
        if (!m_newRowStarted && text.isEmpty()) {
            return false;
        }
        startNewRow();
    }
    const QString old = cellText(row, column);
    if (text == old) {
        return false;
    }
    emit cellAboutToChange(row, column, old, text);
    setCellText(row, column, text);
    emit cellEdited(row, column, old, text);
    return true;
}

Qt::ItemFlags CGWSheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (kindOf(index.column())) {
        case CellKind::Heading:
        case CellKind::Button:
            return f;
        case CellKind::CheckBox:
            return f | Qt::ItemIsUserCheckable;
        default:
            break;
    }
    if (!m_withNewRow && index.column() == 0) {
        return f;  // a fixed table's row headings
    }
    return f | Qt::ItemIsEditable;
}

QVariant CGWSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        return section < columnCount()
                   ? QVariant(m_settings.columns[static_cast<std::size_t>(section)].heading)
                   : QVariant();
    }
    return isNewRow(section) ? QVariant(QStringLiteral("*")) : QVariant(section + 1);
}

}  // namespace mw::grid
