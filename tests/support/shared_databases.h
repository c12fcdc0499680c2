#pragma once

#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include "storage/seed_data.h"

namespace mw::test {

// The databases every test class of an executable reads and none changes,
// each made once on first use: the data database seeded from the shipped
// reference data, and the sample recipes (batches 1 to 8). A test that
// changes one works on a copy.
inline QString sharedDatabase(const QString& name, void (*make)(const QString&)) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!QFileInfo::exists(path)) {
        make(path);
    }
    return path;
}

inline QString sharedDataDatabase() {
    return sharedDatabase(QStringLiteral("data.mdb"), &storage::createSeededDataDatabase);
}

inline QString sharedSampleRecipes() {
    return sharedDatabase(QStringLiteral("samples.mdb"), &storage::createSampleRecipeDatabase);
}

}  // namespace mw::test
