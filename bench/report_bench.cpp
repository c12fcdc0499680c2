// Times the two reports a brewer waits for: "List all Recipes" of a recipe
// database of 10,000 recipes written to PDF (target under 2 s), and "Print
// Current Recipe" of one sample recipe (target under 100 ms). Prints the
// median of several runs, split into reading, laying out and writing, and
// the processor time (which a busy machine does not inflate).

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench_timing.h"
#include "reports/report_composer.h"
#include "reports/report_data.h"
#include "reports/report_engine.h"
#include "reports/report_list.h"
#include "storage/database.h"
#include "storage/seed_data.h"

using namespace mw;
using bench::median;

namespace {

constexpr int kRecipes = 10000;
constexpr int kRuns = 5;

void fill(const QString& path) {
    storage::createSampleRecipeDatabase(path);
    storage::Database db;
    db.open(path);
    storage::Transaction t(db);
    for (int batch = 100; batch < 100 + kRecipes - 8; ++batch) {
        db.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBrewer, "
                               "RecipeBatchSize, RecipeBoilSize, RecipeTargetStyle, "
                               "RecipeDateBrewed, RecipeSGOriginal, RecipeSGFinal) VALUES "
                               "(?, ?, 'Home Brewer', 5.0, 6.0, 'American IPA', '2024-06-15', "
                               "1.062, 1.012)"),
                {batch, QStringLiteral("Recipe number %1 of the big book").arg(batch)});
    }
    t.commit();
}

struct Timing {
    double cpu = 0;  // processor time of the whole report, ms
    double read = 0;
    double layout = 0;
    double write = 0;
    qsizetype pages = 0;
};

Timing time(const QString& base, const QString& database, const QString& data,
            const QString& filter, const QString& pdf) {
    std::vector<double> read, layout, write, cpu;
    Timing t;
    for (int run = 0; run < kRuns; ++run) {
        const auto layoutFile =
            reports::readLayoutFile(reports::reportPath(reports::reportFolder(), base));
        reports::ReportSources sources;
        sources.main.location = database;
        sources.referenceDatabase = data;
        sources.filter = reports::parseFilterFormula(filter, layoutFile->table);
        const std::clock_t started = std::clock();
        QElapsedTimer clock;
        clock.start();
        const reports::ReportData rows = reports::readReportData(*layoutFile, sources);
        read.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        const reports::ReportDocument document = reports::composeReport(*layoutFile, rows);
        layout.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        QPdfWriter writer(pdf);
        reports::paintDocument(document, writer);
        write.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC);
        t.pages = document.pages.size();
    }
    t.read = median(read);
    t.layout = median(layout);
    t.write = median(write);
    t.cpu = median(cpu);
    return t;
}

void print(const char* name, const Timing& t, double targetMs) {
    const double total = t.read + t.layout + t.write;
    std::printf(
        "%-36s %4lld pages  read %6.1f  layout %6.1f  PDF %6.1f  total %6.1f ms"
        "  (processor %6.1f ms; target < %.0f ms)\n",
        name, static_cast<long long>(t.pages), t.read, t.layout, t.write, total, t.cpu, targetMs);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString recipes = dir.filePath(QStringLiteral("recipes.mdb"));
    const QString data = dir.filePath(QStringLiteral("data.mdb"));
    storage::createSeededDataDatabase(data);
    fill(recipes);
    try {
        print("List all Recipes (10,000 recipes)",
              time(QStringLiteral("Recipes"), recipes, data, QString(),
                   dir.filePath(QStringLiteral("recipes.pdf"))),
              2000);
        print("Print Current Recipe (batch 6)",
              time(QStringLiteral("Recipe"), recipes, data,
                   QStringLiteral("{Recipes.RecipeBatchNo} = 6"),
                   dir.filePath(QStringLiteral("recipe.pdf"))),
              100);
    } catch (const reports::ReportFailure& failure) {
        std::fprintf(stderr, "report_bench: %s\n", qPrintable(failure.text));
        return 1;
    }
    return 0;
}
