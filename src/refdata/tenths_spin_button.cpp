#include "refdata/tenths_spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace mw::refdata {

namespace {

QToolButton* arrow(Qt::ArrowType type, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 11);
    return button;
}

}  // namespace

CTenthsSpinButton::CTenthsSpinButton(const QString& name, QWidget* parent)
    : QWidget(parent),
      m_up(arrow(Qt::UpArrow, QStringLiteral("Raise %1").arg(name), this)),
      m_down(arrow(Qt::DownArrow, QStringLiteral("Lower %1").arg(name), this)) {
    setAccessibleName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void CTenthsSpinButton::setValue(double value) {
    const double tenths = std::isfinite(value) ? std::round(value * 10.0) : kLow;
    m_position = static_cast<int>(std::clamp(tenths, double(kLow), double(kHigh)));
}

void CTenthsSpinButton::step(int delta) {
    m_position = std::clamp(m_position + delta, kLow, kHigh);
    emit stepped(delta);
}

}  // namespace mw::refdata
