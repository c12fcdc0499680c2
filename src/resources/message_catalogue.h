#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Well-known catalogue numbers that several layers share.
namespace msg {
inline constexpr int FormatUnsigned = 191;       // "%lu"
inline constexpr int FormatOneDecimal = 192;     // "%.1f"
inline constexpr int FormatThreeDecimals = 193;  // "%.3f"
inline constexpr int FormatWhole = 194;          // "%.0f"
inline constexpr int FormatTwoDecimals = 214;    // "%.2f"
}  // namespace msg

// True when the catalogue holds a text under this number.
bool catalogueHas(int number);

// The text stored under a number. A number the catalogue does not hold yields
// a visible placeholder naming the number, never an empty text.
std::string_view catalogueText(int number);

// Every number the catalogue holds, ascending.
std::vector<int> catalogueNumbers();

// Replaces the placeholders %1 ... %9 of a pattern with the given texts, left to
// right in one pass: a replacement is never scanned again, and a placeholder
// without a matching argument (or any other %) stays as it stands.
std::string formatStrings(std::string_view pattern, std::initializer_list<std::string_view> args);

// The catalogue text with %1 (and %2) replaced.
std::string formatMessage(int number, std::string_view arg1);
std::string formatMessage(int number, std::string_view arg1, std::string_view arg2);

// Row messages are formed in two steps: %1 and %2 are replaced, then the
// result's %d receives the row number. Only the %d that the catalogue text
// itself holds takes the row; a % that an argument (a cell text) brought in
// stays exactly as typed.
std::string formatRowMessage(int number, std::string_view arg1, std::string_view arg2, long row);

}  // namespace mw
