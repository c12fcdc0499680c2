#pragma once

#include <QString>
#include <QVariant>
#include <functional>

#include "reports/report_layout.h"

namespace mw::reports {

// A stored value as a report shows it: numbers with their decimals (never
// in the user's locale), dates as yyyy-mm-dd, flags as Yes/No, codes as the
// text of their choice; nothing for null.
QString formatValue(const QVariant& value, const FieldFormat& format);

// The text of a field: `valueOf` gives a column's stored value, or a
// prediction for a name that begins with "=".
QString fieldText(const FieldRef& field, const FieldFormat& format,
                  const std::function<QVariant(const QString&)>& valueOf);

}  // namespace mw::reports
