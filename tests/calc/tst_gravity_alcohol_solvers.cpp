#include <QtTest>

#include "calc/alcohol_solver.h"
#include "calc/gravity_solver.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using calc::AlcoholSolver;
using calc::GravitySolver;
using calc::SolveOutcome;
using GF = GravitySolver::Field;
using AF = AlcoholSolver::Field;

class TestGravityAlcoholSolvers : public QObject {
    Q_OBJECT

private slots:
    void gravity_data() {
        QTest::addColumn<QStringList>("inputs");  // weight, potential, volume, efficiency, OG
        QTest::addColumn<bool>("kilograms");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QStringList>("results");  // weight, potential, volume, OG, Balling
        QTest::newRow("1 lb at 1.040, 100 percent")
            << QStringList{"1", "1.040", "5", "100", ""} << false << 0
            << QStringList{"1", "1.04", "5", "1.008", "2.0"};
        QTest::newRow("the same in kilograms")
            << QStringList{"1", "1.040", "5", "100", ""} << true << 0
            << QStringList{"1", "1.04", "5", "1.018", "4.5"};
        QTest::newRow("weight of 10 points at 75 percent, 1.85 shown 2")
            << QStringList{"0", "1.036", "5", "75", "1.010"} << false << 0
            << QStringList{"2", "1.036", "5", "1.010", "2.5"};
        QTest::newRow("weight in kilograms")
            << QStringList{"0", "1.036", "5", "75", "1.050"} << true << 0
            << QStringList{"4", "1.036", "5", "1.050", "12.5"};
        QTest::newRow("potential solved") << QStringList{"1", "0", "5", "100", "1.008"} << false
                                          << 0 << QStringList{"1", "1.04", "5", "1.008", "2.0"};
        QTest::newRow("volume solved") << QStringList{"1", "1.040", "0", "100", "1.008"} << false
                                       << 0 << QStringList{"1", "1.04", "5", "1.008", "2.0"};
        QTest::newRow("efficiency 0 first")
            << QStringList{"1", "1.040", "5", "0", "1.010"} << false << 240 << QStringList{};
        QTest::newRow("efficiency empty")
            << QStringList{"0", "0", "5", "", ""} << false << 240 << QStringList{};
        QTest::newRow("none zero")
            << QStringList{"1", "1.040", "5", "80", "1.010"} << false << 238 << QStringList{};
        QTest::newRow("two zeros")
            << QStringList{"0", "1.040", "5", "80", ""} << false << 239 << QStringList{};
        QTest::newRow("potential 1.201")
            << QStringList{"1", "1.201", "5", "80", ""} << false << 249 << QStringList{};
        QTest::newRow("efficiency 24")
            << QStringList{"1", "1.040", "5", "24", ""} << false << 248 << QStringList{};
        QTest::newRow("efficiency 101")
            << QStringList{"1", "1.040", "5", "101", ""} << false << 248 << QStringList{};
        QTest::newRow("weight with no potential points")
            << QStringList{"0", "1.000", "5", "80", "1.050"} << false << 1004 << QStringList{};
        QTest::newRow("volume with no gravity points")
            << QStringList{"1", "1.040", "0", "80", "1.000"} << false << 1004 << QStringList{};
    }
    void gravity() {
        QFETCH(QStringList, inputs);
        QFETCH(bool, kilograms);
        QFETCH(int, refusal);
        QFETCH(QStringList, results);
        GravitySolver s;
        const GF fields[] = {GF::Weight, GF::Potential, GF::BoilVolume, GF::Efficiency,
                             GF::OriginalGravity};
        for (int i = 0; i < 5; ++i) {
            s.editText(fields[i], inputs[i].toStdString());
        }
        s.setWeightUnit(kilograms ? GravitySolver::Kilograms : GravitySolver::Pounds);
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.refusal(), refusal);
        if (refusal != 0) {
            QVERIFY(!out.solved);
            return;
        }
        const GF shown[] = {GF::Weight, GF::Potential, GF::BoilVolume, GF::OriginalGravity,
                            GF::Balling};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(s.text(shown[i]), results[i].toStdString());
        }
    }

    void refusalTextsQuoteTheValue() {
        GravitySolver s;
        s.editText(GF::Potential, "1.2012");
        s.editText(GF::OriginalGravity, "");
        QCOMPARE(s.calculate().messages[0].text, formatMessage(249, "1.201"));
        s.editText(GF::Potential, "1.040");
        s.editText(GF::Efficiency, "101");
        QCOMPARE(s.calculate().messages[0].text, formatMessage(248, "101"));
    }

    void noPointsLeavesTheUnknownEmpty() {
        GravitySolver s;
        s.editText(GF::Weight, "0");
        s.editText(GF::Potential, "1.000");
        s.editText(GF::OriginalGravity, "1.050");
        const SolveOutcome out = s.calculate();
        QCOMPARE(s.text(GF::Weight), std::string(""));
        QCOMPARE(out.focusField, std::optional<int>(GF::Potential));
        QCOMPARE(out.messages[0].text, formatMessage(1004, "Weight", "Extract Potential"));
    }

    void ingredientsSetTheEfficiency() {
        GravitySolver s;
        s.selectIngredient(GravitySolver::Ingredient::Extract, "Light Dry Extract", 1.044);
        QCOMPARE(s.text(GF::Efficiency), std::string("100"));
        QCOMPARE(s.text(GF::Potential), std::string("1.044"));
        QCOMPARE(s.ingredientName(), std::string("Light Dry Extract"));
        QVERIFY(!s.efficiencyEnabled());
        s.selectIngredient(GravitySolver::Ingredient::Adjunct, "Corn Sugar", 1.046);
        QVERIFY(!s.efficiencyEnabled());
        s.selectIngredient(GravitySolver::Ingredient::Grain, "Pale Ale Malt", 1.038);
        QCOMPARE(s.text(GF::Efficiency), std::string("80"));
        QVERIFY(s.efficiencyEnabled());
        s.selectIngredient(GravitySolver::Ingredient::Extract, "Amber Syrup", 1.036);
        s.clear();
        QVERIFY(s.efficiencyEnabled());
        QCOMPARE(s.ingredientName(), std::string("None Selected"));
        QCOMPARE(s.solvingFor(), int(GravitySolver::VarNone));
        QCOMPARE(s.text(GF::OriginalGravity), std::string("0.0"));
        QCOMPARE(s.text(GF::Balling), std::string("0"));
    }

    void gravityRecalculateResolves() {
        GravitySolver s;
        s.editText(GF::Potential, "1.040");
        s.editText(GF::Efficiency, "100");
        s.editText(GF::OriginalGravity, "");
        QVERIFY(s.calculate().solved);
        s.editText(GF::Weight, "2");
        const SolveOutcome out = s.recalculate();
        QVERIFY(out.solved);
        QCOMPARE(s.text(GF::OriginalGravity), std::string("1.016"));
        QCOMPARE(out.focusField, std::optional<int>(GF::Weight));
    }

    void alcohol_data() {
        QTest::addColumn<QStringList>("inputs");  // OG, TG, attenuation, ABV
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QStringList>("results");  // OG, TG, ABV, ABW
        QTest::newRow("defaults") << QStringList{"1.04", "1.03", "75", "0.0"} << 0
                                  << QStringList{"1.04", "1.03", "1.28", "1.02"};
        QTest::newRow("1.050 to 1.010") << QStringList{"1.050", "1.010", "75", ""} << 0
                                        << QStringList{"1.05", "1.01", "5.10", "4.08"};
        QTest::newRow("terminal predicted from attenuation")
            << QStringList{"1.048", "", "75", ""} << 0
            << QStringList{"1.048", "1.036", "1.53", "1.22"};
        QTest::newRow("terminal 1.000 predicted too")
            << QStringList{"1.048", "1.000", "75", ""} << 0
            << QStringList{"1.048", "1.036", "1.53", "1.22"};
        QTest::newRow("original solved") << QStringList{"", "1.010", "75", "5"} << 0
                                         << QStringList{"1.049", "1.01", "5.00", "4.00"};
        QTest::newRow("terminal solved without attenuation")
            << QStringList{"1.050", "", "0", "5"} << 0
            << QStringList{"1.05", "1.011", "5.00", "4.00"};
        QTest::newRow("nothing to predict from")
            << QStringList{"1.050", "", "", ""} << 244 << QStringList{};
        QTest::newRow("none zero")
            << QStringList{"1.050", "1.010", "75", "5"} << 242 << QStringList{};
        QTest::newRow("two zeros") << QStringList{"", "1.010", "75", ""} << 243 << QStringList{};
        QTest::newRow("terminal not below original")
            << QStringList{"1.030", "1.030", "75", ""} << 245 << QStringList{};
        QTest::newRow("original out of range")
            << QStringList{"1.250", "1.010", "75", ""} << 246 << QStringList{};
        QTest::newRow("attenuation 96")
            << QStringList{"1.050", "", "96", ""} << 247 << QStringList{};
        QTest::newRow("attenuation 49")
            << QStringList{"1.050", "1.010", "49", ""} << 247 << QStringList{};
    }
    void alcohol() {
        QFETCH(QStringList, inputs);
        QFETCH(int, refusal);
        QFETCH(QStringList, results);
        AlcoholSolver s;
        const AF fields[] = {AF::OriginalGravity, AF::TerminalGravity, AF::Attenuation,
                             AF::ByVolume};
        for (int i = 0; i < 4; ++i) {
            s.editText(fields[i], inputs[i].toStdString());
        }
        const SolveOutcome out = s.calculate();
        QCOMPARE(out.refusal(), refusal);
        if (refusal != 0) {
            return;
        }
        const AF shown[] = {AF::OriginalGravity, AF::TerminalGravity, AF::ByVolume, AF::ByWeight};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.text(shown[i]), results[i].toStdString());
        }
    }

    void alcoholRefusalTexts() {
        AlcoholSolver s;
        s.editText(AF::TerminalGravity, "1.2501");
        s.editText(AF::ByVolume, "");
        QCOMPARE(s.calculate().messages[0].text, formatMessage(246, "Terminal", "1.250"));
        s.editText(AF::TerminalGravity, "");
        s.editText(AF::Attenuation, "96");
        QCOMPARE(s.calculate().messages[0].text, formatMessage(247, "96"));
    }

    void alcoholChoosingAndClearing() {
        AlcoholSolver s;
        const SolveOutcome chosen = s.chooseVariable(AlcoholSolver::VarTerminal);
        QCOMPARE(s.text(AF::TerminalGravity), std::string("0.000"));
        QCOMPARE(chosen.focusField, std::optional<int>(AF::TerminalGravity));
        s.editText(AF::ByVolume, "5");
        s.editText(AF::Attenuation, "0");
        QVERIFY(s.calculate().solved);
        QCOMPARE(s.solvingFor(), int(AlcoholSolver::VarTerminal));
        s.editText(AF::ByVolume, "4");
        QVERIFY(s.recalculate().solved);
        QCOMPARE(s.text(AF::TerminalGravity), std::string("1.009"));
        const SolveOutcome cleared = s.clear();
        QCOMPARE(cleared.focusField, std::optional<int>(AF::ByVolume));
        QCOMPARE(s.text(AF::OriginalGravity), std::string("1.04"));
        QCOMPARE(s.text(AF::ByWeight), std::string("0.0"));
        QVERIFY(!s.resultsEnabled());
        QCOMPARE(s.solvingFor(), int(AlcoholSolver::VarNone));
    }
};

MW_REGISTER_TEST(TestGravityAlcoholSolvers)
#include "tst_gravity_alcohol_solvers.moc"
