#include "calc/assumption_report.h"

#include <algorithm>

namespace mw::calc {

std::string_view figureKey(Figure figure) {
    switch (figure) {
        case Figure::OriginalGravity:
            return "original_gravity";
        case Figure::Ibu:
            return "ibu";
        case Figure::Hbu:
            return "hbu";
        case Figure::Alcohol:
            return "alcohol";
        case Figure::Color:
            return "color";
    }
    return {};
}

std::string_view figureName(Figure figure) {
    switch (figure) {
        case Figure::OriginalGravity:
            return "Original gravity";
        case Figure::Ibu:
            return "IBU";
        case Figure::Hbu:
            return "HBU";
        case Figure::Alcohol:
            return "Alcohol";
        case Figure::Color:
            return "Color";
    }
    return {};
}

void AssumptionReport::note(Figure figure, std::string text) {
    Assumption entry{figure, std::move(text)};
    if (std::find(m_entries.begin(), m_entries.end(), entry) == m_entries.end()) {
        m_entries.push_back(std::move(entry));
    }
}

std::vector<std::string> AssumptionReport::about(Figure figure) const {
    std::vector<std::string> texts;
    for (const Assumption& entry : m_entries) {
        if (entry.figure == figure) {
            texts.push_back(entry.text);
        }
    }
    return texts;
}

}  // namespace mw::calc
