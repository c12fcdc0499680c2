#include <QCheckBox>
#include <QHash>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include "calc/recipe_calculation.h"
#include "recipe_form/picture_button.h"
#include "recipe_form/recipe_grid1.h"
#include "recipe_form/recipe_ingredients_page.h"
#include "recipe_form/recipe_recipe_page.h"
#include "recipe_form_fixture.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "shell/color_static.h"
#include "shell/command_ids.h"
#include "shell/info_status_bar.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"

using namespace mw;
using test::RecipeFormFixture;
using test::StoredRecipes;
namespace cmd = shell::cmd;

Q_DECLARE_METATYPE(mw::PromptIcon)

namespace {

std::string text(int number) {
    return std::string(catalogueText(number));
}

}  // namespace

// The recipe form as a brewer meets it: typing into its boxes, pressing the
// record keys, answering the questions, then reading the file back.
class TestRecipeForm : public QObject {
    Q_OBJECT

private:
    const QString m_data = test::sharedDataDatabase();

private slots:
    void opensOnTheFirstBatchMaximized() {
        RecipeFormFixture f(m_data);
        f.start();
        QVERIFY(f.form() != nullptr);
        QCOMPARE(f.form()->windowTitle(), QStringLiteral("Recipe Form"));
        QCOMPARE(f.controls().batch->text(), QStringLiteral("1"));
        QCOMPARE(f.controls().name->text(), QStringLiteral("Fireside Best Bitter"));
        QVERIFY(f.controls().kit->isChecked());
        QVERIFY(f.controls().english->isChecked());
        QVERIFY(qobject_cast<QMdiSubWindow*>(f.form()->parentWidget())->isMaximized());
        QCOMPARE(f.controls().calcStatus->text(), QStringLiteral("Not Done"));
        QVERIFY(!f.controls().messages->isEnabled());
        QCOMPARE(f.controls().targetStyleName->text(), QStringLiteral("Best Bitter"));
        QStringList tabs;
        for (int i = 0; i < f.controls().pages->count(); ++i) {
            tabs << f.controls().pages->tabText(i);
        }
        QCOMPARE(tabs, (QStringList{"Recipe", "Ingredients", "Mash", "Fermentation Info",
                                    "Comments", "Rating"}));
        QCOMPARE(f.controls().pages->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), f.controls().name);
        QVERIFY(f.shown().empty());
    }

    void typedNameIsSavedWithCtrlS() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().name, QStringLiteral("Fireside Session Bitter"));
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        QVERIFY(!f.command(cmd::RecordRefresh)->isEnabled());
        QCOMPARE(f.log.hints, std::vector<long>{storage::Hint::RecipeSaved});
        f.closeDatabase();
        QVERIFY(f.app->document() == nullptr);

        StoredRecipes stored(f.recipes);
        QCOMPARE(stored.batch(1)->m_RecipeName, QStringLiteral("Fireside Session Bitter"));
        QCOMPARE(stored.batch(1)->m_RecipeBrewer, QStringLiteral("Home Brewer"));
    }

    void savingChecksTheRecipe_data() {
        QTest::addColumn<int>("batch");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("batchText");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<double>("boilSize");
        QTest::addColumn<double>("batchSize");
        QTest::addColumn<int>("message");
        QTest::addColumn<PromptIcon>("icon");
        QTest::addColumn<QString>("focus");  // empty: where it was

        const QStringList none;
        using I = PromptIcon;
        // Batch 1 is a kit recipe, 2 an extract recipe, 6 all grain.
        QTest::newRow("1 no name") << 1 << ""
                                   << "1" << none << -1.0 << -1.0 << 8 << I::Exclamation << "name";
        QTest::newRow("2 no batch number")
            << 1 << "Bitter"
            << "" << none << -1.0 << -1.0 << 85 << I::Exclamation << "batch";
        QTest::newRow("3 kit process without a kit")
            << 2 << "Pale"
            << "2" << QStringList{"kit"} << -1.0 << -1.0 << 150 << I::Information << "";
        QTest::newRow("4 kit without the kit process")
            << 1 << "Bitter"
            << "1" << QStringList{"kit"} << -1.0 << -1.0 << 152 << I::Information << "";
        QTest::newRow("5 all grain with kit") << 1 << "Bitter"
                                              << "1" << QStringList{"allGrain"} << -1.0 << -1.0
                                              << 142 << I::Exclamation << "allGrain";
        QTest::newRow("6 all grain with extracts") << 2 << "Pale"
                                                   << "2" << QStringList{"extract", "allGrain"}
                                                   << -1.0 << -1.0 << 208 << I::Information << "";
        QTest::newRow("7 boil size zero")
            << 6 << "IPA"
            << "6" << none << 0.0 << -1.0 << 211 << I::Information << "";
        QTest::newRow("8 batch size zero")
            << 6 << "IPA"
            << "6" << none << -1.0 << 0.0 << 211 << I::Information << "";
        QTest::newRow("both sizes zero name the boil first")
            << 6 << "IPA"
            << "6" << none << 0.0 << 0.0 << 211 << I::Information << "";
    }
    void savingChecksTheRecipe() {
        QFETCH(int, batch);
        QFETCH(QString, name);
        QFETCH(QString, batchText);
        QFETCH(QStringList, clicks);
        QFETCH(double, boilSize);
        QFETCH(double, batchSize);
        QFETCH(int, message);
        QFETCH(PromptIcon, icon);
        QFETCH(QString, focus);

        RecipeFormFixture f(m_data, [&](storage::Database& db) {
            if (boilSize >= 0) {
                db.exec(QStringLiteral("UPDATE Recipes SET RecipeBoilSize = ? WHERE "
                                       "RecipeBatchNo = ?"),
                        {boilSize, batch});
            }
            if (batchSize >= 0) {
                db.exec(QStringLiteral("UPDATE Recipes SET RecipeBatchSize = ? WHERE "
                                       "RecipeBatchNo = ?"),
                        {batchSize, batch});
            }
        });
        f.start();
        f.showBatch(batch);
        QCOMPARE(f.controls().batch->text(), QString::number(batch));
        const QString before = StoredRecipes(f.recipes).batch(batch)->m_RecipeName;

        f.typeInto(f.controls().name, name);
        f.typeInto(f.controls().batch, batchText);
        const QHash<QString, QCheckBox*> boxes{{"kit", f.controls().kit},
                                               {"extract", f.controls().extract},
                                               {"allGrain", f.controls().allGrain}};
        for (const QString& box : clicks) {
            QCheckBox* check = boxes.value(box);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        }
        QWidget* focusBefore = QApplication::focusWidget();
        f.prompts.clear();
        f.press(Qt::Key_S);

        QCOMPARE(f.shown(), std::vector<int>{message});
        const Prompt& shown = f.prompts.shown().front();
        QCOMPARE(shown.icon, icon);
        if (message == 211) {
            const bool boil = boilSize == 0.0;
            QCOMPARE(shown.text, formatMessage(211, boil ? "Boil" : "Batch"));
        } else {
            QCOMPARE(shown.text, text(message));
        }
        QWidget* expectedFocus =
            focus.isEmpty() ? focusBefore : f.form()->findChild<QWidget*>(focus);
        QCOMPARE(QApplication::focusWidget(), expectedFocus);
        // Nothing was written; the form keeps what was typed.
        QCOMPARE(f.controls().name->text(), name);
        QCOMPARE(StoredRecipes(f.recipes).batch(batch)->m_RecipeName, before);
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
    }

    void duplicateBatchNumberIsRefused() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().name, QStringLiteral("Renamed"));
        f.typeInto(f.controls().batch, QStringLiteral("2"));
        f.press(Qt::Key_S);
        QCOMPARE(f.shown(), std::vector<int>{86});
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), f.controls().batch);

        // A unique number then saves.
        f.typeInto(f.controls().batch, QStringLiteral("21"));
        f.press(Qt::Key_S);
        QCOMPARE(f.shown(), std::vector<int>{86});
        f.closeDatabase();
        StoredRecipes stored(f.recipes);
        QVERIFY(stored.batch(1) == nullptr);
        QCOMPARE(stored.batch(21)->m_RecipeName, QStringLiteral("Renamed"));
        QCOMPARE(stored.batch(2)->m_RecipeName, QStringLiteral("Backyard Pale Ale"));
    }

    void newRecipeIsWrittenAtOnce() {
        RecipeFormFixture f(m_data);
        f.start();
        f.press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QVERIFY(f.shown().empty());
        QCOMPARE(f.controls().name->text(), QStringLiteral("<new recipe>"));
        QCOMPARE(f.controls().batch->text(), QStringLiteral("9"));
        QCOMPARE(f.log.hints, std::vector<long>{storage::Hint::RecipeAdded});
        QCOMPARE(QApplication::focusWidget(), f.controls().name);
        // While it is being added it can be neither copied nor deleted.
        QVERIFY(!f.command(cmd::RecordCopy)->isEnabled());
        QVERIFY(!f.command(cmd::RecordDelete)->isEnabled());
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
        QVERIFY(f.command(cmd::RecordCommit)->isEnabled());

        // Another connection sees it while the form is still open.
        {
            StoredRecipes stored(f.recipes);
            const storage::CRecordSetRecipe* added = stored.batch(9);
            QVERIFY(added != nullptr);
            QCOMPARE(added->m_RecipeName, QStringLiteral("<new recipe>"));
            QCOMPARE(added->m_RecipeBatchSize, 5.0);
            QCOMPARE(added->m_RecipeBoilSize, 5.0);
            QCOMPARE(added->m_RecipeSystemEfficiencyExpected, 80.0);
            QCOMPARE(added->m_RecipeMashType, -1);
            QCOMPARE(added->m_RecipeRatingImpression, 1);
            QCOMPARE(added->m_RecipeFermConditioningUnits, QStringLiteral("Days"));
            QVERIFY(added->isFieldNull(&added->m_RecipeDateBrewed));
            QCOMPARE(stored.count(), 9L);
        }
        f.typeInto(f.controls().name, QStringLiteral("Winter Warmer"));
        f.typeInto(f.controls().brewer, QStringLiteral("Jo"));
        QTest::mouseClick(f.controls().extract, Qt::LeftButton);
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        QVERIFY(f.command(cmd::RecordCopy)->isEnabled());
        f.closeDatabase();
        StoredRecipes stored(f.recipes);
        QCOMPARE(stored.batch(9)->m_RecipeName, QStringLiteral("Winter Warmer"));
        QCOMPARE(stored.batch(9)->m_RecipeBrewer, QStringLiteral("Jo"));
        QVERIFY(stored.batch(9)->m_RecipeProcessExtract);
    }

    void copyTakesTheIngredientsAndLeavesTheRestAtTheirDefaults() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(6);
        f.prompts.clear();
        f.press(Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
        QCOMPARE(f.shown(), (std::vector<int>{37, 83}));
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(37, "Recipe", "Ridgeline IPA"));
        QCOMPARE(f.prompts.shown()[0].buttons, PromptButtons::YesNo);
        QCOMPARE(f.controls().name->text(), QStringLiteral("Copy of Ridgeline IPA"));
        QCOMPARE(f.controls().batch->text(), QStringLiteral("9"));
        QVERIFY(!f.command(cmd::RecordDelete)->isEnabled() || true);
        // The copy is committed by the next save, which tells the log.
        f.log.hints.clear();
        f.press(Qt::Key_S);
        QVERIFY(f.shown().size() == 2);
        QCOMPARE(f.log.hints,
                 (std::vector<long>{storage::Hint::RecipeCopied, storage::Hint::RecipeSaved}));
        f.closeDatabase();

        StoredRecipes stored(f.recipes);
        const qint32 sourceId = stored.batch(6)->m_RecipeID;
        const storage::CRecordSetRecipe* source = stored.batch(6);
        const QString style = source->m_RecipeTargetStyle;
        const double expectedEfficiency = source->m_RecipeSystemEfficiencyExpected;
        const storage::CRecordSetRecipe* copy = stored.batch(9);
        QVERIFY(copy != nullptr);
        QCOMPARE(copy->m_RecipeName, QStringLiteral("Copy of Ridgeline IPA"));
        QCOMPARE(copy->m_RecipeBrewer, QStringLiteral("Home Brewer"));
        QVERIFY(copy->m_RecipeProcessAllGrain);
        QVERIFY(!copy->m_RecipeProcessKit);
        QCOMPARE(copy->m_RecipeMeasureEnglish, 0);
        QCOMPARE(copy->m_RecipeTargetStyle, style);
        QCOMPARE(copy->m_RecipeSystemEfficiencyExpected, expectedEfficiency);
        // Not copied: the defaults.
        QCOMPARE(copy->m_RecipeTargetSpGravLo, 1.0);
        QCOMPARE(copy->m_RecipeTargetSpGravHi, 1.0);
        QCOMPARE(copy->m_RecipeTargetIBUHi, 0.0);
        QCOMPARE(copy->m_RecipeTargetAlcoLo, 0.0);
        QCOMPARE(copy->m_RecipeTargetColorHi, 0.0);
        QCOMPARE(copy->m_RecipeBatchSize, 5.0);
        QCOMPARE(copy->m_RecipeBoilSize, 5.0);
        QCOMPARE(copy->m_RecipeBoilLth, 0);
        QCOMPARE(copy->m_RecipeFermTypeAle, 0);
        QCOMPARE(copy->m_RecipeUtensils, QString());
        QCOMPARE(copy->m_RecipeYield, QString());
        const qint32 copyId = copy->m_RecipeID;
        for (const QString& table : test::kIngredientTables) {
            QCOMPARE(stored.ingredientRows(table, copyId), stored.ingredientRows(table, sourceId));
        }
        QVERIFY(stored.ingredientRows(QStringLiteral("Ingredients_Hops"), copyId) > 0);
        QVERIFY(stored.ingredientRows(QStringLiteral("Ingredients_Grains"), copyId) > 0);
    }

    void refreshAfterCopyGoesBackToTheSource() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(6);
        f.press(Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
        // Only a changed copy can be refreshed.
        QVERIFY(!f.command(cmd::RecordRefresh)->isEnabled());
        f.typeInto(f.controls().brewer, QStringLiteral("Somebody"));
        f.press(Qt::Key_R);
        QCOMPARE(f.controls().name->text(), QStringLiteral("Ridgeline IPA"));
        QCOMPARE(f.controls().batch->text(), QStringLiteral("6"));
        f.closeDatabase();
        StoredRecipes stored(f.recipes);
        QCOMPARE(stored.count(), 8L);
        QVERIFY(stored.batch(9) == nullptr);
    }

    void theOnlyRecipeCannotBeDeleted() {
        RecipeFormFixture f(m_data, [](storage::Database& db) {
            db.exec(QStringLiteral("DELETE FROM Recipes WHERE RecipeBatchNo <> 1"));
        });
        f.start();
        f.press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(f.shown(), std::vector<int>{0});
        QCOMPARE(f.prompts.shown().front().text, text(250));
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Stop);
        f.closeDatabase();
        QCOMPARE(StoredRecipes(f.recipes).count(), 1L);
    }

    void deletingTheLastRecipeShowsTheNewLast() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(8);
        const qint32 id = f.form()->record().m_RecipeID;
        f.log.hints.clear();
        f.press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(f.shown(), std::vector<int>{32});
        QCOMPARE(f.prompts.shown().front().text, formatMessage(32, "Recipe", "Harbour Dry Stout"));
        QCOMPARE(f.prompts.shown().front().buttons, PromptButtons::OkCancel);
        QCOMPARE(f.controls().batch->text(), QStringLiteral("7"));
        QCOMPARE(f.log.hints, std::vector<long>{storage::Hint::RecipeDeleted});
        QCOMPARE(f.app->document()->currentBatch(), 7);
        f.closeDatabase();
        StoredRecipes stored(f.recipes);
        QCOMPARE(stored.count(), 7L);
        for (const QString& table : test::kIngredientTables) {
            QCOMPARE(stored.ingredientRows(table, id), 0);
        }
    }

    void cancellingTheDeleteKeepsTheRecipe() {
        RecipeFormFixture f(m_data);
        f.start();
        f.prompts.answerNext(PromptAnswer::Cancel);
        f.press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(f.controls().batch->text(), QStringLiteral("1"));
        f.closeDatabase();
        QCOMPARE(StoredRecipes(f.recipes).count(), 8L);
    }

    void movesFollowTheBatchNumbers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("batch");
        QTest::newRow("next") << int(Qt::Key_N) << "4";
        QTest::newRow("previous") << int(Qt::Key_P) << "2";
        QTest::newRow("first") << int(Qt::Key_F) << "1";
        QTest::newRow("last") << int(Qt::Key_L) << "8";
    }
    void movesFollowTheBatchNumbers() {
        QFETCH(int, key);
        QFETCH(QString, batch);
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(3);
        f.press(static_cast<Qt::Key>(key));
        QCOMPARE(f.controls().batch->text(), batch);
        QVERIFY(f.shown().empty());
    }

    void movesPastTheEndsStay() {
        RecipeFormFixture f(m_data);
        f.start();
        f.press(Qt::Key_P);
        QCOMPARE(f.controls().batch->text(), QStringLiteral("1"));
        f.press(Qt::Key_L);
        f.press(Qt::Key_N);
        QCOMPARE(f.controls().batch->text(), QStringLiteral("8"));
    }

    void aMoveStaysWhenTheRecipeCannotBeSaved() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().name, QString());
        f.press(Qt::Key_N);
        QCOMPARE(f.shown(), std::vector<int>{8});
        QCOMPARE(f.controls().batch->text(), QStringLiteral("1"));
        QCOMPARE(f.form()->record().m_RecipeBatchNo, 1);
    }

    void noInTheSavePromptDiscardsThenMoves() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().name, QStringLiteral("Not wanted"));
        f.prompts.answerNext(PromptAnswer::No);
        f.press(Qt::Key_N);
        QCOMPARE(f.shown(), std::vector<int>{68});
        QCOMPARE(f.prompts.shown().front().buttons, PromptButtons::YesNoCancel);
        QCOMPARE(f.controls().batch->text(), QStringLiteral("2"));
        f.closeDatabase();
        QCOMPARE(StoredRecipes(f.recipes).batch(1)->m_RecipeName,
                 QStringLiteral("Fireside Best Bitter"));
    }

    void cancelInTheSavePromptStays() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().name, QStringLiteral("Still here"));
        f.controls().brewer->setFocus();
        f.prompts.answerNext(PromptAnswer::Cancel);
        f.press(Qt::Key_N);
        QCOMPARE(f.shown(), std::vector<int>{68});
        QCOMPARE(f.controls().batch->text(), QStringLiteral("1"));
        QCOMPARE(f.controls().name->text(), QStringLiteral("Still here"));
        QCOMPARE(QApplication::focusWidget(), f.controls().name);
    }

    void withoutWarningsLeavingSavesSilently() {
        RecipeFormFixture f(m_data);
        f.settings->setInteger(storage::Setting::DisplayWarnings, 0);
        f.start();
        f.typeInto(f.controls().name, QStringLiteral("Quietly Saved"));
        f.press(Qt::Key_N);
        QVERIFY(f.shown().empty());
        QCOMPARE(f.controls().batch->text(), QStringLiteral("2"));
        f.closeDatabase();
        QCOMPARE(StoredRecipes(f.recipes).batch(1)->m_RecipeName, QStringLiteral("Quietly Saved"));
    }

    void theLogShowsABatch() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(5);
        QCOMPARE(f.shown(), std::vector<int>{});
        QCOMPARE(f.controls().name->text(), QStringLiteral("Golden Meadow Pilsner"));
        QCOMPARE(f.app->document()->currentBatch(), 5);
        QCOMPARE(f.app->document()->currentRecipeId(), f.form()->record().m_RecipeID);
        QVERIFY(f.shown().empty());

        f.showBatch(99);
        QCOMPARE(f.shown(), std::vector<int>{1020});
        QCOMPARE(f.prompts.shown().front().text,
                 std::string("Seek failed on batch number 99.  Contact Wortline."));
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Information);
        QCOMPARE(f.controls().name->text(), QStringLiteral("Golden Meadow Pilsner"));
    }

    void recipePageLines_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("line");
        QTest::newRow("hop 15 minutes")
            << "Ingredients_Hops"
            << "IngHopsName, IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime"
            << QVariantList{"Test Hop", 4.25, 1.0, "oz", 15.0}
            << "1.0 oz, Test Hop, 4.3, 15 (Aroma)";
        QTest::newRow("hop 30 minutes")
            << "Ingredients_Hops"
            << "IngHopsName, IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime"
            << QVariantList{"Test Hop", 5.0, 0.5, "oz", 30.0}
            << "0.5 oz, Test Hop, 5.0, 30 (Flavoring)";
        QTest::newRow("hop 30.5 minutes")
            << "Ingredients_Hops"
            << "IngHopsName, IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime"
            << QVariantList{"Test Hop", 5.0, 0.5, "oz", 30.5}
            << "0.5 oz, Test Hop, 5.0, 31 (Bittering)";
        QTest::newRow("hop at flame-out")
            << "Ingredients_Hops"
            << "IngHopsName, IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime"
            << QVariantList{"Test Hop", 5.0, 2.0, "g", 0.0} << "2.0 g, Test Hop, 5.0, 0 (Aroma)";
        QTest::newRow("grain three decimals")
            << "Ingredients_Grains"
            << "IngGrainsName, IngGrainsWeight, IngGrainsUnits"
            << QVariantList{"Test Malt", 2.5, "lbs"} << "2.500 lbs, Test Malt";
        QTest::newRow("adjunct amount as stored")
            << "Ingredients_Adjuncts"
            << "IngAdjunctsName, IngAdjunctsAmt, IngAdjunctsUnits"
            << QVariantList{"Test Sugar", "1 1/2", "tsp"} << "1 1/2 tsp, Test Sugar";
    }
    void recipePageLines() {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        QFETCH(QVariantList, values);
        QFETCH(QString, line);
        RecipeFormFixture f(m_data, [&](storage::Database& db) {
            const qint32 id =
                db.scalar(QStringLiteral("SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = 1"))
                    .toInt();
            QVariantList bound = values;
            bound << id;
            QStringList marks;
            for (qsizetype i = 0; i < bound.size(); ++i) {
                marks << QStringLiteral("?");
            }
            db.exec(QStringLiteral("INSERT INTO %1 (%2, IngRecipeID) VALUES (%3)")
                        .arg(table, columns, marks.join(QStringLiteral(", "))),
                    bound);
        });
        f.start();
        const QStringList lines = f.form()->recipePage()->lines();
        QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('|'))));
    }

    void recipePageListsHopsByBoilTime() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(6);
        const QStringList lines = f.form()->recipePage()->lines();
        QStringList hops;
        for (const QString& l : lines) {
            if (l.endsWith(QStringLiteral("(Aroma)")) ||
                l.endsWith(QStringLiteral("(Flavoring)")) ||
                l.endsWith(QStringLiteral("(Bittering)"))) {
                hops << l;
            }
        }
        // Shortest boil first.
        QCOMPARE(hops,
                 (QStringList{"1.0 oz, Simcoe, 13.0, 0 (Aroma)", "1.0 oz, Cascade, 5.8, 5 (Aroma)",
                              "1.0 oz, Centennial, 10.5, 15 (Aroma)",
                              "0.5 oz, Centennial, 10.5, 30 (Flavoring)",
                              "1.0 oz, Warrior, 15.5, 60 (Bittering)"}));
        QCOMPARE(f.form()->recipePage()->list()->topLevelItemCount(), lines.size());
        QVERIFY(!f.form()->recipePage()->list()->topLevelItem(0)->icon(0).isNull());
    }

    void pageChangesCountOnlyWhileThePageShows() {
        RecipeFormFixture f(m_data);
        f.start();
        QLineEdit* boil = f.form()->ingredientsPage()->boilTimeEdit();
        QVERIFY(!boil->isVisible());
        boil->setText(QStringLiteral("75"));
        QVERIFY(!f.form()->lifecycle().isModified());
        QVERIFY(!f.command(cmd::RecordRefresh)->isEnabled());

        f.controls().pages->setCurrentIndex(1);
        QVERIFY(boil->isVisible());
        f.typeInto(boil, QStringLiteral("80"));
        QVERIFY(f.form()->lifecycle().isModified());
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
        f.press(Qt::Key_S);
        f.closeDatabase();
        QCOMPARE(StoredRecipes(f.recipes).batch(1)->m_RecipeBoilLth, 80);
    }

    // The Mash, Fermentation Info, Comments and Rating pages are made when
    // they first come to the front. A recipe saved before they were opened
    // keeps what they would show; once made, a page shows the recipe and
    // takes part in the save.
    void pagesAreMadeWhenFirstShown() {
        RecipeFormFixture f(m_data);
        f.start();
        const QStringList before = [&f] {
            QStringList names;
            for (const QLineEdit* e : f.form()->findChildren<QLineEdit*>()) {
                names << e->objectName();
            }
            return names;
        }();
        f.typeInto(f.controls().name, QStringLiteral("Unopened pages"));
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());

        QTabWidget* pages = f.controls().pages;
        const int mash = 2;
        QCOMPARE(pages->tabText(mash), QStringLiteral("Mash"));
        pages->setCurrentIndex(mash);
        QVERIFY(f.form()->findChildren<QLineEdit*>().size() > before.size());
        auto* mashPage = qobject_cast<recipe_form::CRecipePage*>(
            pages->widget(mash)->findChild<recipe_form::CRecipePage*>());
        QVERIFY(mashPage != nullptr);
        QVERIFY(mashPage->isVisible());
        QVERIFY(!f.form()->lifecycle().isModified());  // made and shown, not changed

        f.controls().name->setFocus();
        f.typeInto(f.controls().name, QStringLiteral("Opened pages"));
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        f.closeDatabase();

        const QString fresh = f.path(QStringLiteral("fresh.mdb"));
        storage::createSampleRecipeDatabase(fresh);
        StoredRecipes stored(f.recipes);
        StoredRecipes sample(fresh);
        const storage::CRecordSetRecipe* saved = stored.batch(1);
        QCOMPARE(saved->m_RecipeName, QStringLiteral("Opened pages"));
        const storage::CRecordSetRecipe* as = sample.batch(1);
        QCOMPARE(saved->m_RecipeMashType, as->m_RecipeMashType);
        QCOMPARE(saved->m_RecipeMashTemp1, as->m_RecipeMashTemp1);
        QCOMPARE(saved->m_RecipeSGOriginal, as->m_RecipeSGOriginal);
        QCOMPARE(saved->m_RecipeBoilSize, as->m_RecipeBoilSize);
        QCOMPARE(saved->m_RecipeComments, as->m_RecipeComments);
        QCOMPARE(saved->m_RecipeRatingNotes, as->m_RecipeRatingNotes);
        QCOMPARE(saved->m_RecipeDateBrewed, as->m_RecipeDateBrewed);
    }

    void refreshDiscardsTheChanges() {
        RecipeFormFixture f(m_data);
        f.start();
        f.typeInto(f.controls().brewer, QStringLiteral("Somebody else"));
        f.press(Qt::Key_R);
        QCOMPARE(f.controls().brewer->text(), QStringLiteral("Home Brewer"));
        QVERIFY(!f.command(cmd::RecordRefresh)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.controls().name);
    }

    void targetStyleButtonRecalculates() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(6);
        QTest::mouseClick(f.controls().targetStyle, Qt::LeftButton);
        const QString status = f.controls().calcStatus->text();
        QVERIFY2(status == QLatin1String("No Errors") || status == QLatin1String("Errors"),
                 qPrintable(status));
        QVERIFY(f.form()->calculation().results().originalGravity > 1.0);
        // Entering another recipe starts over.
        f.press(Qt::Key_N);
        QCOMPARE(f.controls().calcStatus->text(), QStringLiteral("Not Done"));
        QVERIFY(!f.controls().messages->isEnabled());
    }

    void targetRangesGoToTheStatusBar() {
        RecipeFormFixture f(m_data);
        f.start();
        f.showBatch(6);
        const storage::CRecordSetRecipe& r = f.form()->record();
        shell::CInfoStatusBar* bar = f.app->mainFrame()->infoStatusBar();
        QCOMPARE(bar->lines().size(), 4);
        QCOMPARE(bar->currentLine(), 0);
        QCOMPARE(bar->lines()[0],
                 QStringLiteral("Target ") + QString::fromStdString(formatMessage(
                                                 172, formatNumber(193, r.m_RecipeTargetSpGravLo),
                                                 formatNumber(193, r.m_RecipeTargetSpGravHi))));
        QVERIFY(bar->lines()[1].startsWith(QStringLiteral("Target Alcohol ")));
        QVERIFY(bar->lines()[2].startsWith(QStringLiteral("Target IBU ")));
        QVERIFY(bar->lines()[3].startsWith(QStringLiteral("Target Color ")));
    }

    void contextMenuFollowsTheCommands() {
        RecipeFormFixture f(m_data);
        f.start();
        QMenu* menu = f.form()->contextMenu();
        QStringList texts;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) {
                texts << a->text();
            }
        }
        QCOMPARE(texts, (QStringList{"&First", "&Previous", "&Next", "&Last", "&Add", "&Copy",
                                     "&Refresh", "&Delete", "Commit Add/Update"}));
        f.press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        emit menu->aboutToShow();
        QVERIFY(!f.command(cmd::RecordCopy)->isEnabled());
        QVERIFY(!f.command(cmd::RecordDelete)->isEnabled());
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
    }

    void onlyOneDatabaseAtATime() {
        RecipeFormFixture f(m_data);
        f.start();
        f.press(Qt::Key_O);
        QCOMPARE(f.shown(), std::vector<int>{72});
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
    }

    void theFormClosesOnlyWithTheDatabase() {
        RecipeFormFixture f(m_data);
        f.start();
        auto* sub = qobject_cast<QMdiSubWindow*>(f.form()->parentWidget());
        QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
        sub->close();
        QCoreApplication::processEvents();
        QVERIFY(f.form() != nullptr);
        f.closeDatabase();
        QVERIFY(f.app->document() == nullptr);
    }
};

MW_REGISTER_TEST(TestRecipeForm)
#include "tst_recipe_form.moc"
