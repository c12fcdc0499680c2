#include <QtTest>

#include "calc/bitterness_solver.h"
#include "calc/hop_utilization.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using calc::BitternessSolver;
using calc::SolveOutcome;
using F = BitternessSolver::Field;

namespace {
const calc::HopUtilizationTable& table() {
    static const calc::HopUtilizationTable t = calc::HopUtilizationTable::tinsethDefaults();
    return t;
}

std::vector<int> numbers(const SolveOutcome& outcome) {
    std::vector<int> n;
    for (const calc::SolverMessage& m : outcome.messages) {
        n.push_back(m.number);
    }
    return n;
}

// 1.050 and 60 minutes: utilization 0.231.
void typical(BitternessSolver& s, const char* weight, const char* alpha, const char* ibu) {
    s.editText(F::Gravity, "1.050");
    s.editText(F::BoilTime, "60");
    s.editText(F::BoilVolume, "5");
    s.editText(F::Weight, weight);
    s.editText(F::Alpha, alpha);
    s.editText(F::Ibu, ibu);
}
}  // namespace

class TestBitternessSolver : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        BitternessSolver s(table());
        QCOMPARE(s.text(F::Weight), std::string("1"));
        QCOMPARE(s.text(F::Alpha), std::string("0"));
        QCOMPARE(s.text(F::BoilVolume), std::string("5"));
        QCOMPARE(s.text(F::Gravity), std::string("1.03"));
        QCOMPARE(s.text(F::BoilTime), std::string("3"));
        QCOMPARE(s.text(F::Utilization), std::string("0.034"));
        QCOMPARE(s.text(F::Ibu), std::string("0"));
        QCOMPARE(s.text(F::Hbu), std::string("0.0"));
        QCOMPARE(s.hopLabel(), std::string("None Selected, 0.0"));
        QCOMPARE(std::string(s.weightUnit()), std::string("Onces"));
        QVERIFY(!s.resultsEnabled());
    }

    void defaultsHaveTwoZeros() {
        BitternessSolver s(table());
        const SolveOutcome out = s.calculate();
        QCOMPARE(numbers(out), std::vector<int>{222});
        QCOMPARE(out.messages[0].icon, PromptIcon::Exclamation);
        QVERIFY(!out.solved);
    }

    void inputRefusals_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("ibu");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("message");
        QTest::newRow("no zero") << "1"
                                 << "5"
                                 << "10"
                                 << "60" << 221;
        QTest::newRow("two zeros") << "0"
                                   << "5"
                                   << ""
                                   << "60" << 222;
        QTest::newRow("boil time zero") << "1"
                                        << "5"
                                        << ""
                                        << "0" << 223;
        QTest::newRow("boil time empty") << "1"
                                         << "5"
                                         << ""
                                         << "" << 223;
        QTest::newRow("no leading number") << "oz 1"
                                           << "5"
                                           << ""
                                           << "60" << 1001;
        QTest::newRow("alpha after a percent sign") << "1"
                                                    << "%5"
                                                    << ""
                                                    << "60" << 1001;
        QTest::newRow("minutes in words") << "1"
                                          << "5"
                                          << ""
                                          << "sixty" << 1002;
    }
    void inputRefusals() {
        QFETCH(QString, weight);
        QFETCH(QString, alpha);
        QFETCH(QString, ibu);
        QFETCH(QString, minutes);
        QFETCH(int, message);
        BitternessSolver s(table());
        typical(s, weight.toStdString().c_str(), alpha.toStdString().c_str(),
                ibu.toStdString().c_str());
        s.editText(F::BoilTime, minutes.toStdString());
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.refusal(), message);
        QVERIFY(!out.solved);
        QVERIFY(!s.resultsEnabled());
    }

    void notANumberNamesTheField() {
        BitternessSolver s(table());
        typical(s, "abc", "5", "");
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.messages[0].text, formatMessage(1001, "Weight", "abc"));
        QCOMPARE(out.focusField, std::optional<int>(F::Weight));
    }

    void solves_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("ibu");
        QTest::addColumn<int>("unknown");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("hbu");
        // 5 x 0.01 x 7490 x 1 x 0.231 / 5 = 17.30
        QTest::newRow("IBU") << "1"
                             << "5"
                             << "" << int(BitternessSolver::VarIbu) << "17"
                             << "5.0";
        // 30 x 5 / (5 x 0.01 x 7490 x 0.231) = 1.73, shown 2; HBU from 2
        QTest::newRow("weight rounded") << "0"
                                        << "5"
                                        << "30" << int(BitternessSolver::VarWeight) << "2"
                                        << "10.0";
        // 17 x 5 / (7490 x 1 x 0.231) x 100 = 4.91
        QTest::newRow("alpha rounded") << "1"
                                       << "0"
                                       << "17" << int(BitternessSolver::VarAlpha) << "5"
                                       << "5.0";
    }
    void solves() {
        QFETCH(QString, weight);
        QFETCH(QString, alpha);
        QFETCH(QString, ibu);
        QFETCH(int, unknown);
        QFETCH(QString, result);
        QFETCH(QString, hbu);
        BitternessSolver s(table());
        typical(s, weight.toStdString().c_str(), alpha.toStdString().c_str(),
                ibu.toStdString().c_str());
        const SolveOutcome out = s.calculate();
        QVERIFY(out.solved);
        QVERIFY(out.messages.empty());
        QCOMPARE(s.solvingFor(), unknown);
        QCOMPARE(s.text(s.fieldOf(unknown)), result.toStdString());
        QCOMPARE(s.text(F::Hbu), hbu.toStdString());
        QCOMPARE(s.text(F::Utilization), std::string("0.231"));
        QVERIFY(s.resultsEnabled());
        // The IBU edit was edited last.
        QCOMPARE(out.focusField, std::optional<int>(F::Ibu));
    }

    void volumeSolved() {
        BitternessSolver s(table());
        typical(s, "1", "5", "17");
        s.editText(F::BoilVolume, "0");
        QVERIFY(s.calculate().solved);
        QCOMPARE(s.text(F::BoilVolume), std::string("5"));
        QCOMPARE(s.solvingFor(), int(BitternessSolver::VarBoilVolume));
    }

    // Metric uses 1000 and converts nothing: 28 g in 19 litres.
    void metricWithoutConversion() {
        BitternessSolver s(table());
        typical(s, "28", "5", "");
        s.editText(F::BoilVolume, "19");
        const SolveOutcome out = s.setMeasurement(BitternessSolver::Metric);
        QVERIFY(out.solved);
        QCOMPARE(std::string(s.weightUnit()), std::string("Grams"));
        QCOMPARE(std::string(s.volumeUnit()), std::string("Liters"));
        QCOMPARE(s.text(F::Ibu), formatNumber(194, 5 * 0.01 * 1000.0 * 28 * 0.231 / 19));
        QCOMPARE(s.text(F::Hbu), std::string("140.0"));
    }

    void boilTimeZeroRefreshesAndReturnsFocus() {
        BitternessSolver s(table());
        typical(s, "1", "5", "");
        QVERIFY(s.leaveField(F::BoilTime).messages.empty());  // 60 minutes: found
        s.editText(F::BoilTime, "0");
        const SolveOutcome left = s.leaveField(F::BoilTime);
        QCOMPARE(numbers(left), std::vector<int>{233});
        QCOMPARE(left.messages[0].icon, PromptIcon::Information);
        QCOMPARE(left.focusField, std::optional<int>(F::BoilTime));
        QCOMPARE(s.text(F::Utilization), std::string("0.000"));
        // Leaving again without a change looks nothing up.
        QVERIFY(s.leaveField(F::BoilTime).messages.empty());
        QCOMPARE(s.calculate().refusal(), 223);
    }

    void leavingAfterAGoodChangeShowsTheValue() {
        BitternessSolver s(table());
        s.editText(F::Gravity, "1.050");
        s.editText(F::BoilTime, "60");
        const SolveOutcome out = s.leaveField(F::Gravity);
        QVERIFY(out.messages.empty());
        QVERIFY(!out.focusField);
        QCOMPARE(s.text(F::Utilization), std::string("0.231"));
    }

    // A utilization of 0 (the lookup has said why): the weight and the alpha
    // would divide by it, so their edit is left empty with message 1003; the
    // IBU and the boil volume come out 0 as the formula gives them.
    void zeroUtilization_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("ibu");
        QTest::addColumn<int>("unknownField");
        QTest::addColumn<std::vector<int>>("messages");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QString>("shown");
        QTest::newRow("weight") << "0"
                                << "5"
                                << "5"
                                << "30" << int(F::Weight) << std::vector<int>{156, 1003} << false
                                << "";
        QTest::newRow("alpha") << "1"
                               << "0"
                               << "5"
                               << "30" << int(F::Alpha) << std::vector<int>{156, 1003} << false
                               << "";
        // 5 x 0.01 x 7490 x 1 x 0 / 5
        QTest::newRow("IBU") << "1"
                             << "5"
                             << "5"
                             << "" << int(F::Ibu) << std::vector<int>{156} << true << "0";
        // 5 x 0.01 x 7490 x 1 x 0 / 30
        QTest::newRow("boil volume")
            << "1"
            << "5"
            << "0"
            << "30" << int(F::BoilVolume) << std::vector<int>{156} << true << "0";
    }
    void zeroUtilization() {
        QFETCH(QString, weight);
        QFETCH(QString, alpha);
        QFETCH(QString, volume);
        QFETCH(QString, ibu);
        QFETCH(int, unknownField);
        QFETCH(std::vector<int>, messages);
        QFETCH(bool, solved);
        QFETCH(QString, shown);
        BitternessSolver s(table());
        typical(s, weight.toStdString().c_str(), alpha.toStdString().c_str(),
                ibu.toStdString().c_str());
        s.editText(F::BoilVolume, volume.toStdString());
        s.editText(F::Gravity, "1.2");  // beyond the table: utilization 0
        const SolveOutcome out = s.calculate();
        QCOMPARE(numbers(out), messages);
        QCOMPARE(out.messages[0].icon, PromptIcon::Information);
        QCOMPARE(s.text(F::Utilization), std::string("0.000"));
        QCOMPARE(out.solved, solved);
        QCOMPARE(s.text(unknownField), shown.toStdString());
        if (solved) {
            QCOMPARE(s.text(F::Hbu), std::string("5.0"));  // 60 x 1/60 x 5 x 1
            QCOMPARE(s.fieldOf(s.solvingFor()), unknownField);
        }
    }

    void hugeValuesAreRefused() {
        BitternessSolver s(table());
        typical(s, "1e300", "1e300", "");
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.refusal(), 1005);
        QCOMPARE(s.text(F::Ibu), std::string(""));
    }

    // Recalculate solves for the same unknown after an input changed.
    void recalculateResolvesTheSameUnknown() {
        BitternessSolver s(table());
        typical(s, "1", "0", "17");
        QVERIFY(s.calculate().solved);
        QCOMPARE(s.text(F::Alpha), std::string("5"));
        s.editText(F::Ibu, "30");
        const SolveOutcome out = s.recalculate();
        QVERIFY(out.solved);
        QCOMPARE(s.solvingFor(), int(BitternessSolver::VarAlpha));
        QCOMPARE(s.text(F::Alpha), std::string("9"));
        QCOMPARE(out.focusField, std::optional<int>(F::Ibu));
        // Later Calculates keep the focus Recalculate chose until Clear.
        s.editText(F::Weight, "1");
        s.editText(F::Alpha, "0");
        QCOMPARE(s.calculate().focusField, std::optional<int>(F::Ibu));
        s.clear();
        typical(s, "1", "5", "");
        s.editText(F::Alpha, "5");
        QCOMPARE(s.calculate().focusField, std::optional<int>(F::Alpha));
    }

    void choosingAVariable() {
        BitternessSolver s(table());
        typical(s, "1", "5", "");
        QVERIFY(s.calculate().solved);
        const SolveOutcome chosen = s.chooseVariable(BitternessSolver::VarWeight);
        QCOMPARE(chosen.focusField, std::optional<int>(F::Weight));
        QCOMPARE(s.text(F::Weight), std::string("0"));
        QCOMPARE(s.solvingFor(), int(BitternessSolver::VarWeight));
        const SolveOutcome out = s.calculate();
        QVERIFY(out.solved);
        QCOMPARE(s.text(F::Weight), std::string("1"));
        QCOMPARE(out.focusField, std::optional<int>(F::Weight));  // none edited: weight
        s.chooseVariable(BitternessSolver::VarIbu);
        QCOMPARE(s.text(F::Ibu), std::string(""));
    }

    void clearRestoresDefaults() {
        BitternessSolver s(table());
        typical(s, "1", "5", "");
        s.setMeasurement(BitternessSolver::Metric);
        s.selectHop("Cascade", 5.5);
        QCOMPARE(s.hopLabel(), std::string("Cascade, 5.5"));
        QCOMPARE(s.text(F::Alpha), std::string("5.5"));
        const SolveOutcome out = s.clear();
        QCOMPARE(out.focusField, std::optional<int>(F::Weight));
        QCOMPARE(s.solvingFor(), int(BitternessSolver::VarNone));
        QVERIFY(!s.resultsEnabled());
        QCOMPARE(s.measurement(), BitternessSolver::English);
        QCOMPARE(s.hopLabel(), std::string("None Selected, 0.0"));
        QCOMPARE(s.text(F::Utilization), std::string("0.034"));
        QCOMPARE(s.text(F::Hbu), std::string("0.0"));
    }
};

MW_REGISTER_TEST(TestBitternessSolver)
#include "tst_bitterness_solver.moc"
