#pragma once

#include <cstddef>

#include "calc/hop_utilization.h"

namespace mw::storage {

class CRecordSetHopsUtilization;

// Walks the utilization table in the order of "IndexBoilIndexOG" and fills
// the grid group by group, column by column: 275 rows. A shorter table fills
// what it has; the entries not read stay 0.0. Returns the rows read. Errors
// opening the index or moving to the first row throw DaoException.
std::size_t readUtilizationGrid(CRecordSetHopsUtilization& records,
                                calc::HopUtilizationTable& grid);

}  // namespace mw::storage
