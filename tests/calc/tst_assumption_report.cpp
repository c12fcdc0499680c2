#include <QtTest>
#include <algorithm>
#include <bit>
#include <cstdint>

#include "calc/assumption_report.h"
#include "recipe_builder.h"
#include "support/test_registry.h"

using namespace mw;
using calc::Figure;
using test::TestRecipe;

namespace {

// The report of a full recalculation.
struct Explained {
    calc::AssumptionReport report;

    explicit Explained(TestRecipe& r) {
        r.calc.setAssumptionReport(&report);
        r.calc.RecalculateRecipe(false);
    }
    QByteArray dump() const {
        QByteArray all;
        for (const calc::Assumption& a : report.entries()) {
            all += QByteArray(calc::figureKey(a.figure).data()) + ": " + a.text.c_str() + "\n";
        }
        return all;
    }
};

using Fragments = std::vector<const char*>;

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Everything the classic calculation leaves behind, to the last bit.
struct ClassicOutcome {
    std::vector<std::uint64_t> figures;
    std::vector<std::string> messages;
    std::vector<std::string> hopCells;

    bool operator==(const ClassicOutcome&) const = default;
};

ClassicOutcome classicOutcome(const RecipeSetup& setup, bool recording) {
    TestRecipe r;
    setup(r);
    calc::AssumptionReport report;
    if (recording) {
        r.calc.setAssumptionReport(&report);
    }
    r.calc.RecalculateRecipe(false);
    const calc::CalcResults& c = r.calc.results();
    ClassicOutcome o{{bits(c.originalGravity), bits(c.totalIbu), bits(c.totalHbu), bits(c.alcohol),
                      bits(c.color)},
                     r.messages(),
                     {}};
    for (int row = 1; row <= r.rows.rowCount(calc::Sheet::Hops); ++row) {
        o.hopCells.push_back(r.hopCell(row, calc::HopCol::Ibu) + "/" +
                             r.hopCell(row, calc::HopCol::Hbu));
    }
    if (recording) {
        Q_ASSERT(!report.entries().empty());
    }
    return o;
}

}  // namespace

Q_DECLARE_METATYPE(Figure)
Q_DECLARE_METATYPE(Fragments)

// The assumption report: what each prediction took for granted.
class TestAssumptionReport : public QObject {
    Q_OBJECT

    // Recipes that reach every default, conversion and left-out row.
    static void recipes() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::newRow("extract ale") << RecipeSetup([](TestRecipe& r) {
            r.fields.boil = 3.5;
            r.fields.primingName = "Corn sugar";
            r.extract("6.6", "1.036");
            r.grain("0.5", "1.034", "lbs", "40");
            r.hop("10.5", "0.5", "60");
            r.hop("5.8", "1", "15");
            r.hop("5.8", "1", "5");
            r.yeast("1", "75");
        });
        QTest::newRow("no efficiency, no attenuation") << RecipeSetup([](TestRecipe& r) {
            r.fields.efficiency = 0.0;
            r.grain("10", "1.036");
            r.grain("8", "abc", "oz");
            r.hop("5", "1", "60");
            r.yeast("1", "");
        });
        QTest::newRow("a kit") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 2.5;
            r.kit("1.040", "10", "6.0");
            r.kit("0.9", "600");
        });
        QTest::newRow("metric with grams and kilograms") << RecipeSetup([](TestRecipe& r) {
            r.fields.measure = 1;
            r.fields.batch = 20.0;
            r.fields.boil = 25.0;
            r.extract("2", "1.037", "Dry", "kg");
            r.grain("4", "1.037", "kg", "5");
            r.hop("6", "30", "90", "g");
            r.hop("6", "30", "0", "g", "3", "1.5");
            r.yeast("1", "78");
        });
        QTest::newRow("rows left out") << RecipeSetup([](TestRecipe& r) {
            r.extract("0", "1.036");
            r.extract("3", "2.5", "Dry");
            r.adjunct("1", "1.046", "0");
            r.adjunct("", "1.046");
            r.hop("5", "1", "200");
            r.yeast("0", "75");
            r.yeast("1", "70");
            r.yeast("1", "72");
        });
        QTest::newRow("no boil size") << RecipeSetup([](TestRecipe& r) {
            r.fields.boil = 0.0;
            r.extract("6", "1.040");
            r.hop("5", "1", "60", "oz", "17", "5.0");
        });
        QTest::newRow("no batch size") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 0.0;
            r.grain("10", "1.036");
            r.hop("5", "1", "60");
        });
    }

private slots:
    // Attaching a report changes no figure, message or hop cell, to the last bit.
    void classicFiguresAreUnchanged_data() { recipes(); }
    void classicFiguresAreUnchanged() {
        QFETCH(RecipeSetup, setup);
        QVERIFY(classicOutcome(setup, false) == classicOutcome(setup, true));
    }

    // Each entry names the figure it bears on and says what was taken.
    void reportsWhatEachFigureTookForGranted_data() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<Fragments>("fragments");
        const RecipeSetup ale([](TestRecipe& r) {
            r.fields.boil = 3.5;
            r.fields.primingName = "Corn sugar";
            r.extract("6.6", "1.036");
            r.grain("0.5", "1.034", "lbs", "40");
            r.hop("10.5", "0.5", "60");
            r.hop("5.8", "1", "5");
            r.yeast("1", "75");
        });
        QTest::newRow("batch size divides the gravity")
            << ale << Figure::OriginalGravity << Fragments{"Batch size 5 US gallons", "divides"};
        QTest::newRow("efficiency as entered")
            << ale << Figure::OriginalGravity << Fragments{"System efficiency 80 %", "grains only"};
        QTest::newRow("table entry of a 60-minute hop")
            << ale << Figure::Ibu
            << Fragments{"Hop row 1", "utilization 0.231",     "60 minutes",
                         "1.050",     "group 20 (60 minutes)", "column 2 (1.050)"};
        QTest::newRow("a 5-minute hop reads the 3-minute group")
            << ale << Figure::Ibu
            << Fragments{"Hop row 2", "utilization 0.029", "group 1 (3 minutes)"};
        QTest::newRow("the boil size divides the bitterness")
            << ale << Figure::Ibu
            << Fragments{"Hop row 1", "7490", "boil size 3.5 US gallons", "written \"26\""};
        QTest::newRow("HBU of a hop row")
            << ale << Figure::Hbu << Fragments{"Hop row 1", "60 / 60", "written \"5.3\""};
        QTest::newRow("attenuation of the one yeast")
            << ale << Figure::Alcohol << Fragments{"Attenuation 75 % from Yeast row 1"};
        QTest::newRow("priming bonus")
            << ale << Figure::Alcohol << Fragments{"\"Corn sugar\"", "0.5 % is added"};
        QTest::newRow("colour of a grain")
            << ale << Figure::Color << Fragments{"Grain row 1: colour 40 x weight 0.5 = 20"};

        const RecipeSetup defaults([](TestRecipe& r) {
            r.fields.efficiency = 0.0;
            r.grain("10", "1.036");
            r.grain("8", "abc", "oz");
            r.hop("5", "1", "60");
            r.yeast("1", "");
        });
        QTest::newRow("no efficiency")
            << defaults << Figure::OriginalGravity
            << Fragments{"System efficiency not entered", "80 % is assumed"};
        QTest::newRow("no potential")
            << defaults << Figure::OriginalGravity
            << Fragments{"Grain row 2", "\"abc\"", "default .028", "the default for a grain"};
        QTest::newRow("ounces of grain") << defaults << Figure::OriginalGravity
                                         << Fragments{"Grain row 2: 8 oz x 0.0625 = 0.5 pounds"};
        QTest::newRow("no attenuation")
            << defaults << Figure::Alcohol << Fragments{"Yeast row 1", "attenuation \"\""};
        QTest::newRow("default attenuation")
            << defaults << Figure::Alcohol
            << Fragments{"Default attenuation 75 %", "no yeast with a valid attenuation"};
        QTest::newRow("no priming")
            << defaults << Figure::Alcohol << Fragments{"Priming \"\"", "nothing is added"};

        const RecipeSetup kit([](TestRecipe& r) {
            r.fields.batch = 2.5;
            r.kit("1.040", "10", "6.0");
            r.kit("0.9", "600");
        });
        QTest::newRow("kit volume in the gravity")
            << kit << Figure::OriginalGravity
            << Fragments{"kit volume of 5 US gallons (English measures)", "/ batch 2.5 = 0.08"};
        QTest::newRow("an invalid kit is left out")
            << kit << Figure::OriginalGravity
            << Fragments{"Kit row 2", "\"0.9\"", "left out", "no gravity is assumed"};
        QTest::newRow("kit volume in the colour")
            << kit << Figure::Color << Fragments{"kit volume of 5 US gallons", "10 x 5 / 2.5 = 20"};
        QTest::newRow("a kit colour out of range")
            << kit << Figure::Color << Fragments{"Kit row 2", "\"600\"", "outside 1 to 500"};
        QTest::newRow("kit HBU") << kit << Figure::Hbu << Fragments{"Kit row 1", "\"6.0\""};

        const RecipeSetup metric([](TestRecipe& r) {
            r.fields.measure = 1;
            r.fields.batch = 20.0;
            r.fields.boil = 25.0;
            r.extract("25", "1.037", "Dry", "kg");
            r.hop("6", "30", "90", "g");
            r.hop("6", "30", "0", "g", "3", "1.5");
        });
        QTest::newRow("metric batch size")
            << metric << Figure::OriginalGravity << Fragments{"Batch size 20 litres"};
        QTest::newRow("extract kilograms as entered in the gravity")
            << metric << Figure::OriginalGravity
            << Fragments{"Extract row 1: weight 25 \"kg\" used as entered"};
        QTest::newRow("extract kilograms to pounds in the colour")
            << metric << Figure::Color << Fragments{"Extract row 1: 25 kg x 2.2 = 55 pounds"};
        QTest::newRow("grams factor")
            << metric << Figure::Ibu
            << Fragments{"Hop row 1", "30 g x 0.35 (the program's grams factor) = 10.5",
                         "used for metric recipes too", "boil size 25 litres"};
        QTest::newRow("a finishing hop keeps its texts")
            << metric << Figure::Ibu
            << Fragments{"Hop row 2", "finishing hop", "keeps its IBU \"3\" and HBU \"1.5\""};
        QTest::newRow("metric colour limit")
            << metric << Figure::Color << Fragments{"1 to 2000 (metric measures)"};

        const RecipeSetup leftOut([](TestRecipe& r) {
            r.extract("0", "1.036");
            r.extract("3", "2.5", "Dry");
            r.adjunct("1", "1.046", "0");
            r.hop("5", "1", "200");
            r.yeast("0", "75");
            r.yeast("1", "70");
            r.yeast("1", "72");
        });
        QTest::newRow("extract without weight")
            << leftOut << Figure::OriginalGravity
            << Fragments{"Extract row 1: weight is zero or missing", "left out"};
        QTest::newRow("dry extract default")
            << leftOut << Figure::OriginalGravity
            << Fragments{"Extract row 2", "default .045", "form is \"Dry\""};
        QTest::newRow("non-fermentable adjunct in the gravity")
            << leftOut << Figure::OriginalGravity << Fragments{"Adjunct row 1: not fermentable"};
        QTest::newRow("non-fermentable adjunct in the colour")
            << leftOut << Figure::Color << Fragments{"Adjunct row 1", "adds no colour"};
        QTest::newRow("boil time beyond the table")
            << leftOut << Figure::Ibu
            << Fragments{"Hop row 1", "200 minutes is outside the utilization table"};
        QTest::newRow("yeast without amount")
            << leftOut << Figure::Alcohol << Fragments{"Yeast row 1: amount is zero"};
        QTest::newRow("two yeasts")
            << leftOut << Figure::Alcohol << Fragments{"Default attenuation 75 %", "2 yeasts"};

        QTest::newRow("no boil size") << RecipeSetup([](TestRecipe& r) {
            r.fields.boil = 0.0;
            r.hop("5", "1", "60", "oz", "17", "5.0");
        }) << Figure::Ibu << Fragments{"Hop row 1", "boil size is 0", "keeps its IBU \"17\""};
        QTest::newRow("no batch size") << RecipeSetup([](TestRecipe& r) { r.fields.batch = 0.0; })
                                       << Figure::Color << Fragments{"Batch size is 0", "stays 0"};
    }
    void reportsWhatEachFigureTookForGranted() {
        QFETCH(RecipeSetup, setup);
        QFETCH(Figure, figure);
        QFETCH(Fragments, fragments);
        TestRecipe r;
        setup(r);
        const Explained e(r);
        bool found = false;
        for (const std::string& text : e.report.about(figure)) {
            found = found || std::all_of(fragments.begin(), fragments.end(), [&](const char* f) {
                        return text.find(f) != std::string::npos;
                    });
        }
        QVERIFY2(found, e.dump().constData());
    }

    // The gravity worked out again for every hop row is reported once; a new
    // recalculation starts a new report.
    void eachAssumptionOnce() {
        TestRecipe r;
        r.grain("10", "1.036");
        r.hop("5", "1", "60");
        r.hop("5", "1", "30");
        r.hop("5", "1", "15");
        calc::AssumptionReport report;
        r.calc.setAssumptionReport(&report);
        r.calc.RecalculateRecipe(false);
        const std::size_t size = report.entries().size();
        for (std::size_t i = 0; i < size; ++i) {
            for (std::size_t j = i + 1; j < size; ++j) {
                QVERIFY(!(report.entries()[i] == report.entries()[j]));
            }
        }
        r.calc.RecalculateRecipe(false);
        QCOMPARE(report.entries().size(), size);
        r.calc.setAssumptionReport(nullptr);
        r.calc.RecalculateRecipe(false);
        QCOMPARE(report.entries().size(), size);
    }
};

MW_REGISTER_TEST(TestAssumptionReport)
#include "tst_assumption_report.moc"
