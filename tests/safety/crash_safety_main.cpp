#include <QApplication>
#include <cstring>
#include <vector>

#include "safety_options.h"
#include "support/test_registry.h"

// `test_crash_safety --kills 1000 [--seed S]` is the long form of the crash
// test; the remaining arguments go to Qt Test.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--kills") == 0) {
            mw::test::safetyOptions().kills = QByteArray(argv[++i]).toInt();
        } else if (i + 1 < argc && std::strcmp(argv[i], "--seed") == 0) {
            mw::test::safetyOptions().seed = QByteArray(argv[++i]).toUInt();
        } else {
            rest.push_back(argv[i]);
        }
    }
    return mw::test::runAllTests(static_cast<int>(rest.size()), rest.data());
}
