#pragma once

#include <QString>
#include <QStringList>

#include "storage/dao_exception.h"

namespace mw::storage {

// How SQL is made here: statement text is built only from identifiers of the
// program's own schema (the record classes' bindings, the index definitions,
// the ingredient queries' tables and columns, a report layout's table and
// column names), always through quoted() below, and from numbers the code
// itself chooses (a pragma's milliseconds, a savepoint's level). Every value
// a user or a file brings in (names, notes, numbers, dates, paths) is a bound
// parameter, never part of the text.

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

// A saved query's text comes from the file. Only a query that reads (one
// SELECT statement) is run, so a damaged or doctored file can never make
// showing a recipe change or remove anything.
inline void requireSelectQuery(const QString& queryName, const QString& sql) {
    if (!sql.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive)) {
        throw DaoException(DaoError::EngineError,
                           QStringLiteral("The saved query '%1' does not read records; it was not "
                                          "run. The file is damaged or was changed by another "
                                          "program.")
                               .arg(queryName));
    }
}

}  // namespace mw::storage
