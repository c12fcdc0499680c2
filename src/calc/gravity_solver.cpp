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

GravitySolver::GravitySolver() {
    restoreDefaults();
    m_state.solvingFor = VarGravity;
}

GravitySolver::Field GravitySolver::fieldOf(int variable) {
    switch (variable) {
        case VarGravity:
            return OriginalGravity;
        case VarPotential:
            return Potential;
        case VarBoilVolume:
            return BoilVolume;
        default:
            return Weight;
    }
}

void GravitySolver::restoreDefaults() {
    m_texts[Weight] = fieldText(1.0);
    m_texts[Potential] = fieldText(1.03);
    m_texts[BoilVolume] = fieldText(5.0);
    m_texts[Efficiency] = fieldText(80.0);
    m_texts[OriginalGravity] = "0.0";
    m_texts[Balling] = "0";
    m_unit = Pounds;
    m_state = SolverState{};
    m_efficiencyEnabled = true;
    m_ingredientName = "None Selected";
}

void GravitySolver::editText(Field field, std::string text) {
    m_texts[field] = std::move(text);
    switch (field) {
        case OriginalGravity:
            m_state.lastEdited = VarGravity;
            break;
        case Weight:
            m_state.lastEdited = VarWeight;
            break;
        case Potential:
            m_state.lastEdited = VarPotential;
            break;
        case BoilVolume:
            m_state.lastEdited = VarBoilVolume;
            break;
        default:
            break;
    }
}

SolveOutcome GravitySolver::calculate() {
    SolveOutcome outcome;
    m_state.rememberFocus();
    for (Field f : {Weight, Potential, BoilVolume, Efficiency, OriginalGravity}) {
        zeroIfEmpty(m_texts[f]);
    }
    const auto weight = readNumberField(m_texts[Weight], "Weight", Weight, outcome);
    if (!weight)
        return outcome;
    const auto potential =
        readNumberField(m_texts[Potential], "Extract Potential", Potential, outcome);
    if (!potential)
        return outcome;
    const auto volume = readNumberField(m_texts[BoilVolume], "Boil Volume", BoilVolume, outcome);
    if (!volume)
        return outcome;
    const auto efficiency = readNumberField(m_texts[Efficiency], "Efficiency", Efficiency, outcome);
    if (!efficiency)
        return outcome;
    const auto gravity =
        readNumberField(m_texts[OriginalGravity], "Original Gravity", OriginalGravity, outcome);
    if (!gravity)
        return outcome;

    if (*efficiency == 0.0) {
        refuse(outcome, kMsgEfficiencyNeeded);
        return outcome;
    }
    int zeros = 0;
    int unknown = VarNone;
    const double values[] = {*gravity, *weight, *potential, *volume};
    for (int v = VarGravity; v <= VarBoilVolume; ++v) {
        if (values[v] == 0.0) {
            ++zeros;
            unknown = v;
        }
    }
    if (zeros == 0) {
        refuse(outcome, kMsgNoneZero);
        return outcome;
    }
    if (zeros > 1) {
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
        m_texts[fieldOf(unknown)].clear();
        const char* cause = unknown == VarWeight ? "Extract Potential" : "Original Gravity";
        refuse(outcome, kMsgNoGravityPoints,
               formatMessage(kMsgNoGravityPoints, kVariableNames[unknown], cause));
        outcome.focusField = unknown == VarWeight ? Potential : OriginalGravity;
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
        m_texts[fieldOf(unknown)].clear();
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
    m_state.solvingFor = unknown;

    m_texts[Weight] = fieldText(weightShown);
    m_texts[Potential] = fieldText(p);
    m_texts[BoilVolume] = fieldText(v);
    m_texts[Efficiency] = fieldText(e);
    m_texts[OriginalGravity] = formatNumber(msg::FormatThreeDecimals, g);
    m_texts[Balling] = formatNumber(msg::FormatOneDecimal, (g - 1.0) * 250.0);
    m_state.resultsEnabled = true;
    outcome.solved = true;
    outcome.focusField = fieldOf(m_state.focusVariable);
    return outcome;
}

SolveOutcome GravitySolver::recalculate() {
    m_state.beginRecalculate();
    if (m_state.solvingFor != VarNone) {
        m_texts[fieldOf(m_state.solvingFor)] = m_state.solvingFor == VarGravity ? "" : "0";
    }
    return calculate();
}

SolveOutcome GravitySolver::chooseVariable(int variable) {
    SolveOutcome outcome;
    if (variable < VarGravity || variable > VarBoilVolume) {
        return outcome;
    }
    m_state.lastEdited = VarNone;
    m_state.solvingFor = variable;
    m_texts[fieldOf(variable)] = variable == VarGravity ? "" : "0";
    outcome.focusField = fieldOf(variable);
    return outcome;
}

SolveOutcome GravitySolver::clear() {
    restoreDefaults();
    m_state.solvingFor = VarNone;
    SolveOutcome outcome;
    outcome.focusField = Weight;
    return outcome;
}

void GravitySolver::selectIngredient(Ingredient kind, const std::string& name,
                                     double specificGravity) {
    m_texts[Potential] = fieldText(specificGravity);
    m_ingredientName = name;
    const bool grain = kind == Ingredient::Grain;
    m_texts[Efficiency] = fieldText(grain ? 80.0 : 100.0);
    m_efficiencyEnabled = grain;
}

}  // namespace mw::calc
