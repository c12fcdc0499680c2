#pragma once

// A database of each kind in a temporary folder, open for the whole run; a
// target wraps each input in a storage::Transaction, so that nothing an
// input adds outlives it. The databases are never destroyed: Qt's list of
// SQL connections may be gone before the program's last destructors run.

#include <QTemporaryDir>

#include "storage/database.h"
#include "storage/schema.h"

namespace mw::fuzz {

inline storage::Database& scratchDatabase(storage::DatabaseKind kind) {
    static QTemporaryDir folder;
    const QString path =
        folder.filePath(kind == storage::DatabaseKind::Recipe ? "recipes.mdb" : "data.mdb");
    static auto* recipes = new storage::Database;
    static auto* data = new storage::Database;
    storage::Database& database = kind == storage::DatabaseKind::Recipe ? *recipes : *data;
    if (!database.isOpen()) {
        storage::createDatabase(path, kind);
        database.open(path);
        // Nothing here needs to survive a power cut: keep each input off the disk.
        database.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        database.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    }
    return database;
}

}  // namespace mw::fuzz
