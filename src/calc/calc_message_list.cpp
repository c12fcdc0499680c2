#include "calc/calc_message_list.h"

#include <algorithm>

namespace mw::calc {

std::vector<std::string> CalcMessageList::sortedUnique() const {
    std::vector<std::string> list = m_messages;
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

}  // namespace mw::calc
