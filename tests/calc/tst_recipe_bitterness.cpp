#include <QtTest>

#include "recipe_builder.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
namespace HopCol = calc::HopCol;
using test::TestRecipe;

namespace {
// An all-extract recipe of gravity 1.050 in 5 gallons.
void gravity1050(TestRecipe& r) {
    r.extract("5", "1.050");
}
}  // namespace

class TestRecipeBitterness : public QObject {
    Q_OBJECT

private slots:
    void hopRow_data() {
        QTest::addColumn<std::string>("alpha");
        QTest::addColumn<std::string>("weight");
        QTest::addColumn<std::string>("units");
        QTest::addColumn<std::string>("minutes");
        QTest::addColumn<bool>("unitChanging");
        QTest::addColumn<std::string>("ibu");
        QTest::addColumn<std::string>("hbu");
        // 5.0 x 0.01 x 1 x 0.231 x 7490 / 5 = 17.30
        QTest::newRow("worked example")
            << std::string("5.0") << std::string("1") << std::string("oz") << std::string("60")
            << false << std::string("17") << std::string("5.0");
        QTest::newRow("30 minutes")
            << std::string("5.0") << std::string("1") << std::string("oz") << std::string("30")
            << false << std::string("13") << std::string("2.5");
        // 28 g count as 9.8: HBU 60/60 x 9.8 x 5 = 49.0
        QTest::newRow("grams scaled by 0.35")
            << std::string("5.0") << std::string("28") << std::string("g") << std::string("60")
            << false << std::string("170") << std::string("49.0");
        QTest::newRow("unit changing away from oz means grams")
            << std::string("5.0") << std::string("28") << std::string("oz") << std::string("60")
            << true << std::string("170") << std::string("49.0");
        QTest::newRow("unit changing away from g means ounces")
            << std::string("5.0") << std::string("1") << std::string("g") << std::string("60")
            << true << std::string("17") << std::string("5.0");
        QTest::newRow("time 7.5 reads as 7")
            << std::string("6") << std::string("2") << std::string("oz") << std::string("7.5")
            << false << std::string("") << std::string("1.4");
    }
    void hopRow() {
        QFETCH(std::string, alpha);
        QFETCH(std::string, weight);
        QFETCH(std::string, units);
        QFETCH(std::string, minutes);
        QFETCH(bool, unitChanging);
        QFETCH(std::string, ibu);
        QFETCH(std::string, hbu);
        TestRecipe r;
        gravity1050(r);
        r.hop(alpha, weight, minutes, units);
        r.calc.CalcHopRow(1, unitChanging);
        if (!ibu.empty()) {
            QCOMPARE(r.hopCell(1, HopCol::Ibu), ibu);
        }
        QCOMPARE(r.hopCell(1, HopCol::Hbu), hbu);
        QVERIFY(r.messages().empty());
    }

    // Only a changed text is written and raises the modified flag; a stored
    // HBU of "5" equals a computed "5.0".
    void onlyChangedTextsAreWritten_data() {
        QTest::addColumn<std::string>("oldIbu");
        QTest::addColumn<std::string>("oldHbu");
        QTest::addColumn<int>("writes");
        QTest::newRow("both equal, HBU without decimals")
            << std::string("17") << std::string("5") << 0;
        QTest::newRow("both equal") << std::string("17") << std::string("5.0") << 0;
        QTest::newRow("IBU typed by hand") << std::string("20") << std::string("5.0") << 1;
        QTest::newRow("fresh row") << std::string("0") << std::string("0.0") << 2;
        QTest::newRow("HBU 5.00 is not 5.0") << std::string("17") << std::string("5.00") << 1;
    }
    void onlyChangedTextsAreWritten() {
        QFETCH(std::string, oldIbu);
        QFETCH(std::string, oldHbu);
        QFETCH(int, writes);
        TestRecipe r;
        gravity1050(r);
        r.hop("5.0", "1", "60", "oz", oldIbu, oldHbu);
        r.calc.CalcHopRow(1, false);
        QCOMPARE(r.modifiedCount, writes);
        QCOMPARE(r.hopCell(1, HopCol::Ibu), std::string("17"));
        if (writes == 0) {
            QCOMPARE(r.hopCell(1, HopCol::Hbu), oldHbu);  // untouched
        } else if (oldHbu != "5.0" && oldHbu != "5") {
            QCOMPARE(r.hopCell(1, HopCol::Hbu), std::string("5.0"));
        }
    }

    void boilTimeZeroKeepsTheRow() {
        TestRecipe r;
        gravity1050(r);
        r.hop("5.0", "1", "0", "oz", "17", "5.0");
        r.calc.CalcBitterness();
        QCOMPARE(r.messages(), std::vector<std::string>{std::string(catalogueText(233))});
        QCOMPARE(r.hopCell(1, HopCol::Ibu), std::string("17"));
        QCOMPARE(r.modifiedCount, 0);
        // The texts it keeps still count in the totals.
        QCOMPARE(r.calc.results().totalIbu, 17.0);
        QCOMPARE(r.calc.results().totalHbu, 5.0);
    }

    void boilSizeZeroSkipsEveryRow() {
        TestRecipe r;
        r.fields.boil = 0.0;
        gravity1050(r);
        r.hop("5", "1", "60", "oz", "10", "1.5");
        r.hop("5", "1", "60", "oz", "7", "2");
        r.hop("5", "1", "60");
        r.calc.CalcBitterness();
        const std::string boilZero(catalogueText(210));
        QCOMPARE(r.messages(), (std::vector<std::string>{boilZero, boilZero, boilZero}));
        QCOMPARE(r.calc.results().totalIbu, 17.0);
        QCOMPARE(r.calc.results().totalHbu, 3.5);
        // The gravity is not computed on this path.
        QCOMPARE(r.calc.results().originalGravity, 0.0);
    }

    // The gravity is computed again for every hop row, so its messages and
    // the out-of-table message come once per row.
    void gravityMessagesOncePerHopRow() {
        TestRecipe r;
        r.extract("7", "1.100");  // with the grain: 1.144
        r.grain("1", "bad");
        r.hop("5", "1", "60");
        r.hop("5", "1", "30");
        r.calc.CalcBitterness();
        const std::string sg = formatRowMessage(149, "bad", "Grain", 1);
        const std::string assumed = formatRowMessage(286, ".028", "Grain", 1);
        const std::string outside = formatMessage(156, "Original Gravity", "1.144");
        QCOMPARE(r.messages(),
                 (std::vector<std::string>{sg, assumed, outside, sg, assumed, outside}));
        QCOMPARE(r.calc.results().totalIbu, 0.0);
    }

    void kitAndExtractHbuCountWithoutHops() {
        TestRecipe r;
        r.kit("1.040", "10", "4.5");
        r.extract("3", "1.040", "Syrup", "lbs", "5", "2.5");
        r.calc.CalcBitterness();
        QCOMPARE(r.calc.results().totalIbu, 0.0);
        QCOMPARE(r.calc.results().totalHbu, 7.0);
    }

    void totalsAddEveryRow() {
        TestRecipe r;
        gravity1050(r);
        r.hop("5.0", "1", "60");
        r.hop("5.0", "1", "30");
        r.calc.CalcBitterness();
        QCOMPARE(r.calc.results().totalIbu, 30.0);
        QCOMPARE(r.calc.results().totalHbu, 7.5);
    }

    // The lookup uses the predicted gravity's column: 1.044 reads the 1.040
    // column, 1.046 the 1.050 column.
    void gravityPicksTheColumn_data() {
        QTest::addColumn<std::string>("potential");
        QTest::addColumn<int>("column");
        QTest::newRow("1.044") << std::string("1.044") << 1;
        QTest::newRow("1.046") << std::string("1.046") << 2;
    }
    void gravityPicksTheColumn() {
        QFETCH(std::string, potential);
        QFETCH(int, column);
        TestRecipe r;
        r.table = test::indexedTable();
        r.extract("5", potential);
        r.hop("10", "1", "60");
        r.calc.CalcHopRow(1, false);
        const double u = r.table.at(20, column);
        QCOMPARE(r.hopCell(1, HopCol::Ibu), formatNumber(194, 10 * 0.01 * 1 * u * 7490.0 / 5.0));
    }

    void overflowingRowIsLeftWithAMessage() {
        TestRecipe r;
        gravity1050(r);
        r.hop("1e300", "1e300", "60", "oz", "3", "1.0");
        r.calc.CalcHopRow(1, false);
        QCOMPARE(r.hopCell(1, HopCol::Ibu), std::string("3"));
        QCOMPARE(r.messages().size(), std::size_t(1));
        QVERIFY(r.messages()[0].find("Hops row 1") != std::string::npos);
    }
};

MW_REGISTER_TEST(TestRecipeBitterness)
#include "tst_recipe_bitterness.moc"
