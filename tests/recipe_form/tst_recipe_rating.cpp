#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "recipe_form/score_spin_box.h"
#include "resources/message_catalogue.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::CCompetitionResultsDlg;
using recipe_form::CRecipeRatingDlg;
using recipe_form::CScoreSpinBox;

namespace {

struct RatingPage : test::PageFixture {
    CRecipeRatingDlg page{prompts, &help};

    RatingPage() { page.setRecord(&recipe); }

    void scores(int appearance, int aroma, int taste, int impression) {
        recipe.m_RecipeRatingAppearance = appearance;
        recipe.m_RecipeRatingAroma = aroma;
        recipe.m_RecipeRatingTaste = taste;
        recipe.m_RecipeRatingImpression = impression;
    }
};

}  // namespace

class TestRecipeRating : public QObject {
    Q_OBJECT

private slots:
    void theTotalAddsTheFourScores_data() {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<int>("aroma");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("impression");
        QTest::addColumn<QString>("total");
        QTest::newRow("best") << 3 << 4 << 10 << 3 << "20";
        QTest::newRow("new recipe") << 0 << 0 << 0 << 1 << "1";
        QTest::newRow("good") << 2 << 3 << 7 << 2 << "14";
    }

    void theTotalAddsTheFourScores() {
        QFETCH(int, appearance);
        QFETCH(int, aroma);
        QFETCH(int, taste);
        QFETCH(int, impression);
        QFETCH(QString, total);
        RatingPage r;
        r.scores(appearance, aroma, taste, impression);
        r.page.showRecord();
        r.page.enterRecord();
        QCOMPARE(r.page.total()->text(), total);
        QCOMPARE(r.page.appearanceBox()->text(), QString::number(appearance));
        QCOMPARE(r.page.impressionBox()->text(), QString::number(impression));
    }

    void theTotalIsLargeAndBold() {
        RatingPage r;
        const QFont font = r.page.total()->font();
        QCOMPARE(font.pixelSize(), 32);
        QVERIFY(font.weight() >= QFont::Bold);
    }

    void typingAScoreStoresItAndUpdatesTheTotal() {
        RatingPage r;
        r.scores(3, 4, 9, 3);
        r.page.showRecord();
        QVERIFY(test::showActive(r.page));
        test::retype(r.page.tasteBox()->edit(), QStringLiteral("12"));
        // Only the arrows keep to 0 to 10; a typed 12 counts.
        QCOMPARE(r.recipe.m_RecipeRatingTaste, 12);
        QCOMPARE(r.page.total()->text(), QStringLiteral("22"));
        test::retype(r.page.appearanceBox()->edit(), QStringLiteral("1"));
        QCOMPARE(r.page.total()->text(), QStringLiteral("20"));
    }

    void scoresTypedBeforeTheFirstRecordIsShownAreNotCounted() {
        RatingPage r;
        r.scores(1, 1, 1, 1);
        test::retype(r.page.tasteBox()->edit(), QStringLiteral("8"));
        QCOMPARE(r.recipe.m_RecipeRatingTaste, 1);
        r.page.showRecord();
        QCOMPARE(r.page.total()->text(), QStringLiteral("4"));
    }

    void theArrowsKeepToTheScoreRange_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("appearance up") << 0 << "2" << int(Qt::Key_Up) << "3";
        QTest::newRow("appearance at 3") << 0 << "3" << int(Qt::Key_Up) << "3";
        QTest::newRow("aroma at 4") << 1 << "4" << int(Qt::Key_Up) << "4";
        QTest::newRow("taste at 10") << 2 << "10" << int(Qt::Key_Up) << "10";
        QTest::newRow("taste down") << 2 << "10" << int(Qt::Key_Down) << "9";
        QTest::newRow("taste at 0") << 2 << "0" << int(Qt::Key_Down) << "0";
        QTest::newRow("impression at 1") << 3 << "1" << int(Qt::Key_Down) << "1";
        QTest::newRow("impression up") << 3 << "1" << int(Qt::Key_Up) << "2";
    }

    void theArrowsKeepToTheScoreRange() {
        QFETCH(int, box);
        QFETCH(QString, shown);
        QFETCH(int, key);
        QFETCH(QString, after);
        RatingPage r;
        r.page.showRecord();
        QVERIFY(test::showActive(r.page));
        CScoreSpinBox* boxes[4] = {r.page.appearanceBox(), r.page.aromaBox(), r.page.tasteBox(),
                                   r.page.impressionBox()};
        CScoreSpinBox* score = boxes[box];
        test::retype(score->edit(), shown);
        QTest::keyClick(score, Qt::Key(key));
        QCOMPARE(score->text(), after);
    }

    void aScoreThatIsNotANumberIsRefused() {
        RatingPage r;
        r.scores(2, 2, 6, 2);
        r.page.showRecord();
        QVERIFY(test::showActive(r.page));
        test::retype(r.page.tasteBox()->edit(), QStringLiteral("good"));
        r.page.notesBox()->setFocus();
        // Typing shows no message; the total keeps the stored score.
        QVERIFY(r.prompts.shown().empty());
        QCOMPARE(r.page.total()->text(), QStringLiteral("12"));
        QVERIFY(!r.page.readRecord(r.exchange));
        QCOMPARE(r.prompts.shownNumbers(), std::vector<int>{1002});
        QCOMPARE(r.prompts.shown().front().text, formatMessage(1002, "Taste (50%)", "good"));
        QCOMPARE(QApplication::focusWidget(), r.page.tasteBox());
        QCOMPARE(r.recipe.m_RecipeRatingTaste, 6);
    }

    void competitionResultsWithOkReachTheRecordAndMarkItChanged() {
        RatingPage r;
        r.page.showRecord();
        QVERIFY(test::showActive(r.page));
        QSignalSpy modified(&r.page, &CRecipeRatingDlg::modified);
        r.page.setCompetitionRunner([](CCompetitionResultsDlg& dialog) {
            dialog.open();
            QTest::keyClicks(dialog.nameField(), QStringLiteral("County Fair"));
            test::retype(dialog.scoreField(), QStringLiteral("50"));
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(r.page.competitionButton(), Qt::LeftButton);
        QCOMPARE(r.recipe.m_RecipeRatingCompName, QStringLiteral("County Fair"));
        QCOMPARE(r.recipe.m_RecipeRatingCompScore, 50);
        QCOMPARE(modified.count(), 1);
    }

    void competitionResultsWithCancelChangeNothing() {
        RatingPage r;
        r.recipe.m_RecipeRatingCompName = QStringLiteral("Spring Fling");
        r.recipe.m_RecipeRatingCompScore = 38;
        r.page.showRecord();
        QVERIFY(test::showActive(r.page));
        QSignalSpy modified(&r.page, &CRecipeRatingDlg::modified);
        r.page.setCompetitionRunner([](CCompetitionResultsDlg& dialog) {
            dialog.open();
            test::retype(dialog.nameField(), QStringLiteral("Autumn Cup"));
            test::retype(dialog.scoreField(), QStringLiteral("44"));
            QTest::mouseClick(dialog.dateField()->checkBox(), Qt::LeftButton);
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(r.page.competitionButton(), Qt::LeftButton);
        QCOMPARE(r.recipe.m_RecipeRatingCompName, QStringLiteral("Spring Fling"));
        QCOMPARE(r.recipe.m_RecipeRatingCompScore, 38);
        QVERIFY(!r.recipe.m_RecipeRatingCompDate.isValid());
        QCOMPARE(modified.count(), 0);
    }
};

MW_REGISTER_TEST(TestRecipeRating)
#include "tst_recipe_rating.moc"
