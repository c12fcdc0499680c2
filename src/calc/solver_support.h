#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/prompt_service.h"

namespace mw::calc {

// A message box a calculator window shows after an action, in order.
struct SolverMessage {
    int number = 0;
    std::string text;
    PromptIcon icon = PromptIcon::Exclamation;

    bool operator==(const SolverMessage&) const = default;
};

// What a calculator action asks its window to do: show these messages, then
// move the focus to a field (its text selected), or leave the focus alone.
struct SolveOutcome {
    std::vector<SolverMessage> messages;
    std::optional<int> focusField;
    // True when the action solved for the unknown and rewrote the fields.
    bool solved = false;

    // The number of the first refusing (exclamation) message, 0 for none.
    int refusal() const;
};

// The state every calculator keeps beside its field texts: the variable being
// solved for, the one the user edited last, the one to focus after Calculate,
// and whether Recalculate has been used since the dialog was opened or cleared.
struct SolverState {
    int solvingFor = 0;
    int lastEdited = 0;
    int focusVariable = 0;
    bool recalculateUsed = false;
    // Recalculate, Clear, the "Currently solving for:" list and its label.
    bool resultsEnabled = false;

    // First step of Calculate: remember the last edited variable for the focus,
    // unless a Recalculate since opening or clearing already chose it.
    void rememberFocus() {
        if (!recalculateUsed) {
            focusVariable = lastEdited;
        }
    }
    // First step of Recalculate.
    void beginRecalculate() {
        focusVariable = lastEdited;
        recalculateUsed = true;
    }
};

inline constexpr int kNoZero = -1;
inline constexpr int kSeveralZeros = -2;
// The index of the one value that is 0 (the unknown), or kNoZero, or kSeveralZeros.
int soleZero(std::initializer_list<double> values);

// An empty field reads as "0" from here on.
void zeroIfEmpty(std::string& text);

// A field's number: the leading number of its text, as strtod reads it ("5%"
// is 5, "  7.5 oz" is 7.5, "1e2x" is 100), whatever the user's locale.
std::optional<double> fieldNumber(std::string_view text);
// A field's whole number: the whole part of its leading number ("7.5" is 7),
// held within the int range.
std::optional<int> fieldWholeNumber(std::string_view text);

// Reads a field's number; a text that does not begin with one adds message
// 1001 (naming the field and quoting its text), focuses the field and yields
// nullopt.
std::optional<double> readNumberField(const std::string& text, std::string_view name, int field,
                                      SolveOutcome& outcome);
// The same for a whole number (message 1002).
std::optional<int> readWholeField(const std::string& text, std::string_view name, int field,
                                  SolveOutcome& outcome);

// Adds a refusing message (exclamation icon).
void refuse(SolveOutcome& outcome, int number, std::string text);
void refuse(SolveOutcome& outcome, int number);

// A value written with a catalogue format and read back, as the calculators
// round what they solve.
double roundedWith(int formatId, double value);

// True when every value is finite; otherwise adds message 1005 naming the
// unknown and yields false.
bool resultShowable(SolveOutcome& outcome, std::string_view unknownName,
                    std::initializer_list<double> values);

}  // namespace mw::calc
