// Fills a recipe database with 10,000 recipes (varied names, styles and brew
// dates, some undated) and prints the median times of what a brewer waits
// for in the recipe log: the refill that every save, copy, add and delete on
// the recipe form causes (reading the whole log and showing it sorted), and
// a sort by each column, both ways.

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_prompts.h"
#include "bench_timing.h"
#include "resources/prompt_service.h"
#include "storage/database.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "views/recipe_log_model.h"
#include "views/recipe_log_order.h"
#include "views/recipe_log_view.h"

using namespace mw;
using bench::medianMs;
using bench::SilentPrompts;

namespace {

constexpr int kRecipes = 10000;

void fill(storage::Database& db) {
    const char* const names[] = {"Pale Ale", "brown ale",        "Stout",  "Bière de Garde",
                                 "IPA",      "O'Hara's \"Red\"", "Weizen", "porter"};
    const char* const styles[] = {"American IPA", "Best Bitter", "Sweet Stout",
                                  "Weissbier",    "Irish Stout", "Czech Premium Pale Lager"};
    QRandomGenerator random(7);
    storage::Transaction t(db);
    for (int batch = 1; batch <= kRecipes; ++batch) {
        const QVariant date = random.bounded(6) == 0
                                  ? QVariant()
                                  : QVariant(QDate(1990 + random.bounded(35),
                                                   1 + random.bounded(12), 1 + random.bounded(28))
                                                 .toString(Qt::ISODate));
        db.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBatchSize, "
                               "RecipeBoilSize, RecipeTargetStyle, RecipeTargetCategory, "
                               "RecipeTargetSubcategory, RecipeDateBrewed) "
                               "VALUES (?, ?, 5.0, 6.0, ?, ?, ?, ?)"),
                {batch,
                 QStringLiteral("%1 %2")
                     .arg(QString::fromUtf8(names[random.bounded(8)]))
                     .arg(random.bounded(1000)),
                 QString::fromUtf8(styles[random.bounded(6)]),
                 QStringLiteral("Category %1").arg(random.bounded(30)),
                 QStringLiteral("%1%2")
                     .arg(1 + random.bounded(28))
                     .arg(QChar(u'A' + random.bounded(6))),
                 date});
    }
    t.commit();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString recipes = dir.filePath(QStringLiteral("recipes.mdb"));
    const QString data = dir.filePath(QStringLiteral("data.mdb"));
    storage::createDatabase(recipes, storage::DatabaseKind::Recipe);
    storage::createSeededDataDatabase(data);
    {
        storage::Database db;
        db.open(recipes);
        fill(db);
    }

    storage::Settings settings(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    settings.setString(storage::Setting::DefaultDataFile, data);
    SilentPrompts prompts;
    storage::CMwcalcDoc doc(settings, prompts);
    if (!doc.OnOpenDocument(recipes)) {
        return 1;
    }
    views::CRecipeLogView log(doc, {prompts, nullptr});
    log.resize(900, 600);
    log.show();
    QApplication::processEvents();
    if (log.logModel().count() != kRecipes) {
        std::fprintf(stderr, "the log shows %d rows\n", log.logModel().count());
        return 1;
    }
    std::printf("log_bench: the recipe log over %d recipes\n", kRecipes);

    const double refill = medianMs(21, [&] {
        log.Refill();
        QApplication::processEvents();
    });
    std::printf("  refill (read, show, sort):     %8.2f ms  (target < 100)\n", refill);
    const double read = medianMs(21, [&] {
        storage::CRecordSetRecipeLog* records = log.GetLogRecordset();
        records->requery();
        while (!records->isEOF()) {
            records->moveNext();
        }
    });
    std::printf("    of which the log query read: %8.2f ms\n", read);

    views::RecipeLogModel& model = log.logModel();
    const char* const captions[] = {"Batch", "Recipe Name", "Brew Date",
                                    "Style", "Category",    "Subcategory"};
    for (int column = 0; column < views::LogColumnCount; ++column) {
        for (const bool ascending : {true, false}) {
            // Each run starts from the batch order the log opens with.
            const double sort = medianMs(
                21, [&] { model.sortBy(column, ascending); },
                [&] { model.sortBy(views::ColumnBatch, true); });
            std::printf("  sort by %-12s %-10s %8.2f ms  (target < 16)\n", captions[column],
                        ascending ? "ascending" : "descending", sort);
        }
    }
    return 0;
}
