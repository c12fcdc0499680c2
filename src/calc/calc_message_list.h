#pragma once

#include <string>
#include <vector>

namespace mw::calc {

// The calculation message list: complete message texts, each beginning with
// its level word ("Warning:" or "Information:"), in the order appended. The
// calculations only append; the full recalculation clears it. The count is the
// number of entries appended since the last clear, duplicates included.
class CalcMessageList {
public:
    void append(std::string text) { m_messages.push_back(std::move(text)); }
    void clear() { m_messages.clear(); }

    unsigned count() const { return static_cast<unsigned>(m_messages.size()); }
    const std::vector<std::string>& messages() const { return m_messages; }

    // The list as the Calculation Messages window shows it: sorted, each text once.
    std::vector<std::string> sortedUnique() const;

private:
    std::vector<std::string> m_messages;
};

}  // namespace mw::calc
