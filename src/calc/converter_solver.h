#pragma once

#include <array>
#include <string>

#include "calc/solver_support.h"

namespace mw::calc {

// What distinguishes the two converters: field ranges, formulas, formats,
// texts and messages.
struct ConverterKind {
    const char* fieldNames[2];  // as quoted in a message about a text that is no number
    const char* openTexts[2];   // texts when the dialog opens
    const char* clearTexts[2];  // texts after Clear
    // Valid ranges; only a value above 0 is checked, so a negative Balling passes.
    double field0Min, field0Max;
    double field1Min, field1Max;
    double (*field0From1)(double);
    double (*field1From0)(double);
    int formatIds[2];
    int noneZeroMessage, bothZeroMessage;
    int rangeMessages[2];
};

// Specific gravity and degrees Balling.
extern const ConverterKind kSgBallingConverter;
// Alcohol by volume and by weight.
extern const ConverterKind kAbvAbwConverter;

// A two-field converter without its window: the user fills one field, the
// other is computed from it.
class ConverterSolver {
public:
    static constexpr int kNone = -1;

    explicit ConverterSolver(const ConverterKind& kind);

    const std::string& text(int field) const { return m_texts[static_cast<std::size_t>(field)]; }
    void editText(int field, std::string text);

    // 0, 1 or kNone.
    int solvedFor() const { return m_solvedFor; }
    bool recalculateEnabled() const { return m_state.resultsEnabled; }

    SolveOutcome calculate();
    SolveOutcome recalculate();
    SolveOutcome clear();

private:
    const ConverterKind& m_kind;
    std::array<std::string, 2> m_texts;
    SolverState m_state;
    int m_solvedFor = kNone;
};

}  // namespace mw::calc
