#include "views/range_bar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace mw::views {

RangeBar::RangeBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RangeBar::setRange(double low, double high) {
    m_low = low;
    m_high = high;
    update();
}

void RangeBar::setValue(double value) {
    m_value = std::isfinite(value) ? value : 0.0;
    update();
}

std::pair<double, double> RangeBar::axis() const {
    if (!hasRange()) {
        const double top = std::max(std::abs(m_value) * 1.5, 1.0);
        return {std::min(0.0, m_value), top};
    }
    // A margin of half the range on each side, wide enough for the figure.
    const double margin = (m_high - m_low) * 0.5;
    return {std::min(m_low - margin, m_value - margin * 0.2),
            std::max(m_high + margin, m_value + margin * 0.2)};
}

void RangeBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(4, height() / 2.0 - 3, width() - 8, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 210));
    p.drawRoundedRect(track, 3, 3);

    const auto [from, to] = axis();
    const auto x = [&, from = from, to = to](double v) {
        return track.left() + (v - from) / (to - from) * track.width();
    };
    if (hasRange()) {
        p.setBrush(QColor(120, 190, 120));
        p.drawRect(QRectF(QPointF(x(m_low), track.top()), QPointF(x(m_high), track.bottom())));
    }
    const double mx = std::clamp(x(m_value), track.left(), track.right());
    const bool outside = hasRange() && !inRange();
    p.setBrush(outside ? QColor(255, 0, 0) : QColor(0, 0, 255));
    p.drawRect(QRectF(mx - 2, 1, 4, height() - 2));
}

}  // namespace mw::views
