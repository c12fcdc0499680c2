#include <QtTest>
#include <vector>

#include "support/test_registry.h"
#include "views/recipe_log_order.h"

using namespace mw::views;

namespace {

// Sorts texts of one column the way the log does and returns them in order.
QStringList sorted(int column, const QStringList& texts, bool ascending) {
    std::vector<const QString*> pointers;
    for (const QString& t : texts) {
        pointers.push_back(&t);
    }
    const LogColumnKeys keys(column, pointers);
    std::vector<int> order(texts.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = int(i);
    }
    sortLogRows(order, keys, ascending);
    QStringList out;
    for (int i : order) {
        out << texts[i];
    }
    return out;
}

}  // namespace

class TestRecipeLogOrder : public QObject {
    Q_OBJECT

private slots:
    void brewDatesHaveNoLeadingZeros() {
        QCOMPARE(brewDateText(2001, 3, 7), QStringLiteral("3/7/2001"));
        QCOMPARE(brewDateText(1999, 12, 31), QStringLiteral("12/31/1999"));
        QCOMPARE(brewDateText(5, 1, 1), QStringLiteral("1/1/5"));
    }

    void comparisons_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");  // sign
        QTest::newRow("batch 9 before 10") << int(ColumnBatch) << "9"
                                           << "10" << -1;
        QTest::newRow("batch equal") << int(ColumnBatch) << "42"
                                     << "42" << 0;
        QTest::newRow("batch not a number is 0") << int(ColumnBatch) << "x"
                                                 << "0" << 0;
        QTest::newRow("batch leading digits") << int(ColumnBatch) << "12abc"
                                              << "11" << 1;
        QTest::newRow("batch negative") << int(ColumnBatch) << "-3"
                                        << "2" << -1;
        QTest::newRow("date by day") << int(ColumnBrewDate) << "3/7/2001"
                                     << "3/8/2001" << -1;
        QTest::newRow("date month before day") << int(ColumnBrewDate) << "12/1/2000"
                                               << "2/11/2001" << -1;
        QTest::newRow("date across years") << int(ColumnBrewDate) << "1/1/2024"
                                           << "12/31/2023" << 1;
        QTest::newRow("empty date first") << int(ColumnBrewDate) << ""
                                          << "1/1/1900" << -1;
        QTest::newRow("empty dates equal") << int(ColumnBrewDate) << ""
                                           << "" << 0;
        QTest::newRow("no date is equal to all") << int(ColumnBrewDate) << "13/45/2001"
                                                 << "1/1/2001" << 0;
        QTest::newRow("capital before small") << int(ColumnName) << "Zesty Wit"
                                              << "amber ale" << -1;
        QTest::newRow("case matters") << int(ColumnName) << "ipa"
                                      << "IPA" << 1;
        QTest::newRow("prefix first") << int(ColumnStyle) << "Stout"
                                      << "Stout Porter" << -1;
        QTest::newRow("bytes: accent after z") << int(ColumnCategory) << "Bière"
                                               << "Biz" << 1;
        QTest::newRow("quote before letters") << int(ColumnSubcategory) << "\"A\""
                                              << "A" << -1;
        QTest::newRow("empty text first") << int(ColumnName) << ""
                                          << "A" << -1;
    }
    void comparisons() {
        QFETCH(int, column);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const int c = compareLogTexts(column, a, b);
        QCOMPARE((c > 0) - (c < 0), expected);
        const int reverse = compareLogTexts(column, b, a);
        QCOMPARE((reverse > 0) - (reverse < 0), -expected);
    }

    void ordersOfTheRules_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("batch numeric")
            << int(ColumnBatch) << QStringList{"10", "9", "100", "1", "65535", "2"}
            << QStringList{"1", "2", "9", "10", "100", "65535"};
        QTest::newRow("dates, undated first")
            << int(ColumnBrewDate)
            << QStringList{"6/15/2024", "", "10/7/2023", "1/13/2024", "", "11/18/2023"}
            << QStringList{"", "", "10/7/2023", "11/18/2023", "1/13/2024", "6/15/2024"};
        QTest::newRow("names by byte")
            << int(ColumnName) << QStringList{"amber", "Zesty", "Ale", "zebra", "Äpfel", "\"Q\""}
            << QStringList{"\"Q\"", "Ale", "Zesty", "amber", "zebra", "Äpfel"};
    }
    void ordersOfTheRules() {
        QFETCH(int, column);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, ascending);
        QCOMPARE(sorted(column, texts, true), ascending);
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(sorted(column, texts, false), descending);
    }

    // Every column, both ways, over many rows with repeats: each row stands
    // in the right order against the next by the column's comparison.
    void everyColumnBothWaysIsOrdered() {
        QRandomGenerator random(20011);
        const QStringList words{"Ale",
                                "ale",
                                "Stout",
                                "IPA",
                                "Bière",
                                "Ölbier",
                                "",
                                "Porter",
                                "porter",
                                "Zwickel",
                                "O'Hara's \"Best\""};
        for (int column = 0; column < LogColumnCount; ++column) {
            QStringList texts;
            for (int i = 0; i < 3000; ++i) {
                if (column == ColumnBatch) {
                    texts << QString::number(random.bounded(500));
                } else if (column == ColumnBrewDate) {
                    texts << (random.bounded(5) == 0
                                  ? QString()
                                  : brewDateText(2000 + random.bounded(25), 1 + random.bounded(12),
                                                 1 + random.bounded(28)));
                } else {
                    texts << words[random.bounded(words.size())];
                }
            }
            for (const bool up : {true, false}) {
                const QStringList result = sorted(column, texts, up);
                QCOMPARE(result.size(), texts.size());
                for (int i = 0; i + 1 < result.size(); ++i) {
                    const int c = compareLogTexts(column, result[i], result[i + 1]);
                    QVERIFY2(up ? c <= 0 : c >= 0,
                             qPrintable(QStringLiteral("column %1 row %2: %3 then %4")
                                            .arg(column)
                                            .arg(i)
                                            .arg(result[i], result[i + 1])));
                }
                QStringList a = result;
                QStringList b = texts;
                a.sort();
                b.sort();
                QCOMPARE(a, b);  // nothing lost, nothing doubled
            }
        }
    }

    void fewerThanTwoRowsAreNotSorted() {
        std::vector<int> none;
        const QString one = QStringLiteral("1");
        QVERIFY(!sortLogRows(none, LogColumnKeys(ColumnBatch, {}), true));
        std::vector<int> single{0};
        QVERIFY(!sortLogRows(single, LogColumnKeys(ColumnBatch, {&one}), true));
    }
};

MW_REGISTER_TEST(TestRecipeLogOrder)
#include "tst_recipe_log_order.moc"
