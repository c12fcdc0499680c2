#include <QtTest>

#include "recipe_builder.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using test::TestRecipe;

namespace {
const std::string kDefaultAttenuation(catalogueText(237));
std::string invalidAttenuation(const std::string& text, int row) {
    return formatRowMessage(236, text, "Yeast", row);
}
std::string assumedAttenuation(int row) {
    return formatRowMessage(287, "75", "Yeast", row);
}
// Extract enough for a predicted gravity of 1.048 in 5 gallons.
void gravity1048(TestRecipe& r) {
    r.extract("6", "1.040");
}
}  // namespace

class TestRecipeAlcoholColor : public QObject {
    Q_OBJECT

private slots:
    void alcohol_data() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::addColumn<double>("alcohol");
        QTest::addColumn<std::vector<std::string>>("messages");
        QTest::newRow("one yeast at 75") << RecipeSetup([](TestRecipe& r) { r.yeast("1", "75"); })
                                         << 4.59 << std::vector<std::string>{};
        QTest::newRow("Corn sugar priming adds half a percent") << RecipeSetup([](TestRecipe& r) {
            r.yeast("1", "75");
            r.fields.primingName = "Corn sugar";
        }) << 5.09 << std::vector<std::string>{};
        QTest::newRow("a name that begins with sugar does not") << RecipeSetup([](TestRecipe& r) {
            r.yeast("1", "75");
            r.fields.primingName = "sugar";
        }) << 4.59 << std::vector<std::string>{};
        QTest::newRow("Sugar in capitals does not") << RecipeSetup([](TestRecipe& r) {
            r.yeast("1", "75");
            r.fields.primingName = "Cane Sugar";
        }) << 4.59 << std::vector<std::string>{};
        QTest::newRow("two valid yeasts use 75") << RecipeSetup([](TestRecipe& r) {
            r.yeast("1", "60");
            r.yeast("1", "90");
        }) << 4.59 << std::vector<std::string>{kDefaultAttenuation};
        QTest::newRow("attenuation 100 is invalid")
            << RecipeSetup([](TestRecipe& r) { r.yeast("1", "100"); }) << 4.59
            << std::vector<std::string>{invalidAttenuation("100", 1), assumedAttenuation(1),
                                        kDefaultAttenuation};
        QTest::newRow("valid yeast at 80 then one at 0")
            << RecipeSetup([](TestRecipe& r) {
                   r.yeast("1", "80");
                   r.yeast("1", "0");
               })
            << 0.80 * 48 * 0.1275
            << std::vector<std::string>{invalidAttenuation("0", 2), assumedAttenuation(2)};
        QTest::newRow("attenuation 1 is valid")
            << RecipeSetup([](TestRecipe& r) { r.yeast("1", "1"); }) << 0.01 * 48 * 0.1275
            << std::vector<std::string>{};
        QTest::newRow("a yeast without amount is ignored")
            << RecipeSetup([](TestRecipe& r) { r.yeast("0", "80"); }) << 4.59
            << std::vector<std::string>{formatMessage(213, "Yeast", "1"), kDefaultAttenuation};
        QTest::newRow("no yeast rows") << RecipeSetup([](TestRecipe&) {}) << 4.59
                                       << std::vector<std::string>{kDefaultAttenuation};
    }
    void alcohol() {
        QFETCH(RecipeSetup, setup);
        QFETCH(double, alcohol);
        QFETCH(std::vector<std::string>, messages);
        TestRecipe r;
        gravity1048(r);
        setup(r);
        r.calc.CalcOriginalGravity();
        const auto gravityMessages = r.calc.messages().count();
        r.calc.CalcAlcohol();
        // Alcohol to 1e-9 percent: what double arithmetic leaves of 0.75 x 48 x 0.1275.
        QVERIFY2(std::abs(r.calc.results().alcohol - alcohol) < 1e-9,
                 qPrintable(QString::number(r.calc.results().alcohol, 'g', 17)));
        const std::vector<std::string> all = r.messages();
        QCOMPARE(std::vector<std::string>(all.begin() + gravityMessages, all.end()), messages);
    }

    void noGravityNoAlcohol_data() {
        QTest::addColumn<double>("batch");
        QTest::newRow("not computed (batch 0)") << 0.0;
        QTest::newRow("gravity 1.0") << 5.0;
    }
    void noGravityNoAlcohol() {
        QFETCH(double, batch);
        TestRecipe r;
        r.fields.batch = batch;
        r.fields.primingName = "Corn sugar";
        r.yeast("1", "75");
        r.calc.CalcOriginalGravity();
        r.calc.CalcAlcohol();
        QCOMPARE(r.calc.results().alcohol, 0.0);
    }

    void color_data() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::addColumn<double>("color");
        QTest::addColumn<std::vector<std::string>>("messages");
        QTest::newRow("two grains") << RecipeSetup([](TestRecipe& r) {
            r.grain("10", "1.036", "lbs", "2.0");
            r.grain("1", "1.036", "lbs", "40");
        }) << 12.0 << std::vector<std::string>{};
        QTest::newRow("kit in 2.5 gallons") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 2.5;
            r.kit("1.040", "10");
        }) << 20.0 << std::vector<std::string>{};
        QTest::newRow("metric kit in its reference volume") << RecipeSetup([](TestRecipe& r) {
            r.fields.measure = 1;
            r.fields.batch = 18.92706;
            r.kit("1.040", "10");
        }) << 10.0 << std::vector<std::string>{};
        QTest::newRow("English 500 valid, 500.5 not") << RecipeSetup([](TestRecipe& r) {
            r.grain("1", "1.036", "lbs", "500");
            r.grain("1", "1.036", "lbs", "500.5");
        }) << 100.0 << std::vector<std::string>{formatRowMessage(234, "500.5", "Grain", 2)};
        QTest::newRow("metric accepts up to 2000") << RecipeSetup([](TestRecipe& r) {
            r.fields.measure = 1;
            r.grain("1", "1.036", "kg", "2000");
            r.grain("1", "1.036", "kg", "2000.5");
        }) << 400.0 << std::vector<std::string>{formatRowMessage(234, "2000.5", "Grain", 2)};
        QTest::newRow("kg extract counts 2.2 times, only in the colour")
            << RecipeSetup([](TestRecipe& r) { r.extract("2", "1.040", "Dry", "kg", "10"); }) << 8.8
            << std::vector<std::string>{};
        QTest::newRow("ounces of grain and adjunct") << RecipeSetup([](TestRecipe& r) {
            r.grain("16", "1.036", "oz", "10");
            r.adjunct("32", "1.040", "1", "oz", "10");
        }) << 6.0 << std::vector<std::string>{};
        QTest::newRow("non-fermentable adjunct adds no colour")
            << RecipeSetup([](TestRecipe& r) { r.adjunct("5", "1.040", "0", "lbs", "300"); }) << 0.0
            << std::vector<std::string>{};
        QTest::newRow("missing amounts and colours")
            << RecipeSetup([](TestRecipe& r) {
                   r.kit("1.040", "0");
                   r.extract("0", "1.040");
                   r.grain("0", "1.036");
                   r.adjunct("", "1.040");
                   r.adjunct("1", "1.040", "1", "lbs", "");
               })
            << 0.0
            << std::vector<std::string>{
                   formatRowMessage(234, "0", "Kit", 1), formatMessage(285, "Extract", "1"),
                   formatMessage(285, "Grain", "1"), formatMessage(213, "Adjunct", "1"),
                   formatRowMessage(234, "", "Adjunct", 2)};
        QTest::newRow("batch size 0") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 0.0;
            r.grain("1", "1.036", "lbs", "999");
        }) << 0.0 << std::vector<std::string>{std::string(catalogueText(212))};
    }
    void color() {
        QFETCH(RecipeSetup, setup);
        QFETCH(double, color);
        QFETCH(std::vector<std::string>, messages);
        TestRecipe r;
        setup(r);
        r.calc.CalcColor();
        QVERIFY2(std::abs(r.calc.results().color - color) < 1e-9,
                 qPrintable(QString::number(r.calc.results().color, 'g', 17)));
        QCOMPARE(r.messages(), messages);
    }
};

MW_REGISTER_TEST(TestRecipeAlcoholColor)
#include "tst_recipe_alcohol_color.moc"
