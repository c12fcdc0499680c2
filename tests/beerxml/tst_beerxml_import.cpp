#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <cstdio>

#include "beerxml/beerxml_import.h"
#include "beerxml_fixture.h"
#include "support/db_command_run.h"
#include "support/test_registry.h"

using namespace mw;
using mw::test::beerXmlData;
using mw::test::ingredientRows;
using mw::test::recipeRow;

namespace {

// Runs a maltwise-db command line; returns its status and output.
int runDb(const QStringList& args, QString* out, QString* err = nullptr) {
    const mw::test::DbCommandRun r = mw::test::runDbCommand(args);
    *out = r.out;
    if (err != nullptr) {
        *err = r.err;
    }
    return r.status;
}

}  // namespace

// Importing BeerXML recipes: where each record lands and what the loss report says.
class TestBeerXmlImport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_data;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_data = m_dir.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    // One recipe holding every record type: each lands in its table, in
    // English measures.
    void everyRecordLandsInItsTable() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("all.mdb"));
        storage::Database db;
        db.open(path);
        const beerxml::ImportResult result =
            beerxml::importBeerXml(db, beerXmlData(QStringLiteral("all_records.xml")));
        QCOMPARE(result.recipes.size(), std::size_t(1));
        QCOMPARE(result.recipes[0].batchNumber, 1);
        QCOMPARE(result.recipes[0].name, QStringLiteral("Dry Stout"));

        const QVariantHash r = recipeRow(db, 1);
        QCOMPARE(r.value("RecipeName").toString(), QStringLiteral("Dry Stout"));
        QCOMPARE(r.value("RecipeBrewer").toString(), QStringLiteral("Ann Brewer"));
        QCOMPARE(r.value("RecipeMeasureEnglish").toInt(), 0);
        QCOMPARE(r.value("RecipeBatchSize").toDouble(), 5.0);
        QCOMPARE(r.value("RecipeBoilSize").toDouble(), 6.0);
        QCOMPARE(r.value("RecipeBoilLth").toInt(), 60);
        QCOMPARE(r.value("RecipeSystemEfficiencyExpected").toDouble(), 72.0);
        QCOMPARE(r.value("RecipeProcessAllGrain").toInt(), 1);
        QCOMPARE(r.value("RecipeProcessExtract").toInt(), 0);
        QCOMPARE(r.value("RecipeTargetStyle").toString(), QStringLiteral("Irish Stout"));
        QCOMPARE(r.value("RecipeTargetCategory").toString(), QStringLiteral("Irish Beer"));
        QCOMPARE(r.value("RecipeTargetSubcategory").toString(), QStringLiteral("15B"));
        QCOMPARE(r.value("RecipeTargetSpGravLo").toDouble(), 1.036);
        QCOMPARE(r.value("RecipeTargetSpGravHi").toDouble(), 1.044);
        QCOMPARE(r.value("RecipeTargetIBULo").toDouble(), 25.0);
        QCOMPARE(r.value("RecipeTargetIBUHi").toDouble(), 45.0);
        QCOMPARE(r.value("RecipeTargetColorLo").toDouble(), 25.0);
        QCOMPARE(r.value("RecipeTargetColorHi").toDouble(), 40.0);
        QCOMPARE(r.value("RecipeTargetAlcoLo").toDouble(), 4.0);
        QCOMPARE(r.value("RecipeTargetAlcoHi").toDouble(), 4.5);
        QCOMPARE(r.value("RecipeSGOriginal").toDouble(), 1.042);
        QCOMPARE(r.value("RecipeSGFinal").toDouble(), 1.010);
        QCOMPARE(r.value("RecipeFermPrimary").toInt(), 7);
        QCOMPARE(r.value("RecipeFermAvgTempPri").toInt(), 66);  // 19 °C
        QCOMPARE(r.value("RecipeFermSecondary").toInt(), 14);
        QCOMPARE(r.value("RecipeFermAvgTempSec").toInt(), 64);  // 18 °C
        QCOMPARE(r.value("RecipeFermConditioningAmt").toInt(), 21);
        QCOMPARE(r.value("RecipeFermConditioningUnits").toString(), QStringLiteral("Days"));
        QCOMPARE(r.value("RecipeFermPrimingName").toString(), QStringLiteral("Corn sugar"));
        QCOMPARE(r.value("RecipeFermTypeAle").toInt(), 0);
        QCOMPARE(r.value("RecipeDateBrewed").toString(), QStringLiteral("2024-03-03"));
        QCOMPARE(r.value("RecipeRatingCompScore").toInt(), 38);
        QCOMPARE(r.value("RecipeComments").toString(),
                 QStringLiteral("Classic three-ingredient grist."));
        QCOMPARE(r.value("RecipeRatingNotes").toString(), QStringLiteral("Roasty, dry finish."));
        // Mash: the protein rest, two conversion rests and the mash out; the
        // fifth step has no place.
        QCOMPARE(r.value("RecipeMashType").toInt(), 1);
        QCOMPARE(r.value("RecipeMashTemp1").toInt(), 122);
        QCOMPARE(r.value("RecipeMashTime1").toInt(), 20);
        QCOMPARE(r.value("RecipeMashVol1").toDouble(), 2.5);
        QCOMPARE(r.value("RecipeMashTemp2").toInt(), 149);
        QCOMPARE(r.value("RecipeMashTime2").toInt(), 45);
        QCOMPARE(r.value("RecipeMashVol2").toDouble(), 1.0);
        QCOMPARE(r.value("RecipeMashTemp3").toInt(), 158);
        QCOMPARE(r.value("RecipeMashTemp4").toInt(), 169);
        QCOMPARE(r.value("RecipeMashTime4").toInt(), 10);
        QCOMPARE(r.value("RecipeSpargeTemp").toInt(), 171);
        QCOMPARE(r.value("RecipeMashPhAdj").toDouble(), 5.4);

        const auto grains = ingredientRows(db, 1, "Ingredients_Grains", "IngGrainsID");
        QCOMPARE(grains.size(), std::size_t(2));
        QCOMPARE(grains[0].value("IngGrainsName").toString(),
                 QStringLiteral("Pale Malt (2 Row) UK"));
        QCOMPARE(grains[0].value("IngGrainsWeight").toDouble(), 7.0);
        QCOMPARE(grains[0].value("IngGrainsUnits").toString(), QStringLiteral("lbs"));
        QCOMPARE(grains[0].value("IngGrainsSPGrav").toDouble(), 1.036);
        QCOMPARE(grains[0].value("IngGrainsColor").toDouble(), 3.0);
        QCOMPARE(grains[1].value("IngGrainsColor").toDouble(), 300.0);

        const auto extracts = ingredientRows(db, 1, "Ingredients_Extracts", "IngExtractsID");
        QCOMPARE(extracts.size(), std::size_t(2));
        QCOMPARE(extracts[0].value("IngExtractsForm").toString(), QStringLiteral("Dry"));
        QCOMPARE(extracts[0].value("IngExtractsManuf").toString(), QStringLiteral("Muntons"));
        QCOMPARE(extracts[0].value("IngExtractsWeight").toDouble(), 0.5);
        QCOMPARE(extracts[1].value("IngExtractsForm").toString(), QStringLiteral("Syrup"));
        QCOMPARE(extracts[1].value("IngExtractsHopped").toInt(), 1);

        const auto adjuncts = ingredientRows(db, 1, "Ingredients_Adjuncts", "IngAdjunctsID");
        QCOMPARE(adjuncts.size(), std::size_t(4));
        QCOMPARE(adjuncts[0].value("IngAdjunctsName").toString(), QStringLiteral("Flaked Barley"));
        QCOMPARE(adjuncts[0].value("IngAdjunctsFermentable").toInt(), 1);
        QCOMPARE(adjuncts[0].value("IngAdjunctsAmt").toString(), QStringLiteral("1"));
        QCOMPARE(adjuncts[1].value("IngAdjunctsName").toString(), QStringLiteral("Cane Sugar"));
        QCOMPARE(adjuncts[1].value("IngAdjunctsAmt").toString(), QStringLiteral("0.25"));
        QCOMPARE(adjuncts[2].value("IngAdjunctsName").toString(), QStringLiteral("Irish Moss"));
        QCOMPARE(adjuncts[2].value("IngAdjunctsFermentable").toInt(), 0);
        QCOMPARE(adjuncts[2].value("IngAdjunctsAmt").toString(), QStringLiteral("1"));
        QCOMPARE(adjuncts[2].value("IngAdjunctsUnits").toString(), QStringLiteral("tsp"));
        QCOMPARE(adjuncts[3].value("IngAdjunctsAmt").toString(), QStringLiteral("0.1"));
        QCOMPARE(adjuncts[3].value("IngAdjunctsUnits").toString(), QStringLiteral("oz"));

        const auto hops = ingredientRows(db, 1, "Ingredients_Hops", "IngHopsID");
        QCOMPARE(hops.size(), std::size_t(5));
        QCOMPARE(hops[0].value("IngHopsWeight").toDouble(), 1.25);
        QCOMPARE(hops[0].value("IngHopsUnits").toString(), QStringLiteral("oz"));
        QCOMPARE(hops[0].value("IngHopsTime").toDouble(), 60.0);
        QVERIFY(hops[0].value("IngHopsIBU").toDouble() > 0);      // worked out on the way in
        QCOMPARE(hops[1].value("IngHopsTime").toDouble(), 60.0);  // first wort
        QCOMPARE(hops[2].value("IngHopsTime").toDouble(), 0.0);   // aroma
        QCOMPARE(hops[3].value("IngHopsTime").toDouble(), 0.0);   // dry hop
        QCOMPARE(hops[3].value("IngHopsWeight").toDouble(), 1.0);
        QCOMPARE(hops[4].value("IngHopsTime").toDouble(), 0.0);  // mash hop

        const auto yeasts = ingredientRows(db, 1, "Ingredients_Yeasts", "IngYeastID");
        QCOMPARE(yeasts.size(), std::size_t(1));
        QCOMPARE(yeasts[0].value("IngYeastName").toString(), QStringLiteral("1084 Irish Ale"));
        QCOMPARE(yeasts[0].value("IngYeastManuf").toString(), QStringLiteral("Wyeast"));
        QCOMPARE(yeasts[0].value("IngYeastType").toString(), QStringLiteral("Ale"));
        QCOMPARE(yeasts[0].value("IngYeastForm").toString(), QStringLiteral("Liquid"));
        QCOMPARE(yeasts[0].value("IngYeastAmt").toDouble(), 125.0);
        QCOMPARE(yeasts[0].value("IngYeastUnits").toString(), QStringLiteral("ml"));
        QCOMPARE(yeasts[0].value("IngYeastAttenuation").toDouble(), 73.0);
    }

    // The loss report names every field that had no place, by its path.
    void lossReportNamesWhatWasDroppedOrChanged_data() {
        QTest::addColumn<QString>("line");
        const char* const lines[] = {
            "RECIPE 'Dry Stout' / HOP 'Fuggles' / USE = Dry Hop: stored as boil time 0",
            "RECIPE 'Dry Stout' / HOP 'Fuggles' / TIME = 4320: not imported",
            "RECIPE 'Dry Stout' / HOP 'Goldings' / USE = Aroma: stored as boil time 0",
            "RECIPE 'Dry Stout' / HOP 'Northdown' / USE = Mash: stored as boil time 0",
            "RECIPE 'Dry Stout' / HOP 'East Kent Goldings' / USE = First Wort: stored as boil time "
            "60",
            "RECIPE 'Dry Stout' / HOP 'Challenger' / FORM = Pellet: not imported",
            "RECIPE 'Dry Stout' / EQUIPMENT: not imported",
            "RECIPE 'Dry Stout' / WATER profiles: not imported",
            "RECIPE 'Dry Stout' / ASST_BREWER = Bob: not imported",
            "RECIPE 'Dry Stout' / TERTIARY_AGE = 3: not imported",
            "RECIPE 'Dry Stout' / OTHER_PROGRAM_RATING = 5 stars: not imported",
            "RECIPE 'Dry Stout' / FERMENTABLE 'Pale Malt (2 Row) UK' / MOISTURE = 4: not imported",
            "RECIPE 'Dry Stout' / FERMENTABLE 'Hopped Amber Extract' / IBU_GAL_PER_LB = 10: stored "
            "as "
            "a hopped extract; enter its HBU by hand",
            "RECIPE 'Dry Stout' / MISC 'Irish Moss' / USE = Boil: not imported",
            "RECIPE 'Dry Stout' / YEAST 'Irish Ale' / PRODUCT_ID = 1084: stored as part of the "
            "name: "
            "1084 Irish Ale",
            "RECIPE 'Dry Stout' / YEAST 'Irish Ale' / FLOCCULATION = Medium: not imported",
            "RECIPE 'Dry Stout' / STYLE / FG_MIN = 1.007: not imported",
            "RECIPE 'Dry Stout' / MASH / GRAIN_TEMP = 20: not imported",
            "RECIPE 'Dry Stout' / MASH / MASH_STEP 'Dextrin Rest': not imported (the four mash "
            "steps "
            "are taken)",
            "RECIPE 'Dry Stout' / MASH / MASH_STEP 'Saccharification' / RAMP_TIME = 5: not "
            "imported",
        };
        for (const char* line : lines) {
            QTest::newRow(line) << QString::fromUtf8(line);
        }
    }
    void lossReportNamesWhatWasDroppedOrChanged() {
        QFETCH(QString, line);
        const QString path =
            test::freshRecipeDatabase(m_dir, QUuid::createUuid().toString(QUuid::Id128));
        storage::Database db;
        db.open(path);
        const auto result =
            beerxml::importBeerXml(db, beerXmlData(QStringLiteral("all_records.xml")));
        QVERIFY2(result.recipes[0].report.contains(line),
                 qPrintable(result.recipes[0].report.join(QLatin1Char('\n'))));
    }

    // Every field of the file with a value is either stored or has a line.
    void nothingIsDroppedWithoutALine() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("complete.mdb"));
        storage::Database db;
        db.open(path);
        const auto result =
            beerxml::importBeerXml(db, beerXmlData(QStringLiteral("all_records.xml")));
        const QString report = result.recipes[0].report.join(QLatin1Char('\n'));
        // The fields the recipe tables take in (docs/beerxml.md lists them).
        const QStringList stored = {"NAME",
                                    "VERSION",
                                    "TYPE",
                                    "BREWER",
                                    "BATCH_SIZE",
                                    "BOIL_SIZE",
                                    "BOIL_TIME",
                                    "EFFICIENCY",
                                    "CATEGORY",
                                    "CATEGORY_NUMBER",
                                    "STYLE_LETTER",
                                    "OG_MIN",
                                    "OG_MAX",
                                    "IBU_MIN",
                                    "IBU_MAX",
                                    "COLOR_MIN",
                                    "COLOR_MAX",
                                    "ABV_MIN",
                                    "ABV_MAX",
                                    "ALPHA",
                                    "AMOUNT",
                                    "USE",
                                    "TIME",
                                    "YIELD",
                                    "COLOR",
                                    "SUPPLIER",
                                    "AMOUNT_IS_WEIGHT",
                                    "DISPLAY_AMOUNT",
                                    "LABORATORY",
                                    "PRODUCT_ID",
                                    "ATTENUATION",
                                    "FORM",
                                    "SPARGE_TEMP",
                                    "PH",
                                    "INFUSE_AMOUNT",
                                    "STEP_TEMP",
                                    "STEP_TIME",
                                    "NOTES",
                                    "TASTE_NOTES",
                                    "TASTE_RATING",
                                    "OG",
                                    "FG",
                                    "PRIMARY_AGE",
                                    "PRIMARY_TEMP",
                                    "SECONDARY_AGE",
                                    "SECONDARY_TEMP",
                                    "AGE",
                                    "DATE",
                                    "PRIMING_SUGAR_NAME",
                                    "IBU_GAL_PER_LB"};
        QFile file(beerXmlData(QStringLiteral("all_records.xml")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList open;
        bool leaf = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                open << xml.name().toString();
                leaf = true;
            } else if (token == QXmlStreamReader::EndElement) {
                const QString name = open.takeLast();
                const bool insideEquipmentOrWater =
                    open.contains("EQUIPMENT") || open.contains("WATER");
                if (leaf && !insideEquipmentOrWater && !stored.contains(name)) {
                    QVERIFY2(report.contains(QStringLiteral("/ ") + name), qPrintable(name));
                }
                leaf = false;
            }
        }
        // Fields that are stored but only in part say so too.
        QVERIFY(report.contains("/ EST_OG = 1.043: not imported; worked out by the program"));
        QVERIFY(report.contains("/ IBU = 38: not imported; worked out by the program"));
    }

    // Files of other programs: lower-case tags, ISO-8859-1, numbers with unit
    // words and "%", empty optional fields.
    void quirksOfRealFilesAreRead() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("quirks.mdb"));
        storage::Database db;
        db.open(path);
        const auto result =
            beerxml::importBeerXml(db, beerXmlData(QStringLiteral("quirks_latin1.xml")));
        QCOMPARE(result.recipes.size(), std::size_t(1));
        const QStringList& report = result.recipes[0].report;
        const QVariantHash r = recipeRow(db, 1);
        QCOMPARE(r.value("RecipeName").toString(), QStringLiteral("Sch\u00f6ner Weizen"));
        QCOMPARE(r.value("RecipeProcessAllGrain").toInt(), 1);
        QCOMPARE(r.value("RecipeBatchSize").toDouble(), 5.2834);  // 20 L
        QCOMPARE(r.value("RecipeBoilSize").toDouble(), 5.5);      // "5.5 gal"
        QCOMPARE(r.value("RecipeBoilLth").toInt(), 60);
        QCOMPARE(r.value("RecipeSystemEfficiencyExpected").toDouble(), 75.0);
        QCOMPARE(r.value("RecipeSGOriginal").toDouble(), 1.0);  // empty OG: a new recipe's
        QCOMPARE(r.value("RecipeFermAvgTempPri").toInt(), 29);  // -1.5 °C
        QCOMPARE(r.value("RecipeMashType").toInt(), 0);
        QCOMPARE(r.value("RecipeMashTemp2").toInt(), 152);  // "152 F", a conversion rest
        QCOMPARE(r.value("RecipeDateBrewed").toString(), QStringLiteral("2024-07-01"));
        const auto grains = ingredientRows(db, 1, "Ingredients_Grains", "IngGrainsID");
        QCOMPARE(grains[0].value("IngGrainsWeight").toDouble(), 6.6);
        QCOMPARE(grains[0].value("IngGrainsSPGrav").toDouble(), 1.0384);
        QCOMPARE(grains[0].value("IngGrainsColor").toDouble(), 2.0);
        const auto hops = ingredientRows(db, 1, "Ingredients_Hops", "IngHopsID");
        QCOMPARE(hops[0].value("IngHopsName").toString(),
                 QStringLiteral("Hallertauer Mittelfr\u00fch"));
        QCOMPARE(hops[0].value("IngHopsWeight").toDouble(), 0.9877);
        QCOMPARE(hops[0].value("IngHopsAlpha").toDouble(), 4.3);
        QCOMPARE(hops[0].value("IngHopsTime").toDouble(), 60.0);
        const auto yeasts = ingredientRows(db, 1, "Ingredients_Yeasts", "IngYeastID");
        QCOMPARE(yeasts[0].value("IngYeastType").toString(), QStringLiteral("Ale"));
        QCOMPARE(yeasts[0].value("IngYeastForm").toString(), QStringLiteral("Dry"));
        QCOMPARE(yeasts[0].value("IngYeastAmt").toDouble(), 11.5);
        QCOMPARE(yeasts[0].value("IngYeastUnits").toString(), QStringLiteral("g"));
        QCOMPARE(yeasts[0].value("IngYeastAttenuation").toDouble(), 75.0);
        const QString p = QStringLiteral("RECIPE 'Sch\u00f6ner Weizen'");
        QVERIFY(report.contains(
            p + " / BOIL_SIZE = 5.5 gal: read as 20.81976481 in the standard's unit"));
        QVERIFY(
            report.contains(p + " / YEAST 'Weihenstephan Weizen' / TYPE = Wheat: stored as Ale"));
        QVERIFY(report.contains(
            p + " / YEAST 'Weihenstephan Weizen' / ATTENUATION: missing; stored as 75"));
    }

    // A lone RECIPE without its list, and a recipe without ingredients.
    void singleRecordAndEmptyRecipe() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("single.mdb"));
        storage::Database db;
        db.open(path);
        auto result = beerxml::importBeerXml(db, beerXmlData(QStringLiteral("single_record.xml")));
        QCOMPARE(result.recipes.size(), std::size_t(1));
        QCOMPARE(result.recipes[0].name, QStringLiteral("Lone Recipe"));
        QCOMPARE(recipeRow(db, 1).value("RecipeProcessExtract").toInt(), 1);

        result = beerxml::importBeerXml(db, beerXmlData(QStringLiteral("no_ingredients.xml")));
        QCOMPARE(result.recipes[0].batchNumber, 2);
        QVERIFY(result.recipes[0].report.contains(
            "RECIPE 'Empty Idea': the recipe has no ingredients; imported without any"));
        QCOMPARE(recipeRow(db, 2).value("RecipeName").toString(), QStringLiteral("Empty Idea"));
    }

    // With the switch, a recipe is stored in metric measures, and the report says
    // what that means for the calculations.
    void metricSwitch() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("metric.mdb"));
        storage::Database db;
        db.open(path);
        const auto result = beerxml::importBeerXml(
            db, beerXmlData(QStringLiteral("all_records.xml")), beerxml::Measures::Metric);
        QVERIFY(
            result.recipes[0].report.contains("RECIPE 'Dry Stout': stored in metric measures; the "
                                              "gravity and bitterness calculations "
                                              "are designed around English measures"));
        const QVariantHash r = recipeRow(db, 1);
        QCOMPARE(r.value("RecipeMeasureEnglish").toInt(), 1);
        QCOMPARE(r.value("RecipeBatchSize").toDouble(), 18.9271);
        QCOMPARE(r.value("RecipeMashTemp2").toInt(), 65);
        const auto grains = ingredientRows(db, 1, "Ingredients_Grains", "IngGrainsID");
        QCOMPARE(grains[0].value("IngGrainsWeight").toDouble(), 3.1751);
        QCOMPARE(grains[0].value("IngGrainsUnits").toString(), QStringLiteral("kg"));
        const auto hops = ingredientRows(db, 1, "Ingredients_Hops", "IngHopsID");
        QCOMPARE(hops[0].value("IngHopsWeight").toDouble(), 35.4369);
        QCOMPARE(hops[0].value("IngHopsUnits").toString(), QStringLiteral("g"));
    }

    // New recipes follow the highest batch number; the command prints each
    // recipe's batch and its report.
    void commandPrintsBatchesAndReports() {
        const QString path = test::sampleRecipeDatabase(m_dir, QStringLiteral("cmd.mdb"));
        QString out;
        QString err;
        QCOMPARE(runDb({"import-beerxml", path, beerXmlData("all_records.xml")}, &out, &err), 0);
        QVERIFY2(out.startsWith("Batch 9: Dry Stout\n"), qPrintable(out));
        QVERIFY(out.contains("\n  RECIPE 'Dry Stout' / EQUIPMENT: not imported\n"));
        QVERIFY(out.trimmed().endsWith("1 recipes imported from " + beerXmlData("all_records.xml") +
                                       "."));
        QCOMPARE(runDb({"import-beerxml", path, beerXmlData("single_record.xml")}, &out), 0);
        QVERIFY(out.startsWith("Batch 10: Lone Recipe\n"));

        QCOMPARE(runDb({"import-beerxml", path}, &out, &err), 2);
        QVERIFY(err.contains("usage"));
        QCOMPARE(runDb({"import-beerxml", path, beerXmlData("broken_halfway.xml")}, &out, &err), 1);
        QVERIFY(err.contains(beerXmlData("broken_halfway.xml")));
        storage::Database db;
        db.open(path);
        QCOMPARE(test::rowCount(db, "Recipes"), 10);
    }

    // The figures a file states for an all-grain recipe, against the
    // prediction of `maltwise-db recalc` on the imported recipe.
    void recalcAgreesWithStatedFigures() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("stated.mdb"));
        QString out;
        QCOMPARE(runDb({"import-beerxml", path, beerXmlData("stated_figures.xml")}, &out), 0);
        QCOMPARE(runDb({"recalc", path, "--batch", "1", "--data", m_data, "--json"}, &out), 0);
        QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
        QVERIFY2(std::fabs(json.value("original_gravity").toDouble() - 1.055) <= 0.002,
                 qPrintable(out));
        QVERIFY2(std::fabs(json.value("ibu").toDouble() - 40.1) <= 4.01, qPrintable(out));

        // Boiled in more than the batch: the bitterness differs by more than
        // a tenth, and the report says why.
        QCOMPARE(runDb({"import-beerxml", path, beerXmlData("stated_big_boil.xml")}, &out), 0);
        QVERIFY2(out.contains("RECIPE 'Big Boil Test' / IBU: this program divides each hop's "
                              "bitterness by the boil size (26 litres), where the file's figure "
                              "may rest on the batch size (20 litres)"),
                 qPrintable(out));
        QCOMPARE(runDb({"recalc", path, "--batch", "2", "--data", m_data, "--json"}, &out), 0);
        json = QJsonDocument::fromJson(out.toUtf8()).object();
        QVERIFY(std::fabs(json.value("original_gravity").toDouble() - 1.055) <= 0.002);
        QVERIFY(std::fabs(json.value("ibu").toDouble() - 40.1) > 4.01);
    }
};

static test::RegisterTest<TestBeerXmlImport> registerImport;

#include "tst_beerxml_import.moc"
