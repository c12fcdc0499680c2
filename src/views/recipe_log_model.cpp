#include "views/recipe_log_model.h"

#include "storage/catalogue_string.h"
#include "views/recipe_log_order.h"

namespace mw::views {

namespace {
constexpr int kLogCaptions = 79;
}

RecipeLogModel::RecipeLogModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_captions(storage::catalogueString(kLogCaptions).split(QLatin1Char(','))) {}

void RecipeLogModel::setRows(std::vector<RecipeLogRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool RecipeLogModel::sortBy(int column, bool ascending) {
    if (column < 0 || column >= columnCount() || m_rows.size() < 2) {
        return false;
    }
    std::vector<const QString*> texts;
    texts.reserve(m_rows.size());
    for (const RecipeLogRow& r : m_rows) {
        texts.push_back(&r.texts[std::size_t(column)]);
    }
    const LogColumnKeys keys(column, texts);
    std::vector<int> order(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = int(i);
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortLogRows(order, keys, ascending);
    std::vector<RecipeLogRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newPosition(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[std::size_t(order[i])]));
        newPosition[std::size_t(order[i])] = int(i);
    }
    m_rows = std::move(sorted);
    // The selection and the focus travel with their rows.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after << this->index(newPosition[std::size_t(index.row())], index.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

int RecipeLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int RecipeLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant RecipeLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || index.column() >= LogColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return row(index.row()).texts[std::size_t(index.column())];
    }
    return {};
}

QVariant RecipeLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return m_captions[section];
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

}  // namespace mw::views

// The recipe log is linked into the program on its own, without the other
// windows of this folder (which come with the extras library).
#include "moc_recipe_log_model.cpp"
