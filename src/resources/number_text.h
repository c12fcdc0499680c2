#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mw {

// Numbers to texts and back, independent of the process locale: a brewer in a
// comma-decimal locale still reads and types 1.048, exactly as the recipe
// database and the printed reports have it.

// Writes a number with a printf-style format of the catalogue: "%.Nf", "%.Ng",
// "%lu", "%d" or "%ld" (other text around the conversion is kept). A value
// exactly half-way is rounded away from zero ("%.1f" of 5.25 is "5.3"). A
// whole-number conversion writes the value truncated towards zero, with its sign.
std::string formatNumber(std::string_view format, double value);

// Writes a number with the catalogue format string of that number (191 "%lu",
// 192 "%.1f", 193 "%.3f", 194 "%.0f", 214 "%.2f").
std::string formatNumber(int formatNumberId, double value);

// How a dialog shows a double field: 15 significant digits, no trailing zeros
// ("1", "1.03", "0.034").
std::string fieldText(double value);

// The leading number of a text, as the C library's atof reads it: leading white
// space, a sign, digits with an optional decimal point and exponent; anything
// after is ignored. A text without a leading number reads as 0, and so does a
// value too large for a double. "inf", "nan" and hexadecimal texts read as 0.
double leadingNumber(std::string_view text);

// The leading number of a text as strtod reads it: nullopt when the text, after
// leading white space, does not begin with a decimal number ("abc", "%5", "");
// a value too large for a double reads as HUGE_VAL with its sign.
std::optional<double> leadingNumberIfAny(std::string_view text);

// The leading whole number of a text, as atoi reads it ("7.5" reads as 7);
// values beyond the int range are clamped.
int leadingInteger(std::string_view text);

// A text that is one finite decimal number and nothing else (blanks around it
// allowed); nullopt otherwise.
std::optional<double> parseNumber(std::string_view text);

// A text that is one whole number and nothing else (blanks around it allowed),
// within the int range; nullopt otherwise.
std::optional<int> parseInteger(std::string_view text);

}  // namespace mw
