#include <QtTest>
#include <cmath>

#include "calc/calc_message_list.h"
#include "calc/hop_utilization.h"
#include "recipe_builder.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using calc::HopUtilizationTable;

class TestHopUtilization : public QObject {
    Q_OBJECT

private slots:
    // The column formula truncates in double precision, so half-way gravities
    // fall to the lower column where the sum comes out just below a whole number.
    void gravityColumn_data() {
        QTest::addColumn<double>("gravity");
        QTest::addColumn<int>("column");
        QTest::newRow("1.030") << 1.030 << 0;
        QTest::newRow("1.035 falls low") << 1.035 << 0;
        QTest::newRow("1.04") << 1.04 << 1;
        QTest::newRow("1.044") << 1.044 << 1;
        QTest::newRow("1.045 falls low") << 1.045 << 1;
        QTest::newRow("1.046") << 1.046 << 2;
        QTest::newRow("1.050") << 1.050 << 2;
        QTest::newRow("1.125 rounds up") << 1.125 << 10;
        QTest::newRow("1.13") << 1.13 << 10;
    }
    void gravityColumn() {
        QFETCH(double, gravity);
        QFETCH(int, column);
        QCOMPARE(HopUtilizationTable::gravityColumn(gravity), column);
    }

    void boilGroup_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("group");
        QTest::newRow("3") << 3 << 1;
        QTest::newRow("5") << 5 << 1;
        QTest::newRow("59") << 59 << 19;
        QTest::newRow("60") << 60 << 20;
        QTest::newRow("62") << 62 << 20;
        QTest::newRow("63") << 63 << 20;
        QTest::newRow("69") << 69 << 20;
        QTest::newRow("70") << 70 << 21;
        QTest::newRow("79") << 79 << 21;
        QTest::newRow("80") << 80 << 22;
        QTest::newRow("90") << 90 << 23;
        QTest::newRow("119") << 119 << 23;
        QTest::newRow("120") << 120 << 24;
    }
    void boilGroup() {
        QFETCH(int, minutes);
        QFETCH(int, group);
        QCOMPARE(HopUtilizationTable::boilGroup(minutes), group);
        // The lookup reads exactly that entry.
        const HopUtilizationTable table = test::indexedTable();
        QCOMPARE(table.lookup(minutes, 1.05).utilization, table.at(group, 2));
    }

    void bounds_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<double>("gravity");
        QTest::addColumn<std::vector<std::string>>("messages");
        const std::string gravityPrefix =
            "Warning: During Hops IBU calculation the Original Gravity (";
        const std::string timePrefix = "Warning: During Hops IBU calculation the Boil Time (";
        const std::string suffix = ") was outside the bounds of the Utilization table.";
        const std::string zero(catalogueText(233));
        QTest::newRow("low corner inside") << 3 << 1.03 << std::vector<std::string>{};
        QTest::newRow("high corner inside") << 120 << 1.13 << std::vector<std::string>{};
        QTest::newRow("gravity just low")
            << 60 << 1.0299 << std::vector<std::string>{gravityPrefix + "1.030" + suffix};
        QTest::newRow("gravity just high")
            << 60 << 1.1301 << std::vector<std::string>{gravityPrefix + "1.130" + suffix};
        QTest::newRow("gravity 1.140")
            << 60 << 1.14 << std::vector<std::string>{gravityPrefix + "1.140" + suffix};
        QTest::newRow("time 2") << 2 << 1.05 << std::vector<std::string>{timePrefix + "2" + suffix};
        QTest::newRow("time 121") << 121 << 1.05
                                  << std::vector<std::string>{timePrefix + "121" + suffix};
        QTest::newRow("time 0 is finishing hops") << 0 << 1.05 << std::vector<std::string>{zero};
        QTest::newRow("both, gravity first")
            << 0 << 1.2 << std::vector<std::string>{gravityPrefix + "1.200" + suffix, zero};
    }
    void bounds() {
        QFETCH(int, minutes);
        QFETCH(double, gravity);
        QFETCH(std::vector<std::string>, messages);
        const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
        const calc::UtilizationLookup found = table.lookup(minutes, gravity);
        std::vector<std::string> texts;
        for (const calc::CalcNotice& n : found.notices) {
            texts.push_back(n.text);
        }
        QCOMPARE(texts, messages);
        if (messages.empty()) {
            QVERIFY(found.utilization > 0.0);
        } else {
            QCOMPARE(found.utilization, 0.0);
        }
    }

    // Tinseth's published table, to three decimals (Tinseth, "Glenn's Hop
    // Utilization Numbers"): the value the bitterness example relies on and
    // a few corners.
    void tinsethDefaults_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("expected");
        QTest::newRow("60 min 1.050") << 20 << 2 << 0.231;
        QTest::newRow("60 min 1.030") << 20 << 0 << 0.276;
        QTest::newRow("30 min 1.050") << 10 << 2 << 0.177;
        QTest::newRow("120 min 1.130") << 24 << 10 << 0.123;
        QTest::newRow("3 min 1.030") << 1 << 0 << 0.034;
        QTest::newRow("0 min") << 0 << 5 << 0.0;
    }
    void tinsethDefaults() {
        QFETCH(int, group);
        QFETCH(int, column);
        QFETCH(double, expected);
        const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
        QCOMPARE(table.at(group, column), expected);
    }

    void fillInIndexOrderLeavesTheRestZero() {
        HopUtilizationTable table;
        table.fill({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2});
        QCOMPARE(table.at(0, 10), 1.1);
        QCOMPARE(table.at(1, 0), 1.2);  // the twelfth value starts group 1
        QCOMPARE(table.at(1, 1), 0.0);
        QCOMPARE(table.at(24, 10), 0.0);
    }

    void interactiveRouteShowsBoxes() {
        const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
        calc::CalcMessageList list;
        test::ScriptedPrompts prompts;
        const double u = calc::GetHopUtilization(table, 0, 1.2, true, list, prompts);
        QCOMPARE(u, 0.0);
        QCOMPARE(list.count(), 0u);
        QCOMPARE(prompts.shownNumbers(), (std::vector<int>{156, 233}));
        QCOMPARE(prompts.shown()[1].icon, PromptIcon::Information);
    }

    void listRouteAppends() {
        const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
        calc::CalcMessageList list;
        list.append("Information: earlier");
        test::ScriptedPrompts prompts;
        QCOMPARE(calc::GetHopUtilization(table, 121, 1.05, false, list, prompts), 0.0);
        QCOMPARE(calc::GetHopUtilization(table, 60, 1.05, false, list, prompts), 0.231);
        QCOMPARE(list.count(), 2u);
        QVERIFY(prompts.shown().empty());
    }
};

MW_REGISTER_TEST(TestHopUtilization)
#include "tst_hop_utilization.moc"
