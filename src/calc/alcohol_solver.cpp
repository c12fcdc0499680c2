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

AlcoholSolver::AlcoholSolver()
    : VariableSolver(FieldCount, {ByVolume, OriginalGravity, TerminalGravity}, "0.000", ByVolume) {
    restoreDefaults();
}

void AlcoholSolver::restoreDefaults() {
    field(OriginalGravity) = fieldText(1.04);
    field(TerminalGravity) = fieldText(1.03);
    field(Attenuation) = fieldText(75.0);
    field(ByVolume) = "0.0";
    field(ByWeight) = "0.0";
}

SolveOutcome AlcoholSolver::calculate() {
    SolveOutcome outcome;
    beginCalculate({OriginalGravity, TerminalGravity, Attenuation, ByVolume});
    const auto og =
        readNumberField(text(OriginalGravity), "Original Gravity", OriginalGravity, outcome);
    if (!og)
        return outcome;
    const auto tg =
        readNumberField(text(TerminalGravity), "Terminal Gravity", TerminalGravity, outcome);
    if (!tg)
        return outcome;
    const auto attenuation =
        readNumberField(text(Attenuation), "Yeast Attenuation", Attenuation, outcome);
    if (!attenuation)
        return outcome;
    const auto abv = readNumberField(text(ByVolume), "% by Volume", ByVolume, outcome);
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
        if (*attenuation != 0.0 && *abv == 0.0) {
            unknown = VarByVolume;
        } else if (*attenuation != 0.0 || *abv != 0.0) {
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
        emptyUnknown(unknown);
        return outcome;
    }
    field(OriginalGravity) = fieldText(original);
    field(TerminalGravity) = fieldText(terminal);
    field(Attenuation) = fieldText(*attenuation);
    field(ByVolume) = formatNumber(msg::FormatTwoDecimals, alcohol);
    field(ByWeight) = formatNumber(msg::FormatTwoDecimals, alcohol * kWeightPerVolume);
    finishSolve(unknown, outcome);
    return outcome;
}

}  // namespace mw::calc
