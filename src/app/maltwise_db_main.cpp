// maltwise-db: the command-line companion of Maltwise Calculator.

#include <cstdio>
#include <cstring>
#include <string>

#include "calc/hop_utilization.h"
#include "resources/number_text.h"

namespace {

void printUsage(std::FILE* out) {
    std::fputs(
        "Usage: maltwise-db COMMAND [ARGUMENTS]\n"
        "\n"
        "Commands:\n"
        "  help           show this text\n"
        "  utilization    print the hop utilization table a new data database is seeded\n"
        "                 with (Tinseth's formula, boil-time groups by gravity)\n",
        out);
}

void printUtilization() {
    using mw::calc::HopUtilizationTable;
    const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
    std::printf("minutes");
    for (int c = 0; c < HopUtilizationTable::kColumns; ++c) {
        std::printf("  %s",
                    mw::formatNumber("%.3f", HopUtilizationTable::columnGravity(c)).c_str());
    }
    std::printf("\n");
    for (int g = 0; g < HopUtilizationTable::kGroups; ++g) {
        std::printf("%7d", HopUtilizationTable::groupBoilMinutes(g));
        for (int c = 0; c < HopUtilizationTable::kColumns; ++c) {
            std::printf("  %s", mw::formatNumber("%.3f", table.at(g, c)).c_str());
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0 ||
        std::strcmp(argv[1], "-h") == 0) {
        printUsage(stdout);
        return 0;
    }
    const std::string command = argv[1];
    if (command == "utilization") {
        printUtilization();
        return 0;
    }
    std::fprintf(stderr, "maltwise-db: unknown command \"%s\"; try \"maltwise-db help\"\n",
                 command.c_str());
    return 2;
}
