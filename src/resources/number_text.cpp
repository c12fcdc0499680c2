#include "resources/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

#include "resources/message_catalogue.h"

namespace mw {

namespace {

constexpr int kMaxPrecision = 1100;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Length of the longest prefix of `text` that is a decimal floating-point
// number (sign, digits, point, exponent); 0 when there is none.
std::size_t decimalPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Converts a text that is exactly a decimal number (as found by
// decimalPrefixLength); nullopt when it is out of the double range.
std::optional<double> convertDecimal(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow does not convert.
        const std::size_t e = number.find_first_of("eE");
        const bool negativeExponent =
            e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        if (!negativeExponent) {
            return std::nullopt;
        }
        value = 0.0;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string toChars(double value, std::chars_format fmt, int precision) {
    // Room for the 309 digits of the largest double before the point, and the precision after.
    std::string text(400 + static_cast<std::size_t>(precision), '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, fmt, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

// Fixed-point text with a value exactly half-way between two results rounded
// away from zero (5.25 with one decimal reads 5.3, 2.5 with none reads 3), as
// the program has always written its figures; every other value is rounded
// to the nearest.
std::string fixedText(double value, int precision) {
    if (precision < 40 && std::fabs(value) < 1e15) {
        // The exact decimal expansion of a double this size ends within 60 digits.
        const std::string exact = toChars(value, std::chars_format::fixed, 60);
        const std::size_t point = exact.find('.');
        const std::size_t tieDigit = point + 1 + static_cast<std::size_t>(precision);
        if (point != std::string::npos && tieDigit < exact.size() && exact[tieDigit] == '5' &&
            exact.find_first_not_of('0', tieDigit + 1) == std::string::npos) {
            value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
        }
    }
    return toChars(value, std::chars_format::fixed, precision);
}

}  // namespace

std::string formatNumber(std::string_view format, double value) {
    const std::size_t percent = format.find('%');
    if (percent == std::string_view::npos) {
        return std::string(format);
    }
    std::size_t i = percent + 1;
    int precision = 6;
    if (i < format.size() && format[i] == '.') {
        ++i;
        precision = 0;
        while (i < format.size() && isDigit(format[i])) {
            // Digits beyond the exact expansion of any double (1074 places) add only zeros.
            precision = std::min(precision * 10 + (format[i] - '0'), kMaxPrecision);
            ++i;
        }
    }
    while (i < format.size() && (format[i] == 'l' || format[i] == 'h')) {
        ++i;
    }
    if (i >= format.size()) {
        return std::string(format);
    }
    const char conversion = format[i];
    std::string number;
    if (!std::isfinite(value)) {
        number = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    } else if (conversion == 'f') {
        number = fixedText(value, precision);
    } else if (conversion == 'g') {
        number = toChars(value, std::chars_format::general, precision == 0 ? 1 : precision);
    } else if (conversion == 'u' || conversion == 'd' || conversion == 'i') {
        // Whole-number conversions print the signed value: a boil time of -5
        // reads as -5, not as a wrapped-around unsigned figure.
        const double truncated = std::trunc(value);
        number = truncated >= static_cast<double>(LLONG_MAX) ||
                         truncated <= static_cast<double>(LLONG_MIN)
                     ? toChars(truncated, std::chars_format::fixed, 0)
                     : std::to_string(static_cast<long long>(truncated));
    } else {
        return std::string(format);
    }
    std::string out(format.substr(0, percent));
    out += number;
    out += format.substr(i + 1);
    return out;
}

std::string formatNumber(int formatNumberId, double value) {
    return formatNumber(catalogueText(formatNumberId), value);
}

std::string fieldText(double value) {
    if (value == 0.0) {
        return "0";  // also for -0.0, which a dialog never shows with a sign
    }
    return formatNumber("%.15g", value);
}

double leadingNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    const std::size_t length = decimalPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    return convertDecimal(text.substr(0, length)).value_or(0.0);
}

std::optional<double> leadingNumberIfAny(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    const std::size_t length = decimalPrefixLength(text);
    if (length == 0) {
        return std::nullopt;
    }
    const std::string_view number = text.substr(0, length);
    if (const std::optional<double> value = convertDecimal(number)) {
        return value;
    }
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
}

int leadingInteger(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimmed(text);
    const std::size_t length = decimalPrefixLength(text);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    return convertDecimal(text);
}

std::optional<int> parseInteger(std::string_view text) {
    text = trimmed(text);
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    if (digits.size() > 10) {
        return std::nullopt;
    }
    const long long magnitude = std::stoll(std::string(digits));
    const long long value = text.front() == '-' ? -magnitude : magnitude;
    if (value > INT_MAX || value < INT_MIN) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace mw
