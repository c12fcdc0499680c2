#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "calc/calc_message_list.h"
#include "calc/recipe_calculation.h"
#include "recipe_form/picture_button.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"
#include "target_style_fixture.h"
#include "views/calc_messages_dlg.h"

using namespace mw;
using test::OnModal;
using test::TargetStyleFixture;
using views::CCalcMessagesDlg;

namespace {

// The rows of the window: number, level and message, one string each.
QStringList rows(const CCalcMessagesDlg& dlg) {
    QStringList found;
    for (int i = 0; i < dlg.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = dlg.list()->topLevelItem(i);
        found << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2);
    }
    return found;
}

}  // namespace

// The Calculation Messages window: the form's messages sorted by level and
// text, each once, numbered from 1.
class TestCalcMessages : public QObject {
    Q_OBJECT

private:
    const QString m_data = test::sharedDataDatabase();

private slots:
    void sortedEachOnceAndSplitByLevel() {
        calc::CalcMessageList messages;
        messages.append("Warning: Weight is zero or missing for Grain Pale Malt.");
        messages.append(
            "Information: Assumed attenuation of 75 percent due to invalid "
            "attenuation on Yeast 1");
        messages.append("Warning: Weight is zero or missing for Grain Pale Malt.");
        messages.append("Warning: Amount is zero or missing for Adjunct Crème \"Brûlée\".");
        CCalcMessagesDlg dlg(messages, messages.count());
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Calculation Messages"));
        QCOMPARE(dlg.messageCount(), 4u);
        QCOMPARE(dlg.list()->headerItem()->text(0), QStringLiteral("#"));
        QCOMPARE(dlg.list()->headerItem()->text(1), QStringLiteral("Level"));
        QCOMPARE(dlg.list()->headerItem()->text(2), QStringLiteral("Message"));
        QCOMPARE(rows(dlg),
                 (QStringList{"1|Information|Assumed attenuation of 75 percent due to invalid "
                              "attenuation on Yeast 1",
                              "2|Warning|Amount is zero or missing for Adjunct Crème \"Brûlée\".",
                              "3|Warning|Weight is zero or missing for Grain Pale Malt."}));
        QCOMPARE(dlg.list()->currentItem(), dlg.list()->topLevelItem(0));
        QVERIFY(dlg.list()->topLevelItem(0)->isSelected());
    }

    void anEmptyListShowsNoRows() {
        const calc::CalcMessageList none;
        CCalcMessagesDlg dlg(none, 0);
        dlg.show();
        QCOMPARE(dlg.list()->topLevelItemCount(), 0);
    }

    // Batch 6 with one grain's potential mistyped: the bitterness works the
    // gravity out for each of its five hop rows, so messages 149 and 286 come
    // once per hop row; the window shows each once.
    void theFormsMessagesAfterARecalculation() {
        TargetStyleFixture f(m_data, [](storage::Database& recipes) {
            recipes.exec(QStringLiteral(
                "UPDATE Ingredients_Grains SET IngGrainsSPGrav = 0.5 WHERE IngGrainsID = "
                "(SELECT min(IngGrainsID) FROM Ingredients_Grains WHERE IngRecipeID = "
                "(SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = 6))"));
        });
        f.start();
        f.showBatch(6);
        f.form()->RecalculateRecipe(false);
        QVERIFY(f.controls().messages->isEnabled());
        QStringList shown;
        OnModal<CCalcMessagesDlg> window([&shown](CCalcMessagesDlg& dlg) {
            shown = rows(dlg);
            QTest::keyClick(dlg.list(), Qt::Key_Return);
        });
        QTest::mouseClick(f.controls().messages, Qt::LeftButton);
        QVERIFY(window.ran);
        QVERIFY(!window.stillOpen);
        const std::vector<std::string>& list = f.form()->calculation().messages().messages();
        QCOMPARE(std::count_if(list.begin(), list.end(),
                               [](const std::string& m) {
                                   return m.find("Specific Gravity of 0.5 invalid") !=
                                          std::string::npos;
                               }),
                 5);
        QCOMPARE(shown.filter(QStringLiteral("Specific Gravity of 0.5 invalid")).size(), 1);
        QCOMPARE(shown.filter(QStringLiteral("|Information|Assumed extract potential")).size(), 1);
        QVERIFY(shown.size() < int(list.size()));
        // Numbered from 1, informations first.
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY(shown[i].startsWith(QString::number(i + 1) + QLatin1Char('|')));
        }
        QVERIFY(shown.first().contains(QStringLiteral("|Information|")));
        QVERIFY(shown.last().contains(QStringLiteral("|Warning|")));
    }

    // Nothing left to report: message 13, no window.
    void msgsWithNothingToReport() {
        TargetStyleFixture f(m_data);
        f.start();
        f.showBatch(2);
        f.form()->RecalculateRecipe(false);
        if (f.form()->calculation().messages().count() != 0) {
            QSKIP("the sample recipe has calculation messages");
        }
        OnModal<CCalcMessagesDlg> window([](CCalcMessagesDlg& dlg) { dlg.reject(); });
        f.form()->ShowCalcMessages();
        QCoreApplication::processEvents();
        QVERIFY(!window.ran);
        QCOMPARE(f.shown(), std::vector<int>{13});
    }

    void escCloses() {
        calc::CalcMessageList messages;
        messages.append("Warning: Something.");
        CCalcMessagesDlg dlg(messages, 1);
        dlg.show();
        QTest::keyClick(dlg.list(), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    }

    // "&Details..." is there only when something can show the details, and
    // its access key reaches it from the list.
    void detailsByItsAccessKey() {
        calc::CalcMessageList messages;
        messages.append("Warning: Something.");
        CCalcMessagesDlg dlg(messages, 1);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(!dlg.detailsButton()->isVisible());
        int opened = 0;
        dlg.setDetailsHandler([&opened] { ++opened; });
        QVERIFY(dlg.detailsButton()->isVisible());
        QTest::keyClick(dlg.list(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(opened, 1);
        QVERIFY(dlg.isVisible());
    }
};

MW_REGISTER_TEST(TestCalcMessages)

#include "tst_calc_messages.moc"
