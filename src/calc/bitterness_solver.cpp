#include "calc/bitterness_solver.h"

#include "calc/hop_utilization.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {
constexpr int kMsgNoneZero = 221;
constexpr int kMsgSeveralZero = 222;
constexpr int kMsgTimeAndGravityNeeded = 223;
constexpr int kMsgUtilizationZero = 1003;

// mg/l of alpha acid per ounce in a US gallon, or per gram in a litre.
constexpr double kEnglishFactor = 7490.0;
constexpr double kMetricFactor = 1000.0;

const char* const kVariableNames[] = {"IBUs", "Weight", "Alpha Acid", "Boil Volume"};
}  // namespace

BitternessSolver::BitternessSolver(const HopUtilizationTable& table) : m_table(table) {
    restoreDefaults();
    m_state.solvingFor = VarIbu;
}

BitternessSolver::Field BitternessSolver::fieldOf(int variable) {
    switch (variable) {
        case VarIbu:
            return Ibu;
        case VarAlpha:
            return Alpha;
        case VarBoilVolume:
            return BoilVolume;
        default:
            return Weight;
    }
}

void BitternessSolver::restoreDefaults() {
    m_texts[Weight] = fieldText(1.0);
    m_texts[Alpha] = fieldText(0.0);
    m_texts[BoilVolume] = fieldText(5.0);
    m_texts[Gravity] = fieldText(1.03);
    m_texts[BoilTime] = "3";
    m_texts[Ibu] = "0";
    m_texts[Hbu] = "0.0";
    m_measurement = English;
    m_state = SolverState{};
    m_utilizationStale = false;
    SolveOutcome ignored;
    refreshUtilization(3, 1.03, ignored);
    showHop("None Selected", 0.0);
}

void BitternessSolver::showHop(const std::string& name, double alpha) {
    m_hopLabel = name + ", " + formatNumber(msg::FormatOneDecimal, alpha);
}

void BitternessSolver::editText(Field field, std::string text) {
    m_texts[field] = std::move(text);
    switch (field) {
        case Ibu:
            m_state.lastEdited = VarIbu;
            break;
        case Weight:
            m_state.lastEdited = VarWeight;
            break;
        case Alpha:
            m_state.lastEdited = VarAlpha;
            break;
        case BoilVolume:
            m_state.lastEdited = VarBoilVolume;
            break;
        case Gravity:
        case BoilTime:
            m_utilizationStale = true;
            break;
        default:
            break;
    }
}

double BitternessSolver::refreshUtilization(int boilMinutes, double gravity,
                                            SolveOutcome& outcome) {
    UtilizationLookup found = m_table.lookup(boilMinutes, gravity);
    for (CalcNotice& notice : found.notices) {
        outcome.messages.push_back(
            {notice.number, std::move(notice.text), PromptIcon::Information});
    }
    m_texts[Utilization] = formatNumber(msg::FormatThreeDecimals, found.utilization);
    return found.utilization;
}

SolveOutcome BitternessSolver::calculate() {
    SolveOutcome outcome;
    m_state.rememberFocus();
    for (Field f : {Weight, Alpha, BoilVolume, Gravity, BoilTime, Ibu}) {
        zeroIfEmpty(m_texts[f]);
    }
    const auto weight = readNumberField(m_texts[Weight], "Weight", Weight, outcome);
    if (!weight)
        return outcome;
    const auto alpha = readNumberField(m_texts[Alpha], "% Alpha acid", Alpha, outcome);
    if (!alpha)
        return outcome;
    const auto volume = readNumberField(m_texts[BoilVolume], "Boil Volume", BoilVolume, outcome);
    if (!volume)
        return outcome;
    const auto gravity = readNumberField(m_texts[Gravity], "Original Gravity", Gravity, outcome);
    if (!gravity)
        return outcome;
    const auto minutes = readWholeField(m_texts[BoilTime], "Boil Time", BoilTime, outcome);
    if (!minutes)
        return outcome;
    const auto ibu = readNumberField(m_texts[Ibu], "IBUs", Ibu, outcome);
    if (!ibu)
        return outcome;

    if (*minutes == 0 || *gravity == 0.0) {
        refuse(outcome, kMsgTimeAndGravityNeeded);
        return outcome;
    }
    int zeros = 0;
    int unknown = VarNone;
    const double values[] = {*ibu, *weight, *alpha, *volume};
    for (int v = VarIbu; v <= VarBoilVolume; ++v) {
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

    const double u = refreshUtilization(*minutes, *gravity, outcome);
    if (u == 0.0 && unknown != VarIbu) {
        // Every other unknown would divide by the utilization (or come out 0).
        m_texts[fieldOf(unknown)].clear();
        refuse(outcome, kMsgUtilizationZero,
               formatMessage(kMsgUtilizationZero, kVariableNames[unknown]));
        outcome.focusField = BoilTime;
        return outcome;
    }

    const double k = m_measurement == English ? kEnglishFactor : kMetricFactor;
    double w = *weight, a = *alpha, v = *volume, bitterness = *ibu;
    switch (unknown) {
        case VarIbu:
            bitterness = a * 0.01 * k * w * u / v;
            break;
        case VarWeight:
            w = bitterness * v / (a * 0.01 * k * u);
            break;
        case VarAlpha:
            a = bitterness * v / (k * w * u) * 100.0;
            break;
        case VarBoilVolume:
            v = a * 0.01 * k * w * u / bitterness;
            break;
    }
    const double hbuRaw = static_cast<double>(*minutes) * (1.0 / 60.0) * a * w;
    if (!resultShowable(outcome, kVariableNames[unknown], {bitterness, w, a, v, hbuRaw})) {
        m_texts[fieldOf(unknown)].clear();
        return outcome;
    }
    // A solved weight, alpha or volume is a whole number.
    switch (unknown) {
        case VarWeight:
            w = roundedWith(msg::FormatWhole, w);
            break;
        case VarAlpha:
            a = roundedWith(msg::FormatWhole, a);
            break;
        case VarBoilVolume:
            v = roundedWith(msg::FormatWhole, v);
            break;
        default:
            break;
    }
    m_state.solvingFor = unknown;

    const double hbu = static_cast<double>(*minutes) * (1.0 / 60.0) * a * w;
    m_texts[Weight] = fieldText(w);
    m_texts[Alpha] = fieldText(a);
    m_texts[BoilVolume] = fieldText(v);
    m_texts[Gravity] = fieldText(*gravity);
    m_texts[BoilTime] = std::to_string(*minutes);
    m_texts[Ibu] = formatNumber(msg::FormatWhole, bitterness);
    m_texts[Hbu] = formatNumber(msg::FormatOneDecimal, hbu);
    m_state.resultsEnabled = true;
    outcome.solved = true;
    outcome.focusField = fieldOf(m_state.focusVariable);
    return outcome;
}

SolveOutcome BitternessSolver::recalculate() {
    m_state.beginRecalculate();
    if (m_state.solvingFor != VarNone) {
        m_texts[fieldOf(m_state.solvingFor)] = m_state.solvingFor == VarIbu ? "" : "0";
    }
    return calculate();
}

SolveOutcome BitternessSolver::chooseVariable(int variable) {
    SolveOutcome outcome;
    if (variable < VarIbu || variable > VarBoilVolume) {
        return outcome;
    }
    m_state.lastEdited = VarNone;
    m_state.solvingFor = variable;
    m_texts[fieldOf(variable)] = variable == VarIbu ? "" : "0";
    outcome.focusField = fieldOf(variable);
    return outcome;
}

SolveOutcome BitternessSolver::clear() {
    restoreDefaults();
    m_state.solvingFor = VarNone;
    SolveOutcome outcome;
    outcome.focusField = Weight;
    return outcome;
}

SolveOutcome BitternessSolver::setMeasurement(Measurement measurement) {
    m_measurement = measurement;
    return recalculate();
}

SolveOutcome BitternessSolver::leaveField(Field field) {
    SolveOutcome outcome;
    if ((field != Gravity && field != BoilTime) || !m_utilizationStale) {
        return outcome;
    }
    m_utilizationStale = false;
    const double u = refreshUtilization(leadingInteger(m_texts[BoilTime]),
                                        leadingNumber(m_texts[Gravity]), outcome);
    if (u == 0.0) {
        outcome.focusField = field;
    }
    return outcome;
}

void BitternessSolver::selectHop(const std::string& name, double alpha) {
    m_texts[Alpha] = fieldText(alpha);
    showHop(name, alpha);
}

}  // namespace mw::calc
