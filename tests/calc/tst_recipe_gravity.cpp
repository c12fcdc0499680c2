#include <QtTest>

#include "recipe_builder.h"
#include "resources/message_catalogue.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using test::TestRecipe;

namespace {
std::string invalidSg(const std::string& text, const char* kind, int row) {
    return formatRowMessage(149, text, kind, row);
}
std::string assumed(const char* potential, const char* kind, int row) {
    return formatRowMessage(286, potential, kind, row);
}
const std::string kAssumedEfficiency =
    "Information: System efficiency of 80% assumed because not entered on Mash tab";
}  // namespace

class TestRecipeGravity : public QObject {
    Q_OBJECT

private slots:
    void originalGravity_data() {
        QTest::addColumn<RecipeSetup>("setup");
        QTest::addColumn<double>("gravity");
        QTest::addColumn<std::vector<std::string>>("messages");

        QTest::newRow("batch size 0 looks at nothing") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 0.0;
            r.grain("10", "bad");
        }) << 0.0 << std::vector<std::string>{std::string(catalogueText(289))};
        QTest::newRow("no fermentables")
            << RecipeSetup([](TestRecipe&) {}) << 1.0 << std::vector<std::string>{};
        QTest::newRow("English kit in 5 gallons")
            << RecipeSetup([](TestRecipe& r) { r.kit("1.040"); }) << 1.040
            << std::vector<std::string>{};
        QTest::newRow("English kit in 2.5 gallons") << RecipeSetup([](TestRecipe& r) {
            r.fields.batch = 2.5;
            r.kit("1.040");
        }) << 1.080 << std::vector<std::string>{};
        QTest::newRow("metric kit in its reference volume") << RecipeSetup([](TestRecipe& r) {
            r.fields.measure = 1;
            r.fields.batch = 18.92706;
            r.kit("1.040");
        }) << 1.040 << std::vector<std::string>{};
        QTest::newRow("invalid kit adds nothing and assumes nothing")
            << RecipeSetup([](TestRecipe& r) { r.kit("1.3"); }) << 1.0
            << std::vector<std::string>{invalidSg("1.3", "Kit", 1)};
        QTest::newRow("10 lb grain at 75 percent") << RecipeSetup([](TestRecipe& r) {
            r.fields.efficiency = 75.0;
            r.grain("10", "1.036");
        }) << 1.054 << std::vector<std::string>{};
        QTest::newRow("efficiency 0 assumes 80 percent") << RecipeSetup([](TestRecipe& r) {
            r.fields.efficiency = 0.0;
            r.grain("10", "1.036");
        }) << 1.0576 << std::vector<std::string>{kAssumedEfficiency};
        QTest::newRow("efficiency message without grains")
            << RecipeSetup([](TestRecipe& r) { r.fields.efficiency = 0.0; }) << 1.0
            << std::vector<std::string>{kAssumedEfficiency};
        QTest::newRow("16 oz of grain is a pound") << RecipeSetup([](TestRecipe& r) {
            r.fields.efficiency = 100.0;
            r.grain("16", "1.040", "oz");
        }) << 1.008 << std::vector<std::string>{};
        QTest::newRow("kg grain taken as entered") << RecipeSetup([](TestRecipe& r) {
            r.fields.efficiency = 100.0;
            r.grain("2", "1.040", "kg");
        }) << 1.016 << std::vector<std::string>{};
        QTest::newRow("extracts count in full, weight as entered")
            << RecipeSetup([](TestRecipe& r) {
                   r.fields.efficiency = 50.0;
                   r.extract("2", "1.045", "Dry", "kg");
               })
            << 1.018 << std::vector<std::string>{};
        QTest::newRow("potential 1.200 is valid")
            << RecipeSetup([](TestRecipe& r) { r.extract("1", "1.200"); }) << 1.04
            << std::vector<std::string>{};
        QTest::newRow("dry extract with invalid potential assumes .045")
            << RecipeSetup([](TestRecipe& r) { r.extract("5", "1.2001", "Dry"); }) << 1.045
            << std::vector<std::string>{invalidSg("1.2001", "Extract", 1),
                                        assumed(".045", "Extract", 1)};
        QTest::newRow("syrup, other and empty forms assume .037") << RecipeSetup([](TestRecipe& r) {
            r.extract("5", "0.999", "Syrup");
            r.extract("5", "", "Dry Malt Extract");
            r.extract("5", "x", "");
        }) << 1.111 << std::vector<std::string>{invalidSg("0.999", "Extract", 1),
                                                assumed(".037", "Extract", 1),
                                                invalidSg("", "Extract", 2),
                                                assumed(".037", "Extract", 2),
                                                invalidSg("x", "Extract", 3),
                                                assumed(".037", "Extract", 3)};
        QTest::newRow("zero extract weight is not checked further")
            << RecipeSetup([](TestRecipe& r) { r.extract("0", "bad"); }) << 1.0
            << std::vector<std::string>{formatMessage(285, "Extract", "1")};
        QTest::newRow("invalid grain assumes .028")
            << RecipeSetup([](TestRecipe& r) {
                   r.fields.efficiency = 100.0;
                   r.grain("5", "2");
               })
            << 1.028
            << std::vector<std::string>{invalidSg("2", "Grain", 1), assumed(".028", "Grain", 1)};
        QTest::newRow("adjunct flag 0 skipped even without amount")
            << RecipeSetup([](TestRecipe& r) { r.adjunct("", "bad", "0"); }) << 1.0
            << std::vector<std::string>{};
        QTest::newRow("adjunct flags 1, -1 and empty count") << RecipeSetup([](TestRecipe& r) {
            r.adjunct("1", "1.040", "1");
            r.adjunct("1", "1.040", "-1");
            r.adjunct("1", "1.040", "");
        }) << 1.024 << std::vector<std::string>{};
        QTest::newRow("adjunct in ounces, missing amount, invalid potential")
            << RecipeSetup([](TestRecipe& r) {
                   r.adjunct("80", "1.040", "1", "oz");
                   r.adjunct("0", "1.040");
                   r.adjunct("5", "");
               })
            << 1.082
            << std::vector<std::string>{formatMessage(213, "Adjunct", "2"),
                                        invalidSg("", "Adjunct", 3), assumed(".042", "Adjunct", 3)};
        QTest::newRow("messages in the order kits, extracts, grains, adjuncts")
            << RecipeSetup([](TestRecipe& r) {
                   r.fields.efficiency = 0.0;
                   r.adjunct("0", "1.040");
                   r.grain("0", "1.036");
                   r.extract("0", "1.036");
                   r.kit("9");
               })
            << 1.0
            << std::vector<std::string>{invalidSg("9", "Kit", 1),
                                        formatMessage(285, "Extract", "1"),
                                        formatMessage(285, "Grain", "1"), kAssumedEfficiency,
                                        formatMessage(213, "Adjunct", "1")};
    }
    void originalGravity() {
        QFETCH(RecipeSetup, setup);
        QFETCH(double, gravity);
        QFETCH(std::vector<std::string>, messages);
        TestRecipe recipe;
        setup(recipe);
        recipe.calc.CalcOriginalGravity();
        // Gravities are compared to the 1e-9 that double arithmetic leaves.
        QVERIFY2(std::abs(recipe.calc.results().originalGravity - gravity) < 1e-9,
                 qPrintable(QString::number(recipe.calc.results().originalGravity, 'g', 17)));
        QCOMPARE(recipe.messages(), messages);
        QCOMPARE(recipe.calc.messages().count(), unsigned(messages.size()));
    }

    // Each run appends to the list as it stands.
    void repeatedRunsAppend() {
        TestRecipe recipe;
        recipe.kit("bad");
        recipe.calc.CalcOriginalGravity();
        recipe.calc.CalcOriginalGravity();
        QCOMPARE(recipe.calc.messages().count(), 2u);
    }
};

MW_REGISTER_TEST(TestRecipeGravity)
#include "tst_recipe_gravity.moc"
