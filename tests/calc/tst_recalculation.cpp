#include <QtTest>

#include "calc/target_ranges.h"
#include "recipe_builder.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using calc::CalcStatus;
using test::TestRecipe;

class TestRecalculation : public QObject {
    Q_OBJECT

private slots:
    void statusAndAnnouncement_data() {
        QTest::addColumn<bool>("withProblem");
        QTest::addColumn<bool>("announce");
        QTest::addColumn<bool>("displayWarnings");
        QTest::addColumn<CalcStatus>("status");
        QTest::addColumn<std::vector<int>>("boxes");
        QTest::newRow("problem, announced")
            << true << true << true << CalcStatus::Errors << std::vector<int>{12};
        QTest::newRow("problem, not announced")
            << true << false << true << CalcStatus::Errors << std::vector<int>{};
        QTest::newRow("problem, warnings off")
            << true << true << false << CalcStatus::Errors << std::vector<int>{};
        QTest::newRow("clean") << false << true << true << CalcStatus::NoErrors
                               << std::vector<int>{};
    }
    void statusAndAnnouncement() {
        QFETCH(bool, withProblem);
        QFETCH(bool, announce);
        QFETCH(bool, displayWarnings);
        QFETCH(CalcStatus, status);
        QFETCH(std::vector<int>, boxes);
        TestRecipe r;
        r.extract("5", withProblem ? "bad" : "1.050");
        r.yeast("1", "75");
        r.calc.setDisplayWarnings(displayWarnings);
        QCOMPARE(r.calc.status(), CalcStatus::NotDone);
        r.calc.RecalculateRecipe(announce);
        QCOMPARE(r.calc.status(), status);
        QCOMPARE(r.prompts.shownNumbers(), boxes);
        if (!boxes.empty()) {
            QCOMPARE(r.prompts.shown()[0].icon, PromptIcon::Information);
        }
    }

    // What the status label and the "Msgs" button look like after each way a
    // recipe can leave them: red "Errors" with the button enabled after a
    // recalculation with messages, blue "No Errors" with it disabled after a
    // clean one, and "Not Done" in the label's own colour once another recipe
    // is entered.
    void statusLookAfterRecalculation_data() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<bool>("msgsEnabled");
        QTest::newRow("extract without a gravity") << RecipeSetup([](TestRecipe& r) {
            r.extract("5", "bad");
            r.yeast("1", "75");
            r.calc.RecalculateRecipe(false);
        }) << "Errors" << true << 255 << 0 << 0 << true;
        QTest::newRow("clean extract recipe") << RecipeSetup([](TestRecipe& r) {
            r.extract("5", "1.050");
            r.hop("5", "1", "60");
            r.yeast("1", "75");
            r.calc.RecalculateRecipe(false);
        }) << "No Errors" << true << 0 << 0 << 255
                                              << false;
        QTest::newRow("another recipe entered") << RecipeSetup([](TestRecipe& r) {
            r.extract("5", "bad");
            r.yeast("1", "75");
            r.calc.RecalculateRecipe(false);
            r.calc.enterRecipe();
        }) << "Not Done" << false << 0 << 0 << 0 << false;
        QTest::newRow("messages corrected") << RecipeSetup([](TestRecipe& r) {
            r.extract("5", "bad");
            r.yeast("1", "75");
            r.calc.RecalculateRecipe(false);
            r.rows.setCellText(calc::Sheet::Extracts, 1, calc::ExtractCol::SpGrav, "1.050");
            r.calc.RecalculateRecipe(false);
        }) << "No Errors" << true << 0 << 0 << 255
                                            << false;
    }
    void statusLookAfterRecalculation() {
        QFETCH(RecipeSetup, setup);
        QFETCH(QString, text);
        QFETCH(bool, coloured);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(bool, msgsEnabled);
        TestRecipe r;
        setup(r);
        const calc::CalcStatusLook look = r.calc.statusLook();
        QCOMPARE(QString::fromUtf8(look.text.data(), static_cast<qsizetype>(look.text.size())),
                 text);
        QCOMPARE(look.color.has_value(), coloured);
        if (coloured) {
            QCOMPARE(look.color->red, red);
            QCOMPARE(look.color->green, green);
            QCOMPARE(look.color->blue, blue);
        }
        QCOMPARE(look.msgsButtonEnabled, msgsEnabled);
    }

    // The list is cleared first; the gravity messages repeat once per hop row
    // and the messages window shows each once.
    void listClearedAndRepeatedPerHopRow() {
        TestRecipe r;
        r.extract("5", "1.050");
        r.grain("1", "bad");
        r.hop("5", "1", "60");
        r.hop("5", "1", "30");
        r.hop("5", "1", "15");
        r.yeast("1", "75");
        r.calc.RecalculateRecipe(false);
        r.calc.RecalculateRecipe(false);
        QCOMPARE(r.calc.messages().count(), 6u);
        QCOMPARE(r.calc.messages().sortedUnique(),
                 (std::vector<std::string>{formatRowMessage(286, ".028", "Grain", 1),
                                           formatRowMessage(149, "bad", "Grain", 1)}));
    }

    void noHopsStillPredicts() {
        TestRecipe r;
        r.extract("6", "1.040", "Syrup", "lbs", "10", "3.5");
        r.yeast("1", "75");
        r.calc.RecalculateRecipe(false);
        QCOMPARE(r.calc.results().totalIbu, 0.0);
        QCOMPARE(r.calc.results().totalHbu, 3.5);
        QVERIFY(std::abs(r.calc.results().originalGravity - 1.048) < 1e-9);
        QVERIFY(std::abs(r.calc.results().alcohol - 4.59) < 1e-9);
        QCOMPARE(r.calc.results().color, 12.0);
        QCOMPARE(r.calc.status(), CalcStatus::NoErrors);
    }

    // Alcohol reads the gravity the bitterness left, even with a zero boil size.
    void boilSizeZeroStillPredictsGravity() {
        TestRecipe r;
        r.fields.boil = 0.0;
        r.extract("6", "1.040");
        r.hop("5", "1", "60");
        r.yeast("1", "75");
        r.calc.RecalculateRecipe(false);
        QVERIFY(std::abs(r.calc.results().originalGravity - 1.048) < 1e-9);
        QVERIFY(std::abs(r.calc.results().alcohol - 4.59) < 1e-9);
        QCOMPARE(r.messages(), std::vector<std::string>{std::string(catalogueText(210))});
    }

    void msgsButton_data() {
        QTest::addColumn<bool>("withProblem");
        QTest::addColumn<bool>("displayWarnings");
        QTest::addColumn<bool>("opensWindow");
        QTest::addColumn<std::vector<int>>("boxes");
        QTest::newRow("messages open the window") << true << true << true << std::vector<int>{};
        QTest::newRow("corrected: message 13") << false << true << false << std::vector<int>{13};
        QTest::newRow("corrected, warnings off") << false << false << false << std::vector<int>{};
    }
    void msgsButton() {
        QFETCH(bool, withProblem);
        QFETCH(bool, displayWarnings);
        QFETCH(bool, opensWindow);
        QFETCH(std::vector<int>, boxes);
        TestRecipe r;
        r.extract("5", withProblem ? "bad" : "1.050");
        r.yeast("1", "75");
        r.calc.setDisplayWarnings(displayWarnings);
        QCOMPARE(r.calc.ShowCalcMessages(), opensWindow);
        // The button never announces message 12.
        QCOMPARE(r.prompts.shownNumbers(), boxes);
        QCOMPARE(r.calc.status(), withProblem ? CalcStatus::Errors : CalcStatus::NoErrors);
    }

    void enteringAndClearing() {
        TestRecipe r;
        r.extract("5", "1.050");
        r.calc.RecalculateRecipe(false);
        r.calc.enterRecipe();
        QCOMPARE(r.calc.status(), CalcStatus::NotDone);
        QVERIFY(r.calc.results().originalGravity > 1.0);  // entering keeps the results
        r.calc.clearResults();
        QCOMPARE(r.calc.results().originalGravity, 0.0);
        QCOMPARE(r.calc.results().color, 0.0);
    }

    void targetRanges_data() {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<std::vector<std::string>>("lines");
        QTest::newRow("style chosen")
            << true
            << std::vector<std::string>{"Target Specific Gravity 1.045 - 1.060",
                                        "Target Alcohol 4.5 - 6.2", "Target IBU 30 - 45",
                                        "Target Color 5.0 - 14.0"};
        QTest::newRow("never chosen")
            << false
            << std::vector<std::string>{"Target Specific Gravity 0.000 - 0.000",
                                        "Target Alcohol 0.0 - 0.0", "Target IBU 0 - 0",
                                        "Target Color 0.0 - 0.0"};
    }
    void targetRanges() {
        QFETCH(bool, chosen);
        QFETCH(std::vector<std::string>, lines);
        calc::RecipeFieldValues fields;
        if (chosen) {
            fields.style = "American Pale Ale";
            fields.category = "Pale American Ale";
            fields.subcategory = "18B";
            fields.spGravLo = 1.045;
            fields.spGravHi = 1.060;
            fields.alcoLo = 4.5;
            fields.alcoHi = 6.2;
            fields.ibuLo = 30;
            fields.ibuHi = 45;
            fields.colorLo = 5;
            fields.colorHi = 14;
        } else {
            fields.spGravLo = fields.spGravHi = 0.0;
        }
        const calc::TargetRangeDisplay display = calc::targetRanges(fields);
        QCOMPARE(std::vector<std::string>(display.lines.begin(), display.lines.end()), lines);
        QCOMPARE(display.style, fields.style);
        QCOMPARE(display.subcategory, fields.subcategory);
    }
};

MW_REGISTER_TEST(TestRecalculation)
#include "tst_recalculation.moc"
