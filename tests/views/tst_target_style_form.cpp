#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "calc/recipe_calculation.h"
#include "resources/number_text.h"
#include "shell/command_ids.h"
#include "shell/info_status_bar.h"
#include "shell/main_frame.h"
#include "storage/seed_data.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"
#include "target_style_fixture.h"
#include "views/style_tree.h"
#include "views/target_style_dlg.h"
#include "views/target_style_grid2.h"

using namespace mw;
using test::OnModal;
using test::StoredRecipes;
using test::TargetStyleFixture;
using views::CTargetStyleDlg;
using views::StyleSelection;
using Q = views::CTargetStyleGrid2::Quantity;
using C = views::CTargetStyleGrid2::Column;

namespace {

const StyleSelection kAmericanIpa{QStringLiteral("American IPA"), QStringLiteral("IPA"),
                                  QStringLiteral("21A")};
const StyleSelection kBestBitter{QStringLiteral("Best Bitter"), QStringLiteral("British Bitter"),
                                 QStringLiteral("11B")};

// Chooses a style in the dialog's tree with the mouse.
void choose(CTargetStyleDlg& dlg, const StyleSelection& style) {
    QTreeWidgetItem* item = dlg.tree()->itemOf(style);
    QVERIFY(item != nullptr);
    dlg.tree()->scrollToItem(item);
    QTest::mouseClick(dlg.tree()->viewport(), Qt::LeftButton, {},
                      dlg.tree()->visualItemRect(item).center());
}

QStringList labels(const CTargetStyleDlg& dlg) {
    return {dlg.selectionLabel(0)->text(), dlg.selectionLabel(1)->text(),
            dlg.selectionLabel(2)->text()};
}

QStringList recipeStyle(const storage::CRecordSetRecipe& r) {
    return {r.m_RecipeTargetStyle, r.m_RecipeTargetCategory, r.m_RecipeTargetSubcategory};
}

views::StyleLimits recipeLimits(const storage::CRecordSetRecipe& r) {
    return {r.m_RecipeTargetSpGravLo, r.m_RecipeTargetSpGravHi, r.m_RecipeTargetAlcoLo,
            r.m_RecipeTargetAlcoHi,   r.m_RecipeTargetIBULo,    r.m_RecipeTargetIBUHi,
            r.m_RecipeTargetColorLo,  r.m_RecipeTargetColorHi};
}

}  // namespace

// The Target Style window as the brewer opens it from the recipe form: the
// chosen style reaches the recipe, its file and the status bar on OK and
// nowhere on Cancel.
class TestTargetStyleOnTheForm : public QObject {
    Q_OBJECT

private:
    const QString m_data = test::sharedDataDatabase();

private slots:
    void okWritesTheStyleIntoTheRecipeAndItsFile() {
        TargetStyleFixture f(m_data);
        f.start();
        QStringList shownOnOpening;
        OnModal<CTargetStyleDlg> dialog([&](CTargetStyleDlg& dlg) {
            shownOnOpening = labels(dlg);
            choose(dlg, kAmericanIpa);
            QTest::keyClick(dlg.tree(), Qt::Key_Return);
        });
        QTest::mouseClick(f.controls().targetStyle, Qt::LeftButton);
        QVERIFY(dialog.ran);
        QVERIFY(!dialog.stillOpen);
        QCOMPARE(shownOnOpening, (QStringList{"Best Bitter", "British Bitter", "11B"}));

        const views::StyleLimits ipa = test::storedStyleLimits(
            m_data, kAmericanIpa.name, kAmericanIpa.category, kAmericanIpa.subcategory);
        QVERIFY(ipa.gravityHi > 1.0);
        QCOMPARE(recipeStyle(f.form()->record()), (QStringList{"American IPA", "IPA", "21A"}));
        QCOMPARE(recipeLimits(f.form()->record()), ipa);
        QVERIFY(f.form()->lifecycle().isModified());
        QCOMPARE(f.app->mainFrame()->infoStatusBar()->linePaneText(),
                 QStringLiteral("Target Specific Gravity %1 - %2")
                     .arg(QString::fromStdString(formatNumber("%.3f", ipa.gravityLo)),
                          QString::fromStdString(formatNumber("%.3f", ipa.gravityHi))));

        f.command(shell::cmd::FileSave)->trigger();
        QVERIFY(!f.form()->lifecycle().isModified());
        f.closeDatabase();
        StoredRecipes stored(f.recipes);
        const storage::CRecordSetRecipe* batch = stored.batch(1);
        QVERIFY(batch != nullptr);
        QCOMPARE(recipeStyle(*batch), (QStringList{"American IPA", "IPA", "21A"}));
        QCOMPARE(recipeLimits(*batch), ipa);
    }

    void cancelChangesNothing() {
        TargetStyleFixture f(m_data);
        f.start();
        const views::StyleLimits before = recipeLimits(f.form()->record());
        QStringList shownOnCancel;
        OnModal<CTargetStyleDlg> dialog([&](CTargetStyleDlg& dlg) {
            choose(dlg, kAmericanIpa);
            QCOMPARE(labels(dlg), (QStringList{"American IPA", "IPA", "21A"}));
            QTest::keyClick(dlg.tree(), Qt::Key_Escape);
            shownOnCancel = labels(dlg);
        });
        QTest::mouseClick(f.controls().targetStyle, Qt::LeftButton);
        QVERIFY(dialog.ran);
        QVERIFY(!dialog.stillOpen);
        QCOMPARE(shownOnCancel, (QStringList{"Best Bitter", "British Bitter", "11B"}));
        QCOMPARE(recipeStyle(f.form()->record()),
                 (QStringList{"Best Bitter", "British Bitter", "11B"}));
        QCOMPARE(recipeLimits(f.form()->record()), before);
        QVERIFY(!f.form()->lifecycle().isModified());
    }

    // Batch 6, an American IPA, against its own style and against a bitter.
    void theComparisonOfAKnownRecipe() {
        TargetStyleFixture f(m_data);
        f.start();
        f.showBatch(6);
        QStringList ownStyle;
        QStringList ownMarks;
        QStringList bitterMarks;
        QColor bitterIbuColor;
        QStringList predicted;
        OnModal<CTargetStyleDlg> dialog([&](CTargetStyleDlg& dlg) {
            const auto marks = [&dlg] {
                QStringList found;
                for (Q q : {Q::Gravity, Q::Alcohol, Q::Bitterness, Q::Color}) {
                    found << dlg.grid()->text(q, C::Below) + dlg.grid()->text(q, C::Above);
                }
                return found;
            };
            ownStyle = labels(dlg);
            ownMarks = marks();
            for (Q q : {Q::Gravity, Q::Alcohol, Q::Bitterness, Q::Color}) {
                predicted << dlg.grid()->text(q, C::Predicted);
            }
            choose(dlg, kBestBitter);
            bitterMarks = marks();
            bitterIbuColor = dlg.grid()->textColor(Q::Bitterness, C::Predicted);
            dlg.reject();
        });
        QTest::mouseClick(f.controls().targetStyle, Qt::LeftButton);
        QVERIFY(dialog.ran);
        const calc::CalcResults& results = f.form()->calculation().results();
        QVERIFY(results.originalGravity > 1.060);
        QVERIFY(results.totalIbu > 40.0);
        QCOMPARE(predicted,
                 (QStringList{QString::fromStdString(formatNumber("%.3f", results.originalGravity)),
                              QString::fromStdString(formatNumber("%.1f", results.alcohol)),
                              QString::fromStdString(formatNumber("%.1f", results.totalIbu)),
                              QString::fromStdString(formatNumber("%.1f", results.color))}));
        QCOMPARE(ownStyle, (QStringList{"American IPA", "IPA", "21A"}));
        // Gravity, alcohol and bitterness are well above a best bitter's.
        QCOMPARE(bitterMarks.mid(0, 3), (QStringList{"+", "+", "+"}));
        QCOMPARE(bitterIbuColor, QColor(255, 0, 0));
        QVERIFY2(ownMarks.count(QString()) >= 3, qPrintable(ownMarks.join(QLatin1Char('|'))));
    }

    // A recipe whose style has gone from the data database keeps its style
    // and ranges when the window is cancelled.
    void aRecipeWhoseStyleIsGone() {
        TargetStyleFixture f(m_data, [](storage::Database& recipes) {
            recipes.exec(QStringLiteral("UPDATE Recipes SET RecipeTargetStyle = ? WHERE "
                                        "RecipeBatchNo = 1"),
                         {QStringLiteral("Gone Bitter")});
        });
        f.start();
        const views::StyleLimits before = recipeLimits(f.form()->record());
        OnModal<CTargetStyleDlg> dialog(
            [](CTargetStyleDlg& dlg) { QTest::keyClick(dlg.tree(), Qt::Key_Escape); });
        QTest::mouseClick(f.controls().targetStyle, Qt::LeftButton);
        QVERIFY(dialog.ran);
        // Found missing on opening and again when Cancel shows it once more.
        QCOMPARE(f.shown(), (std::vector<int>{188, 188}));
        QCOMPARE(f.form()->record().m_RecipeTargetStyle, QStringLiteral("Gone Bitter"));
        QCOMPARE(recipeLimits(f.form()->record()), before);
        QVERIFY(!f.form()->lifecycle().isModified());
    }
};

MW_REGISTER_TEST(TestTargetStyleOnTheForm)

#include "tst_target_style_form.moc"
