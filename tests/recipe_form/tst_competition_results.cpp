#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "resources/message_catalogue.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::CCompetitionResultsDlg;

namespace {

struct CompetitionDialog : test::PageFixture {
    std::unique_ptr<CCompetitionResultsDlg> dialog;

    void open() {
        dialog = std::make_unique<CCompetitionResultsDlg>(recipe, prompts);
        dialog->open();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    void pressOk() { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); }
};

}  // namespace

class TestCompetitionResults : public QObject {
    Q_OBJECT

private slots:
    void theDialogShowsTheRecipesResults() {
        CompetitionDialog c;
        c.recipe.m_RecipeRatingCompName = QStringLiteral("State Fair");
        c.recipe.m_RecipeRatingCompPrizes = QStringLiteral("Second place\nBest of show entry");
        c.recipe.m_RecipeRatingCompScore = 41;
        c.recipe.m_RecipeRatingCompComments = QStringLiteral("Slight diacetyl");
        c.recipe.m_RecipeRatingCompDate = QDateTime(QDate(2023, 8, 19), QTime(0, 0));
        c.open();
        QCOMPARE(c.dialog->nameField()->text(), QStringLiteral("State Fair"));
        QCOMPARE(c.dialog->prizesBox()->toPlainText(),
                 QStringLiteral("Second place\nBest of show entry"));
        QCOMPARE(c.dialog->scoreField()->text(), QStringLiteral("41"));
        QCOMPARE(c.dialog->commentsBox()->toPlainText(), QStringLiteral("Slight diacetyl"));
        QVERIFY(c.dialog->dateField()->checkBox()->isChecked());
        QCOMPARE(c.dialog->dateField()->dateEdit()->date(), QDate(2023, 8, 19));
        QCOMPARE(c.dialog->windowTitle(), QStringLiteral("Competition Results"));
    }

    void theJudgesScoreIsAtMostFifty_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("stored");
        QTest::newRow("50") << "50" << true << 50;
        QTest::newRow("0") << "0" << true << 0;
        QTest::newRow("51") << "51" << false << 12;
        QTest::newRow("50.5") << "50.5" << false << 12;
        QTest::newRow("100") << "100" << false << 12;
    }

    void theJudgesScoreIsAtMostFifty() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(int, stored);
        CompetitionDialog c;
        c.recipe.m_RecipeRatingCompScore = 12;
        c.open();
        test::retype(c.dialog->scoreField(), typed);
        c.dialog->nameField()->setFocus();
        c.pressOk();
        QCOMPARE(c.dialog->isVisible(), !accepted);
        QCOMPARE(c.recipe.m_RecipeRatingCompScore, stored);
        if (accepted) {
            QVERIFY(c.prompts.shown().empty());
            return;
        }
        QCOMPARE(c.prompts.shownNumbers(), std::vector<int>{209});
        QCOMPARE(c.prompts.shown().front().icon, PromptIcon::Information);
        QCOMPARE(QApplication::focusWidget(), c.dialog->scoreField());
    }

    void aRefusedScoreLeavesTheOtherFieldsUnwritten() {
        CompetitionDialog c;
        c.recipe.m_RecipeRatingCompName = QStringLiteral("Old name");
        c.open();
        test::retype(c.dialog->nameField(), QStringLiteral("New name"));
        test::retype(c.dialog->scoreField(), QStringLiteral("51"));
        c.pressOk();
        QCOMPARE(c.recipe.m_RecipeRatingCompName, QStringLiteral("Old name"));
        // Corrected, OK closes the dialog.
        test::retype(c.dialog->scoreField(), QStringLiteral("49"));
        c.pressOk();
        QCOMPARE(c.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(c.recipe.m_RecipeRatingCompName, QStringLiteral("New name"));
        QCOMPARE(c.recipe.m_RecipeRatingCompScore, 49);
    }

    void aScoreThatIsNotAWholeNumberIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("word") << "good";
        QTest::newRow("decimals") << "45.5";
        QTest::newRow("empty") << "";
    }

    void aScoreThatIsNotAWholeNumberIsRefused() {
        QFETCH(QString, typed);
        CompetitionDialog c;
        c.recipe.m_RecipeRatingCompScore = 30;
        c.open();
        test::retype(c.dialog->scoreField(), typed);
        c.dialog->nameField()->setFocus();
        c.pressOk();
        QVERIFY(c.dialog->isVisible());
        QCOMPARE(c.prompts.shownNumbers(), std::vector<int>{1002});
        QCOMPARE(c.prompts.shown().front().text,
                 formatMessage(1002, "Judges Score", typed.toStdString()));
        QCOMPARE(QApplication::focusWidget(), c.dialog->scoreField());
        QCOMPARE(c.recipe.m_RecipeRatingCompScore, 30);
    }
};

MW_REGISTER_TEST(TestCompetitionResults)
#include "tst_competition_results.moc"
