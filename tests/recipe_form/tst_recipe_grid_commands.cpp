#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QtTest>

#include "recipe_form/recipe_grid_commands.h"
#include "recipe_form/recipe_grid_rig.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using calc::Sheet;
using mw::test::GridRig;
using mw::test::Reopened;

Q_DECLARE_METATYPE(mw::PromptAnswer)

namespace {

// Enabled state of the menu's commands, in menu order.
QList<bool> enabledCommands(const CRecipeGrid1& grid) {
    QList<bool> enabled;
    for (int command : {grid_cmd::SelectIngredient, grid_cmd::CalculateBitterness,
                        grid_cmd::DeleteIngredient, grid_cmd::CancelMenu}) {
        enabled << grid.commandAction(command)->isEnabled();
    }
    return enabled;
}

void clickMenuItem(QMenu* menu, QAction* action) {
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

}  // namespace

// The grid's commands as the brewer gives them: the keys S, D, C and M on a
// sheet, clicks on cells, the "Recipe Ingredients" menu, and a unit change.
class TestRecipeGridCommands : public QObject {
    Q_OBJECT

    test::LookupFixture f;
    const QString m_samples = test::sharedSampleRecipes();

    std::unique_ptr<GridRig> backyardPaleAle(const QString& file) {
        auto rig = std::make_unique<GridRig>(f, m_samples, file);
        rig->makeOnBackyardPaleAle();
        return rig;
    }
    int hopRowsInFile(const QString& path, qint32 recipe) {
        Reopened file(path);
        return file
            .scalar(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE IngRecipeID = ?"),
                    {recipe})
            .toInt();
    }

private slots:
    void initTestCase() { f.makeSeededDatabase(); }
    void init() {
        f.useDataFile(f.seeded());
        f.prompts.clear();
    }

    // ------------------------------------------------------------ delete

    void deleteOnTheNewRowTellsAndAsksNothing() {
        auto rig = backyardPaleAle(QStringLiteral("delnew.mdb"));
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 3, 1);
        rig->host.modified = 0;
        QTest::keyClick(view, Qt::Key_D);
        QCOMPARE(f.prompts.shown().size(), std::size_t(1));
        const Prompt& shown = f.prompts.shown().front();
        QCOMPARE(shown.text, std::string("Cannot use delete command on non-existant ingredient."));
        QCOMPARE(shown.icon, PromptIcon::Information);
        QCOMPARE(shown.buttons, PromptButtons::Ok);
        QCOMPARE(rig->grid->rowCount(Sheet::Hops), 3);
        QCOMPARE(rig->host.modified, 0);
    }

    // The question names the ingredient's type and name; OK deletes the row
    // from the sheet and, once saved, from the file.
    void deleteAsksFirst_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("hop, OK") << Sheet::Hops << PromptAnswer::Ok
                                 << QStringLiteral("Ingredient Hops - Centennial") << true;
        QTest::newRow("hop, Cancel") << Sheet::Hops << PromptAnswer::Cancel
                                     << QStringLiteral("Ingredient Hops - Centennial") << false;
        QTest::newRow("extract") << Sheet::Extracts << PromptAnswer::Ok
                                 << QStringLiteral(
                                        "Ingredient Malt Extract - Copperwick Extract Co.")
                                 << true;
        QTest::newRow("grain") << Sheet::Grains << PromptAnswer::Ok
                               << QStringLiteral("Ingredient Grain - Crystal Malt 40L") << true;
        QTest::newRow("yeast") << Sheet::Yeasts << PromptAnswer::Ok
                               << QStringLiteral("Ingredient Yeast - Wyeast") << true;
    }
    void deleteAsksFirst() {
        QFETCH(Sheet, sheet);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, text);
        QFETCH(bool, deleted);
        auto rig = backyardPaleAle(QStringLiteral("delask.mdb"));
        const qint32 recipe = rig->host.recipeId;
        const int rows = rig->grid->rowCount(sheet);
        grid::CGWGridCtrl* view = rig->goTo(sheet, 0, 2);
        rig->host.modified = 0;
        f.prompts.answerNext(answer);
        QTest::keyClick(view, Qt::Key_D);
        QCOMPARE(f.prompts.shown().size(), std::size_t(1));
        const Prompt& shown = f.prompts.shown().front();
        QCOMPARE(QString::fromStdString(shown.text),
                 QStringLiteral("Please confirm delete -\n") + text);
        QCOMPARE(shown.icon, PromptIcon::Question);
        QCOMPARE(shown.buttons, PromptButtons::OkCancel);
        QCOMPARE(shown.helpContext, 32);
        const int rowsLeft = deleted ? rows - 1 : rows;
        QCOMPARE(rig->grid->rowCount(sheet), rowsLeft);
        QCOMPARE(rig->host.modified > 0, deleted);
        if (sheet == Sheet::Hops) {
            rig->save();
            rig->grid.reset();
            QCOMPARE(hopRowsInFile(rig->path(), recipe), rowsLeft);
        }
    }

    // Two hop rows alike in name and alpha: the first in the table goes,
    // whichever of them was current.
    void deleteTakesTheFirstOfTwoAlikeRows() {
        auto rig = backyardPaleAle(QStringLiteral("deltwins.mdb"));
        const qint32 recipe = rig->host.recipeId;
        rig->host.deleteWarnings = false;
        CRecipeGrid1& grid = *rig->grid;
        QCOMPARE(grid.cellText(Sheet::Hops, 2, 0), QStringLiteral("Cascade"));
        QCOMPARE(grid.cellText(Sheet::Hops, 3, 0), QStringLiteral("Cascade"));
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 2, 1);  // the 5-minute Cascade
        QTest::keyClick(view, Qt::Key_D);
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(grid.rowCount(Sheet::Hops), 2);
        QCOMPARE(grid.cellText(Sheet::Hops, 2, calc::HopCol::Time), QStringLiteral("5"));
        rig->save();
        rig->grid.reset();
        Reopened file(rig->path());
        QCOMPARE(file.column(QStringLiteral("SELECT IngHopsTime FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? AND IngHopsName = 'Cascade'"),
                             {recipe}),
                 QStringList{QStringLiteral("5")});
    }

    // A row whose table row is already gone deletes nothing and shows the
    // sheet as the table holds it.
    void deleteOfARowAlreadyGoneReloads() {
        auto rig = backyardPaleAle(QStringLiteral("delgone.mdb"));
        rig->host.deleteWarnings = false;
        rig->db.exec(
            QStringLiteral("DELETE FROM Ingredients_Hops WHERE IngHopsName = 'Centennial'"));
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 0, 1);
        QTest::keyClick(view, Qt::Key_D);
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(rig->grid->rowCount(Sheet::Hops), 2);
        QCOMPARE(rig->grid->cellText(Sheet::Hops, 1, 0), QStringLiteral("Cascade"));
    }

    // ------------------------------------------------------------ bitterness

    // C calculates the bitterness of a hop row and nothing anywhere else.
    void calculateKey_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<int>("viewRow");
        QTest::addColumn<bool>("calculates");
        QTest::newRow("hop row") << Sheet::Hops << 1 << true;
        QTest::newRow("kits") << Sheet::Kits << 0 << false;
        QTest::newRow("grains") << Sheet::Grains << 0 << false;
        QTest::newRow("the new hop row") << Sheet::Hops << 3 << false;
    }
    void calculateKey() {
        QFETCH(Sheet, sheet);
        QFETCH(int, viewRow);
        QFETCH(bool, calculates);
        auto rig = backyardPaleAle(QStringLiteral("calc.mdb"));
        const QStringList before = rig->rowTexts(sheet, viewRow);
        grid::CGWGridCtrl* view = rig->goTo(sheet, viewRow, 1);
        rig->host.modified = 0;
        QTest::keyClick(view, Qt::Key_C);
        using Rows = std::vector<std::pair<int, bool>>;
        const Rows calculated = calculates ? Rows{{viewRow + 1, false}} : Rows{};
        QCOMPARE(rig->host.hopRows, calculated);
        QVERIFY(!GridRig::isEditing(view));
        QVERIFY(f.prompts.shown().empty());
        if (!calculates) {
            QCOMPARE(rig->rowTexts(sheet, viewRow), before);
            QCOMPARE(rig->host.modified, 0);
        }
    }

    void clickOnABitternessCell_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("calculations");
        QTest::newRow("IBU") << int(calc::HopCol::Ibu) << 1;
        QTest::newRow("HBU") << int(calc::HopCol::Hbu) << 1;
        QTest::newRow("boil time") << int(calc::HopCol::Time) << 0;
    }
    void clickOnABitternessCell() {
        QFETCH(int, column);
        QFETCH(int, calculations);
        auto rig = backyardPaleAle(QStringLiteral("clickibu.mdb"));
        rig->goTo(Sheet::Hops, 0, 1);
        QTest::mouseClick(rig->view(Sheet::Hops)->viewport(), Qt::LeftButton, {},
                          rig->cellCenter(Sheet::Hops, 2, column));
        QCOMPARE(int(rig->host.hopRows.size()), calculations);
        if (calculations > 0) {
            QCOMPARE(rig->host.hopRows.front(), std::make_pair(3, false));
        }
        // On the new row there is nothing to calculate.
        QTest::mouseClick(rig->view(Sheet::Hops)->viewport(), Qt::LeftButton, {},
                          rig->cellCenter(Sheet::Hops, 3, column));
        QCOMPARE(int(rig->host.hopRows.size()), calculations);
    }

    // A unit changed on a hop row has the row calculated first, while the
    // unit cell still holds the old unit; on other sheets nothing calculates.
    void unitChange_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("unit");
        QTest::newRow("hops") << Sheet::Hops << int(calc::HopCol::Units) << "g";
        QTest::newRow("grains") << Sheet::Grains << int(calc::GrainCol::Units) << "kg";
    }
    void unitChange() {
        QFETCH(Sheet, sheet);
        QFETCH(int, column);
        QFETCH(QString, unit);
        auto rig = backyardPaleAle(QStringLiteral("unit.mdb"));
        grid::CGWGridCtrl* view = rig->goTo(sheet, 0, column);
        QTest::keyClick(view, Qt::Key_F2);
        auto* units = qobject_cast<QComboBox*>(view->indexWidget(view->currentIndex()));
        QVERIFY(units);
        QTest::keyClick(units, Qt::Key_Down);
        QCOMPARE(rig->grid->cellText(sheet, 1, column), unit);
        if (sheet == Sheet::Hops) {
            QCOMPARE(rig->host.hopRows, (std::vector<std::pair<int, bool>>{{1, true}}));
            QCOMPARE(rig->host.unitsWhileCalculating, QStringList{QStringLiteral("oz")});
        } else {
            QVERIFY(rig->host.hopRows.empty());
        }
    }

    // ------------------------------------------------------------ the menu

    void menuKeyOpensTheMenuAtTheCurrentCell_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<int>("viewRow");
        QTest::addColumn<QList<bool>>("enabled");  // select, calculate, delete, cancel
        QTest::newRow("hop row") << Sheet::Hops << 1 << QList<bool>{true, true, true, true};
        QTest::newRow("new hop row") << Sheet::Hops << 3 << QList<bool>{true, false, false, true};
        QTest::newRow("grain row") << Sheet::Grains << 0 << QList<bool>{true, false, true, true};
        QTest::newRow("new kit row") << Sheet::Kits << 0 << QList<bool>{true, false, false, true};
    }
    void menuKeyOpensTheMenuAtTheCurrentCell() {
        QFETCH(Sheet, sheet);
        QFETCH(int, viewRow);
        QFETCH(QList<bool>, enabled);
        auto rig = backyardPaleAle(QStringLiteral("menukey.mdb"));
        CRecipeGrid1& grid = *rig->grid;
        grid::CGWGridCtrl* view = rig->goTo(sheet, viewRow, 2);
        QTest::keyClick(view, Qt::Key_M);
        QMenu* menu = grid.contextMenu();
        QVERIFY(menu->isVisible());
        const QRect cell = view->visualRect(view->currentIndex());
        QCOMPARE(menu->pos(), view->viewport()->mapToGlobal(cell.topLeft() + QPoint(5, 10)));
        QCOMPARE(enabledCommands(grid), enabled);
        // Esc leaves everything as it was.
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(view->currentRowIndex(), viewRow);
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(rig->lookupScript.opened, 0);
    }

    void rightClickOnARowSelectsItAndOpensTheMenu() {
        auto rig = backyardPaleAle(QStringLiteral("rightclick.mdb"));
        CRecipeGrid1& grid = *rig->grid;
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 0, 1);
        const QPoint at = rig->cellCenter(Sheet::Hops, 2, 2);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
        QVERIFY(grid.contextMenu()->isVisible());
        QCOMPARE(grid.contextMenu()->pos(), view->viewport()->mapToGlobal(at));
        QCOMPARE(view->currentRowIndex(), 2);
        QVERIFY(view->selectionModel()->isRowSelected(2, QModelIndex()));
        QCOMPARE(enabledCommands(grid), (QList<bool>{true, true, true, true}));
        grid.contextMenu()->hide();
    }

    void rightClickOutsideTheRowsDoesNothing_data() {
        QTest::addColumn<bool>("onHeading");
        QTest::newRow("heading row") << true;
        QTest::newRow("below the rows") << false;
    }
    void rightClickOutsideTheRowsDoesNothing() {
        QFETCH(bool, onHeading);
        auto rig = backyardPaleAle(QStringLiteral("rightnot.mdb"));
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 1, 1);
        if (onHeading) {
            QHeaderView* heading = view->horizontalHeader();
            QTest::mouseClick(
                heading->viewport(), Qt::RightButton, {},
                QPoint(heading->sectionViewportPosition(2) + 5, heading->height() / 2));
        } else {
            const QRect last = view->visualRect(rig->model(Sheet::Hops)->index(3, 1));
            QVERIFY(last.bottom() + 20 < view->viewport()->height());
            QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                              QPoint(last.center().x(), last.bottom() + 15));
        }
        QVERIFY(!rig->grid->contextMenu()->isVisible());
        QCOMPARE(view->currentRowIndex(), 1);
    }

    void menuCommandsRunOnTheRow() {
        auto rig = backyardPaleAle(QStringLiteral("menurun.mdb"));
        CRecipeGrid1& grid = *rig->grid;
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Hops, 0, 1);
        QMenu* menu = grid.contextMenu();

        QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                          rig->cellCenter(Sheet::Hops, 1, 1));
        clickMenuItem(menu, grid.commandAction(grid_cmd::CalculateBitterness));
        QVERIFY(!menu->isVisible());
        QCOMPARE(rig->host.hopRows, (std::vector<std::pair<int, bool>>{{2, false}}));

        QTest::keyClick(view, Qt::Key_M);
        rig->lookupScript.pick = QStringList{QStringLiteral("Ahtanum"), QStringLiteral("5.2")};
        clickMenuItem(menu, grid.commandAction(grid_cmd::SelectIngredient));
        QCOMPARE(rig->lookupScript.opened, 1);
        QCOMPARE(grid.cellText(Sheet::Hops, 2, 0), QStringLiteral("Ahtanum"));

        QTest::keyClick(view, Qt::Key_M);
        f.prompts.answerNext(PromptAnswer::Ok);
        clickMenuItem(menu, grid.commandAction(grid_cmd::DeleteIngredient));
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{32});
        QCOMPARE(grid.rowCount(Sheet::Hops), 2);

        QTest::keyClick(view, Qt::Key_M);
        clickMenuItem(menu, grid.commandAction(grid_cmd::CancelMenu));
        QVERIFY(!menu->isVisible());
        QCOMPARE(grid.rowCount(Sheet::Hops), 2);
        QCOMPARE(f.prompts.shown().size(), std::size_t(1));
    }

    // The command letters are commands, not the first letter of a typed text.
    void commandKeysDoNotStartAnEdit() {
        auto rig = backyardPaleAle(QStringLiteral("letters.mdb"));
        grid::CGWGridCtrl* view = rig->goTo(Sheet::Grains, 0, 1);
        QTest::keyClick(view, Qt::Key_M);
        rig->grid->contextMenu()->hide();
        QVERIFY(!GridRig::isEditing(view));
        // Any other key starts typing into the cell.
        QTest::keyClick(view, Qt::Key_7);
        QVERIFY(GridRig::isEditing(view));
    }
};

MW_REGISTER_TEST(TestRecipeGridCommands)
#include "tst_recipe_grid_commands.moc"
