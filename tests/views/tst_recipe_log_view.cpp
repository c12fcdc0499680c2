#include <QLineEdit>
#include <QSqlQuery>
#include <QtTest>

#include "recipe_log_fixture.h"
#include "resources/message_catalogue.h"
#include "shell/command_ids.h"
#include "storage/database.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"
#include "views/recipe_log_order.h"

using namespace mw;
using test::RecipeLogFixture;
namespace cmd = shell::cmd;

namespace {

void exec(storage::Database& db, const QString& sql, const QVariantList& values = {}) {
    db.exec(sql, values);
}

// Batches 1 to 6, 9 and 10 (7 has no brew date and becomes 9; 8 becomes 10),
// and a name with a small first letter.
void renumber(storage::Database& db) {
    exec(db, QStringLiteral("UPDATE Recipes SET RecipeBatchNo = 10 WHERE RecipeBatchNo = 8"));
    exec(db, QStringLiteral("UPDATE Recipes SET RecipeBatchNo = 9 WHERE RecipeBatchNo = 7"));
    exec(db, QStringLiteral("UPDATE Recipes SET RecipeName = 'amber ale' WHERE RecipeBatchNo = 4"));
}

}  // namespace

// The recipe log as a brewer meets it: opened from the View menu over a
// real recipe database, sorted by clicking its headers, and used to open
// recipes on the recipe form with the mouse and the keyboard.
class TestRecipeLogView : public QObject {
    Q_OBJECT

private:
    const QString m_data = test::sharedDataDatabase();

private slots:
    void listsEveryRecipeInBatchOrder() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        QVERIFY(log != nullptr);
        QCOMPARE(f.activeView(), log);
        QCOMPARE(log->windowTitle(), QStringLiteral("Log Book"));
        QCOMPARE(f.app->mainFrame()->mdiArea()->activeSubWindow()->windowTitle(),
                 QStringLiteral("Log Book"));

        QStringList captions;
        for (int c = 0; c < log->model()->columnCount(); ++c) {
            captions << log->model()->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(captions.join(QLatin1Char(',')), QString::fromUtf8(catalogueText(79)));
        QCOMPARE(f.column(0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
        QCOMPARE(f.column(1).at(2), QStringLiteral("Velvet Sweet Stout"));
        QCOMPARE(f.column(2).at(2), QStringLiteral("10/7/2023"));  // 7 October 2023
        QCOMPARE(f.column(2).at(6), QString());                    // never brewed
        QCOMPARE(f.column(3).at(5), QStringLiteral("American IPA"));
        QCOMPARE(f.column(4).at(5), QStringLiteral("IPA"));
        QCOMPARE(f.column(5).at(5), QStringLiteral("21A"));

        // Widths from the screen's pixels per inch: 2, 4, then 3 units of 0.3 inch.
        const int w = int(0.3 * log->logicalDpiX());
        const int units[] = {2, 4, 3, 3, 3, 3};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(log->columnWidth(c), units[c] * w);
        }
        // Sorted by batch, the mark on "Batch"; the first row chosen.
        QCOMPARE(log->sortHeader().sortColumn(), 0);
        QVERIFY(log->sortHeader().ascending());
        QCOMPARE(f.selectedRow(), 0);
        QCOMPARE(log->rememberedBatch(), 1L);
        QVERIFY(f.prompts.shown().empty());
    }

    void headerClicksSortEachColumnBothWays_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("firstAscending");
        QTest::newRow("Batch") << 0 << "1";
        QTest::newRow("Recipe Name") << 1 << "Backyard Pale Ale";
        QTest::newRow("Brew Date") << 2 << "";
        QTest::newRow("Style") << 3 << "American IPA";
        QTest::newRow("Category") << 4 << "British Bitter";
        QTest::newRow("Subcategory") << 5 << "10A";
    }
    void headerClicksSortEachColumnBothWays() {
        QFETCH(int, column);
        QFETCH(QString, firstAscending);
        RecipeLogFixture f(m_data, renumber);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        if (column == 0) {
            f.clickHeader(1);  // away from Batch first, so the next click sorts it ascending
        }
        for (const bool ascending : {true, false}) {
            f.clickHeader(column);
            QCOMPARE(log->sortHeader().sortColumn(), column);
            QCOMPARE(log->sortHeader().ascending(), ascending);
            const QStringList texts = f.column(column);
            QCOMPARE(texts.size(), 8);
            QCOMPARE(ascending ? texts.front() : texts.back(), firstAscending);
            for (int i = 0; i + 1 < texts.size(); ++i) {
                const int c = views::compareLogTexts(column, texts[i], texts[i + 1]);
                QVERIFY2(ascending ? c <= 0 : c >= 0,
                         qPrintable(texts[i] + QStringLiteral(" | ") + texts[i + 1]));
            }
            // Rows move whole: each batch keeps its own name.
            const QStringList batches = f.column(0);
            const QStringList names = f.column(1);
            QCOMPARE(names.at(batches.indexOf(QStringLiteral("3"))),
                     QStringLiteral("Velvet Sweet Stout"));
        }
    }

    // The sorted column's header carries a mark; the others none.
    void theSortedColumnIsMarked() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        QHeaderView* header = f.logView()->header();
        const auto darkPixelsAtTheEnd = [header](int column) {
            const QImage image = header->grab().toImage();
            const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
            int dark = 0;
            for (int x = right - 16; x < right - 4; ++x) {
                for (int y = 2; y < image.height() - 2; ++y) {
                    dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
                }
            }
            return dark;
        };
        QVERIFY(darkPixelsAtTheEnd(0) > 0);
        QCOMPARE(darkPixelsAtTheEnd(2), 0);
        f.clickHeader(2);
        QVERIFY(darkPixelsAtTheEnd(2) > 0);
        QCOMPARE(darkPixelsAtTheEnd(0), 0);
    }

    void theRulesUsersSee() {
        RecipeLogFixture f(m_data, renumber);
        f.startWithLog();
        // Batch is numeric: 9 before 10.
        QCOMPARE(f.column(0), (QStringList{"1", "2", "3", "4", "5", "6", "9", "10"}));
        // A small first letter sorts after every capital.
        f.clickHeader(1);
        QCOMPARE(f.column(1).back(), QStringLiteral("amber ale"));
        // The recipe never brewed comes first by date, last the other way.
        f.clickHeader(2);
        QCOMPARE(f.column(2).front(), QString());
        QCOMPARE(f.column(0).front(), QStringLiteral("9"));
        QCOMPARE(f.column(2).at(1), QStringLiteral("10/7/2023"));
        f.clickHeader(2);
        QCOMPARE(f.column(2).back(), QString());
        QCOMPARE(f.column(2).front(), QStringLiteral("6/15/2024"));
    }

    void doubleClickOpensTheRecipeOnTheForm_data() {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("row");
        QTest::newRow("batch order") << -1 << 4;
        QTest::newRow("by name") << 1 << 0;
        QTest::newRow("by date") << 2 << 7;
        QTest::newRow("by style") << 3 << 3;
    }
    void doubleClickOpensTheRecipeOnTheForm() {
        QFETCH(int, sortColumn);
        QFETCH(int, row);
        RecipeLogFixture f(m_data);
        f.startWithLog();
        if (sortColumn >= 0) {
            f.clickHeader(sortColumn);
        }
        const long batch = f.column(0).at(row).toLong();
        const QString name = f.column(1).at(row);
        f.doubleClickRow(row);
        QVERIFY(f.form() != nullptr);  // the form is in front
        QCOMPARE(f.formBatch(), batch);
        QCOMPARE(f.controls().name->text(), name);
        QCOMPARE(long(f.app->document()->currentBatch()), batch);
        QVERIFY(f.prompts.shown().empty());
    }

    // Enter opens the row last clicked, not the one the arrow keys reached;
    // a sort in between changes nothing about which recipe that is.
    void enterOpensTheRememberedRecipe() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        f.clickRow(2);  // batch 3
        QTest::keyClick(log, Qt::Key_Down);
        QTest::keyClick(log, Qt::Key_Down);
        QCOMPARE(f.selectedRow(), 4);
        f.clickHeader(1);                                                // by name: batch 3 moves
        QCOMPARE(f.column(0).at(f.selectedRow()), QStringLiteral("5"));  // selection moved along
        QTest::keyClick(log, Qt::Key_Return);
        QVERIFY(f.form() != nullptr);
        QCOMPARE(f.formBatch(), 3L);
    }

    void tabAndEscapeStayInTheList() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        log->setFocus();
        f.clickRow(1);
        QTest::keyClick(log, Qt::Key_Tab);
        QTest::keyClick(log, Qt::Key_Escape);
        QCOMPARE(f.activeView(), log);
        QCOMPARE(QApplication::focusWidget(), log);
        QCOMPARE(f.selectedRow(), 1);
    }

    // What the form announces shows in the log at once.
    void newSaveAndDeleteOnTheFormRefillTheLog() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        f.command(cmd::ViewRecipeForm)->trigger();
        QVERIFY(f.form() != nullptr);

        f.command(cmd::RecordAdd)->trigger();
        QCOMPARE(f.rows(), 9);
        QCOMPARE(f.column(0).back(), QStringLiteral("9"));
        QCOMPARE(f.column(1).back(), QStringLiteral("<new recipe>"));

        f.typeInto(f.controls().name, QStringLiteral("Spate Ernte \"Kellerbier\" O'Neil"));
        f.press(Qt::Key_S);
        QCOMPARE(f.column(1).back(), QStringLiteral("Spate Ernte \"Kellerbier\" O'Neil"));

        f.command(cmd::RecordDelete)->trigger();
        QCOMPARE(f.rows(), 8);
        QVERIFY(!f.column(1).contains(QStringLiteral("Spate Ernte \"Kellerbier\" O'Neil")));
    }

    // After a refill with fewer rows the last row is chosen when the
    // remembered one is gone.
    void fewerRowsChooseTheLastRow() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        f.doubleClickRow(7);  // batch 8, now on the form
        QCOMPARE(f.formBatch(), 8L);
        QCOMPARE(log->rememberedRow(), 7);
        f.command(cmd::RecordDelete)->trigger();
        QCOMPARE(f.rows(), 7);
        QCOMPARE(log->rememberedRow(), 6);
        QCOMPARE(f.selectedRow(), 6);
        QCOMPARE(log->rememberedBatch(), 7L);
    }

    // A notice naming a batch selects its row but leaves the remembered one.
    void aBatchNoticeSelectsItsRow() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        views::CRecipeLogView* log = f.logView();
        f.clickRow(1);
        log->OnUpdate(&f.log, storage::Hint::showBatch(6));
        QCOMPARE(f.selectedRow(), f.rowOfBatch(6));
        QCOMPARE(log->rememberedBatch(), 2L);
        QCOMPARE(f.rows(), 8);  // no refill
        log->OnUpdate(&f.log, storage::Hint::showBatch(4321));
        QCOMPARE(f.selectedRow(), -1);
        QTest::keyClick(log, Qt::Key_Enter);
        QCOMPARE(f.formBatch(), 2L);
    }

    void recordAndOpenCommandsRestWhileTheLogIsActive() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        for (int id :
             {cmd::FileOpen, cmd::FileSave, cmd::RecordFirst, cmd::RecordNext, cmd::RecordLast,
              cmd::RecordAdd, cmd::RecordCopy, cmd::RecordDelete, cmd::RecordCommit}) {
            QVERIFY2(!f.command(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(f.command(cmd::ViewRecipeForm)->isEnabled());
        QVERIFY(f.command(cmd::FileClose)->isEnabled());
        QTest::keyClick(f.frame(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(f.frame(), Qt::Key_L, Qt::ControlModifier);  // Record Last
        QVERIFY(f.files.requests.empty());
        QCOMPARE(f.formBatch(), 1L);
        QCOMPARE(f.rows(), 8);

        f.command(cmd::ViewRecipeForm)->trigger();
        QVERIFY(f.command(cmd::FileOpen)->isEnabled());
        QVERIFY(f.command(cmd::RecordNext)->isEnabled());
        QVERIFY(f.command(cmd::RecordDelete)->isEnabled());
        f.command(cmd::RecordLast)->trigger();
        QCOMPARE(f.formBatch(), 8L);
    }

    // The form's window goes only with its database; were it ever missing,
    // opening a recipe makes a new form that shows that recipe, not the
    // first one.
    void opensANewFormOnTheChosenRecipe() {
        RecipeLogFixture f(m_data);
        f.startWithLog();
        for (QMdiSubWindow* sub : f.app->mainFrame()->mdiArea()->subWindowList()) {
            if (sub->widget()->objectName() == QLatin1String("recipeForm")) {
                delete sub;
            }
        }
        QVERIFY(f.app->document() != nullptr);
        QCOMPARE(f.formBatch(), -1L);
        f.doubleClickRow(4);
        QVERIFY(f.form() != nullptr);
        QCOMPARE(f.formBatch(), 5L);
    }

    void namesWithQuotesAndAccentsOpenTheirOwnRecipe() {
        const QString name = QStringLiteral("O'Hara's \"Double\" Bière — Øl 東京");
        RecipeLogFixture f(m_data, [&](storage::Database& db) {
            exec(db, QStringLiteral("UPDATE Recipes SET RecipeName = ? WHERE RecipeBatchNo = 6"),
                 {name});
        });
        f.startWithLog();
        QCOMPARE(f.column(1).at(5), name);
        f.clickHeader(1);
        const int row = int(f.column(1).indexOf(name));
        // By bytes: after "Harbour", and the apostrophe before "Old Oak Brown Ale".
        QCOMPARE(row, 4);
        QCOMPARE(f.column(1).at(5), QStringLiteral("Old Oak Brown Ale"));
        f.doubleClickRow(row);
        QCOMPARE(f.formBatch(), 6L);
        QCOMPARE(f.controls().name->text(), name);
    }

    // Notices carry 16 bits of a batch number: a larger one is not opened
    // (it would show another recipe) and the user is told why.
    void aBatchBeyondTheNoticesIsNotOpened() {
        RecipeLogFixture f(m_data, [](storage::Database& db) {
            exec(db, QStringLiteral("UPDATE Recipes SET RecipeBatchNo = ? WHERE RecipeBatchNo = 8"),
                 {65536 + 3});
        });
        f.startWithLog();
        QCOMPARE(f.column(0).back(), QStringLiteral("65539"));
        f.clickRow(7);
        QTest::keyClick(f.logView(), Qt::Key_Return);
        QCOMPARE(f.shown(), std::vector<int>{1200});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(1200, "65539"));
        QCOMPARE(f.prompts.shown()[0].icon, PromptIcon::Information);
        QCOMPARE(f.activeView(), f.logView());
        QCOMPARE(f.formBatch(), 1L);
    }

    void aBrokenLogQueryLeavesAnEmptyList() {
        RecipeLogFixture f(m_data, [](storage::Database& db) {
            exec(db, QStringLiteral("DROP VIEW [Recipes Log Query - By Batch Number]"));
        });
        f.startWithLog();
        QVERIFY(f.logView() != nullptr);
        QCOMPARE(f.shown(), std::vector<int>{1010});  // the database error box
        QCOMPARE(f.rows(), 0);
        f.prompts.clear();
        QTest::keyClick(f.logView(), Qt::Key_Return);
        QTest::mouseDClick(f.logView()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(f.activeView(), f.logView());
        QCOMPARE(f.formBatch(), 1L);
    }

    void aWorkspaceThatCannotOpenIsReported() {
        RecipeLogFixture f(m_data);
        f.start();
        views::installRecipeLog(*f.app, f.prompts, &f.help);
        f.settings->setString(storage::Setting::RecipeFileOpened,
                              f.path(QStringLiteral("gone/recipes.mdb")));
        f.command(cmd::ViewRecipeLog)->trigger();
        const std::vector<int> shown = f.shown();
        QVERIFY(!shown.empty());
        QCOMPARE(shown.back(), 1018);
        QCOMPARE(f.prompts.shown().back().icon, PromptIcon::Information);
        QCOMPARE(f.rows(), 0);
    }

    void tenThousandRecipes() {
        RecipeLogFixture f(m_data, [](storage::Database& db) {
            storage::Transaction t(db);
            for (int batch = 9; batch <= 10000; ++batch) {
                exec(
                    db,
                    QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, "
                                   "RecipeBatchSize, RecipeBoilSize, RecipeDateBrewed) "
                                   "VALUES (?, ?, 5.0, 6.0, ?)"),
                    {batch, QStringLiteral("Recipe %1").arg(batch),
                     batch % 3 == 0 ? QVariant()
                                    : QVariant(QStringLiteral("2020-05-%1")
                                                   .arg(1 + batch % 28, 2, 10, QLatin1Char('0')))});
            }
            t.commit();
        });
        f.startWithLog();
        QCOMPARE(f.rows(), 10000);
        QCOMPARE(f.column(0).front(), QStringLiteral("1"));
        QCOMPARE(f.column(0).back(), QStringLiteral("10000"));
        f.clickHeader(2);
        f.clickHeader(2);  // newest first
        const long batch = f.column(0).at(0).toLong();
        QCOMPARE(f.column(2).at(0), QStringLiteral("6/15/2024"));
        f.doubleClickRow(0);
        QCOMPARE(f.formBatch(), batch);
    }
};

MW_REGISTER_TEST(TestRecipeLogView)
#include "tst_recipe_log_view.moc"
