#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_fermentation_page.h"
#include "recipe_form/recipe_mash.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "support/accessibility.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;

namespace {

using MakePage = std::function<std::unique_ptr<CRecipePage>(test::PageFixture& f)>;

}  // namespace

Q_DECLARE_METATYPE(MakePage)

// What every page of the recipe form has alike: its tab caption, a Help
// button that opens the page's own topic, and controls a screen reader can
// name, each with an access key of its own.
class TestRecipePages : public QObject {
    Q_OBJECT

private slots:
    void everyPage_data() {
        QTest::addColumn<MakePage>("make");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("topic");
        QTest::newRow("Mash") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeMash>(f.prompts, &f.help);
        }) << "Mash" << 176;
        QTest::newRow("Fermentation Info") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeSpecGravities>(&f.help);
        }) << "Fermentation Info" << 177;
        QTest::newRow("Comments") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeComments>(&f.help);
        }) << "Comments" << 149;
        QTest::newRow("Rating") << MakePage([](test::PageFixture& f) {
            return std::make_unique<CRecipeRatingDlg>(f.prompts, &f.help);
        }) << "Rating" << 150;
    }
    void everyPage() {
        QFETCH(MakePage, make);
        QFETCH(QString, title);
        QFETCH(int, topic);
        test::PageFixture f;
        f.recipe.m_RecipeMashType = 2;  // every mash step open
        std::unique_ptr<CRecipePage> page = make(f);
        page->setRecord(&f.recipe);
        page->showRecord();
        QVERIFY(test::showActive(*page));
        QCOMPARE(page->title(), title);
        QCOMPARE(page->helpTopic(), topic);

        QPushButton* help = nullptr;
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("&Help")) {
                help = button;
            }
        }
        QVERIFY(help != nullptr);
        QSignalSpy modified(page.get(), &CRecipePage::modified);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(f.help.contexts, std::vector<int>{topic});
        QCOMPARE(modified.count(), 0);  // Help changes nothing

        QCOMPARE(test::unnamedControls(page.get()).join(QLatin1Char('\n')), QString());
        QCOMPARE(test::mnemonicClashes(page.get()).join(QLatin1Char('\n')), QString());
    }
};

MW_REGISTER_TEST(TestRecipePages)

#include "tst_recipe_pages.moc"
