#pragma once

#include <QString>
#include <optional>

namespace mw::beerxml {

// The exact factors between the measures a BeerXML file uses (kilograms,
// litres, degrees Celsius) and the English measures of a recipe.
inline constexpr double kKgPerPound = 0.45359237;
inline constexpr double kKgPerOunce = 0.028349523125;
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kLitresPerTeaspoon = 0.00492892159375;
// Gravity points of one pound of sucrose in one US gallon: a fermentable's
// yield in percent of this gives its extract potential.
inline constexpr double kSucrosePoints = 46.214;

double fahrenheitFromCelsius(double celsius);
double celsiusFromFahrenheit(double fahrenheit);

// Extract potential as a specific gravity (1.036) from a yield in percent, and back.
double potentialFromYield(double yieldPercent);
double yieldFromPotential(double specificGravity);

// Rounds to a number of decimals, so that a value converted there and back
// reads exactly as it was stored.
double roundTo(double value, int decimals);

// What a number in a BeerXML field measures: each kind has its standard unit
// and the unit words that files of other programs write after the number.
enum class Quantity { Mass, Volume, Temperature, Minutes, Days, Percent, Gravity, Colour, Plain };

struct ReadNumber {
    double value = 0.0;      // in the standard unit of the kind
    QString unitWord;        // as written, empty when none
    bool converted = false;  // the unit word was not the standard one
};

enum class NumberProblem { None, NotANumber, UnknownUnit };

// Reads a field's text: a number with an optional unit word or "%" after it.
// An empty text gives no number and no problem.
std::optional<ReadNumber> readNumber(const QString& text, Quantity kind, NumberProblem* problem);

// A number as a BeerXML file writes it: up to ten significant digits, no
// exponent, no trailing zeros.
QString numberText(double value);

}  // namespace mw::beerxml
