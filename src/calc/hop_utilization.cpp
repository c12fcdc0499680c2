#include "calc/hop_utilization.h"

#include <cmath>

#include "calc/calc_message_list.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"

namespace mw::calc {

namespace {
constexpr int kMsgOutOfBounds = 156;
constexpr int kMsgBoilTimeZero = 233;
}  // namespace

double HopUtilizationTable::at(int group, int column) const {
    if (group < 0 || group >= kGroups || column < 0 || column >= kColumns) {
        return 0.0;
    }
    return m_grid[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)];
}

void HopUtilizationTable::set(int group, int column, double utilization) {
    if (group < 0 || group >= kGroups || column < 0 || column >= kColumns) {
        return;
    }
    m_grid[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)] = utilization;
}

void HopUtilizationTable::fill(const std::vector<double>& valuesInIndexOrder) {
    clear();
    for (std::size_t i = 0; i < valuesInIndexOrder.size() && i < kEntries; ++i) {
        set(static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns, valuesInIndexOrder[i]);
    }
}

int HopUtilizationTable::gravityColumn(double gravity) {
    return static_cast<int>(((gravity - 1.0) * 100.0 - 3.0) + 0.5);
}

int HopUtilizationTable::boilGroup(int boilMinutes) {
    if (boilMinutes < 63) {
        return boilMinutes / 3;
    }
    if (boilMinutes < 70) {
        return 20;
    }
    if (boilMinutes < 80) {
        return 21;
    }
    if (boilMinutes < 90) {
        return 22;
    }
    if (boilMinutes < 120) {
        return 23;
    }
    return 24;
}

UtilizationLookup HopUtilizationTable::lookup(int boilMinutes, double gravity) const {
    UtilizationLookup result;
    // Written so that a gravity that is not a number is refused too.
    if (!(gravity >= kMinGravity && gravity <= kMaxGravity)) {
        result.notices.push_back(
            {kMsgOutOfBounds, formatMessage(kMsgOutOfBounds, "Original Gravity",
                                            formatNumber(msg::FormatThreeDecimals, gravity))});
    }
    if (boilMinutes < kMinBoilMinutes || boilMinutes > kMaxBoilMinutes) {
        if (boilMinutes == 0) {
            result.notices.push_back(
                {kMsgBoilTimeZero, std::string(catalogueText(kMsgBoilTimeZero))});
        } else {
            result.notices.push_back(
                {kMsgOutOfBounds, formatMessage(kMsgOutOfBounds, "Boil Time",
                                                formatNumber(msg::FormatUnsigned, boilMinutes))});
        }
    }
    if (result.notices.empty()) {
        result.utilization = at(boilGroup(boilMinutes), gravityColumn(gravity));
    }
    return result;
}

int HopUtilizationTable::groupBoilMinutes(int group) {
    if (group <= 20) {
        return group * 3;
    }
    switch (group) {
        case 21:
            return 70;
        case 22:
            return 80;
        case 23:
            return 90;
        default:
            return 120;
    }
}

double HopUtilizationTable::columnGravity(int column) {
    return 1.03 + 0.01 * column;
}

double HopUtilizationTable::tinsethUtilization(double gravity, double boilMinutes) {
    const double bigness = 1.65 * std::pow(0.000125, gravity - 1.0);
    const double boilFactor = (1.0 - std::exp(-0.04 * boilMinutes)) / 4.15;
    return bigness * boilFactor;
}

HopUtilizationTable HopUtilizationTable::tinsethDefaults() {
    HopUtilizationTable table;
    for (int g = 0; g < kGroups; ++g) {
        for (int c = 0; c < kColumns; ++c) {
            const double u = tinsethUtilization(columnGravity(c), groupBoilMinutes(g));
            table.set(g, c, std::round(u * 1000.0) / 1000.0);
        }
    }
    return table;
}

double GetHopUtilization(const HopUtilizationTable& table, int boilMinutes, double gravity,
                         bool interactive, CalcMessageList& messages, PromptService& prompts) {
    UtilizationLookup found = table.lookup(boilMinutes, gravity);
    for (CalcNotice& notice : found.notices) {
        if (interactive) {
            prompts.show(notice.number, std::move(notice.text), PromptIcon::Information);
        } else {
            messages.append(std::move(notice.text));
        }
    }
    return found.utilization;
}

}  // namespace mw::calc
