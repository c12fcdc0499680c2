#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

namespace mw::views {

// One recipe as the log lists it: the six column texts and its RecipeID.
struct RecipeLogRow {
    std::array<QString, 6> texts;
    qint32 recipeId = 0;
};

// The log's rows as plain values: a list of ten thousand recipes is a vector
// of small structs, not ten thousand item objects. The rows are kept in the
// order shown; sorting rearranges them and keeps the selection on its row.
class RecipeLogModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecipeLogModel(QObject* parent = nullptr);

    // Replaces every row.
    void setRows(std::vector<RecipeLogRow> rows);
    const RecipeLogRow& row(int position) const { return m_rows[std::size_t(position)]; }
    int count() const { return int(m_rows.size()); }

    // Sorts by a column with the log's own comparison and algorithm. False
    // (and nothing done) when the column does not exist or there are fewer
    // than two rows.
    bool sortBy(int column, bool ascending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_captions;
    std::vector<RecipeLogRow> m_rows;
};

}  // namespace mw::views
