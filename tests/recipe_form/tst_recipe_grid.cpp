#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "recipe_form/desktop_font.h"
#include "recipe_form/recipe_grid_rig.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using calc::Sheet;
using mw::test::GridRig;
using mw::test::Reopened;

// The ingredients grid over a recipe database: its sheets, what a new row
// holds, ingredients chosen from the lookups and stored, reloads, cell access
// and Settle.
class TestRecipeGrid : public QObject {
    Q_OBJECT

    test::LookupFixture f;
    const QString m_samples = test::sharedSampleRecipes();

    // Types into a cell through the view: opens its editor, replaces the text.
    static QWidget* typeInto(grid::CGWGridCtrl* view, int row, int column, const QString& text) {
        view->setCurrentCell(row, column);
        QTest::keyClick(view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
        if (editor == nullptr) {
            return nullptr;
        }
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }

private slots:
    void initTestCase() { f.makeSeededDatabase(); }
    void init() {
        f.useDataFile(f.seeded());
        f.prompts.clear();
    }

    void bindsSixSheetsWithProgress() {
        GridRig rig(f, m_samples, QStringLiteral("bind.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        QCOMPARE(rig.host.progress, (std::vector<int>{30, 40, 50, 60, 70, 80, 90}));
        QCOMPARE(grid.count(), 6);
        QStringList tabs;
        for (int i = 0; i < grid.count(); ++i) {
            tabs << grid.tabText(i);
        }
        QCOMPARE(tabs, (QStringList{QStringLiteral("Kits"), QStringLiteral("Malt Extracts"),
                                    QStringLiteral("Grains"), QStringLiteral("Adjuncts"),
                                    QStringLiteral("Hops"), QStringLiteral("Yeasts")}));
        QCOMPARE(grid.windowTitle(), QStringLiteral("Recipe Ingredients"));
        QCOMPARE(grid.rowCount(Sheet::Hops), 3);
        QCOMPARE(grid.cellText(Sheet::Hops, 1, 0), QStringLiteral("Centennial"));
        QCOMPARE(grid.cellText(Sheet::Hops, 3, 4), QStringLiteral("5"));
        QCOMPARE(grid.cellText(Sheet::Hops, 1, 7), QString::number(rig.host.recipeId));
        QCOMPARE(grid.cellNumber(Sheet::Hops, 1, 1), 10.5);
        QVERIFY(f.prompts.shown().empty());
    }

    // The settings file names Windows faces; a Linux desktop shows them in
    // the faces that stand in for them.
    void windowsFacesHaveLinuxStandIns_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("families");
        QTest::newRow("Arial") << QStringLiteral("Arial")
                               << QStringList{QStringLiteral("Arial"),
                                              QStringLiteral("Liberation Sans"),
                                              QStringLiteral("DejaVu Sans")};
        QTest::newRow("MS San Serif")
            << QStringLiteral("MS San Serif")
            << QStringList{QStringLiteral("MS San Serif"), QStringLiteral("MS Sans Serif"),
                           QStringLiteral("DejaVu Sans")};
        QTest::newRow("a Linux face")
            << QStringLiteral("DejaVu Sans") << QStringList{QStringLiteral("DejaVu Sans")};
    }
    void windowsFacesHaveLinuxStandIns() {
        QFETCH(QString, family);
        QFETCH(QStringList, families);
        const QFont font = desktopFont(family, 9);
        QCOMPARE(font.families(), families);
        QCOMPARE(font.pointSize(), 9);
    }

    void newRowTexts_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QStringList>("texts");  // without the recipe column
        QTest::newRow("kits") << Sheet::Kits
                              << QStringList{"<new>", "<new>", "0.0", "0.0", "lbs", "0.000", "0.0"};
        QTest::newRow("extracts") << Sheet::Extracts
                                  << QStringList{"<new>", "<new>", "0.0",   "0.0", "lbs",
                                                 "Syrup", "0",     "1.000", "0.0"};
        QTest::newRow("grains") << Sheet::Grains
                                << QStringList{"<new>", "0.0", "lbs", "1.000", "0.0"};
        QTest::newRow("adjuncts") << Sheet::Adjuncts
                                  << QStringList{"<new>", "0.0", "oz", "0", "0.000", "0.0"};
        QTest::newRow("hops") << Sheet::Hops
                              << QStringList{"<new>", "0.0", "0.0", "oz", "0", "0", "0.0"};
        QTest::newRow("yeasts") << Sheet::Yeasts
                                << QStringList{"<new>", "<new>", "Ale", "Dry", "0", "pkg", "75.0"};
    }
    // The new row shows empty, and showing a recipe changes nothing; its
    // texts are asked when it is first edited, which changes the recipe.
    void newRowTexts() {
        QFETCH(Sheet, sheet);
        QFETCH(QStringList, texts);
        GridRig rig(f, m_samples, QStringLiteral("newrow.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        grid.reloadAll();
        QCOMPARE(rig.host.modified, 0);
        const int rows = grid.rowCount(sheet);
        const int newRow = rows + 1;
        QCOMPARE(rig.model(sheet)->headerData(rows, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("*"));
        for (int column = 0; column <= texts.size(); ++column) {
            QCOMPARE(grid.cellText(sheet, newRow, column), QString());
        }
        grid::CGWGridCtrl* view = rig.goTo(sheet, rows, 1);
        QWidget* editor = typeInto(view, rows, 0, QStringLiteral("Typed"));
        QVERIFY(editor);
        QCOMPARE(qobject_cast<QLineEdit*>(editor)->text(), QStringLiteral("Typed"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(rig.host.modified > 0);
        QCOMPARE(grid.rowCount(sheet), rows + 1);
        texts[0] = QStringLiteral("Typed");
        texts << QString::number(rig.host.recipeId);
        QCOMPARE(rig.rowTexts(sheet, rows), texts);
        // The next new row is empty again.
        QCOMPARE(grid.cellText(sheet, grid.rowCount(sheet) + 1, 1), QString());
    }

    void reloadAllGoesYeastsFirstKitsLast() {
        GridRig rig(f, m_samples, QStringLiteral("order.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        QList<int> order;
        for (int s = 0; s < calc::kSheetCount; ++s) {
            connect(rig.model(static_cast<Sheet>(s)), &QAbstractItemModel::modelReset, this,
                    [&order, s] { order << s; });
        }
        grid.reloadAll();
        QCOMPARE(order, (QList<int>{5, 1, 2, 3, 4, 0}));
    }

    // Another recipe becomes current: the sheets show its rows.
    void reloadShowsTheHostsRecipe() {
        GridRig rig(f, m_samples, QStringLiteral("reload.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        rig.host.recipeId = rig.recipeOfBatch(1);
        grid.reloadAll();
        QCOMPARE(grid.rowCount(Sheet::Hops), 1);
        QCOMPARE(grid.cellText(Sheet::Hops, 1, 0), QStringLiteral("East Kent Golding"));
        QCOMPARE(grid.cellText(Sheet::Kits, 1, 1), QStringLiteral("Best Bitter"));
        QCOMPARE(grid.dataSource().recipeId(), rig.host.recipeId);
    }

    // An ingredient chosen with S fills the row as the lookup gives it, and
    // the row is in the database file once the recipe is saved.
    void selectedIngredientFillsTheNewRow_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QStringList>("pick");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("nameColumn");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("kit") << Sheet::Kits << QStringList{"Hearthstone Brewkits", "Best Bitter"}
                             << QStringList{"Hearthstone Brewkits",
                                            "Best Bitter",
                                            "7.0",
                                            "4.0",
                                            "lbs",
                                            "1.029",
                                            "10.0"}
                             << "Ingredients_Kits"
                             << "IngKitsStyle"
                             << "Best Bitter";
        QTest::newRow("extract") << Sheet::Extracts
                                 << QStringList{"Larkspur Hollow Maltings", "Light (Pale) DME"}
                                 << QStringList{"Larkspur Hollow Maltings",
                                                "Light (Pale) DME",
                                                "0.0",
                                                "3.0",
                                                "lbs",
                                                "Dry",
                                                "0",
                                                "1.044",
                                                "3.5"}
                                 << "Ingredients_Extracts"
                                 << "IngExtractsName"
                                 << "Light (Pale) DME";
        QTest::newRow("grain") << Sheet::Grains
                               << QStringList{"Light Pale Malts", "American 2-Row Pale Malt"}
                               << QStringList{"American 2-Row Pale Malt", "0.0", "lbs", "1.036",
                                              "1.8"}
                               << "Ingredients_Grains"
                               << "IngGrainsName"
                               << "American 2-Row Pale Malt";
        QTest::newRow("adjunct")
            << Sheet::Adjuncts << QStringList{"Corn Sugar (Dextrose)"}
            << QStringList{"Corn Sugar (Dextrose)", "0.0", "(other)", "1", "1.042", "0.5"}
            << "Ingredients_Adjuncts"
            << "IngAdjunctsName"
            << "Corn Sugar (Dextrose)";
        QTest::newRow("hop") << Sheet::Hops << QStringList{"Ahtanum", "5.2"}
                             << QStringList{"Ahtanum", "5.2", "0.0", "oz", "0", "0", "0.0"}
                             << "Ingredients_Hops"
                             << "IngHopsName"
                             << "Ahtanum";
        QTest::newRow("yeast") << Sheet::Yeasts << QStringList{"Wyeast", "1007 German Ale"}
                               << QStringList{"Wyeast", "1007 German Ale",
                                              "Ale",    "Liquid",
                                              "0.0",    "pkg",
                                              "75.00"}
                               << "Ingredients_Yeasts"
                               << "IngYeastName"
                               << "1007 German Ale";
    }
    void selectedIngredientFillsTheNewRow() {
        QFETCH(Sheet, sheet);
        QFETCH(QStringList, pick);
        QFETCH(QStringList, texts);
        QFETCH(QString, table);
        QFETCH(QString, nameColumn);
        QFETCH(QString, storedName);
        GridRig rig(f, m_samples, QStringLiteral("select.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        const int rowsBefore = grid.rowCount(sheet);
        grid::CGWGridCtrl* view = rig.goTo(sheet, rowsBefore, 1);  // the new row
        rig.host.modified = 0;
        rig.lookupScript.pick = pick;
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(rig.lookupScript.opened, 1);
        QVERIFY(rig.lookupScript.rowHighlighted);
        QCOMPARE(grid.rowCount(sheet), rowsBefore + 1);
        texts << QString::number(recipe);
        QCOMPARE(rig.rowTexts(sheet, rowsBefore), texts);
        QVERIFY(rig.host.modified > 0);
        QVERIFY(f.prompts.shown().empty());

        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        const QString sql =
            QStringLiteral("SELECT %1 FROM %2 WHERE IngRecipeID = ?").arg(nameColumn, table);
        const QStringList names = file.column(sql, {recipe});
        QCOMPARE(names.size(), rowsBefore + 1);
        QCOMPARE(names.last(), storedName);
    }

    // Choosing on a row that holds an ingredient replaces it in its table row.
    void selectedIngredientReplacesARow() {
        GridRig rig(f, m_samples, QStringLiteral("replace.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 0, 2);
        rig.lookupScript.pick = QStringList{QStringLiteral("Ahtanum"), QStringLiteral("5.2")};
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(grid.rowCount(Sheet::Hops), 3);
        QCOMPARE(grid.cellText(Sheet::Hops, 1, 0), QStringLiteral("Ahtanum"));
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.column(QStringLiteral("SELECT IngHopsName FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? ORDER BY IngHopsID"),
                             {recipe}),
                 (QStringList{QStringLiteral("Ahtanum"), QStringLiteral("Cascade"),
                              QStringLiteral("Cascade")}));
        QCOMPARE(file.scalar(QStringLiteral("SELECT IngHopsAlpha FROM Ingredients_Hops WHERE "
                                            "IngHopsName = 'Ahtanum'"))
                     .toDouble(),
                 5.2);
    }

    void lookupCancelChangesNothing_data() {
        QTest::addColumn<int>("viewRow");
        QTest::newRow("an ingredient row") << 1;
        QTest::newRow("the new row") << 3;
    }
    void lookupCancelChangesNothing() {
        QFETCH(int, viewRow);
        GridRig rig(f, m_samples, QStringLiteral("cancel.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        const QStringList before = rig.rowTexts(Sheet::Hops, viewRow);
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, viewRow, 1);
        rig.host.modified = 0;
        QTest::keyClick(view, Qt::Key_S);  // the script presses Cancel
        QCOMPARE(rig.lookupScript.opened, 1);
        QCOMPARE(rig.rowTexts(Sheet::Hops, viewRow), before);
        QCOMPARE(grid.rowCount(Sheet::Hops), 3);
        QCOMPARE(rig.host.modified, 0);
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.scalar(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ?"),
                             {recipe})
                     .toInt(),
                 3);
    }

    // A click on a name cell opens the sheet's lookup as S does.
    void clickOnANameCellSelectsAnIngredient() {
        GridRig rig(f, m_samples, QStringLiteral("click.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        rig.goTo(Sheet::Grains, 0, 1);
        rig.lookupScript.pick = QStringList{QStringLiteral("Light Pale Malts"),
                                            QStringLiteral("American 2-Row Pale Malt")};
        QTest::mouseClick(rig.view(Sheet::Grains)->viewport(), Qt::LeftButton, {},
                          rig.cellCenter(Sheet::Grains, 0, 0));
        QCOMPARE(rig.lookupScript.opened, 1);
        QCOMPARE(grid.cellText(Sheet::Grains, 1, 0), QStringLiteral("American 2-Row Pale Malt"));
    }

    // An extract stored without a gravity gets its form's usual gravity.
    void extractWithoutGravity_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("gravity");
        QTest::newRow("dry") << 1 << QStringLiteral("1.045");
        QTest::newRow("syrup") << 0 << QStringLiteral("1.037");
    }
    void extractWithoutGravity() {
        QFETCH(int, form);
        QFETCH(QString, gravity);
        {
            storage::Database db;
            db.open(f.useCopyOfSeeded(QStringLiteral("nogravity.mdb")));
            db.exec(
                QStringLiteral("INSERT INTO Extracts (ExtractsManuf, ExtractsName, ExtractsForm, "
                               "ExtractsSpecificGravity) VALUES ('Aa Test', 'Plain', ?, 0)"),
                {form});
        }
        GridRig rig(f, m_samples, QStringLiteral("extract.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        const int newRow = grid.rowCount(Sheet::Extracts);
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Extracts, newRow, 1);
        rig.lookupScript.pick = QStringList{QStringLiteral("Aa Test"), QStringLiteral("Plain")};
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(grid.cellText(Sheet::Extracts, newRow + 1, calc::ExtractCol::SpGrav), gravity);
    }

    // A new recipe is written when its first ingredient is entered, and the
    // row carries its RecipeID.
    void aNewRecipeIsStoredBeforeItsFirstIngredient() {
        GridRig rig(f, QString(), QStringLiteral("new.mdb"));
        rig.host.adding = true;
        rig.host.storeRecipe = [&rig] {
            rig.db.exec(QStringLiteral(
                "INSERT INTO Recipes (RecipeBatchNo, RecipeName) VALUES (1, 'First')"));
            rig.host.recipeId = rig.recipeOfBatch(1);
            rig.host.adding = false;
            return rig.host.recipeId;
        };
        CRecipeGrid1& grid = rig.make();
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 0, 1);
        rig.lookupScript.pick = QStringList{QStringLiteral("Ahtanum"), QStringLiteral("5.2")};
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(rig.host.recipesStored, 1);
        const qint32 recipe = rig.host.recipeId;
        QVERIFY(recipe != 0);
        QCOMPARE(grid.dataSource().recipeId(), recipe);
        QCOMPARE(grid.rowCount(Sheet::Hops), 1);
        QCOMPARE(grid.cellText(Sheet::Hops, 1, calc::HopCol::RecipeId), QString::number(recipe));
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.column(QStringLiteral("SELECT IngHopsName FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ?"),
                             {recipe}),
                 QStringList{QStringLiteral("Ahtanum")});
    }

    // Not adding, and no recipe: nothing is written.
    void withoutARecipeNothingIsStored() {
        GridRig rig(f, QString(), QStringLiteral("norecipe.mdb"));
        CRecipeGrid1& grid = rig.make();
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 0, 1);
        rig.lookupScript.pick = QStringList{QStringLiteral("Ahtanum"), QStringLiteral("5.2")};
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(rig.host.recipesStored, 0);
        QCOMPARE(grid.rowCount(Sheet::Hops), 0);
        QCOMPARE(rig.db.scalar(QStringLiteral("SELECT count(*) FROM Ingredients_Hops")).toInt(), 0);
    }

    void typedCellIsStoredAndMarksTheRecipeChanged() {
        GridRig rig(f, m_samples, QStringLiteral("typed.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 0, 1);
        rig.host.modified = 0;
        QWidget* editor = typeInto(view, 0, calc::HopCol::Weight, QStringLiteral("2.5"));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        // The item view commits an edit ended with Return once the key is handled.
        QCoreApplication::processEvents();
        QCOMPARE(grid.cellText(Sheet::Hops, 1, calc::HopCol::Weight), QStringLiteral("2.5"));
        QVERIFY(rig.host.modified > 0);
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.scalar(QStringLiteral("SELECT IngHopsWeight FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? ORDER BY IngHopsID LIMIT 1"),
                             {recipe})
                     .toDouble(),
                 2.5);
    }

    // Settle ends an edit in progress (its text is kept) and makes the first
    // row's second column current.
    void settleEndsTheEditInProgress() {
        GridRig rig(f, m_samples, QStringLiteral("settle.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 2, 1);
        QVERIFY(typeInto(view, 2, calc::HopCol::Time, QStringLiteral("20")));
        QVERIFY(GridRig::isEditing(view));
        grid.settle();
        QVERIFY(!GridRig::isEditing(view));
        QCOMPARE(view->currentRowIndex(), 0);
        QCOMPARE(view->currentColumnIndex(), 1);
        QCOMPARE(grid.cellText(Sheet::Hops, 3, calc::HopCol::Time), QStringLiteral("20"));
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.column(QStringLiteral("SELECT IngHopsTime FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? ORDER BY IngHopsID"),
                             {recipe}),
                 (QStringList{QStringLiteral("60"), QStringLiteral("15"), QStringLiteral("20")}));
    }

    void settleWhenTheFocusLeaves() {
        // The form outlives the grid, which the rig deletes.
        QWidget form;
        QLineEdit name(&form);
        name.setAccessibleName(QStringLiteral("Name"));
        GridRig rig(f, m_samples, QStringLiteral("focus.mdb"));
        CRecipeGrid1& grid = rig.makeOnBackyardPaleAle();
        grid.setParent(&form);
        grid.move(0, 40);
        grid.show();
        form.resize(900, 400);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        grid::CGWGridCtrl* view = rig.goTo(Sheet::Hops, 2, 3);
        QCOMPARE(QApplication::focusWidget(), view);
        name.setFocus();
        QCOMPARE(view->currentRowIndex(), 0);
        QCOMPARE(view->currentColumnIndex(), 1);
    }

    // The calculations read and write cells through the grid's data source.
    void cellsForTheCalculations() {
        GridRig rig(f, m_samples, QStringLiteral("cells.mdb"));
        const qint32 recipe = rig.recipeOfBatch(GridRig::kBackyardPaleAle);
        rig.host.recipeId = recipe;
        CRecipeGrid1& grid = rig.make();
        calc::IngredientCells& cells = grid.cells();
        QCOMPARE(cells.rowCount(Sheet::Hops), 3);
        QCOMPARE(cells.cellText(Sheet::Hops, 2, 0), std::string("Cascade"));
        cells.setCellText(Sheet::Hops, 1, calc::HopCol::Ibu, "31");
        grid.setCellText(Sheet::Hops, 1, calc::HopCol::Hbu, QStringLiteral("5.3"));
        QCOMPARE(grid.cellText(Sheet::Hops, 1, calc::HopCol::Ibu), QStringLiteral("31"));
        QCOMPARE(grid.cellNumber(Sheet::Hops, 1, calc::HopCol::Hbu), 5.3);
        rig.save();
        rig.grid.reset();
        Reopened file(rig.path());
        QCOMPARE(file.scalar(QStringLiteral("SELECT IngHopsIBU FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? ORDER BY IngHopsID LIMIT 1"),
                             {recipe})
                     .toDouble(),
                 31.0);
        QCOMPARE(file.scalar(QStringLiteral("SELECT IngHopsHBU FROM Ingredients_Hops WHERE "
                                            "IngRecipeID = ? ORDER BY IngHopsID LIMIT 1"),
                             {recipe})
                     .toDouble(),
                 5.3);
    }
};

MW_REGISTER_TEST(TestRecipeGrid)
#include "tst_recipe_grid.moc"
