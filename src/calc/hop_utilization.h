#pragma once

#include <array>
#include <string>
#include <vector>

namespace mw {
class PromptService;
}

namespace mw::calc {

class CalcMessageList;

// One message raised by a utilization lookup: its catalogue number and text.
struct CalcNotice {
    int number = 0;
    std::string text;

    bool operator==(const CalcNotice&) const = default;
};

// What a utilization lookup found: the value, or 0.0 with the messages that
// say which bound was broken.
struct UtilizationLookup {
    double utilization = 0.0;
    std::vector<CalcNotice> notices;
};

// The hop utilization grid: 25 boil-time groups by 11 gravity columns (1.030,
// 1.040, ... 1.130), each entry the fraction of alpha acid that ends up in the
// beer. Looked up for whole boil minutes and a wort gravity, without
// interpolation. Entries that were never filled hold 0.0.
class HopUtilizationTable {
public:
    static constexpr int kGroups = 25;
    static constexpr int kColumns = 11;
    static constexpr int kEntries = kGroups * kColumns;
    static constexpr double kMinGravity = 1.03;
    static constexpr double kMaxGravity = 1.13;
    static constexpr int kMinBoilMinutes = 3;
    static constexpr int kMaxBoilMinutes = 120;

    HopUtilizationTable() = default;

    double at(int group, int column) const;
    void set(int group, int column, double utilization);
    // Fills the entries in index order (group by group, column by column);
    // entries beyond the given values become 0.0.
    void fill(const std::vector<double>& valuesInIndexOrder);
    void clear() { m_grid = {}; }

    // The gravity column: the integer part of ((gravity - 1.0) x 100.0 - 3.0) + 0.5,
    // evaluated in double precision, so 1.035 falls to column 0 and 1.045 to 1.
    static int gravityColumn(double gravity);
    // The boil-time group: minutes / 3 below 63; 20 below 70, 21 below 80,
    // 22 below 90, 23 below 120, 24 at 120.
    static int boilGroup(int boilMinutes);

    // Looks the utilization up, or reports why it cannot: a gravity outside
    // 1.030 to 1.130 (message 156), a boil time of 0 (233) or otherwise outside
    // 3 to 120 minutes (156). Both a gravity and a boil-time message can come
    // from one lookup; the value is then 0.0.
    UtilizationLookup lookup(int boilMinutes, double gravity) const;

    // The values shipped in a new data database: Tinseth's formula at each grid
    // point, rounded to three decimals as he published his table.
    static HopUtilizationTable tinsethDefaults();
    // The boil minutes a group stands for (group 0 is 0 minutes).
    static int groupBoilMinutes(int group);
    // The gravity a column stands for (1.030 ... 1.130).
    static double columnGravity(int column);
    // Tinseth: 1.65 x 0.000125^(G - 1) x (1 - e^(-0.04 t)) / 4.15.
    static double tinsethUtilization(double gravity, double boilMinutes);

private:
    std::array<std::array<double, kColumns>, kGroups> m_grid{};
};

// The document's lookup: on the interactive route each message is shown in a
// message box with the information icon; otherwise it is appended to the
// calculation message list.
double GetHopUtilization(const HopUtilizationTable& table, int boilMinutes, double gravity,
                         bool interactive, CalcMessageList& messages, PromptService& prompts);

}  // namespace mw::calc
