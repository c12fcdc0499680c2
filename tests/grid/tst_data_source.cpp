#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "grid/dao_data_source.h"
#include "grid/gw_grid_ctrl.h"
#include "grid/gw_tab_grid_ctrl.h"
#include "grid/sheet_model.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::grid;
using calc::Sheet;

namespace {

GridSettings ingredientSettings() {
    QString problem;
    return loadGridSettings(QString(), QStringLiteral("GWIngredients.gws"), &problem);
}

// A recipe database with one recipe, its connection in a transaction, and a
// data source on it whose new hop rows read like a freshly chosen hop.
struct Bound {
    QTemporaryDir dir;
    storage::Database db;
    qint32 recipeId = 0;
    std::unique_ptr<CGWDAODataSource> source;

    explicit Bound(bool withRecipe = true) {
        const QString path = dir.filePath(QStringLiteral("recipes.mdb"));
        storage::createDatabase(path, storage::DatabaseKind::Recipe);
        db.open(path);
        if (withRecipe) {
            db.exec(QStringLiteral(
                "INSERT INTO Recipes (RecipeBatchNo, RecipeName) VALUES (1, 'Bitter')"));
            recipeId = db.scalar(QStringLiteral("SELECT RecipeID FROM Recipes")).toInt();
        }
        db.beginTrans();
        source = std::make_unique<CGWDAODataSource>(db, ingredientSettings());
        source->setNewRowText([](Sheet sheet, int column) {
            if (sheet == Sheet::Hops) {
                const char* texts[] = {"<new>", "0.0", "0.0", "oz", "0", "0", "0.0", ""};
                return QString::fromLatin1(texts[column]);
            }
            return QString();
        });
        source->setRecipeId(recipeId);
        source->requeryAll();
    }
    int hopRowsInDatabase() {
        return db.scalar(QStringLiteral("SELECT count(*) FROM Ingredients_Hops")).toInt();
    }
    CGWSheetModel* hops() { return source->model(Sheet::Hops); }
    void edit(int row, int column, const QString& text) {
        QVERIFY(hops()->setData(hops()->index(row, column), text, Qt::EditRole));
    }
};

}  // namespace

class TestDataSource : public QObject {
    Q_OBJECT

private slots:
    void newRowBecomesATableRow() {
        Bound b;
        QCOMPARE(b.source->rowCount(Sheet::Hops), 0);
        QCOMPARE(b.hops()->rowCount(), 1);  // the new row only
        // It shows empty until it is edited; then its texts are asked for.
        QCOMPARE(b.hops()->cellText(0, 3), QString());
        QVERIFY(!b.hops()->isNewRowStarted());
        // An editor opened on it and left empty enters nothing.
        QVERIFY(!b.hops()->setData(b.hops()->index(0, 1), QString(), Qt::EditRole));
        QVERIFY(!b.hops()->isNewRowStarted());
        QCOMPARE(b.hopRowsInDatabase(), 0);
        QSignalSpy ended(b.source.get(), &CGWDAODataSource::endOfEdit);
        b.edit(0, 0, QStringLiteral("Cascade"));
        QCOMPARE(b.hopRowsInDatabase(), 1);
        QCOMPARE(b.db.scalar(QStringLiteral("SELECT IngRecipeID FROM Ingredients_Hops")).toInt(),
                 b.recipeId);
        QCOMPARE(b.source->rowCount(Sheet::Hops), 1);
        QCOMPARE(b.hops()->cellText(0, 3), QStringLiteral("oz"));
        QCOMPARE(b.hops()->rowCount(), 2);  // and a fresh, empty new row
        QCOMPARE(b.hops()->cellText(1, 0), QString());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.front().value(1).toInt(), 1);  // rows from 1
    }

    void editedCellsAreWrittenAndRequeried() {
        Bound b;
        b.edit(0, 0, QStringLiteral("Cascade"));
        b.edit(0, 1, QStringLiteral("5.5"));
        b.edit(0, 4, QStringLiteral("60"));
        QCOMPARE(
            b.db.scalar(QStringLiteral("SELECT IngHopsAlpha FROM Ingredients_Hops")).toDouble(),
            5.5);
        b.source->requery(Sheet::Hops);
        QCOMPARE(b.source->cellText(Sheet::Hops, 1, 0), std::string("Cascade"));
        QCOMPARE(b.source->cellText(Sheet::Hops, 1, 4), std::string("60"));
        // The calculations write through the same source.
        b.source->setCellText(Sheet::Hops, 1, 5, "17");
        QCOMPARE(b.db.scalar(QStringLiteral("SELECT IngHopsIBU FROM Ingredients_Hops")).toDouble(),
                 17.0);
    }

    // The owner's rollback takes back the rows added in its transaction.
    void rollbackRemovesUncommittedRows() {
        Bound b;
        b.db.exec(QStringLiteral("INSERT INTO Ingredients_Hops (IngHopsName, IngRecipeID) VALUES "
                                 "('Fuggle', ?)"),
                  {b.recipeId});
        b.db.commitTrans();
        b.db.beginTrans();
        b.source->requery(Sheet::Hops);
        b.edit(1, 0, QStringLiteral("Goldings"));
        QCOMPARE(b.hopRowsInDatabase(), 2);
        b.db.rollback();
        b.source->requery(Sheet::Hops);
        QCOMPARE(b.source->rowCount(Sheet::Hops), 1);
        QCOMPARE(b.source->cellText(Sheet::Hops, 1, 0), std::string("Fuggle"));
    }

    void aNewRecipeIsStoredBeforeItsFirstIngredient() {
        Bound b(false);
        QSignalSpy needed(b.source.get(), &CGWDAODataSource::recipeNeeded);
        // Nobody stores the recipe: the edit is refused and nothing is written.
        b.edit(0, 0, QStringLiteral("Saaz"));
        QCOMPARE(needed.count(), 1);
        QCOMPARE(b.hopRowsInDatabase(), 0);
        QCOMPARE(b.hops()->cellText(0, 0), QString());
        // The form stores the recipe when asked.
        connect(b.source.get(), &CGWDAODataSource::recipeNeeded, this, [&b] {
            b.db.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo) VALUES (5)"));
            b.source->setRecipeId(
                b.db.scalar(QStringLiteral("SELECT RecipeID FROM Recipes")).toInt());
        });
        b.edit(0, 0, QStringLiteral("Saaz"));
        QCOMPARE(b.hopRowsInDatabase(), 1);
        QVERIFY(b.source->recipeId() != 0);
    }

    // The hop calculation needs the unit as it was while the drop-down changes.
    void dropDownChangeIsReportedBeforeItIsStored() {
        Bound b;
        b.edit(0, 0, QStringLiteral("Cascade"));
        QString unitDuringReport;
        connect(
            b.source.get(), &CGWDAODataSource::dropDownChanging, this,
            [&](int sheet, int row, int column, const QString& oldText, const QString& newText) {
                QCOMPARE(sheet, int(Sheet::Hops));
                QCOMPARE(row, 1);
                QCOMPARE(oldText, QStringLiteral("oz"));
                QCOMPARE(newText, QStringLiteral("g"));
                unitDuringReport =
                    QString::fromStdString(b.source->cellText(Sheet::Hops, row, column));
            });
        b.edit(0, 3, QStringLiteral("g"));
        QCOMPARE(unitDuringReport, QStringLiteral("oz"));
        QCOMPARE(
            b.db.scalar(QStringLiteral("SELECT IngHopsUnits FROM Ingredients_Hops")).toString(),
            QStringLiteral("g"));
    }

    void deletingARow() {
        Bound b;
        b.edit(0, 0, QStringLiteral("Cascade"));
        b.edit(1, 0, QStringLiteral("Centennial"));
        QVERIFY(b.source->deleteRow(Sheet::Hops, 1));
        QCOMPARE(b.hopRowsInDatabase(), 1);
        QCOMPARE(b.source->cellText(Sheet::Hops, 1, 0), std::string("Centennial"));
        QVERIFY(!b.source->deleteRow(Sheet::Hops, 2));  // the new row has no table row
    }

    void checkCellsHoldOneAndZero() {
        Bound b;
        CGWSheetModel* extracts = b.source->model(Sheet::Extracts);
        const QModelIndex hopped = extracts->index(0, calc::ExtractCol::Hopped);
        QVERIFY(extracts->flags(hopped) & Qt::ItemIsUserCheckable);
        QVERIFY(extracts->setData(hopped, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(b.db.scalar(QStringLiteral("SELECT IngExtractsHopped FROM Ingredients_Extracts"))
                     .toInt(),
                 1);
        QCOMPARE(extracts->data(hopped, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void databaseErrorsReachTheOwner() {
        Bound b;
        std::vector<int> errors;
        b.source->setErrorHandler(
            [&](const storage::DaoException& e) { errors.push_back(e.number()); });
        b.db.exec(QStringLiteral("DROP TABLE Ingredients_Hops"));
        b.edit(0, 0, QStringLiteral("Cascade"));
        QCOMPARE(int(errors.size()), 1);
        QCOMPARE(b.source->rowCount(Sheet::Hops), 0);
    }

    void modelsPassTheModelTester() {
        Bound b;
        QAbstractItemModelTester tester(b.hops(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        b.edit(0, 0, QStringLiteral("Cascade"));
        b.source->requery(Sheet::Hops);
    }

    void gridReportsClicksAndHidesTheRecipeColumn() {
        Bound b;
        b.edit(0, 0, QStringLiteral("Cascade"));
        CGWTabGridCtrl tabs;
        for (int s = 0; s < calc::kSheetCount; ++s) {
            tabs.addSheet(b.source->model(static_cast<Sheet>(s)));
        }
        tabs.resize(700, 300);
        tabs.show();
        tabs.setCurrentIndex(int(Sheet::Hops));
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        CGWGridCtrl* grid = tabs.grid(int(Sheet::Hops));
        QVERIFY(grid->isColumnHidden(calc::HopCol::RecipeId));
        QCOMPARE(grid->columnWidth(calc::HopCol::Name),
                 GridSettings::pixels(18, grid->logicalDpiX()));
        QSignalSpy clicks(&tabs, &CGWTabGridCtrl::cellClicked);
        const QRect cell = grid->visualRect(grid->model()->index(0, calc::HopCol::Ibu));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.front().value(0).toInt(), int(Sheet::Hops));
        QCOMPARE(clicks.front().value(2).toInt(), int(calc::HopCol::Ibu));
        QCOMPARE(tabs.tabText(0), QStringLiteral("Kits"));
    }

    void aWeightThatIsNotANumberNeverReachesTheDatabase() {
        Bound b;
        b.edit(0, 0, QStringLiteral("Cascade"));
        b.edit(0, calc::HopCol::Weight, QStringLiteral("1.5"));
        test::ScriptedPrompts prompts;
        CGWTabGridCtrl tabs;
        tabs.setPrompts(&prompts);
        for (int s = 0; s < calc::kSheetCount; ++s) {
            tabs.addSheet(b.source->model(static_cast<Sheet>(s)));
        }
        tabs.setCurrentIndex(int(Sheet::Hops));
        tabs.show();
        CGWGridCtrl* grid = tabs.grid(int(Sheet::Hops));
        QSignalSpy stored(b.source.get(), &CGWDAODataSource::endOfEdit);
        // The existing row and the new row alike.
        for (int row : {0, 1}) {
            grid->setCurrentCell(row, calc::HopCol::Weight);
            QTest::keyClick(grid, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
            QVERIFY(editor != nullptr);
            editor->selectAll();
            QTest::keyClicks(editor, QStringLiteral("1,5"));
            QTest::keyClick(editor, Qt::Key_Tab);
            // The refused text stays in its editor until the user gives up.
            QCOMPARE(grid->indexWidget(grid->currentIndex()), editor);
            QTest::keyClick(editor, Qt::Key_Escape);
        }
        QCOMPARE(prompts.shownNumbers(), (std::vector<int>{1001, 1001}));
        QCOMPARE(stored.count(), 0);
        QCOMPARE(b.hopRowsInDatabase(), 1);
        QCOMPARE(
            b.db.scalar(QStringLiteral("SELECT IngHopsWeight FROM Ingredients_Hops")).toString(),
            QStringLiteral("1.5"));
    }
};

MW_REGISTER_TEST(TestDataSource)
#include "tst_data_source.moc"
