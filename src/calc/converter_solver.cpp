#include "calc/converter_solver.h"

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

const ConverterKind kSgBallingConverter{
    {"Specific Gravity", "Balling"},
    {"1.000", ""},
    {"1.000", "0.00"},
    1.0,
    1.2,
    0.0,
    50.0,
    [](double balling) { return balling * 0.004 + 1.0; },
    [](double gravity) { return (gravity - 1.0) * 250.0; },
    {msg::FormatThreeDecimals, msg::FormatTwoDecimals},
    265,
    266,
    {267, 268},
};

const ConverterKind kAbvAbwConverter{
    {"By Volume", "By Weight"},
    {"5.00", ""},
    {"5.00", "0.00"},
    0.5,
    20.0,
    0.4,
    16.0,
    [](double byWeight) { return byWeight * 1.25; },
    [](double byVolume) { return byVolume * 0.8; },
    {msg::FormatTwoDecimals, msg::FormatTwoDecimals},
    270,
    271,
    {274, 275},
};

ConverterSolver::ConverterSolver(const ConverterKind& kind) : m_kind(kind) {
    m_texts = {kind.openTexts[0], kind.openTexts[1]};
}

void ConverterSolver::editText(int field, std::string text) {
    if (field != 0 && field != 1) {
        return;
    }
    m_texts[static_cast<std::size_t>(field)] = std::move(text);
    m_state.lastEdited = field;
}

SolveOutcome ConverterSolver::calculate() {
    SolveOutcome outcome;
    m_state.rememberFocus();
    double values[2] = {0.0, 0.0};
    for (int f = 0; f < 2; ++f) {
        std::string& text = m_texts[static_cast<std::size_t>(f)];
        zeroIfEmpty(text);
        const auto value = readNumberField(text, m_kind.fieldNames[f], f, outcome);
        if (!value) {
            return outcome;
        }
        values[f] = *value;
    }
    const int zeros = (values[0] == 0.0) + (values[1] == 0.0);
    if (zeros == 0) {
        refuse(outcome, m_kind.noneZeroMessage);
        return outcome;
    }
    if (zeros == 2) {
        refuse(outcome, m_kind.bothZeroMessage);
        return outcome;
    }
    const double mins[2] = {m_kind.field0Min, m_kind.field1Min};
    const double maxs[2] = {m_kind.field0Max, m_kind.field1Max};
    for (int f = 0; f < 2; ++f) {
        if (values[f] > 0.0 && (values[f] < mins[f] || values[f] > maxs[f])) {
            const int message = m_kind.rangeMessages[f];
            refuse(outcome, message, formatMessage(message, m_texts[static_cast<std::size_t>(f)]));
            return outcome;
        }
    }
    const int unknown = values[0] == 0.0 ? 0 : 1;
    const double computed =
        unknown == 0 ? m_kind.field0From1(values[1]) : m_kind.field1From0(values[0]);
    if (!resultShowable(outcome, m_kind.fieldNames[unknown], {computed})) {
        return outcome;
    }
    values[unknown] = roundedWith(m_kind.formatIds[unknown], computed);
    m_solvedFor = unknown;
    for (int f = 0; f < 2; ++f) {
        m_texts[static_cast<std::size_t>(f)] = formatNumber(m_kind.formatIds[f], values[f]);
    }
    m_state.resultsEnabled = true;
    outcome.solved = true;
    outcome.focusField = m_state.focusVariable;
    return outcome;
}

SolveOutcome ConverterSolver::recalculate() {
    m_state.beginRecalculate();
    if (m_solvedFor != kNone) {
        m_texts[static_cast<std::size_t>(m_solvedFor)].clear();
    }
    return calculate();
}

SolveOutcome ConverterSolver::clear() {
    m_texts = {m_kind.clearTexts[0], m_kind.clearTexts[1]};
    m_solvedFor = kNone;
    m_state.recalculateUsed = false;
    m_state.resultsEnabled = false;
    SolveOutcome outcome;
    outcome.focusField = 0;
    return outcome;
}

}  // namespace mw::calc
