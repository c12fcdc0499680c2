#include <QtTest>

#include "calc/converter_solver.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using calc::ConverterSolver;
using calc::SolveOutcome;

class TestConverters : public QObject {
    Q_OBJECT

private slots:
    void convert_data() {
        QTest::addColumn<bool>("gravity");  // true: SG/Balling, false: ABV/ABW
        QTest::addColumn<QString>("field0");
        QTest::addColumn<QString>("field1");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("result0");
        QTest::addColumn<QString>("result1");
        QTest::newRow("gravity to Balling") << true << "1.048"
                                            << "" << 0 << "1.048"
                                            << "12.00";
        QTest::newRow("Balling to gravity") << true << ""
                                            << "12" << 0 << "1.048"
                                            << "12.00";
        QTest::newRow("negative Balling passes") << true << ""
                                                 << "-2" << 0 << "0.992"
                                                 << "-2.00";
        QTest::newRow("gravity 1.250") << true << "1.250"
                                       << "" << 267 << ""
                                       << "";
        QTest::newRow("Balling 55") << true << ""
                                    << "55" << 268 << ""
                                    << "";
        QTest::newRow("both filled") << true << "1.048"
                                     << "12" << 265 << ""
                                     << "";
        QTest::newRow("both empty") << true << ""
                                    << "" << 266 << ""
                                    << "";
        QTest::newRow("not a number") << true << "1.048"
                                      << "twelve" << 1001 << ""
                                      << "";
        QTest::newRow("by volume at once") << false << "5.00"
                                           << "" << 0 << "5.00"
                                           << "4.00";
        QTest::newRow("by weight") << false << ""
                                   << "4" << 0 << "5.00"
                                   << "4.00";
        QTest::newRow("by volume 25") << false << "25"
                                      << "" << 274 << ""
                                      << "";
        QTest::newRow("by weight 0.3") << false << ""
                                       << "0.3" << 275 << ""
                                       << "";
        QTest::newRow("both filled ABV") << false << "5"
                                         << "4" << 270 << ""
                                         << "";
        QTest::newRow("both empty ABV") << false << ""
                                        << "" << 271 << ""
                                        << "";
    }
    void convert() {
        QFETCH(bool, gravity);
        QFETCH(QString, field0);
        QFETCH(QString, field1);
        QFETCH(int, refusal);
        QFETCH(QString, result0);
        QFETCH(QString, result1);
        ConverterSolver s(gravity ? calc::kSgBallingConverter : calc::kAbvAbwConverter);
        s.editText(0, field0.toStdString());
        s.editText(1, field1.toStdString());
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.refusal(), refusal);
        if (refusal == 0) {
            QVERIFY(s.recalculateEnabled());
            QCOMPARE(s.text(0), result0.toStdString());
            QCOMPARE(s.text(1), result1.toStdString());
        }
    }

    // The range messages quote the text exactly as the brewer typed it.
    void rangeMessageQuotesTheText() {
        ConverterSolver s(calc::kSgBallingConverter);
        s.editText(0, "1.25");
        s.editText(1, "");
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.messages.size(), std::size_t(1));
        QCOMPARE(out.messages[0].text, formatMessage(267, "1.25"));
        QCOMPARE(out.messages[0].icon, PromptIcon::Exclamation);
        QCOMPARE(out.messages[0].number, 267);
    }

    void opensWithDefaults() {
        ConverterSolver sg(calc::kSgBallingConverter);
        QCOMPARE(sg.text(0), std::string("1.000"));
        QCOMPARE(sg.text(1), std::string(""));
        ConverterSolver abv(calc::kAbvAbwConverter);
        QCOMPARE(abv.text(0), std::string("5.00"));
        QVERIFY(!abv.recalculateEnabled());
        QCOMPARE(abv.solvedFor(), ConverterSolver::kNone);
    }

    void recalculateAndClear() {
        ConverterSolver s(calc::kSgBallingConverter);
        s.editText(0, "1.048");
        s.editText(1, "");
        SolveOutcome out = s.calculate();
        QCOMPARE(s.solvedFor(), 1);
        QCOMPARE(out.focusField, std::optional<int>(1));  // the Balling was edited last
        s.editText(0, "1.060");
        out = s.recalculate();
        QVERIFY(out.solved);
        QCOMPARE(s.text(1), std::string("15.00"));
        QCOMPARE(out.focusField, std::optional<int>(0));
        out = s.clear();
        QCOMPARE(s.text(0), std::string("1.000"));
        QCOMPARE(s.text(1), std::string("0.00"));
        QCOMPARE(s.solvedFor(), ConverterSolver::kNone);
        QVERIFY(!s.recalculateEnabled());
        QCOMPARE(out.focusField, std::optional<int>(0));
    }
};

MW_REGISTER_TEST(TestConverters)
#include "tst_converters.moc"
