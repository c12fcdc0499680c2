#include <QCheckBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "grid/dao_data_source.h"
#include "grid/gw_grid_ctrl.h"
#include "grid/sheet_model.h"
#include "recipe_form/recipe_grid1.h"
#include "recipe_form/recipe_ingredients_page.h"
#include "recipe_form/recipe_lifecycle.h"
#include "recipe_form/recipe_recipe_page.h"
#include "recipe_form_fixture.h"
#include "shell/command_ids.h"
#include "shell/options_sheet.h"
#include "storage/dao_exception.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"

using namespace mw;
using test::RecipeFormFixture;
using test::StoredRecipes;
namespace cmd = shell::cmd;

Q_DECLARE_METATYPE(mw::PromptAnswer)

// Nothing the brewer typed is dropped: leaving the program asks first, a
// recipe another running copy changed meanwhile is not overwritten, a grid
// edit in progress is saved with the recipe, and the options take effect on
// the open form at once.
class TestRecipeFormSafety : public QObject {
    Q_OBJECT

    const QString m_data = test::sharedDataDatabase();

    static constexpr int kSaveChanges = 68;
    static constexpr int kDatabaseError = 1010;

    // The recipe of batch 1 as another connection reads it from the file.
    static QString storedName(const QString& file) {
        StoredRecipes stored(file);
        return stored.batch(1)->m_RecipeName;
    }

private slots:
    void quittingAsksAboutAModifiedRecipe_data() {
        QTest::addColumn<bool>("byExitCommand");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("stored");
        const QString typed = QStringLiteral("Fireside Winter Bitter");
        const QString before = QStringLiteral("Fireside Best Bitter");
        for (bool exit : {true, false}) {
            const char* route = exit ? "File Exit" : "main window closed";
            QTest::addRow("%s, Yes saves", route) << exit << PromptAnswer::Yes << true << typed;
            QTest::addRow("%s, No discards", route) << exit << PromptAnswer::No << true << before;
            QTest::addRow("%s, Cancel keeps running", route)
                << exit << PromptAnswer::Cancel << false << before;
        }
    }
    void quittingAsksAboutAModifiedRecipe() {
        QFETCH(bool, byExitCommand);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, closes);
        QFETCH(QString, stored);
        RecipeFormFixture f(m_data);
        f.start();
        const QString typed = QStringLiteral("Fireside Winter Bitter");
        f.typeInto(f.controls().name, typed);
        f.prompts.answerNext(answer);
        if (byExitCommand) {
            f.command(cmd::AppExit)->trigger();
        } else {
            f.frame()->close();
        }
        QCOMPARE(f.shown(), std::vector<int>{kSaveChanges});
        QCOMPARE(f.frame()->isVisible(), !closes);
        QCOMPARE(storedName(f.recipes), stored);
        if (!closes) {
            // Still running, the typing still on the form, still unsaved.
            QVERIFY(f.form() != nullptr);
            QCOMPARE(f.controls().name->text(), typed);
            QVERIFY(f.form()->lifecycle().isModified());
            QCOMPARE(QApplication::focusWidget(), f.controls().name);
        }
        // Ending the program afterwards asks nothing more.
        f.app.reset();
        QCOMPARE(f.shown(), std::vector<int>{kSaveChanges});
    }

    void quittingAnUnchangedRecipeAsksNothing() {
        RecipeFormFixture f(m_data);
        f.start();
        f.command(cmd::AppExit)->trigger();
        QVERIFY(!f.frame()->isVisible());
        QVERIFY(f.shown().empty());
    }

    // Another running copy of the program changed the same recipe after the
    // form read it: the save is refused with the write-conflict error, the
    // typing stays on the form, and the other copy's change stays stored.
    void aRecipeChangedElsewhereIsNotOverwritten() {
        RecipeFormFixture f(m_data);
        f.start();
        const QString mine = QStringLiteral("Fireside Session Bitter");
        f.typeInto(f.controls().name, mine);
        {
            storage::Database other;
            other.open(f.recipes);
            other.exec(
                QStringLiteral("UPDATE Recipes SET RecipeName = 'Theirs', RecipeBrewer = "
                               "'Someone Else' WHERE RecipeBatchNo = 1"));
        }
        f.press(Qt::Key_S);
        QCOMPARE(f.shown(), std::vector<int>{kDatabaseError});
        const QString told = QString::fromStdString(f.prompts.shown().front().text);
        QVERIFY2(told.contains(QString::number(storage::DaoError::WriteConflict)),
                 qPrintable(told));
        QCOMPARE(f.controls().name->text(), mine);
        QVERIFY(f.form()->lifecycle().isModified());
        QVERIFY(f.command(cmd::RecordRefresh)->isEnabled());
        QCOMPARE(storedName(f.recipes), QStringLiteral("Theirs"));

        // Refresh shows what is stored now; nothing was written by either side.
        f.prompts.clear();
        f.command(cmd::RecordRefresh)->trigger();
        QCOMPARE(f.controls().name->text(), QStringLiteral("Theirs"));
        QCOMPARE(f.controls().brewer->text(), QStringLiteral("Someone Else"));
        QVERIFY(!f.form()->lifecycle().isModified());
        // And now the brewer's change goes through.
        f.typeInto(f.controls().name, mine);
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        QCOMPARE(storedName(f.recipes), mine);
    }

    // Options, OK: the open form reads "DisplayToolTips" (and the rest)
    // again at once.
    void optionsTakeEffectOnTheOpenForm() {
        RecipeFormFixture f(m_data);
        f.start();
        QVERIFY(!f.controls().name->toolTip().isEmpty());
        QVERIFY(!f.form()->recipePage()->list()->toolTip().isEmpty());
        bool answered = false;
        QTimer::singleShot(0, this, [&answered] {
            auto* sheet = qobject_cast<shell::CMWOptionsSheet*>(QApplication::activeModalWidget());
            if (sheet == nullptr) {
                return;
            }
            sheet->preferences()->toolTips()->setChecked(false);
            sheet->preferences()->stayOnTab()->setChecked(true);
            answered = true;
            sheet->accept();
        });
        f.command(cmd::ToolsOptions)->trigger();
        QVERIFY(answered);
        const recipe_form::RecipeFormControls& c = f.controls();
        for (QWidget* w :
             {static_cast<QWidget*>(c.name), static_cast<QWidget*>(c.brewer),
              static_cast<QWidget*>(c.batch), c.english->parentWidget(), c.kit->parentWidget(),
              static_cast<QWidget*>(f.form()->recipePage()->list())}) {
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
        }
        for (QWidget* w : f.form()->ingredientsPage()->findChildren<QWidget*>()) {
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
        }
        // "Stay on current tab": moving to another recipe keeps the page.
        c.pages->setCurrentIndex(1);
        f.command(cmd::RecordNext)->trigger();
        QCOMPARE(c.batch->text(), QStringLiteral("2"));
        QCOMPARE(c.pages->currentIndex(), 1);
    }

    // The weight typed into the grains sheet's new row is saved with the
    // recipe by the Save key pressed in the cell.
    void saveStoresTheGridEditInProgress() {
        RecipeFormFixture f(m_data);
        f.start();
        const qint32 recipe = f.form()->lifecycle().currentRecipeId();
        const int before =
            StoredRecipes(f.recipes).ingredientRows(QStringLiteral("Ingredients_Grains"), recipe);
        f.controls().pages->setCurrentIndex(1);
        recipe_form::CRecipeGrid1* grid = f.form()->grid();
        grid->setCurrentIndex(static_cast<int>(calc::Sheet::Grains));
        grid::CGWGridCtrl* view = grid->sheetGrid(calc::Sheet::Grains);
        const int newRow = grid->rowCount(calc::Sheet::Grains);
        view->setFocus();
        view->setCurrentCell(newRow, calc::GrainCol::Weight);
        QTest::keyClick(view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("3.5"));
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        QVERIFY(!f.form()->lifecycle().isModified());
        QVERIFY(!f.command(cmd::RecordRefresh)->isEnabled());
        QCOMPARE(grid->rowCount(calc::Sheet::Grains), newRow + 1);
        {
            StoredRecipes stored(f.recipes);
            QCOMPARE(stored.ingredientRows(QStringLiteral("Ingredients_Grains"), recipe),
                     before + 1);
            QCOMPARE(stored.database()
                         .scalar(QStringLiteral("SELECT IngGrainsWeight FROM Ingredients_Grains "
                                                "WHERE IngRecipeID = ? ORDER BY IngGrainsID DESC"),
                                 {recipe})
                         .toDouble(),
                     3.5);
        }
        f.closeDatabase();
        QVERIFY(f.shown().empty());
    }
};

MW_REGISTER_TEST(TestRecipeFormSafety)

#include "tst_recipe_form_safety.moc"
