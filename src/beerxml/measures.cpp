#include "beerxml/measures.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace mw::beerxml {

double fahrenheitFromCelsius(double celsius) {
    return celsius * 1.8 + 32.0;
}
double celsiusFromFahrenheit(double fahrenheit) {
    return (fahrenheit - 32.0) / 1.8;
}

double potentialFromYield(double yieldPercent) {
    return 1.0 + yieldPercent * 0.01 * kSucrosePoints * 0.001;
}

double yieldFromPotential(double specificGravity) {
    return (specificGravity - 1.0) * 1000.0 / kSucrosePoints * 100.0;
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double r = std::round(value * scale) / scale;
    return r == 0.0 ? 0.0 : r;  // no negative zero
}

namespace {

struct UnitWord {
    const char* word;
    double factor;
    double offset;  // added after the factor (temperatures)
};

// The standard unit of each kind comes first, with factor 1.
const UnitWord kMass[] = {{"kg", 1, 0},
                          {"kgs", 1, 0},
                          {"kilogram", 1, 0},
                          {"kilograms", 1, 0},
                          {"g", 0.001, 0},
                          {"gr", 0.001, 0},
                          {"gram", 0.001, 0},
                          {"grams", 0.001, 0},
                          {"lb", kKgPerPound, 0},
                          {"lbs", kKgPerPound, 0},
                          {"pound", kKgPerPound, 0},
                          {"pounds", kKgPerPound, 0},
                          {"oz", kKgPerOunce, 0},
                          {"ounce", kKgPerOunce, 0},
                          {"ounces", kKgPerOunce, 0}};
const UnitWord kVolume[] = {{"l", 1, 0},
                            {"liter", 1, 0},
                            {"liters", 1, 0},
                            {"litre", 1, 0},
                            {"litres", 1, 0},
                            {"ml", 0.001, 0},
                            {"gal", kLitresPerGallon, 0},
                            {"gallon", kLitresPerGallon, 0},
                            {"gallons", kLitresPerGallon, 0}};
const UnitWord kTemperature[] = {{"c", 1, 0},
                                 {"°c", 1, 0},
                                 {"degc", 1, 0},
                                 {"celsius", 1, 0},
                                 {"f", 1 / 1.8, -32 / 1.8},
                                 {"°f", 1 / 1.8, -32 / 1.8},
                                 {"degf", 1 / 1.8, -32 / 1.8},
                                 {"fahrenheit", 1 / 1.8, -32 / 1.8}};
const UnitWord kMinutes[] = {{"min", 1, 0},     {"mins", 1, 0},   {"minute", 1, 0},
                             {"minutes", 1, 0}, {"hr", 60, 0},    {"hrs", 60, 0},
                             {"hour", 60, 0},   {"hours", 60, 0}, {"h", 60, 0}};
const UnitWord kDays[] = {{"days", 1, 0}, {"day", 1, 0},   {"d", 1, 0},
                          {"week", 7, 0}, {"weeks", 7, 0}, {"wk", 7, 0}};
const UnitWord kPercent[] = {{"%", 1, 0}, {"percent", 1, 0}};
const UnitWord kGravity[] = {{"sg", 1, 0}};
const UnitWord kColour[] = {
    {"srm", 1, 0}, {"l", 1, 0}, {"°l", 1, 0}, {"lovibond", 1, 0}, {"ebc", 0.508, 0}};

template <std::size_t N>
const UnitWord* findUnit(const UnitWord (&units)[N], const QString& word) {
    for (const UnitWord& u : units) {
        if (word == QLatin1String(u.word)) {
            return &u;
        }
    }
    return nullptr;
}

const UnitWord* unitOf(Quantity kind, const QString& word, bool* standard) {
    const UnitWord* found = nullptr;
    const UnitWord* first = nullptr;
    switch (kind) {
        case Quantity::Mass:
            found = findUnit(kMass, word);
            first = kMass;
            break;
        case Quantity::Volume:
            found = findUnit(kVolume, word);
            first = kVolume;
            break;
        case Quantity::Temperature:
            found = findUnit(kTemperature, word);
            first = kTemperature;
            break;
        case Quantity::Minutes:
            found = findUnit(kMinutes, word);
            first = kMinutes;
            break;
        case Quantity::Days:
            found = findUnit(kDays, word);
            first = kDays;
            break;
        case Quantity::Percent:
            found = findUnit(kPercent, word);
            first = kPercent;
            break;
        case Quantity::Gravity:
            found = findUnit(kGravity, word);
            first = kGravity;
            break;
        case Quantity::Colour:
            found = findUnit(kColour, word);
            first = kColour;
            break;
        case Quantity::Plain:
            break;
    }
    *standard = found != nullptr && found->factor == first->factor && found->offset == 0;
    return found;
}

}  // namespace

std::optional<ReadNumber> readNumber(const QString& text, Quantity kind, NumberProblem* problem) {
    *problem = NumberProblem::None;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression number(
        QStringLiteral("^([+-]?(?:\\d+(?:[.,]\\d*)?|[.,]\\d+)(?:[eE][+-]?\\d+)?)\\s*(.*)$"));
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch()) {
        *problem = NumberProblem::NotANumber;
        return std::nullopt;
    }
    QString digits = m.captured(1);
    if (digits.contains(QLatin1Char(','))) {
        digits.replace(QLatin1Char(','), QLatin1Char('.'));  // a decimal comma
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        *problem = NumberProblem::NotANumber;
        return std::nullopt;
    }
    ReadNumber r;
    r.value = value;
    QString word = m.captured(2).trimmed().toLower();
    if (word.endsWith(QLatin1Char('.'))) {
        word.chop(1);
    }
    word.remove(QLatin1Char(' '));
    r.unitWord = m.captured(2).trimmed();
    if (word.isEmpty()) {
        return r;
    }
    bool standard = false;
    const UnitWord* unit = unitOf(kind, word, &standard);
    if (unit == nullptr) {
        *problem = NumberProblem::UnknownUnit;
        return std::nullopt;
    }
    r.value = value * unit->factor + unit->offset;
    r.converted = !standard;
    return r;
}

QString numberText(double value) {
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(9 - magnitude, 0, 12);
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(QLatin1Char('.'))) {
            s.chop(1);
        }
    }
    return s;
}

}  // namespace mw::beerxml
