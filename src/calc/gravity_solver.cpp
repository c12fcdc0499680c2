#include "calc/gravity_solver.h"

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {
constexpr int kMsgNoneZero = 238;
constexpr int kMsgSeveralZero = 239;
constexpr int kMsgEfficiencyNeeded = 240;
constexpr int kMsgEfficiencyRange = 248;
constexpr int kMsgPotentialRange = 249;
constexpr int kMsgNoGravityPoints = 1004;

constexpr double kKilogramsToPounds = 2.2;
const char* const kVariableNames[] = {"Original Gravity", "Weight", "Extract Potential",
                                      "Boil Volume"};
}  // namespace

GravitySolver::GravitySolver()
    : VariableSolver(FieldCount, {OriginalGravity, Weight, Potential, BoilVolume}, "0", Weight) {
    restoreDefaults();
}

void GravitySolver::restoreDefaults() {
    field(Weight) = fieldText(1.0);
    field(Potential) = fieldText(1.03);
    field(BoilVolume) = fieldText(5.0);
    field(Efficiency) = fieldText(80.0);
    field(OriginalGravity) = "0.0";
    field(Balling) = "0";
    m_unit = Pounds;
    m_efficiencyEnabled = true;
    m_ingredientName = "None Selected";
}

SolveOutcome GravitySolver::calculate() {
    SolveOutcome outcome;
    beginCalculate({Weight, Potential, BoilVolume, Efficiency, OriginalGravity});
    const auto weight = readNumberField(text(Weight), "Weight", Weight, outcome);
    if (!weight)
        return outcome;
    const auto potential =
        readNumberField(text(Potential), "Extract Potential", Potential, outcome);
    if (!potential)
        return outcome;
    const auto volume = readNumberField(text(BoilVolume), "Boil Volume", BoilVolume, outcome);
    if (!volume)
        return outcome;
    const auto efficiency = readNumberField(text(Efficiency), "Efficiency", Efficiency, outcome);
    if (!efficiency)
        return outcome;
    const auto gravity =
        readNumberField(text(OriginalGravity), "Original Gravity", OriginalGravity, outcome);
    if (!gravity)
        return outcome;

    if (*efficiency == 0.0) {
        refuse(outcome, kMsgEfficiencyNeeded);
        return outcome;
    }
    const int unknown = soleZero({*gravity, *weight, *potential, *volume});
    if (unknown == kNoZero) {
        refuse(outcome, kMsgNoneZero);
        return outcome;
    }
    if (unknown == kSeveralZeros) {
        refuse(outcome, kMsgSeveralZero);
        return outcome;
    }
    if (*potential > 0.0 && (*potential < 1.0 || *potential > 1.2)) {
        refuse(
            outcome, kMsgPotentialRange,
            formatMessage(kMsgPotentialRange, formatNumber(msg::FormatThreeDecimals, *potential)));
        return outcome;
    }
    if (*efficiency > 0.0 && (*efficiency < 25.0 || *efficiency > 100.0)) {
        refuse(outcome, kMsgEfficiencyRange,
               formatMessage(kMsgEfficiencyRange, formatNumber(msg::FormatWhole, *efficiency)));
        return outcome;
    }
    // Solving for the weight needs potential points, for the volume gravity points.
    if ((unknown == VarWeight && *potential == 1.0) ||
        (unknown == VarBoilVolume && *gravity == 1.0)) {
        emptyUnknown(unknown);
        const bool weightUnknown = unknown == VarWeight;
        refuse(outcome, kMsgNoGravityPoints,
               formatMessage(kMsgNoGravityPoints, kVariableNames[unknown],
                             weightUnknown ? "Extract Potential" : "Original Gravity"));
        outcome.focusField = weightUnknown ? Potential : OriginalGravity;
        return outcome;
    }

    const bool kilograms = m_unit == Kilograms;
    double pounds = kilograms ? *weight * kKilogramsToPounds : *weight;
    double p = *potential, v = *volume, g = *gravity, weightShown = *weight;
    const double e = *efficiency;
    switch (unknown) {
        case VarGravity:
            g = ((p - 1.0) * 1000.0 * pounds / v) * e * 0.01 * 0.001 + 1.0;
            break;
        case VarWeight:
            pounds = ((g - 1.0) * 1000.0 / (e * 0.01)) * v / ((p - 1.0) * 1000.0);
            weightShown = kilograms ? pounds / kKilogramsToPounds : pounds;
            break;
        case VarPotential:
            p = (((g - 1.0) * 1000.0 / (e * 0.01)) * v / pounds) * 0.001 + 1.0;
            break;
        case VarBoilVolume:
            v = (p - 1.0) * 1000.0 * pounds * e * 0.01 / ((g - 1.0) * 1000.0);
            break;
    }
    if (!resultShowable(outcome, kVariableNames[unknown], {g, weightShown, p, v})) {
        emptyUnknown(unknown);
        return outcome;
    }
    switch (unknown) {
        case VarGravity:
            g = roundedWith(msg::FormatThreeDecimals, g);
            break;
        case VarWeight:
            weightShown = roundedWith(msg::FormatWhole, weightShown);
            break;
        case VarPotential:
            p = roundedWith(msg::FormatThreeDecimals, p);
            break;
        case VarBoilVolume:
            v = roundedWith(msg::FormatWhole, v);
            break;
    }
    field(Weight) = fieldText(weightShown);
    field(Potential) = fieldText(p);
    field(BoilVolume) = fieldText(v);
    field(Efficiency) = fieldText(e);
    field(OriginalGravity) = formatNumber(msg::FormatThreeDecimals, g);
    field(Balling) = formatNumber(msg::FormatOneDecimal, (g - 1.0) * 250.0);
    finishSolve(unknown, outcome);
    return outcome;
}

void GravitySolver::selectIngredient(Ingredient kind, const std::string& name,
                                     double specificGravity) {
    field(Potential) = fieldText(specificGravity);
    m_ingredientName = name;
    const bool grain = kind == Ingredient::Grain;
    field(Efficiency) = fieldText(grain ? 80.0 : 100.0);
    m_efficiencyEnabled = grain;
}

}  // namespace mw::calc
