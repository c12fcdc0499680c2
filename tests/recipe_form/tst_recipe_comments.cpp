#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_comments.h"
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
};

MW_REGISTER_TEST(TestRecipeComments)
#include "tst_recipe_comments.moc"
