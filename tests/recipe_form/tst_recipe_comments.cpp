#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_comments.h"
#include "storage/catalogue_string.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::CRecipeComments;

namespace {

struct CommentsPage : test::PageFixture {
    CRecipeComments page{&help};

    CommentsPage() { page.setRecord(&recipe); }
};

}  // namespace

class TestRecipeComments : public QObject {
    Q_OBJECT

private slots:
    void showingARecordFillsTheFields() {
        CommentsPage c;
        c.recipe.m_RecipeSource = QStringLiteral("Club meeting\nMarch");
        c.recipe.m_RecipeDateObtained = QDateTime(QDate(2021, 7, 14), QTime(0, 0));
        c.recipe.m_RecipeComments = QStringLiteral("Use less crystal next time.");
        c.page.showRecord();
        QCOMPARE(c.page.sourceBox()->toPlainText(), QStringLiteral("Club meeting\nMarch"));
        QVERIFY(c.page.dateObtained()->checkBox()->isChecked());
        QCOMPARE(c.page.dateObtained()->dateEdit()->date(), QDate(2021, 7, 14));
        QCOMPARE(c.page.commentsBox()->toPlainText(),
                 QStringLiteral("Use less crystal next time."));
    }

    void typedTextReachesTheRecord() {
        CommentsPage c;
        c.page.showRecord();
        QVERIFY(test::showActive(c.page));
        c.page.sourceBox()->setFocus();
        QTest::keyClicks(c.page.sourceBox(), QStringLiteral("Brew book"));
        QTest::keyClick(c.page.sourceBox(), Qt::Key_Return);
        QTest::keyClicks(c.page.sourceBox(), QStringLiteral("page 12"));
        c.page.commentsBox()->setFocus();
        QTest::keyClicks(c.page.commentsBox(), QStringLiteral("Clean and crisp"));
        QVERIFY(c.page.readRecord(c.exchange));
        QCOMPARE(c.recipe.m_RecipeSource, QStringLiteral("Brew book\npage 12"));
        QCOMPARE(c.recipe.m_RecipeComments, QStringLiteral("Clean and crisp"));
    }

    void anEmptyDateObtainedRoundTrips() {
        CommentsPage c;
        c.page.showRecord();
        QVERIFY(test::showActive(c.page));
        QVERIFY(!c.page.dateObtained()->checkBox()->isChecked());
        QVERIFY(c.page.readRecord(c.exchange));
        QVERIFY(!c.recipe.m_RecipeDateObtained.isValid());

        QTest::mouseClick(c.page.dateObtained()->checkBox(), Qt::LeftButton);
        QVERIFY(c.page.readRecord(c.exchange));
        QCOMPARE(c.recipe.m_RecipeDateObtained.date(), QDate::currentDate());

        c.page.showRecord();
        QTest::mouseClick(c.page.dateObtained()->checkBox(), Qt::LeftButton);
        QVERIFY(c.page.readRecord(c.exchange));
        QVERIFY(!c.recipe.m_RecipeDateObtained.isValid());
    }

    void hintsDescribeTheFields() {
        CommentsPage c;
        QCOMPARE(c.page.sourceBox()->accessibleDescription(), storage::catalogueString(130));
        QCOMPARE(c.page.commentsBox()->accessibleDescription(), storage::catalogueString(130));
        QCOMPARE(c.page.dateObtained()->checkBox()->accessibleDescription(),
                 storage::catalogueString(196));
    }

    void changesCountOnlyWhileThePageShows() {
        CommentsPage c;
        QSignalSpy modified(&c.page, &CRecipeComments::modified);
        c.page.showRecord();
        QTest::keyClicks(c.page.commentsBox(), QStringLiteral("x"));
        QCOMPARE(modified.count(), 0);
        QVERIFY(test::showActive(c.page));
        c.page.showRecord();
        QCOMPARE(modified.count(), 0);
        QTest::mouseClick(c.page.helpButton(), Qt::LeftButton);
        QCOMPARE(modified.count(), 0);
        c.page.commentsBox()->setFocus();
        QTest::keyClicks(c.page.commentsBox(), QStringLiteral("y"));
        QVERIFY(modified.count() > 0);
        modified.clear();
        QTest::mouseClick(c.page.dateObtained()->checkBox(), Qt::LeftButton);
        QVERIFY(modified.count() > 0);
    }
};

MW_REGISTER_TEST(TestRecipeComments)
#include "tst_recipe_comments.moc"
