#pragma once

#include <QHeaderView>

namespace mw::views {

// A list header that remembers which column the list is sorted by and which
// way, and draws a small triangle in that column's header: pointing up for
// ascending, down for descending. It never sorts anything itself.
class CSortHeaderCtrl final : public QHeaderView {
    Q_OBJECT

public:
    explicit CSortHeaderCtrl(QWidget* parent = nullptr);

    // -1 until the list has been sorted.
    int sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }
    // Remembers the sort and redraws the header.
    void SetSortImage(int column, bool ascending);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_sortColumn = -1;
    bool m_ascending = true;
};

}  // namespace mw::views
