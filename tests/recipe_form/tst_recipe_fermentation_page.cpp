#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "recipe_form/date_picker.h"
#include "recipe_form/page_fixture.h"
#include "recipe_form/recipe_fermentation_page.h"
#include "resources/message_catalogue.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "support/test_registry.h"

using namespace mw;
using recipe_form::CDatePicker;
using recipe_form::CRecipeSpecGravities;

namespace {

struct FermentationPage : test::PageFixture {
    CRecipeSpecGravities page{&help};
    // What the form's recalculation predicts, and how often it ran.
    double prediction = 1.0421;
    int recalculations = 0;
    std::vector<double> handedBack;

    FermentationPage() {
        page.setRecord(&recipe);
        page.setPredictOriginalGravity([this] {
            ++recalculations;
            return prediction;
        });
        page.setPredictedGravityReader([this](double value) { handedBack.push_back(value); });
    }

    QLineEdit* field(const QString& name) { return test::fieldNamed(&page, name); }
    CDatePicker* picker(const QString& name) {
        QCheckBox* check = test::fieldNamed<QCheckBox>(&page, name);
        return check != nullptr ? qobject_cast<CDatePicker*>(check->parentWidget()) : nullptr;
    }
};

}  // namespace

class TestRecipeSpecGravities : public QObject {
    Q_OBJECT

private slots:
    void aNewRecipeShowsItsDefaults() {
        FermentationPage f;
        f.page.showRecord();
        QCOMPARE(f.page.originalGravityField()->text(), QStringLiteral("1"));
        QCOMPARE(f.page.rackingGravityField()->text(), QStringLiteral("1"));
        QCOMPARE(f.page.finalGravityField()->text(), QStringLiteral("1"));
        QCOMPARE(f.page.boilSizeField()->text(), QStringLiteral("5"));
        QCOMPARE(f.page.batchSizeField()->text(), QStringLiteral("5"));
        QCOMPARE(f.page.conditioningUnitsBox()->currentText(), QStringLiteral("Days"));
        QVERIFY(f.page.fermentationButton(0)->isChecked());
        for (CDatePicker* date : {f.page.brewedDate(), f.page.rackedDate(), f.page.bottledDate()}) {
            QVERIFY(!date->checkBox()->isChecked());
            QVERIFY(!date->dateEdit()->isEnabled());
            // Checking it offers today.
            QCOMPARE(date->dateEdit()->date(), QDate::currentDate());
        }
    }

    void showingARecordFillsTheFields() {
        FermentationPage f;
        f.recipe.m_RecipeSGOriginal = 1.048;
        f.recipe.m_RecipeSGOriginalTemp = 68;
        f.recipe.m_RecipeSGFinal = 1.012;
        f.recipe.m_RecipeFermTypeAle = 1;
        f.recipe.m_RecipeFermPrimary = 14;
        f.recipe.m_RecipeFermAvgTempSec = 40;
        f.recipe.m_RecipeDateBrewed = QDateTime(QDate(2024, 3, 9), QTime(0, 0));
        f.recipe.m_RecipeYield = QStringLiteral("48 bottles\n2 growlers");
        f.recipe.m_RecipeFermPrimingName = QStringLiteral("Corn Sugar");
        f.recipe.m_RecipeFermPrimingAmt = QStringLiteral("3/4");
        f.recipe.m_RecipeFermPrimingUnits = QStringLiteral("cup");
        f.recipe.m_RecipeFermConditioningAmt = 3;
        f.recipe.m_RecipeFermConditioningUnits = QStringLiteral("Weeks");
        f.page.showRecord();
        QCOMPARE(f.page.originalGravityField()->text(), QStringLiteral("1.048"));
        QCOMPARE(f.page.originalTemperatureField()->text(), QStringLiteral("68"));
        QCOMPARE(f.page.finalGravityField()->text(), QStringLiteral("1.012"));
        QVERIFY(f.page.fermentationButton(1)->isChecked());
        QCOMPARE(f.page.primaryDaysField()->text(), QStringLiteral("14"));
        QCOMPARE(f.page.secondaryTemperatureField()->text(), QStringLiteral("40"));
        QVERIFY(f.page.brewedDate()->checkBox()->isChecked());
        QCOMPARE(f.page.brewedDate()->dateEdit()->date(), QDate(2024, 3, 9));
        QCOMPARE(f.page.yieldBox()->toPlainText(), QStringLiteral("48 bottles\n2 growlers"));
        QCOMPARE(f.page.primingMethodField()->text(), QStringLiteral("Corn Sugar"));
        QCOMPARE(f.page.primingAmountField()->text(), QStringLiteral("3/4"));
        QCOMPARE(f.page.primingUnitsField()->text(), QStringLiteral("cup"));
        QCOMPARE(f.page.conditioningField()->text(), QStringLiteral("3"));
        QCOMPARE(f.page.conditioningUnitsBox()->currentText(), QStringLiteral("Weeks"));
    }

    void aValueThatIsNotANumberIsRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::newRow("boil") << "Boil"
                              << "Boil size"
                              << "five" << 1001;
        QTest::newRow("gravity") << "Original gravity"
                                 << "Original gravity"
                                 << "1.05a" << 1001;
        QTest::newRow("days") << "Primary days"
                              << "Primary days"
                              << "7.5" << 1002;
        QTest::newRow("reading temperature") << "Final gravity temperature"
                                             << "Final gravity temperature"
                                             << "warm" << 1002;
    }

    void aValueThatIsNotANumberIsRefused() {
        QFETCH(QString, field);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, message);
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        QLineEdit* edit = f.field(field);
        test::retype(edit, typed);
        f.page.primingMethodField()->setFocus();
        f.prompts.clear();
        QVERIFY(!f.page.readRecord(f.exchange));
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{message});
        QCOMPARE(f.prompts.shown().front().text,
                 formatMessage(message, name.toStdString(), typed.toStdString()));
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    // A date picker, as every date of the recipe pages has one: unchecked the
    // column is empty, checked again it is today, unchanged it stays.
    void aDateRoundTripsThroughItsPicker() {
        FermentationPage f;
        const QDateTime brewDay(QDate(2023, 11, 4), QTime(0, 0));
        f.recipe.m_RecipeDateBrewed = brewDay;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        CDatePicker* date = f.picker(QStringLiteral("Brewed"));
        QVERIFY(date != nullptr);
        QVERIFY(date->checkBox()->isChecked());

        QTest::mouseClick(date->checkBox(), Qt::LeftButton);
        QVERIFY(f.page.readRecord(f.exchange));
        QVERIFY(!f.recipe.m_RecipeDateBrewed.isValid());

        f.page.showRecord();
        QVERIFY(!date->checkBox()->isChecked());
        QTest::mouseClick(date->checkBox(), Qt::LeftButton);
        QVERIFY(f.page.readRecord(f.exchange));
        QCOMPARE(f.recipe.m_RecipeDateBrewed.date(), QDate::currentDate());

        f.recipe.m_RecipeDateBrewed = brewDay;
        f.page.showRecord();
        QVERIFY(f.page.readRecord(f.exchange));
        QCOMPARE(f.recipe.m_RecipeDateBrewed, brewDay);
    }

    void anEmptyDateIsStoredAsNull() {
        FermentationPage f;
        const QString file = f.path(QStringLiteral("recipes.mdb"));
        storage::createDatabase(file, storage::DatabaseKind::Recipe);
        storage::Database db;
        db.open(file);
        {
            storage::CRecordSetRecipe row(&db);
            row.open();
            row.addNew();
            row.m_RecipeBatchNo = 1;
            row.m_RecipeName = QStringLiteral("Brown Ale");
            row.m_RecipeDateBrewed = QDateTime(QDate(2022, 5, 1), QTime(0, 0));
            row.update();
        }
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        recipe.moveFirst();
        recipe.edit();
        f.page.setRecord(&recipe);
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        QTest::mouseClick(f.page.brewedDate()->checkBox(), Qt::LeftButton);
        QVERIFY(f.page.readRecord(f.exchange));
        recipe.update();

        storage::CRecordSetRecipe again(&db);
        again.open();
        again.moveFirst();
        QVERIFY(again.isFieldNull(&again.m_RecipeDateBrewed));
        QVERIFY(again.isFieldNull(&again.m_RecipeDateBottled));
        f.page.setRecord(&again);
        f.page.showRecord();
        QVERIFY(!f.page.brewedDate()->checkBox()->isChecked());
    }

    void aChangedBoilSizeRecalculatesAtOnce() {
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        test::retype(f.page.boilSizeField(), QStringLiteral("6.5"));
        QCOMPARE(f.recalculations, 0);
        QTest::keyClick(f.page.boilSizeField(), Qt::Key_Tab);
        QCOMPARE(f.recalculations, 1);
        QCOMPARE(f.recipe.m_RecipeBoilSize, 6.5);
        QCOMPARE(f.page.predictedGravity()->text(), QStringLiteral("1.042"));
    }

    void theSameBoilSizeDoesNotRecalculate_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("5") << "5";
        QTest::newRow("5.0") << "5.0";
    }

    void theSameBoilSizeDoesNotRecalculate() {
        QFETCH(QString, typed);
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        test::retype(f.page.boilSizeField(), typed);
        QTest::keyClick(f.page.boilSizeField(), Qt::Key_Tab);
        QCOMPARE(f.recalculations, 0);
    }

    void aBoilSizeThatIsNotANumberCountsAsZeroForThePrediction() {
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        test::retype(f.page.boilSizeField(), QStringLiteral("lots"));
        QTest::keyClick(f.page.boilSizeField(), Qt::Key_Tab);
        QCOMPARE(f.recalculations, 1);
        QCOMPARE(f.recipe.m_RecipeBoilSize, 0.0);
        QVERIFY(f.prompts.shown().empty());
    }

    void laterActivationsRecalculateAndLeaveTheRecipeUnchanged() {
        FermentationPage f;
        QSignalSpy unmodified(&f.page, &CRecipeSpecGravities::unmodified);
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        f.page.activate();
        QCOMPARE(f.recalculations, 0);
        QCOMPARE(unmodified.count(), 0);

        f.recipe.m_RecipeBatchSize = 5.5;
        f.page.activate();
        QCOMPARE(f.recalculations, 1);
        QCOMPARE(unmodified.count(), 1);
        QCOMPARE(f.page.predictedGravity()->text(), QStringLiteral("1.0421"));
        QCOMPARE(f.page.batchSizeField()->text(), QStringLiteral("5.5"));
    }

    void readingThePageHandsThePredictionBack() {
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        test::retype(f.page.boilSizeField(), QStringLiteral("6"));
        QTest::keyClick(f.page.boilSizeField(), Qt::Key_Tab);
        QVERIFY(f.page.readRecord(f.exchange));
        // The box shows three decimals, and that is what goes back.
        QCOMPARE(f.handedBack, std::vector<double>{1.042});
        QCOMPARE(f.page.predictedOriginalGravity(), 1.042);
    }

    void selectAMethodFillsInTheChosenPriming() {
        FermentationPage f;
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        int lookups = 0;
        f.page.setPrimingLookup([&lookups](QWidget*) -> std::optional<QString> {
            ++lookups;
            return QStringLiteral("Dry Malt Extract");
        });
        QTest::mouseClick(f.page.selectMethodButton(), Qt::LeftButton);
        QCOMPARE(lookups, 1);
        QCOMPARE(f.page.primingMethodField()->text(), QStringLiteral("Dry Malt Extract"));
        QCOMPARE(QApplication::focusWidget(), f.page.primingMethodField());
        QVERIFY(f.page.readRecord(f.exchange));
        QCOMPARE(f.recipe.m_RecipeFermPrimingName, QStringLiteral("Dry Malt Extract"));
    }

    void cancellingTheLookupChangesNothing() {
        FermentationPage f;
        f.recipe.m_RecipeFermPrimingName = QStringLiteral("Corn Sugar");
        f.page.showRecord();
        QVERIFY(test::showActive(f.page));
        f.page.setPrimingLookup([](QWidget*) -> std::optional<QString> { return std::nullopt; });
        QTest::mouseClick(f.page.selectMethodButton(), Qt::LeftButton);
        QCOMPARE(f.page.primingMethodField()->text(), QStringLiteral("Corn Sugar"));
    }

    void temperatureAdjustOpensItsTopic() {
        FermentationPage f;
        QVERIFY(test::showActive(f.page));
        QTest::mouseClick(f.page.temperatureAdjustButton(), Qt::LeftButton);
        QCOMPARE(f.help.contexts,
                 std::vector<int>{CRecipeSpecGravities::kTemperatureCorrectionTopic});
    }
};

MW_REGISTER_TEST(TestRecipeSpecGravities)
#include "tst_recipe_fermentation_page.moc"
