#include "recipe_form/score_spin_box.h"

#include <QLineEdit>
#include <algorithm>

#include "resources/number_text.h"

namespace mw::recipe_form {

CScoreSpinBox::CScoreSpinBox(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

int CScoreSpinBox::position() const {
    const std::optional<int> typed = parseInteger(text().toStdString());
    return std::clamp(typed.value_or(m_minimum), m_minimum, m_maximum);
}

void CScoreSpinBox::stepBy(int steps) {
    const int next = std::clamp(position() + steps, m_minimum, m_maximum);
    lineEdit()->setText(QString::number(next));
    lineEdit()->selectAll();
}

QValidator::State CScoreSpinBox::validate(QString& /*input*/, int& /*pos*/) const {
    return QValidator::Acceptable;
}

void CScoreSpinBox::fixup(QString& /*input*/) const {}

QAbstractSpinBox::StepEnabled CScoreSpinBox::stepEnabled() const {
    const int at = position();
    StepEnabled enabled = StepNone;
    if (at < m_maximum) {
        enabled |= StepUpEnabled;
    }
    if (at > m_minimum) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace mw::recipe_form
