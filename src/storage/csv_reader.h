#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mw::storage {

// Reads comma-separated text: fields in double quotes may hold commas, line
// breaks and doubled quotes; a trailing line break ends the last record.
std::vector<QStringList> parseCsv(const QString& text);

}  // namespace mw::storage
