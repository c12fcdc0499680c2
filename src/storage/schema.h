#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace mw::storage {

class Database;
class Recordset;

// The marker tables that name a file's kind; each is the first table of its file.
inline const QString kRecipeMarker = QStringLiteral("A_Recipes");
inline const QString kDataMarker = QStringLiteral("A_Data");

enum class DatabaseKind { Recipe, Data };

// A named index over one table.
struct IndexDefinition {
    QString name;
    QString table;
    QStringList columns;
    bool unique = false;
};

// One record object per table of a kind of database (unopened, for their
// column definitions), in the order the tables are created.
std::vector<std::unique_ptr<Recordset>> tableRecords(DatabaseKind kind);
const std::vector<IndexDefinition>& indexDefinitions(DatabaseKind kind);

// Creates a new database file of the given kind with its marker table first,
// then its tables, indexes and saved queries, and lets `fill` add rows, all
// in one transaction. An existing file is refused; on any failure nothing is
// left behind.
void createDatabase(const QString& path, DatabaseKind kind,
                    const std::function<void(Database&)>& fill = {});

// Lays the schema down in an open, empty database (inside the caller's
// transaction).
void createSchema(Database& database, DatabaseKind kind);

// Checks that an open database of the given kind can be read to its end
// (the engine's quick check of every page) and holds every table with every
// column the program reads and writes (a recipe database also its saved
// queries; its two views hold no data and are left to their readers); throws a DaoException saying
// what is wrong. It only reads.
void verifyDatabase(Database& database, DatabaseKind kind);

// True when the file opens as a database whose first table is `marker`;
// false for a file of another kind, and for a path that cannot be opened at
// all (empty, missing, not a database).
bool isDatabaseOfKind(const QString& path, const QString& marker);

// Removes a database file with its journal files.
void removeDatabaseFiles(const QString& path);

}  // namespace mw::storage
