#pragma once

#include <QWidget>

class QToolButton;

namespace mw::refdata {

// A spin button beside a number field: an up and a down arrow whose
// position runs from 10 to 200 in steps of 1, read as tenths (1.0 to 20.0).
// A click reports its step (+1 or -1); the dialog adds a tenth per step to
// the field's value.
class CTenthsSpinButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLow = 10;
    static constexpr int kHigh = 200;

    // `name`: what the arrows are called for a screen reader ("Alpha Acid Percent").
    CTenthsSpinButton(const QString& name, QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Starts at ten times `value`, kept within the range.
    void setValue(double value);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void stepped(int step);

private:
    void step(int delta);

    int m_position = kLow;
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace mw::refdata
