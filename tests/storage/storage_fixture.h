#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "storage/database.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/settings.h"

namespace mw::test {

// A temporary folder with settings of its own, and helpers to make small
// recipe and data databases in it.
class StorageFixture {
public:
    StorageFixture() {
        QStandardPaths::setTestModeEnabled(true);
        settings = std::make_unique<storage::Settings>(std::make_unique<QSettings>(
            dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QString newRecipeDatabase(const QString& name = QStringLiteral("recipes.mdb")) {
        storage::createDatabase(path(name), storage::DatabaseKind::Recipe);
        return path(name);
    }
    QString newDataDatabase(const QString& name = QStringLiteral("data.mdb")) {
        storage::createDatabase(path(name), storage::DatabaseKind::Data);
        return path(name);
    }

    // Adds a recipe with a batch number and a name; returns its RecipeID.
    static qint32 addRecipe(storage::Database& db, qint32 batch, const QString& name) {
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        recipe.addNew();
        recipe.m_RecipeBatchNo = batch;
        recipe.m_RecipeName = name;
        recipe.m_RecipeBatchSize = 5.0;
        recipe.m_RecipeBoilSize = 5.0;
        recipe.update();
        return static_cast<qint32>(recipe.lastModified());
    }

    // Fills the hop utilization table with `rows` rows whose utilization is
    // their place in index order / 1000, inserted in scrambled order.
    static void fillUtilization(storage::Database& db, int rows) {
        storage::Transaction transaction(db);
        for (int i = rows - 1; i >= 0; i -= 2) {
            insertUtilization(db, i);
        }
        for (int i = rows - 2; i >= 0; i -= 2) {
            insertUtilization(db, i);
        }
        transaction.commit();
    }

    QTemporaryDir dir;
    std::unique_ptr<storage::Settings> settings;

private:
    static void insertUtilization(storage::Database& db, int i) {
        const int group = i / 11;
        const int column = i % 11;
        db.exec(QStringLiteral("INSERT INTO HopsUtilization VALUES (?, ?, ?, ?)"),
                {group, group * 3, 1.03 + 0.01 * column, (i + 1) / 1000.0});
    }
};

}  // namespace mw::test
