#include <QDir>
#include <QtTest>

#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_mash.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "recipe_form/recipe_spec_gravities.h"
#include "support/test_registry.h"

using namespace mw;

namespace {

// A brewed recipe with every page filled in.
void fillSample(storage::CRecordSetRecipe& r) {
    r.m_RecipeMashType = 0;
    r.m_RecipeMashTime1 = 30;
    r.m_RecipeMashTime2 = 45;
    r.m_RecipeMashTime3 = 20;
    r.m_RecipeMashTime4 = 10;
    r.m_RecipeMashTemp1 = 122;
    r.m_RecipeMashTemp2 = 150;
    r.m_RecipeMashTemp3 = 158;
    r.m_RecipeMashTemp4 = 168;
    r.m_RecipeMashVol1 = 3.25;
    r.m_RecipeMashPhAdj = 5.3;
    r.m_RecipeSpargeVol = 4.5;
    r.m_RecipeSpargeTemp = 170;
    r.m_RecipeSpargePhAdj = 5.7;
    r.m_RecipeWortCollectedVol = 6.25;
    r.m_RecipeSystemEfficiencyExpected = 75;
    r.m_RecipeSGOriginal = 1.052;
    r.m_RecipeSGOriginalTemp = 68;
    r.m_RecipeSGRacking = 1.018;
    r.m_RecipeSGRackingTemp = 64;
    r.m_RecipeSGFinal = 1.012;
    r.m_RecipeSGFinalTemp = 62;
    r.m_RecipeFermPrimary = 7;
    r.m_RecipeFermAvgTempPri = 66;
    r.m_RecipeFermSecondary = 14;
    r.m_RecipeFermAvgTempSec = 60;
    r.m_RecipeDateBrewed = QDateTime(QDate(2024, 3, 9), QTime(0, 0));
    r.m_RecipeDateRacked = QDateTime(QDate(2024, 3, 16), QTime(0, 0));
    r.m_RecipeYield = QStringLiteral("50 bottles");
    r.m_RecipeFermPrimingName = QStringLiteral("Corn Sugar");
    r.m_RecipeFermPrimingAmt = QStringLiteral("3/4");
    r.m_RecipeFermPrimingUnits = QStringLiteral("cup");
    r.m_RecipeFermConditioningAmt = 3;
    r.m_RecipeFermConditioningUnits = QStringLiteral("Weeks");
    r.m_RecipeSource = QStringLiteral("Adapted from the club's summer pale ale.");
    r.m_RecipeDateObtained = QDateTime(QDate(2023, 6, 2), QTime(0, 0));
    r.m_RecipeComments =
        QStringLiteral("Mash a little warmer next time for more body.\nDry hop for 5 days.");
    r.m_RecipeRatingAppearance = 3;
    r.m_RecipeRatingAroma = 3;
    r.m_RecipeRatingTaste = 8;
    r.m_RecipeRatingImpression = 2;
    r.m_RecipeRatingNotes = QStringLiteral("Bright gold, citrus nose, clean bitter finish.");
    r.m_RecipeRatingDateSampled1 = QDateTime(QDate(2024, 4, 13), QTime(0, 0));
    r.m_RecipeRatingCompName = QStringLiteral("County Fair Homebrew Competition");
    r.m_RecipeRatingCompPrizes = QStringLiteral("Second place, pale ales");
    r.m_RecipeRatingCompScore = 38;
    r.m_RecipeRatingCompComments = QStringLiteral("Well balanced; a touch more hop aroma.");
    r.m_RecipeRatingCompDate = QDateTime(QDate(2024, 8, 17), QTime(0, 0));
}

bool save(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("MW_SCREENSHOTS_DIR");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    return window.grab().save(QDir(dir).filePath(name));
}

}  // namespace

// Pictures of the pages for the documentation: runs only when
// MW_SCREENSHOTS_DIR names the folder to write them into.
class TestRecipePageScreenshots : public QObject {
    Q_OBJECT

    test::PageFixture f;

private slots:
    void init() {
        if (qEnvironmentVariableIsEmpty("MW_SCREENSHOTS_DIR")) {
            QSKIP("MW_SCREENSHOTS_DIR is not set");
        }
        fillSample(f.recipe);
    }

    void mash() {
        recipe_form::CRecipeMash page(f.prompts, &f.help);
        page.setRecord(&f.recipe);
        page.showRecord();
        page.enterRecord();
        page.resize(800, 400);
        QVERIFY(save(page, QStringLiteral("recipe-form-mash.png")));
    }

    void fermentationInfo() {
        recipe_form::CRecipeSpecGravities page(&f.help);
        page.setRecord(&f.recipe);
        page.setPredictOriginalGravity([] { return 1.0493; });
        page.activate();
        page.activate();
        page.resize(800, 400);
        QVERIFY(save(page, QStringLiteral("recipe-form-fermentation-info.png")));
    }

    void comments() {
        recipe_form::CRecipeComments page(&f.help);
        page.setRecord(&f.recipe);
        page.showRecord();
        page.resize(800, 400);
        QVERIFY(save(page, QStringLiteral("recipe-form-comments.png")));
    }

    void rating() {
        recipe_form::CRecipeRatingDlg page(f.prompts, &f.help);
        page.setRecord(&f.recipe);
        page.showRecord();
        page.enterRecord();
        page.resize(800, 400);
        QVERIFY(save(page, QStringLiteral("recipe-form-rating.png")));
    }

    void competitionResults() {
        recipe_form::CCompetitionResultsDlg dialog(f.recipe, f.prompts);
        QVERIFY(save(dialog, QStringLiteral("competition-results.png")));
    }
};

MW_REGISTER_TEST(TestRecipePageScreenshots)
#include "tst_recipe_page_screenshots.moc"
