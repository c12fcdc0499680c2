#pragma once

#include <QString>
#include <QStringList>

namespace mw::storage {

// An identifier in double quotes, for table, view, index and column names
// (which may hold blanks: "Recipes Log Query - By Batch Number").
inline QString quoted(const QString& identifier) {
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

inline QString quotedList(const QStringList& identifiers,
                          const QString& separator = QStringLiteral(", ")) {
    QStringList out;
    for (const QString& id : identifiers) {
        out << quoted(id);
    }
    return out.join(separator);
}

// The table of saved parameter queries that every recipe database carries.
inline const QString kSavedQueriesTable = QStringLiteral("SavedQueries");

}  // namespace mw::storage
