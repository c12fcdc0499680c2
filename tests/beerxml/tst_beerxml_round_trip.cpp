#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <cstdio>
#include <map>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_export.h"
#include "beerxml/beerxml_import.h"
#include "beerxml_fixture.h"
#include "db_commands.h"
#include "support/test_registry.h"

using namespace mw;

namespace {

// The columns of Recipes that a BeerXML file carries.
const char* const kMappedRecipeColumns[] = {"RecipeName",
                                            "RecipeBrewer",
                                            "RecipeBatchSize",
                                            "RecipeBoilSize",
                                            "RecipeBoilLth",
                                            "RecipeSystemEfficiencyExpected",
                                            "RecipeComments",
                                            "RecipeRatingNotes",
                                            "RecipeRatingCompScore",
                                            "RecipeSGOriginal",
                                            "RecipeSGFinal",
                                            "RecipeFermPrimary",
                                            "RecipeFermAvgTempPri",
                                            "RecipeFermSecondary",
                                            "RecipeFermAvgTempSec",
                                            "RecipeFermConditioningAmt",
                                            "RecipeFermConditioningUnits",
                                            "RecipeFermPrimingName",
                                            "RecipeFermTypeAle",
                                            "RecipeDateBrewed",
                                            "RecipeMeasureEnglish",
                                            "RecipeProcessKit",
                                            "RecipeProcessExtract",
                                            "RecipeProcessPartial",
                                            "RecipeProcessAllGrain",
                                            "RecipeTargetStyle",
                                            "RecipeTargetCategory",
                                            "RecipeTargetSubcategory",
                                            "RecipeTargetSpGravLo",
                                            "RecipeTargetSpGravHi",
                                            "RecipeTargetIBULo",
                                            "RecipeTargetIBUHi",
                                            "RecipeTargetColorLo",
                                            "RecipeTargetColorHi",
                                            "RecipeTargetAlcoLo",
                                            "RecipeTargetAlcoHi",
                                            "RecipeMashType",
                                            "RecipeMashTime1",
                                            "RecipeMashTime2",
                                            "RecipeMashTime3",
                                            "RecipeMashTime4",
                                            "RecipeMashTemp1",
                                            "RecipeMashTemp2",
                                            "RecipeMashTemp3",
                                            "RecipeMashTemp4",
                                            "RecipeMashVol1",
                                            "RecipeMashVol2",
                                            "RecipeMashVol3",
                                            "RecipeMashVol4",
                                            "RecipeSpargeTemp",
                                            "RecipeMashPhAdj"};

struct Table {
    const char* name;
    const char* id;
};
const Table kIngredientTables[] = {
    {"Ingredients_Kits", "IngKitsID"},     {"Ingredients_Extracts", "IngExtractsID"},
    {"Ingredients_Grains", "IngGrainsID"}, {"Ingredients_Adjuncts", "IngAdjunctsID"},
    {"Ingredients_Hops", "IngHopsID"},     {"Ingredients_Yeasts", "IngYeastID"}};

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) {
        return a.isNull() == b.isNull() || a.toString().isEmpty() == b.toString().isEmpty();
    }
    bool okA = false;
    bool okB = false;
    const double x = a.toDouble(&okA);
    const double y = b.toDouble(&okB);
    if (okA && okB) {
        return std::fabs(x - y) <= 1e-9 * std::max(1.0, std::fabs(x));
    }
    return a.toString() == b.toString();
}

// The elements each record must hold.
const std::map<QString, QStringList>& requiredElements() {
    static const std::map<QString, QStringList> required = {
        {"RECIPE",
         {"NAME", "VERSION", "TYPE", "STYLE", "BREWER", "BATCH_SIZE", "BOIL_SIZE", "BOIL_TIME",
          "EFFICIENCY", "HOPS", "FERMENTABLES", "MISCS", "YEASTS", "WATERS", "MASH"}},
        {"STYLE",
         {"NAME", "CATEGORY", "VERSION", "CATEGORY_NUMBER", "STYLE_LETTER", "STYLE_GUIDE", "TYPE",
          "OG_MIN", "OG_MAX", "FG_MIN", "FG_MAX", "IBU_MIN", "IBU_MAX", "COLOR_MIN", "COLOR_MAX"}},
        {"HOP", {"NAME", "VERSION", "ALPHA", "AMOUNT", "USE", "TIME"}},
        {"FERMENTABLE", {"NAME", "VERSION", "TYPE", "AMOUNT", "YIELD", "COLOR"}},
        {"MISC", {"NAME", "VERSION", "TYPE", "USE", "TIME", "AMOUNT"}},
        {"YEAST", {"NAME", "VERSION", "TYPE", "FORM", "AMOUNT"}},
        {"MASH", {"NAME", "VERSION", "GRAIN_TEMP", "MASH_STEPS"}},
        {"MASH_STEP", {"NAME", "VERSION", "TYPE", "INFUSE_AMOUNT", "STEP_TEMP", "STEP_TIME"}}};
    return required;
}

}  // namespace

// Export writes valid BeerXML; importing it gives back the same recipes.
class TestBeerXmlRoundTrip : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_samples;
    QString m_exported;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_samples = test::sampleRecipeDatabase(m_dir, QStringLiteral("samples.mdb"));
        m_exported = m_dir.filePath(QStringLiteral("all.xml"));
        storage::Database db;
        db.open(m_samples);
        QCOMPARE(beerxml::exportBeerXml(db, std::nullopt, m_exported), 8);
    }

    // UTF-8, every required element of every record present, VERSION 1,
    // amounts in kilograms.
    void exportIsValidBeerXml() {
        QFile file(m_exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.peek(64);
        QVERIFY2(head.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), head.constData());
        QXmlStreamReader xml(&file);
        struct Open {
            QString name;
            QStringList children;
            QString text;
        };
        QList<Open> stack;
        int recipes = 0;
        QStringList grainAmounts;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (!stack.isEmpty()) {
                    stack.last().children << xml.name().toString();
                }
                stack.append({xml.name().toString(), {}, {}});
            } else if (token == QXmlStreamReader::Characters) {
                stack.last().text += xml.text();
            } else if (token == QXmlStreamReader::EndElement) {
                const Open done = stack.takeLast();
                if (done.name == QLatin1String("RECIPE")) {
                    ++recipes;
                }
                if (done.name == QLatin1String("VERSION")) {
                    QCOMPARE(done.text, QStringLiteral("1"));
                }
                const auto it = requiredElements().find(done.name);
                if (it != requiredElements().end()) {
                    for (const QString& r : it->second) {
                        QVERIFY2(done.children.contains(r), qPrintable(done.name + " lacks " + r));
                    }
                }
                if (done.name == QLatin1String("AMOUNT") && !stack.isEmpty()) {
                    grainAmounts << done.text;
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(recipes, 8);
        // Sample 8's pound of flaked barley, in kilograms.
        QVERIFY(grainAmounts.contains(QStringLiteral("0.45359237")));
    }

    // Export all eight samples, import them into a new recipe database, and
    // every mapped column of every recipe and ingredient row reads the same.
    void roundTripGivesBackEveryMappedColumn() {
        const QString fresh = test::freshRecipeDatabase(m_dir, QStringLiteral("fresh.mdb"));
        storage::Database target;
        target.open(fresh);
        const beerxml::ImportResult result = beerxml::importBeerXml(target, m_exported);
        QCOMPARE(result.recipes.size(), std::size_t(8));
        // Nothing was lost on the way; the metric sample keeps its measures.
        for (const beerxml::ImportedRecipe& r : result.recipes) {
            const QStringList expected =
                r.batchNumber == 3
                    ? QStringList{"RECIPE 'Velvet Sweet Stout': stored in metric measures; the "
                                  "gravity and bitterness calculations are designed around English "
                                  "measures"}
                    : QStringList{};
            QCOMPARE(r.report, expected);
        }
        storage::Database source;
        source.open(m_samples);
        for (int batch = 1; batch <= 8; ++batch) {
            const QVariantHash before = test::recipeRow(source, batch);
            const QVariantHash after = test::recipeRow(target, batch);
            for (const char* column : kMappedRecipeColumns) {
                QVERIFY2(sameValue(before.value(column), after.value(column)),
                         qPrintable(QStringLiteral("batch %1 %2: %3 became %4")
                                        .arg(batch)
                                        .arg(column, before.value(column).toString(),
                                             after.value(column).toString())));
            }
            for (const Table& t : kIngredientTables) {
                const auto rowsBefore = test::ingredientRows(source, batch, t.name, t.id);
                const auto rowsAfter = test::ingredientRows(target, batch, t.name, t.id);
                QCOMPARE(rowsAfter.size(), rowsBefore.size());
                for (std::size_t i = 0; i < rowsBefore.size(); ++i) {
                    for (auto it = rowsBefore[i].cbegin(); it != rowsBefore[i].cend(); ++it) {
                        if (it.key() == QLatin1String(t.id) ||
                            it.key() == QLatin1String("IngRecipeID")) {
                            continue;
                        }
                        QVERIFY2(sameValue(it.value(), rowsAfter[i].value(it.key())),
                                 qPrintable(QStringLiteral("batch %1 %2 row %3 %4: %5 became %6")
                                                .arg(batch)
                                                .arg(t.name)
                                                .arg(i + 1)
                                                .arg(it.key(), it.value().toString(),
                                                     rowsAfter[i].value(it.key()).toString())));
                    }
                }
            }
        }
    }

    // One batch, and a batch that does not exist.
    void exportOneBatch() {
        storage::Database db;
        db.open(m_samples);
        const QString one = m_dir.filePath(QStringLiteral("one.xml"));
        QCOMPARE(beerxml::exportBeerXml(db, 3, one), 1);
        QFile file(one);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<NAME>Velvet Sweet Stout</NAME>"));
        QCOMPARE(text.count("<RECIPE>"), 1);
        try {
            beerxml::exportBeerXml(db, 99, m_dir.filePath(QStringLiteral("none.xml")));
            QFAIL("exported a batch that does not exist");
        } catch (const beerxml::BeerXmlError& e) {
            QCOMPARE(e.message(), 1359);
            QVERIFY(e.text().contains("batch number 99"));
        }
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("none.xml"))));
    }

    // The command line: one batch, every batch, and calls it refuses.
    void exportCommand() {
        const auto run = [](const QStringList& args, QString* err) {
            std::FILE* o = std::tmpfile();
            std::FILE* e = std::tmpfile();
            const int status = app::runDbCommand(args, o, e);
            std::rewind(e);
            char buffer[4096] = {};
            const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, e);
            *err = QString::fromUtf8(buffer, static_cast<qsizetype>(n));
            std::fclose(o);
            std::fclose(e);
            return status;
        };
        QString err;
        const QString out = m_dir.filePath(QStringLiteral("cmd.xml"));
        QCOMPARE(run({"export-beerxml", m_samples, "--batch", "6", out}, &err), 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<NAME>Ridgeline IPA</NAME>"));
        QCOMPARE(run({"export-beerxml", m_samples, "--all", out}, &err), 0);
        QCOMPARE(run({"export-beerxml", m_samples, out}, &err), 2);
        QVERIFY(err.contains("usage"));
        QCOMPARE(run({"export-beerxml", m_samples, "--all", "--batch", "2", out}, &err), 2);
        QCOMPARE(run({"export-beerxml", m_samples, "--batch", "42", out}, &err), 1);
        QVERIFY2(err.contains("There is no recipe with batch number 42 to export."),
                 qPrintable(err));
        QCOMPARE(run({"export-beerxml", m_samples, "--all", m_dir.filePath("no/such/folder/x.xml")},
                     &err),
                 1);
        QVERIFY2(err.contains("could not be written"), qPrintable(err));
    }
};

static test::RegisterTest<TestBeerXmlRoundTrip> registerRoundTrip;

#include "tst_beerxml_round_trip.moc"
