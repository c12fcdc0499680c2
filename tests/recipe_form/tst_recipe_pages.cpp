#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_fermentation_page.h"
#include "recipe_form/recipe_mash.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "recipe_form/score_spin_box.h"
#include "support/accessibility.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;

namespace {

using MakePage = std::function<std::unique_ptr<CRecipePage>(test::PageFixture& f)>;
// Changes made the way the brewer makes them, each through another kind of
// control of the page.
using Changes = std::function<QList<std::function<void()>>(CRecipePage& page)>;

template <typename P>
P& as(CRecipePage& page) {
    return static_cast<P&>(page);
}
void typeLine(QPlainTextEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
}
void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

Q_DECLARE_METATYPE(MakePage)
Q_DECLARE_METATYPE(Changes)

// What every page of the recipe form has alike: its tab caption, a Help
// button that opens the page's own topic, and controls a screen reader can
// name, each with an access key of its own; and what the brewer changes
// marks the recipe changed only once the page shows.
class TestRecipePages : public QObject {
    Q_OBJECT

private slots:
    void everyPage_data() {
        QTest::addColumn<MakePage>("make");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("topic");
        QTest::addColumn<Changes>("changes");
        QTest::newRow("Mash") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeMash>(f.prompts, &f.help);
        }) << "Mash" << 176 << Changes([](CRecipePage& p) {
            auto& mash = as<CRecipeMash>(p);
            return QList<std::function<void()>>{
                [&mash] { test::retype(mash.timeField(1), QStringLiteral("35")); },
                [&mash] { click(mash.typeButton(1)); }};
        });
        QTest::newRow("Fermentation Info") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeSpecGravities>(&f.help);
        }) << "Fermentation Info" << 177 << Changes([](CRecipePage& p) {
            auto& ferm = as<CRecipeSpecGravities>(p);
            return QList<std::function<void()>>{
                [&ferm] { test::retype(ferm.primingAmountField(), QStringLiteral("5")); },
                [&ferm] { click(ferm.rackedDate()->checkBox()); },
                [&ferm] {
                    ferm.conditioningUnitsBox()->setFocus();
                    QTest::keyClick(ferm.conditioningUnitsBox(), Qt::Key_Down);
                }};
        });
        QTest::newRow("Comments") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeComments>(&f.help);
        }) << "Comments" << 149 << Changes([](CRecipePage& p) {
            auto& comments = as<CRecipeComments>(p);
            return QList<std::function<void()>>{
                [&comments] { typeLine(comments.commentsBox(), QStringLiteral("y")); },
                [&comments] { click(comments.dateObtained()->checkBox()); }};
        });
        QTest::newRow("Rating") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeRatingDlg>(f.prompts, &f.help);
        }) << "Rating" << 150 << Changes([](CRecipePage& p) {
            auto& rating = as<CRecipeRatingDlg>(p);
            return QList<std::function<void()>>{
                [&rating] { test::retype(rating.aromaBox()->edit(), QStringLiteral("3")); },
                [&rating] { click(rating.dateSampled(3)->checkBox()); }};
        });
    }
    void everyPage() {
        QFETCH(MakePage, make);
        QFETCH(QString, title);
        QFETCH(int, topic);
        QFETCH(Changes, changes);
        test::PageFixture f;
        f.recipe.m_RecipeMashType = 2;  // every mash step open
        std::unique_ptr<CRecipePage> page = make(f);
        QSignalSpy modified(page.get(), &CRecipePage::modified);
        page->setRecord(&f.recipe);
        page->showRecord();
        const QList<std::function<void()>> changeEach = changes(*page);
        changeEach.front()();  // not yet shown: no change counts
        QCOMPARE(modified.count(), 0);
        QVERIFY(test::showActive(*page));
        page->showRecord();
        QCOMPARE(modified.count(), 0);
        QCOMPARE(page->title(), title);
        QCOMPARE(page->helpTopic(), topic);

        QPushButton* help = nullptr;
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("&Help")) {
                help = button;
            }
        }
        QVERIFY(help != nullptr);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(f.help.contexts, std::vector<int>{topic});
        QCOMPARE(modified.count(), 0);  // Help changes nothing
        QCOMPARE(test::unnamedControls(page.get()).join(QLatin1Char('\n')), QString());
        QCOMPARE(test::mnemonicClashes(page.get()).join(QLatin1Char('\n')), QString());

        for (qsizetype i = 0; i < changeEach.size(); ++i) {
            modified.clear();
            changeEach[i]();
            QVERIFY2(modified.count() > 0, qPrintable(QStringLiteral("change %1").arg(i)));
        }
    }
};

MW_REGISTER_TEST(TestRecipePages)

#include "tst_recipe_pages.moc"
