#pragma once

#include <QWidget>

namespace mw::views {

// A horizontal bar that sets one predicted figure against a style's range:
// the range as a green band on a grey track and the figure as a marker, blue
// inside the range and red outside it. Without a range (low not below high)
// only the marker is drawn.
class RangeBar : public QWidget {
    Q_OBJECT

public:
    explicit RangeBar(QWidget* parent = nullptr);

    void setRange(double low, double high);
    void setValue(double value);
    double value() const { return m_value; }
    bool hasRange() const { return m_low < m_high; }
    bool inRange() const { return hasRange() && m_value >= m_low && m_value <= m_high; }

    QSize sizeHint() const override { return {220, 18}; }
    QSize minimumSizeHint() const override { return {120, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The figures the bar's two ends stand for.
    std::pair<double, double> axis() const;

    double m_low = 0.0;
    double m_high = 0.0;
    double m_value = 0.0;
};

}  // namespace mw::views
