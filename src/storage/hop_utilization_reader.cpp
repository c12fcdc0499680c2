#include "storage/hop_utilization_reader.h"

#include <vector>

#include "storage/data_records.h"

namespace mw::storage {

std::size_t readUtilizationGrid(CRecordSetHopsUtilization& records,
                                calc::HopUtilizationTable& grid) {
    records.setCurrentIndex(QStringLiteral("IndexBoilIndexOG"));
    records.moveFirst();
    std::vector<double> values;
    values.reserve(calc::HopUtilizationTable::kEntries);
    while (values.size() < calc::HopUtilizationTable::kEntries && !records.isEOF()) {
        values.push_back(records.m_HopsUtil_Utilization);
        records.moveNext();
    }
    grid.fill(values);
    return values.size();
}

}  // namespace mw::storage
