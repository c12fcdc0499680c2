#pragma once

#include <QtGlobal>

namespace mw::test {

// How hard the crash test works: `--kills N` kills per database (50 in the
// short form ctest runs) and `--seed S` for the random moments and writes.
struct SafetyOptions {
    int kills = 50;
    quint32 seed = 20261206;
};

inline SafetyOptions& safetyOptions() {
    static SafetyOptions options;
    return options;
}

}  // namespace mw::test
