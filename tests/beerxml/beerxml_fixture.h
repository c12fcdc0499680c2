#pragma once

// Shared helpers of the BeerXML tests: recipe databases in a temporary
// folder, the hand-written files of tests/beerxml/data, and rows read back
// as the recipe database holds them.

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QTemporaryDir>
#include <QVariantHash>
#include <vector>

#include "storage/database.h"
#include "storage/schema.h"
#include "storage/seed_data.h"

namespace mw::test {

inline QString beerXmlData(const QString& name) {
    return QStringLiteral(MW_BEERXML_DATA "/") + name;
}

inline QString freshRecipeDatabase(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    storage::createDatabase(path, storage::DatabaseKind::Recipe);
    return path;
}

inline QString sampleRecipeDatabase(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    storage::createSampleRecipeDatabase(path);
    return path;
}

inline QVariantHash recordOf(const QSqlQuery& q) {
    QVariantHash h;
    for (int i = 0; i < q.record().count(); ++i) {
        h.insert(q.record().fieldName(i), q.value(i));
    }
    return h;
}

// The Recipes row of a batch.
inline QVariantHash recipeRow(storage::Database& db, int batch) {
    QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM Recipes WHERE RecipeBatchNo = ?"), {batch});
    return q.next() ? recordOf(q) : QVariantHash();
}

// A batch's rows of one ingredient table, in the order they were added.
inline std::vector<QVariantHash> ingredientRows(storage::Database& db, int batch,
                                                const QString& table, const QString& idColumn) {
    QSqlQuery q = db.exec(QStringLiteral("SELECT i.* FROM %1 i JOIN Recipes r ON r.RecipeID = "
                                         "i.IngRecipeID WHERE r.RecipeBatchNo = ? ORDER BY i.%2")
                              .arg(table, idColumn),
                          {batch});
    std::vector<QVariantHash> rows;
    while (q.next()) {
        rows.push_back(recordOf(q));
    }
    return rows;
}

inline int rowCount(storage::Database& db, const QString& table) {
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

}  // namespace mw::test
