// Builds a recipe database of 10,000 recipes and 100,000 ingredient rows and
// prints the median times of the operations a brewer waits for: reading the
// whole recipe log, loading one recipe's six ingredient lists, finding the
// next batch number, and saving a changed recipe (update and commit).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_prompts.h"
#include "bench_timing.h"
#include "resources/prompt_service.h"
#include "storage/database.h"
#include "storage/ingredient_loader.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"

using namespace mw;
using bench::medianMs;
using bench::SilentPrompts;

namespace {

constexpr int kRecipes = 10000;
constexpr int kIngredientsPerRecipe = 10;

void fill(storage::Database& db) {
    storage::Transaction t(db);
    for (int batch = 1; batch <= kRecipes; ++batch) {
        db.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBatchSize, "
                               "RecipeBoilSize, RecipeTargetStyle, RecipeDateBrewed, "
                               "RecipeComments) VALUES (?, ?, 5.0, 6.0, 'American IPA', "
                               "'2024-06-15', ?)"),
                {batch, QStringLiteral("Recipe %1").arg(batch), QString(300, QLatin1Char('c'))});
        const qint64 id = db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        // Ten lines a recipe, spread over the six ingredient tables.
        for (int i = 0; i < 4; ++i) {
            db.exec(QStringLiteral("INSERT INTO Ingredients_Grains (IngGrainsName, IngRecipeID, "
                                   "IngGrainsColor, IngGrainsSPGrav, IngGrainsUnits, "
                                   "IngGrainsWeight) VALUES ('Pale Ale Malt', ?, 3, 1.037, 'lbs', "
                                   "2.5)"),
                    {id});
        }
        for (int i = 0; i < 3; ++i) {
            db.exec(QStringLiteral("INSERT INTO Ingredients_Hops (IngHopsAlpha, IngHopsName, "
                                   "IngRecipeID, IngHopsTime, IngHopsUnits, IngHopsWeight) VALUES "
                                   "(5.5, 'Cascade', ?, 60, 'oz', 1)"),
                    {id});
        }
        db.exec(QStringLiteral("INSERT INTO Ingredients_Extracts (IngExtractsName, IngRecipeID, "
                               "IngExtractsWeight, IngExtractsSPGrav) VALUES ('Light DME', ?, 1, "
                               "1.045)"),
                {id});
        db.exec(QStringLiteral("INSERT INTO Ingredients_Adjuncts (IngAdjunctsName, IngRecipeID, "
                               "IngAdjunctsAmt) VALUES ('Irish Moss', ?, '1')"),
                {id});
        db.exec(QStringLiteral("INSERT INTO Ingredients_Yeasts (IngRecipeID, IngYeastAmt, "
                               "IngYeastName) VALUES (?, 1, 'American Ale')"),
                {id});
    }
    t.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString recipes = dir.filePath(QStringLiteral("recipes.mdb"));
    const QString data = dir.filePath(QStringLiteral("data.mdb"));
    QElapsedTimer build;
    build.start();
    storage::createDatabase(recipes, storage::DatabaseKind::Recipe);
    storage::createSeededDataDatabase(data);
    {
        storage::Database db;
        db.open(recipes);
        fill(db);
    }
    std::printf("storage_bench: %d recipes, %d ingredient rows (built in %.1f s)\n", kRecipes,
                kRecipes * kIngredientsPerRecipe, build.elapsed() / 1000.0);

    storage::Settings settings(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    settings.setString(storage::Setting::DefaultDataFile, data);
    SilentPrompts prompts;
    storage::CMwcalcDoc doc(settings, prompts);
    if (!doc.OnOpenDocument(recipes)) {
        return 1;
    }
    storage::Database& db = *doc.database();

    const double log = medianMs(21, [&] {
        storage::CRecordSetRecipeLog records(&db);
        records.open();
        long n = 0;
        while (!records.isEOF()) {
            ++n;
            records.moveNext();
        }
        if (n != kRecipes) {
            std::fprintf(stderr, "log read %ld rows\n", n);
        }
    });
    const double ingredients = medianMs(201, [&] {
        const qint32 id = static_cast<qint32>(QRandomGenerator::global()->bounded(1, kRecipes));
        const storage::LoadedIngredients loaded = storage::loadIngredients(db, id);
        if (loaded.rows.rowCount(calc::Sheet::Grains) != 4) {
            std::fprintf(stderr, "recipe %d: wrong ingredients\n", id);
        }
    });
    const double nextBatch = medianMs(201, [&] {
        if (doc.GetNextBatchNumber() != kRecipes + 1) {
            std::fprintf(stderr, "wrong next batch\n");
        }
    });
    storage::CRecordSetRecipe recipe(&db);
    recipe.open();
    recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    int counter = 0;
    const double save = medianMs(51, [&] {
        recipe.seek(QStringLiteral("="), {kRecipes / 2});
        db.beginTrans();
        recipe.edit();
        recipe.m_RecipeComments = QStringLiteral("Tasting notes, round %1").arg(++counter);
        recipe.update();
        db.commitTrans();
    });

    std::printf("  recipe log read whole:        %8.2f ms  (target < 100)\n", log);
    std::printf("  one recipe's six ingredients:  %8.2f ms  (target < 5)\n", ingredients);
    std::printf("  next batch number:             %8.2f ms\n", nextBatch);
    std::printf("  save one recipe (update+commit): %6.2f ms  (target < 20)\n", save);
    return 0;
}
