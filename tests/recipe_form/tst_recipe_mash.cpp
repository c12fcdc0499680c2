#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_mash.h"
#include "resources/message_catalogue.h"
#include "storage/catalogue_string.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::CRecipeMash;

namespace {

struct MashPage : test::PageFixture {
    CRecipeMash page{prompts, &help};

    MashPage() { page.setRecord(&recipe); }

    QLineEdit* field(const QString& name) { return test::fieldNamed(&page, name); }
    // "1001" for steps 1 to 4: which of the four are open.
    QString openSteps(QLineEdit* (CRecipeMash::*fieldOf)(int) const) const {
        QString open;
        for (int step = 1; step <= CRecipeMash::kSteps; ++step) {
            open += (page.*fieldOf)(step)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        }
        return open;
    }
    void fillDecoction() {
        recipe.m_RecipeMashType = 2;
        recipe.m_RecipeMashTime1 = 20;
        recipe.m_RecipeMashTime2 = 45;
        recipe.m_RecipeMashTime3 = 30;
        recipe.m_RecipeMashTime4 = 10;
        recipe.m_RecipeMashVol1 = 3.5;
        recipe.m_RecipeMashVol2 = 1.25;
        recipe.m_RecipeMashVol3 = 1.1;
        recipe.m_RecipeMashVol4 = 0.75;
        recipe.m_RecipeMashTemp1 = 122;
        recipe.m_RecipeMashTemp2 = 150;
        recipe.m_RecipeMashTemp3 = 158;
        recipe.m_RecipeMashTemp4 = 168;
        recipe.m_RecipeMashPhAdj = 5.2;
        recipe.m_RecipeSpargeVol = 4.5;
        recipe.m_RecipeSpargeTemp = 170;
        recipe.m_RecipeSpargePhAdj = 5.7;
        recipe.m_RecipeWortCollectedVol = 6.25;
        recipe.m_RecipeSystemEfficiencyExpected = 72.5;
    }
};

}  // namespace

class TestRecipeMash : public QObject {
    Q_OBJECT

private slots:
    void showingARecordFillsTheFields() {
        MashPage m;
        m.fillDecoction();
        m.page.showRecord();
        QVERIFY(m.page.typeButton(2)->isChecked());
        QVERIFY(!m.page.typeButton(0)->isChecked());
        QCOMPARE(m.field(QStringLiteral("Step 1 time"))->text(), QStringLiteral("20"));
        QCOMPARE(m.field(QStringLiteral("Step 2 volume"))->text(), QStringLiteral("1.25"));
        QCOMPARE(m.field(QStringLiteral("Step 3 volume"))->text(), QStringLiteral("1.1"));
        QCOMPARE(m.field(QStringLiteral("Step 4 temperature"))->text(), QStringLiteral("168"));
        QCOMPARE(m.field(QStringLiteral("Mash pH adjustment"))->text(), QStringLiteral("5.2"));
        QCOMPARE(m.field(QStringLiteral("Sparge water volume"))->text(), QStringLiteral("4.5"));
        QCOMPARE(m.field(QStringLiteral("Sparge temperature"))->text(), QStringLiteral("170"));
        QCOMPARE(m.field(QStringLiteral("Sparge pH adjustment"))->text(), QStringLiteral("5.7"));
        QCOMPARE(m.field(QStringLiteral("Volume collected"))->text(), QStringLiteral("6.25"));
        QCOMPARE(m.field(QStringLiteral("Expected system efficiency"))->text(),
                 QStringLiteral("72.5"));
    }

    void aValueThatIsNotANumberIsRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("column");
        QTest::newRow("time") << "Step 2 time"
                              << "ten" << 1002 << "RecipeMashTime2";
        QTest::newRow("time with decimals") << "Step 1 time"
                                            << "7.5" << 1002 << "RecipeMashTime1";
        QTest::newRow("volume") << "Step 1 volume"
                                << "3,5" << 1001 << "RecipeMashVol1";
        QTest::newRow("efficiency") << "Expected system efficiency"
                                    << "high" << 1001 << "RecipeSystemEfficiencyExpected";
    }

    void aValueThatIsNotANumberIsRefused() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, message);
        QFETCH(QString, column);
        MashPage m;
        m.fillDecoction();
        m.page.showRecord();
        QVERIFY(test::showActive(m.page));
        const QVariant before = test::columnValue(m.recipe, column);
        QLineEdit* edit = m.field(field);
        test::retype(edit, typed);
        m.field(QStringLiteral("Volume collected"))->setFocus();

        QVERIFY(!m.page.readRecord(m.exchange));
        QCOMPARE(m.prompts.shownNumbers(), std::vector<int>{message});
        QCOMPARE(m.prompts.shown().front().text,
                 formatMessage(message, field.toStdString(), typed.toStdString()));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(test::columnValue(m.recipe, column), before);
    }

    void onlyTheFirstFieldThatDoesNotConvertHasAMessage() {
        MashPage m;
        m.fillDecoction();
        m.page.showRecord();
        QVERIFY(test::showActive(m.page));
        test::retype(m.field(QStringLiteral("Step 1 time")), QStringLiteral("x"));
        test::retype(m.field(QStringLiteral("Sparge temperature")), QStringLiteral("y"));
        test::retype(m.field(QStringLiteral("Volume collected")), QStringLiteral("7"));
        QVERIFY(!m.page.readRecord(m.exchange));
        QCOMPARE(m.prompts.shownNumbers(), std::vector<int>{1002});
        QCOMPARE(QApplication::focusWidget(), m.field(QStringLiteral("Step 1 time")));
        // The other fields are transferred all the same.
        QCOMPARE(m.recipe.m_RecipeWortCollectedVol, 7.0);
    }

    void aNewRecipeHasEveryStepFieldClosed() {
        MashPage m;
        m.page.showRecord();
        m.page.enterRecord();
        for (int type = 0; type < 3; ++type) {
            QVERIFY(!m.page.typeButton(type)->isChecked());
        }
        QCOMPARE(m.openSteps(&CRecipeMash::timeField), QStringLiteral("0000"));
        QCOMPARE(m.openSteps(&CRecipeMash::temperatureField), QStringLiteral("0000"));
        QCOMPARE(m.openSteps(&CRecipeMash::volumeField), QStringLiteral("0000"));
        // The other fields are always open.
        QVERIFY(m.page.mashPhField()->isEnabled());
        QVERIFY(m.page.expectedEfficiencyField()->isEnabled());
        QVERIFY(m.page.spargeVolumeField()->isEnabled());
    }

    void theMashTypeDecidesWhichStepFieldsAreOpen_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("temperatures");
        QTest::addColumn<QString>("volumes");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<bool>("middleLabels");
        QTest::newRow("single-stage infusion") << 0 << "1001"
                                               << "1001"
                                               << "1000"
                                               << "\tStrike" << false;
        QTest::newRow("step infusion") << 1 << "1111"
                                       << "1111"
                                       << "0000"
                                       << "Protein Rest" << true;
        QTest::newRow("decoction") << 2 << "1111"
                                   << "1111"
                                   << "1111"
                                   << "Protein Rest" << true;
    }

    void theMashTypeDecidesWhichStepFieldsAreOpen() {
        QFETCH(int, type);
        QFETCH(QString, times);
        QFETCH(QString, temperatures);
        QFETCH(QString, volumes);
        QFETCH(QString, firstLabel);
        QFETCH(bool, middleLabels);
        MashPage m;
        m.page.showRecord();
        QVERIFY(test::showActive(m.page));
        QTest::mouseClick(m.page.typeButton(type), Qt::LeftButton);

        QCOMPARE(m.recipe.m_RecipeMashType, type);
        QCOMPARE(m.openSteps(&CRecipeMash::timeField), times);
        QCOMPARE(m.openSteps(&CRecipeMash::temperatureField), temperatures);
        QCOMPARE(m.openSteps(&CRecipeMash::volumeField), volumes);
        QCOMPARE(m.page.stepLabel(1)->text(), firstLabel);
        QCOMPARE(m.page.stepLabel(2)->isEnabled(), middleLabels);
        QCOMPARE(m.page.stepLabel(3)->isEnabled(), middleLabels);
        QCOMPARE(m.page.stepLabel(2)->text(), QStringLiteral("Starch Conv"));
        QCOMPARE(m.page.stepLabel(3)->text(), QStringLiteral("Starch Conv"));
        QCOMPARE(m.page.stepLabel(4)->text(), QStringLiteral("Mash Out"));
    }

    void aShownRecordOpensTheFieldsOfItsType() {
        MashPage m;
        m.recipe.m_RecipeMashType = 0;
        m.page.showRecord();
        m.page.enterRecord();
        QCOMPARE(m.openSteps(&CRecipeMash::timeField), QStringLiteral("1001"));
        QCOMPARE(m.page.stepLabel(1)->text(), QStringLiteral("\tStrike"));
        m.recipe.m_RecipeMashType = 1;
        m.page.showRecord();
        m.page.enterRecord();
        QCOMPARE(m.openSteps(&CRecipeMash::volumeField), QStringLiteral("0000"));
        QCOMPARE(m.page.stepLabel(1)->text(), QStringLiteral("Protein Rest"));
    }

    void closedFieldsKeepTheirValues() {
        MashPage m;
        m.fillDecoction();
        m.page.showRecord();
        QVERIFY(test::showActive(m.page));
        QTest::mouseClick(m.page.typeButton(CRecipeMash::SingleStageInfusion), Qt::LeftButton);
        QVERIFY(!m.page.timeField(2)->isEnabled());
        QVERIFY(!m.page.volumeField(4)->isEnabled());
        QVERIFY(m.page.readRecord(m.exchange));
        QCOMPARE(m.recipe.m_RecipeMashType, 0);
        QCOMPARE(m.recipe.m_RecipeMashTime2, 45);
        QCOMPARE(m.recipe.m_RecipeMashTemp3, 158);
        QCOMPARE(m.recipe.m_RecipeMashVol2, 1.25);
        QCOMPARE(m.recipe.m_RecipeMashVol4, 0.75);
    }

    void stepHintsFollowTheMashType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("hint");
        QTest::newRow("infusion time 1") << 0 << "Step 1 time" << 217;
        QTest::newRow("infusion time 2") << 0 << "Step 2 time" << 201;
        QTest::newRow("infusion time 4") << 0 << "Step 4 time" << 220;
        QTest::newRow("infusion temperature 1") << 0 << "Step 1 temperature" << 218;
        QTest::newRow("infusion temperature 3") << 0 << "Step 3 temperature" << 202;
        QTest::newRow("infusion temperature 4") << 0 << "Step 4 temperature" << 219;
        QTest::newRow("infusion volume 1") << 0 << "Step 1 volume" << 203;
        QTest::newRow("step time 1") << 1 << "Step 1 time" << 201;
        QTest::newRow("step temperature 1") << 1 << "Step 1 temperature" << 202;
        QTest::newRow("decoction volume 1") << 2 << "Step 1 volume" << 203;
        QTest::newRow("decoction volume 2") << 2 << "Step 2 volume" << 204;
        QTest::newRow("none time 1") << -1 << "Step 1 time" << 201;
    }

    void stepHintsFollowTheMashType() {
        QFETCH(int, type);
        QFETCH(QString, field);
        QFETCH(int, hint);
        MashPage m;
        m.page.showRecord();
        QVERIFY(test::showActive(m.page));
        if (type >= 0) {
            QTest::mouseClick(m.page.typeButton(type), Qt::LeftButton);
        }
        QLineEdit* edit = m.field(field);
        QCOMPARE(m.page.stepHint(edit), hint);
        QCOMPARE(edit->accessibleDescription(), storage::catalogueString(hint));
    }

    void theCalculatedBoxTellsWhetherThereIsAnActualGravity_data() {
        QTest::addColumn<double>("actual");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << 0.0 << "---";
        QTest::newRow("exactly 1.000") << 1.0 << "---";
        QTest::newRow("1.001") << 1.001 << "calc";
        QTest::newRow("1.048") << 1.048 << "calc";
    }

    void theCalculatedBoxTellsWhetherThereIsAnActualGravity() {
        QFETCH(double, actual);
        QFETCH(QString, shown);
        MashPage m;
        m.recipe.m_RecipeSGOriginal = actual;
        m.page.showRecord();
        m.page.enterRecord();
        QCOMPARE(m.page.calculatedEfficiency()->text(), shown);
        m.recipe.m_RecipeSGOriginal = 1.05;
        m.page.activate();
        QCOMPARE(m.page.calculatedEfficiency()->text(), QStringLiteral("calc"));
    }

    void volumesAreInGallonsWhateverTheMeasure() {
        MashPage m;
        m.recipe.m_RecipeMeasureEnglish = 1;
        m.page.showRecord();
        m.page.enterRecord();
        QCOMPARE(m.page.volumeUnits()->text(), QStringLiteral("Gallons"));
    }
};

MW_REGISTER_TEST(TestRecipeMash)
#include "tst_recipe_mash.moc"
