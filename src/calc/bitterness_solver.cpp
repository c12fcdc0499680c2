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

BitternessSolver::BitternessSolver(const HopUtilizationTable& table)
    : VariableSolver(FieldCount, {Ibu, Weight, Alpha, BoilVolume}, "0", Weight), m_table(table) {
    restoreDefaults();
}

void BitternessSolver::restoreDefaults() {
    field(Weight) = fieldText(1.0);
    field(Alpha) = fieldText(0.0);
    field(BoilVolume) = fieldText(5.0);
    field(Gravity) = fieldText(1.03);
    field(BoilTime) = "3";
    field(Ibu) = "0";
    field(Hbu) = "0.0";
    m_measurement = English;
    m_utilizationStale = false;
    SolveOutcome ignored;
    refreshUtilization(3, 1.03, ignored);
    showHop("None Selected", 0.0);
}

void BitternessSolver::showHop(const std::string& name, double alpha) {
    m_hopLabel = name + ", " + formatNumber(msg::FormatOneDecimal, alpha);
}

void BitternessSolver::editText(int f, std::string text) {
    VariableSolver::editText(f, std::move(text));
    if (f == Gravity || f == BoilTime) {
        m_utilizationStale = true;
    }
}

double BitternessSolver::refreshUtilization(int boilMinutes, double gravity,
                                            SolveOutcome& outcome) {
    UtilizationLookup found = m_table.lookup(boilMinutes, gravity);
    for (CalcNotice& notice : found.notices) {
        outcome.messages.push_back(
            {notice.number, std::move(notice.text), PromptIcon::Information});
    }
    field(Utilization) = formatNumber(msg::FormatThreeDecimals, found.utilization);
    return found.utilization;
}

SolveOutcome BitternessSolver::calculate() {
    SolveOutcome outcome;
    beginCalculate({Weight, Alpha, BoilVolume, Gravity, BoilTime, Ibu});
    const auto weight = readNumberField(text(Weight), "Weight", Weight, outcome);
    if (!weight)
        return outcome;
    const auto alpha = readNumberField(text(Alpha), "% Alpha acid", Alpha, outcome);
    if (!alpha)
        return outcome;
    const auto volume = readNumberField(text(BoilVolume), "Boil Volume", BoilVolume, outcome);
    if (!volume)
        return outcome;
    const auto gravity = readNumberField(text(Gravity), "Original Gravity", Gravity, outcome);
    if (!gravity)
        return outcome;
    const auto minutes = readWholeField(text(BoilTime), "Boil Time", BoilTime, outcome);
    if (!minutes)
        return outcome;
    const auto ibu = readNumberField(text(Ibu), "IBUs", Ibu, outcome);
    if (!ibu)
        return outcome;

    if (*minutes == 0 || *gravity == 0.0) {
        refuse(outcome, kMsgTimeAndGravityNeeded);
        return outcome;
    }
    const int unknown = soleZero({*ibu, *weight, *alpha, *volume});
    if (unknown == kNoZero) {
        refuse(outcome, kMsgNoneZero);
        return outcome;
    }
    if (unknown == kSeveralZeros) {
        refuse(outcome, kMsgSeveralZero);
        return outcome;
    }

    const double u = refreshUtilization(*minutes, *gravity, outcome);
    if (u == 0.0 && (unknown == VarWeight || unknown == VarAlpha)) {
        // The weight and the alpha would divide by the utilization; the IBU and
        // the boil volume simply come out 0.
        emptyUnknown(unknown);
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
    if (!resultShowable(outcome, kVariableNames[unknown],
                        {bitterness, w, a, v, static_cast<double>(*minutes) * a * w})) {
        emptyUnknown(unknown);
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
    const double hbu = static_cast<double>(*minutes) * (1.0 / 60.0) * a * w;
    field(Weight) = fieldText(w);
    field(Alpha) = fieldText(a);
    field(BoilVolume) = fieldText(v);
    field(Gravity) = fieldText(*gravity);
    field(BoilTime) = std::to_string(*minutes);
    field(Ibu) = formatNumber(msg::FormatWhole, bitterness);
    field(Hbu) = formatNumber(msg::FormatOneDecimal, hbu);
    finishSolve(unknown, outcome);
    return outcome;
}

SolveOutcome BitternessSolver::setMeasurement(Measurement measurement) {
    m_measurement = measurement;
    return recalculate();
}

SolveOutcome BitternessSolver::leaveField(Field f) {
    SolveOutcome outcome;
    if ((f != Gravity && f != BoilTime) || !m_utilizationStale) {
        return outcome;
    }
    m_utilizationStale = false;
    const double u = refreshUtilization(fieldWholeNumber(text(BoilTime)).value_or(0),
                                        fieldNumber(text(Gravity)).value_or(0.0), outcome);
    if (u == 0.0) {
        outcome.focusField = f;
    }
    return outcome;
}

void BitternessSolver::selectHop(const std::string& name, double alpha) {
    field(Alpha) = fieldText(alpha);
    showHop(name, alpha);
}

}  // namespace mw::calc
