#include "calc/solver_support.h"

#include <climits>
#include <cmath>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {
constexpr int kMsgNotANumber = 1001;
constexpr int kMsgNotAWholeNumber = 1002;
constexpr int kMsgTooLarge = 1005;
}  // namespace

int SolveOutcome::refusal() const {
    for (const SolverMessage& m : messages) {
        if (m.icon == PromptIcon::Exclamation) {
            return m.number;
        }
    }
    return 0;
}

int soleZero(std::initializer_list<double> values) {
    int unknown = kNoZero;
    int index = 0;
    for (double v : values) {
        if (v == 0.0) {
            if (unknown != kNoZero) {
                return kSeveralZeros;
            }
            unknown = index;
        }
        ++index;
    }
    return unknown;
}

void zeroIfEmpty(std::string& text) {
    if (text.empty()) {
        text.assign(1, '0');
    }
}

std::optional<double> fieldNumber(std::string_view text) {
    return leadingNumberIfAny(text);
}

std::optional<int> fieldWholeNumber(std::string_view text) {
    const std::optional<double> number = leadingNumberIfAny(text);
    if (!number) {
        return std::nullopt;
    }
    const double whole = std::trunc(*number);
    if (whole >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (whole <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(whole);
}

std::optional<double> readNumberField(const std::string& text, std::string_view name, int field,
                                      SolveOutcome& outcome) {
    std::optional<double> value = fieldNumber(text);
    if (!value) {
        refuse(outcome, kMsgNotANumber, formatMessage(kMsgNotANumber, name, text));
        outcome.focusField = field;
    }
    return value;
}

std::optional<int> readWholeField(const std::string& text, std::string_view name, int field,
                                  SolveOutcome& outcome) {
    std::optional<int> value = fieldWholeNumber(text);
    if (!value) {
        refuse(outcome, kMsgNotAWholeNumber, formatMessage(kMsgNotAWholeNumber, name, text));
        outcome.focusField = field;
    }
    return value;
}

void refuse(SolveOutcome& outcome, int number, std::string text) {
    outcome.messages.push_back({number, std::move(text), PromptIcon::Exclamation});
}

void refuse(SolveOutcome& outcome, int number) {
    refuse(outcome, number, std::string(catalogueText(number)));
}

double roundedWith(int formatId, double value) {
    return leadingNumber(formatNumber(formatId, value));
}

bool resultShowable(SolveOutcome& outcome, std::string_view unknownName,
                    std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            refuse(outcome, kMsgTooLarge, formatMessage(kMsgTooLarge, unknownName));
            return false;
        }
    }
    return true;
}

}  // namespace mw::calc
