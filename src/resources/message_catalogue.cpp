#include "resources/message_catalogue.h"

#include <algorithm>
#include <string>

#include "resources/catalogue_entries.h"

namespace mw {

namespace {

const CatalogueEntry* findEntry(int number) {
    const CatalogueEntry* begin = kCatalogueEntries;
    const CatalogueEntry* end = kCatalogueEntries + kCatalogueEntryCount;
    const CatalogueEntry* it = std::lower_bound(
        begin, end, number, [](const CatalogueEntry& e, int n) { return e.number < n; });
    return (it != end && it->number == number) ? it : nullptr;
}

bool isPlaceholderDigit(char c) {
    return c >= '1' && c <= '9';
}

// Shared scanner of formatStrings and formatRowMessage: copies the pattern,
// putting args[i] in place of %<i+1> and, when a row text is given, the row in
// place of the pattern's own %d.
std::string expand(std::string_view pattern, std::initializer_list<std::string_view> args,
                   const std::string* rowText) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            if (isPlaceholderDigit(next)) {
                const std::size_t index = static_cast<std::size_t>(next - '1');
                if (index < args.size()) {
                    out.append(*(args.begin() + index));
                    ++i;
                    continue;
                }
            } else if (next == 'd' && rowText != nullptr) {
                out.append(*rowText);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace

bool catalogueHas(int number) {
    return findEntry(number) != nullptr;
}

std::string_view catalogueText(int number) {
    if (const CatalogueEntry* e = findEntry(number)) {
        return e->text;
    }
    // A missing text is a programming slip; show something a user can report.
    static thread_local std::string missing;
    missing = "Message " + std::to_string(number) + " is missing from the catalogue.";
    return missing;
}

std::vector<int> catalogueNumbers() {
    std::vector<int> numbers;
    numbers.reserve(kCatalogueEntryCount);
    for (std::size_t i = 0; i < kCatalogueEntryCount; ++i) {
        numbers.push_back(kCatalogueEntries[i].number);
    }
    return numbers;
}

std::string formatStrings(std::string_view pattern, std::initializer_list<std::string_view> args) {
    return expand(pattern, args, nullptr);
}

std::string formatMessage(int number, std::string_view arg1) {
    return expand(catalogueText(number), {arg1}, nullptr);
}

std::string formatMessage(int number, std::string_view arg1, std::string_view arg2) {
    return expand(catalogueText(number), {arg1, arg2}, nullptr);
}

std::string formatRowMessage(int number, std::string_view arg1, std::string_view arg2, long row) {
    const std::string rowText = std::to_string(row);
    return expand(catalogueText(number), {arg1, arg2}, &rowText);
}

}  // namespace mw
