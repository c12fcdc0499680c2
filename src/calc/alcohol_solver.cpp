#include "calc/alcohol_solver.h"

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {
constexpr int kMsgNoneZero = 242;
constexpr int kMsgSeveralZero = 243;
constexpr int kMsgAttenuationNeeded = 244;
constexpr int kMsgTerminalNotBelow = 245;
constexpr int kMsgGravityRange = 246;
constexpr int kMsgAttenuationRange = 247;

constexpr double kAlcoholPerPoint = 0.1275;
constexpr double kPointsPerAlcohol = 7.8431372549019605;  // 1 / 0.1275
constexpr double kWeightPerVolume = 0.8;

const char* const kVariableNames[] = {"% by Volume", "Original Gravity", "Terminal Gravity"};

double points(double gravity) {
    return (gravity - 1.0) * 1000.0;
}
bool outsideGravityRange(double gravity) {
    return gravity < 1.0 || gravity > 1.2;
}
}  // namespace

AlcoholSolver::AlcoholSolver() {
    restoreDefaults();
    m_state.solvingFor = VarByVolume;
}

AlcoholSolver::Field AlcoholSolver::fieldOf(int variable) {
    switch (variable) {
        case VarByVolume:
            return ByVolume;
        case VarTerminal:
            return TerminalGravity;
        default:
            return OriginalGravity;
    }
}

const char* AlcoholSolver::unknownText(int variable) {
    return variable == VarByVolume ? "" : "0.000";
}

void AlcoholSolver::restoreDefaults() {
    m_texts[OriginalGravity] = fieldText(1.04);
    m_texts[TerminalGravity] = fieldText(1.03);
    m_texts[Attenuation] = fieldText(75.0);
    m_texts[ByVolume] = "0.0";
    m_texts[ByWeight] = "0.0";
    m_state = SolverState{};
}

void AlcoholSolver::editText(Field field, std::string text) {
    m_texts[field] = std::move(text);
    switch (field) {
        case ByVolume:
            m_state.lastEdited = VarByVolume;
            break;
        case OriginalGravity:
            m_state.lastEdited = VarOriginal;
            break;
        case TerminalGravity:
            m_state.lastEdited = VarTerminal;
            break;
        default:
            break;
    }
}

SolveOutcome AlcoholSolver::calculate() {
    SolveOutcome outcome;
    m_state.rememberFocus();
    for (Field f : {OriginalGravity, TerminalGravity, Attenuation, ByVolume}) {
        zeroIfEmpty(m_texts[f]);
    }
    const auto og =
        readNumberField(m_texts[OriginalGravity], "Original Gravity", OriginalGravity, outcome);
    if (!og)
        return outcome;
    const auto tg =
        readNumberField(m_texts[TerminalGravity], "Terminal Gravity", TerminalGravity, outcome);
    if (!tg)
        return outcome;
    const auto attenuation =
        readNumberField(m_texts[Attenuation], "Yeast Attenuation", Attenuation, outcome);
    if (!attenuation)
        return outcome;
    const auto abv = readNumberField(m_texts[ByVolume], "% by Volume", ByVolume, outcome);
    if (!abv)
        return outcome;

    // Decide the unknown. A missing terminal gravity is predicted from the
    // attenuation when the alcohol is missing too; otherwise it is solved.
    int count = 0;
    int unknown = VarNone;
    if (*abv == 0.0) {
        ++count;
        unknown = VarByVolume;
    }
    if (*og == 0.0) {
        ++count;
        unknown = VarOriginal;
    }
    if (*tg == 0.0) {
        if (*attenuation != 0.0) {
            if (*abv == 0.0) {
                unknown = VarByVolume;
            } else {
                ++count;
                unknown = VarTerminal;
            }
        } else if (*abv != 0.0) {
            ++count;
            unknown = VarTerminal;
        } else {
            refuse(outcome, kMsgAttenuationNeeded);
            return outcome;
        }
    }
    if (count == 0) {
        refuse(outcome, kMsgNoneZero);
        return outcome;
    }
    if (count > 1) {
        refuse(outcome, kMsgSeveralZero);
        return outcome;
    }
    if (*og > 0.0 && outsideGravityRange(*og)) {
        refuse(outcome, kMsgGravityRange,
               formatMessage(kMsgGravityRange, "Original",
                             formatNumber(msg::FormatThreeDecimals, *og)));
        return outcome;
    }
    if (*tg > 0.0 && outsideGravityRange(*tg)) {
        refuse(outcome, kMsgGravityRange,
               formatMessage(kMsgGravityRange, "Terminal",
                             formatNumber(msg::FormatThreeDecimals, *tg)));
        return outcome;
    }
    if (*og > 0.0 && *og <= *tg) {
        refuse(outcome, kMsgTerminalNotBelow);
        return outcome;
    }
    if (*attenuation > 0.0 && (*attenuation < 50.0 || *attenuation > 95.0)) {
        refuse(outcome, kMsgAttenuationRange,
               formatMessage(kMsgAttenuationRange, formatNumber(msg::FormatWhole, *attenuation)));
        return outcome;
    }

    double original = *og, terminal = *tg, alcohol = *abv;
    switch (unknown) {
        case VarByVolume:
            if (terminal <= 1.0) {
                // The attenuation is the fraction of the points that remains.
                const double fraction = *attenuation > 0.0 ? *attenuation * 0.01 : 0.75;
                const double remaining = fraction * points(original);
                terminal = remaining * 0.001 + 1.0;
                alcohol = (points(original) - remaining) * kAlcoholPerPoint;
            } else {
                alcohol = (points(original) - points(terminal)) * kAlcoholPerPoint;
            }
            break;
        case VarOriginal:
            original = roundedWith(msg::FormatThreeDecimals,
                                   (alcohol * kPointsPerAlcohol + points(terminal)) * 0.001 + 1.0);
            break;
        case VarTerminal:
            terminal = roundedWith(msg::FormatThreeDecimals,
                                   1.0 - (alcohol * kPointsPerAlcohol - points(original)) * 0.001);
            break;
    }
    if (!resultShowable(outcome, kVariableNames[unknown], {original, terminal, alcohol})) {
        m_texts[fieldOf(unknown)].clear();
        return outcome;
    }
    m_state.solvingFor = unknown;

    m_texts[OriginalGravity] = fieldText(original);
    m_texts[TerminalGravity] = fieldText(terminal);
    m_texts[Attenuation] = fieldText(*attenuation);
    m_texts[ByVolume] = formatNumber(msg::FormatTwoDecimals, alcohol);
    m_texts[ByWeight] = formatNumber(msg::FormatTwoDecimals, alcohol * kWeightPerVolume);
    m_state.resultsEnabled = true;
    outcome.solved = true;
    outcome.focusField = fieldOf(m_state.focusVariable);
    return outcome;
}

SolveOutcome AlcoholSolver::recalculate() {
    m_state.beginRecalculate();
    if (m_state.solvingFor != VarNone) {
        m_texts[fieldOf(m_state.solvingFor)] = unknownText(m_state.solvingFor);
    }
    return calculate();
}

SolveOutcome AlcoholSolver::chooseVariable(int variable) {
    SolveOutcome outcome;
    if (variable < VarByVolume || variable > VarTerminal) {
        return outcome;
    }
    m_state.lastEdited = VarNone;
    m_state.solvingFor = variable;
    m_texts[fieldOf(variable)] = unknownText(variable);
    outcome.focusField = fieldOf(variable);
    return outcome;
}

SolveOutcome AlcoholSolver::clear() {
    restoreDefaults();
    m_state.solvingFor = VarNone;
    SolveOutcome outcome;
    outcome.focusField = ByVolume;
    return outcome;
}

}  // namespace mw::calc
