#pragma once

#include <cstddef>

namespace mw {

// One numbered text of the message catalogue.
struct CatalogueEntry {
    int number;
    const char* text;
};

// Sorted by number, each number once.
extern const CatalogueEntry kCatalogueEntries[];
extern const std::size_t kCatalogueEntryCount;

}  // namespace mw
