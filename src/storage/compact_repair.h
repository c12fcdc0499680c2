#pragma once

#include <QString>

namespace mw::storage {

// Compacts a database file: writes a compact copy to "temp.mdb" in the file's
// folder, then puts it in the file's place. Refused, with the file left as it
// was, when "temp.mdb" exists already or the file is open in this program or
// another. Failures throw DaoException.
void compactDatabase(const QString& path);

// Repairs a database file in place: a file whose integrity check passes is
// compacted; a damaged one is rebuilt from everything that can still be read
// (its tables, indexes and views, row by row) into a sound file that takes
// its place. Returns the number of rows that could not be read. Failures
// throw DaoException and leave the file as it was.
long repairDatabase(const QString& path);

// Refuses (with DaoException) a file that is missing or open in this
// program or in another: what replaces a file's contents needs it closed.
void requireClosedFile(const QString& path);

// The temporary file both use: "temp.mdb" beside the database.
QString temporaryPathFor(const QString& path);

}  // namespace mw::storage
