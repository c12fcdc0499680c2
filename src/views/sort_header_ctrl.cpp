#include "views/sort_header_ctrl.h"

#include <QPainter>
#include <QPolygonF>

namespace mw::views {

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("sortHeader"));
    setSectionsClickable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CSortHeaderCtrl::SetSortImage(int column, bool ascending) {
    m_sortColumn = column;
    m_ascending = ascending;
    viewport()->update();
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (logicalIndex != m_sortColumn || rect.width() < 24) {
        return;
    }
    // A triangle at the right end of the section, as tall as a small letter.
    const qreal size = qMax<qreal>(6.0, fontMetrics().xHeight() * 1.2);
    const qreal right = rect.right() - size;
    const qreal left = right - size;
    const qreal middle = rect.center().y() + 0.5;
    const qreal half = size / 2.0;
    QPolygonF mark;
    if (m_ascending) {
        mark << QPointF(left, middle + half / 1.2) << QPointF(right, middle + half / 1.2)
             << QPointF((left + right) / 2.0, middle - half);
    } else {
        mark << QPointF(left, middle - half / 1.2) << QPointF(right, middle - half / 1.2)
             << QPointF((left + right) / 2.0, middle + half);
    }
    painter->save();
    // The style may leave a clip or an opacity of its own behind.
    painter->setClipRect(rect);
    painter->setOpacity(1.0);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::ButtonText));
    painter->drawPolygon(mark);
    painter->restore();
}

}  // namespace mw::views

// The recipe log is linked into the program on its own, without the other
// windows of this folder (which come with the extras library).
#include "moc_sort_header_ctrl.cpp"
