#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "page_fixture.h"
#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/date_picker.h"
#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_fermentation_page.h"
#include "recipe_form/recipe_ingredients_page.h"
#include "recipe_form/recipe_lifecycle.h"
#include "recipe_form/recipe_mash.h"
#include "recipe_form/recipe_rating_dlg.h"
#include "recipe_form/score_spin_box.h"
#include "recipe_form_fixture.h"
#include "shell/command_ids.h"
#include "storage/schema.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using test::RecipeFormFixture;
using test::StoredRecipes;

namespace {

// The form's pages in tab order.
enum Page { RecipeTab, IngredientsTab, MashTab, FermentationTab, CommentsTab, RatingTab };

// Sets one column the way the brewer does, on the form or one of its
// pages, and says what the column must then hold.
using Setter = std::function<QVariant(CRecipeFormSheet& form)>;

struct ColumnControl {
    QString column;
    Setter set;
};

template <typename P>
P* page(CRecipeFormSheet& form, Page tab) {
    form.controls().pages->setCurrentIndex(tab);
    P* p = form.findChild<P*>();
    Q_ASSERT(p != nullptr);
    return p;
}

QVariant type(QLineEdit* field, const QString& text) {
    test::retype(field, text);
    return text;
}
QVariant typeNumber(QLineEdit* field, const QString& text) {
    test::retype(field, text);
    return text.toDouble();
}
QVariant typeLines(QPlainTextEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    return text;
}
QVariant click(QAbstractButton* button, const QVariant& stored) {
    QTest::mouseClick(button, Qt::LeftButton);
    return stored;
}
QVariant pickDate(CDatePicker* picker, QDate date) {
    if (!picker->checkBox()->isChecked()) {
        QTest::mouseClick(picker->checkBox(), Qt::LeftButton);
    }
    picker->dateEdit()->setFocus();
    picker->dateEdit()->setDate(date);
    return date;
}
QVariant score(CScoreSpinBox* box, int belowTop) {
    const int value = std::max(box->minimum(), box->maximum() - belowTop);
    test::retype(box->edit(), QString::number(value));
    return value;
}

// Every column of the recipe table the brewer sets on the form, with the
// control that sets it. The competition results are set in the dialog the
// Rating page opens.
std::vector<ColumnControl> controlsPerColumn() {
    using F = CRecipeFormSheet;
    auto mash = [](F& f) { return page<CRecipeMash>(f, MashTab); };
    auto ferm = [](F& f) { return page<CRecipeSpecGravities>(f, FermentationTab); };
    auto comments = [](F& f) { return page<CRecipeComments>(f, CommentsTab); };
    auto rating = [](F& f) { return page<CRecipeRatingDlg>(f, RatingTab); };
    std::vector<ColumnControl> list{
        {"RecipeName", [](F& f) { return type(f.controls().name, "Harvest Brown"); }},
        {"RecipeBrewer", [](F& f) { return type(f.controls().brewer, "A. Brewer"); }},
        {"RecipeBatchNo", [](F& f) { return typeNumber(f.controls().batch, "99"); }},
        {"RecipeMeasureEnglish", [](F& f) { return click(f.controls().metric, 1); }},
        // The sample is a kit recipe with its kit: Kit stays, All Grain
        // cannot be added to it.
        {"RecipeProcessKit", [](F& f) { return QVariant(f.controls().kit->isChecked()); }},
        {"RecipeProcessExtract", [](F& f) { return click(f.controls().extract, true); }},
        {"RecipeProcessPartial", [](F& f) { return click(f.controls().partialMash, true); }},
        {"RecipeProcessAllGrain",
         [](F& f) { return QVariant(f.controls().allGrain->isChecked()); }},
        {"RecipeBoilLth",
         [](F& f) {
             f.controls().pages->setCurrentIndex(IngredientsTab);
             return typeNumber(f.ingredientsPage()->findChild<QLineEdit*>("boilTime"), "75");
         }},
        {"RecipeMashType", [=](F& f) { return click(mash(f)->typeButton(2), 2); }},
        {"RecipeMashPhAdj", [=](F& f) { return typeNumber(mash(f)->mashPhField(), "0.25"); }},
        {"RecipeSpargeVol", [=](F& f) { return typeNumber(mash(f)->spargeVolumeField(), "4.5"); }},
        {"RecipeSpargeTemp",
         [=](F& f) { return typeNumber(mash(f)->spargeTemperatureField(), "171"); }},
        {"RecipeSpargePhAdj", [=](F& f) { return typeNumber(mash(f)->spargePhField(), "0.5"); }},
        {"RecipeWortCollectedVol",
         [=](F& f) { return typeNumber(mash(f)->wortCollectedField(), "6.75"); }},
        {"RecipeSystemEfficiencyExpected",
         [=](F& f) { return typeNumber(mash(f)->expectedEfficiencyField(), "72.5"); }},
        {"RecipeSGOriginal",
         [=](F& f) { return typeNumber(ferm(f)->originalGravityField(), "1.052"); }},
        {"RecipeSGRacking",
         [=](F& f) { return typeNumber(ferm(f)->rackingGravityField(), "1.021"); }},
        {"RecipeSGFinal", [=](F& f) { return typeNumber(ferm(f)->finalGravityField(), "1.013"); }},
        {"RecipeSGOriginalTemp",
         [=](F& f) { return typeNumber(ferm(f)->originalTemperatureField(), "68"); }},
        {"RecipeSGRackingTemp",
         [=](F& f) { return typeNumber(ferm(f)->rackingTemperatureField(), "65"); }},
        {"RecipeSGFinalTemp",
         [=](F& f) { return typeNumber(ferm(f)->finalTemperatureField(), "63"); }},
        {"RecipeFermTypeAle", [=](F& f) { return click(ferm(f)->fermentationButton(1), 1); }},
        {"RecipeFermPrimary", [=](F& f) { return typeNumber(ferm(f)->primaryDaysField(), "7"); }},
        {"RecipeFermAvgTempPri",
         [=](F& f) { return typeNumber(ferm(f)->primaryTemperatureField(), "66"); }},
        {"RecipeFermSecondary",
         [=](F& f) { return typeNumber(ferm(f)->secondaryDaysField(), "14"); }},
        {"RecipeFermAvgTempSec",
         [=](F& f) { return typeNumber(ferm(f)->secondaryTemperatureField(), "59"); }},
        {"RecipeDateBrewed",
         [=](F& f) {
             return pickDate(ferm(f)->brewedDate(), {2026, 3, 14});
         }},
        {"RecipeDateRacked",
         [=](F& f) {
             return pickDate(ferm(f)->rackedDate(), {2026, 3, 21});
         }},
        {"RecipeDateBottled",
         [=](F& f) {
             return pickDate(ferm(f)->bottledDate(), {2026, 4, 4});
         }},
        {"RecipeBoilSize", [=](F& f) { return typeNumber(ferm(f)->boilSizeField(), "6.5"); }},
        {"RecipeBatchSize", [=](F& f) { return typeNumber(ferm(f)->batchSizeField(), "5.5"); }},
        {"RecipeYield", [=](F& f) { return typeLines(ferm(f)->yieldBox(), "Two cases"); }},
        {"RecipeFermPrimingName",
         [=](F& f) { return type(ferm(f)->primingMethodField(), "Corn Sugar"); }},
        {"RecipeFermPrimingAmt", [=](F& f) { return type(ferm(f)->primingAmountField(), "3/4"); }},
        {"RecipeFermPrimingUnits", [=](F& f) { return type(ferm(f)->primingUnitsField(), "cup"); }},
        {"RecipeFermConditioningAmt",
         [=](F& f) { return typeNumber(ferm(f)->conditioningField(), "21"); }},
        {"RecipeFermConditioningUnits",
         [=](F& f) {
             QComboBox* box = ferm(f)->conditioningUnitsBox();
             box->setFocus();
             QTest::keyClick(box,
                             box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
             return box->currentText();
         }},
        {"RecipeSource", [=](F& f) { return typeLines(comments(f)->sourceBox(), "Club night"); }},
        {"RecipeComments",
         [=](F& f) { return typeLines(comments(f)->commentsBox(), "Dry hop next time"); }},
        {"RecipeDateObtained",
         [=](F& f) {
             return pickDate(comments(f)->dateObtained(), {2025, 11, 2});
         }},
        {"RecipeRatingAppearance", [=](F& f) { return score(rating(f)->appearanceBox(), 0); }},
        {"RecipeRatingAroma", [=](F& f) { return score(rating(f)->aromaBox(), 1); }},
        {"RecipeRatingTaste", [=](F& f) { return score(rating(f)->tasteBox(), 2); }},
        {"RecipeRatingImpression", [=](F& f) { return score(rating(f)->impressionBox(), 0); }},
        {"RecipeRatingNotes", [=](F& f) { return typeLines(rating(f)->notesBox(), "Malty"); }},
        {"RecipeRatingDateSampled1",
         [=](F& f) {
             return pickDate(rating(f)->dateSampled(1), {2026, 5, 1});
         }},
        {"RecipeRatingDateSampled2",
         [=](F& f) {
             return pickDate(rating(f)->dateSampled(2), {2026, 5, 8});
         }},
        {"RecipeRatingDateSampled3",
         [=](F& f) {
             return pickDate(rating(f)->dateSampled(3), {2026, 5, 15});
         }},
    };
    for (int step = 1; step <= 4; ++step) {
        const QString n = QString::number(step);
        list.push_back({"RecipeMashTime" + n, [=](F& f) {
                            return typeNumber(mash(f)->timeField(step), QString::number(10 * step));
                        }});
        list.push_back({"RecipeMashVol" + n, [=](F& f) {
                            return typeNumber(mash(f)->volumeField(step),
                                              QString::number(step + 0.25));
                        }});
        list.push_back({"RecipeMashTemp" + n, [=](F& f) {
                            return typeNumber(mash(f)->temperatureField(step),
                                              QString::number(120 + 10 * step));
                        }});
    }
    // The competition results dialog, opened from the Rating page.
    struct Competition {
        QString name = QStringLiteral("County Fair");
        QString prizes = QStringLiteral("Second place");
        QString score = QStringLiteral("42");
        QString comments = QStringLiteral("Clean finish");
        QDate date{2026, 6, 20};
    };
    auto competition = [=](F& f) {
        CRecipeRatingDlg* r = rating(f);
        r->setCompetitionRunner([](CCompetitionResultsDlg& dialog) {
            const Competition c;
            dialog.show();
            test::retype(dialog.nameField(), c.name);
            typeLines(dialog.prizesBox(), c.prizes);
            test::retype(dialog.scoreField(), c.score);
            typeLines(dialog.commentsBox(), c.comments);
            pickDate(dialog.dateField(), c.date);
            dialog.okButton()->click();
            return dialog.result();
        });
        r->competitionButton()->click();
        return Competition{};
    };
    list.push_back({"RecipeRatingCompName", [=](F& f) { return QVariant(competition(f).name); }});
    list.push_back({"RecipeRatingCompPrizes", [](F&) { return QVariant(Competition{}.prizes); }});
    list.push_back(
        {"RecipeRatingCompScore", [](F&) { return QVariant(Competition{}.score.toInt()); }});
    list.push_back(
        {"RecipeRatingCompComments", [](F&) { return QVariant(Competition{}.comments); }});
    list.push_back({"RecipeRatingCompDate", [](F&) { return QVariant(Competition{}.date); }});
    return list;
}

// Columns the brewer cannot set on the form, and the distinct values a test
// gives them in the file: a save must leave them as they are.
const QHash<QString, QVariant>& columnsNotOnTheForm() {
    static const QHash<QString, QVariant> columns{
        // The key, assigned by the database.
        {"RecipeID", QVariant()},
        // Worked out by the calculations from the measured gravity.
        {"RecipeSystemEfficiencyActual", 68.5},
        // Carried with the record, shown on no page.
        {"RecipeUtensils", "Mash tun, copper"},
        // Set by the target style window.
        {"RecipeTargetStyle", "Brown Ale"},
        {"RecipeTargetCategory", "English Brown"},
        {"RecipeTargetSubcategory", "Northern"},
        {"RecipeTargetSpGravLo", 1.040},
        {"RecipeTargetSpGravHi", 1.052},
        {"RecipeTargetAlcoLo", 4.2},
        {"RecipeTargetAlcoHi", 5.4},
        {"RecipeTargetIBULo", 20.0},
        {"RecipeTargetIBUHi", 30.0},
        {"RecipeTargetColorLo", 12.0},
        {"RecipeTargetColorHi", 22.0},
    };
    return columns;
}

QStringList recipeTableColumns() {
    for (const auto& record : storage::tableRecords(storage::DatabaseKind::Recipe)) {
        if (record->defaultSource() == QLatin1String("[Recipes]")) {
            QStringList columns;
            for (const storage::FieldBinding& field : record->fields()) {
                columns << field.column;
            }
            return columns;
        }
    }
    return {};
}

bool sameValue(const QVariant& stored, const QVariant& expected) {
    if (expected.typeId() == QMetaType::QDate) {
        return stored.toDateTime().date() == expected.toDate();
    }
    if (expected.typeId() == QMetaType::Double) {
        return qFuzzyCompare(stored.toDouble(), expected.toDouble());
    }
    if (expected.typeId() == QMetaType::Bool) {
        return stored.toBool() == expected.toBool();
    }
    return stored.toString() == expected.toString();
}

}  // namespace

// Every column of the recipe table survives Save and reopening when it is
// set through the form's controls; the columns the form does not show stay
// as they were stored.
class TestRecipeColumns : public QObject {
    Q_OBJECT

    const QString m_data = test::sharedDataDatabase();

private slots:
    // A new column of the table needs a control here, or a place among
    // the columns the form does not show.
    void everyColumnHasAControlOrIsListedAsNotOnTheForm() {
        QSet<QString> listed;
        for (const ColumnControl& c : controlsPerColumn()) {
            QVERIFY2(!listed.contains(c.column), qPrintable(c.column));
            listed.insert(c.column);
        }
        for (auto it = columnsNotOnTheForm().begin(); it != columnsNotOnTheForm().end(); ++it) {
            QVERIFY2(!listed.contains(it.key()), qPrintable(it.key()));
            listed.insert(it.key());
        }
        const QStringList schema = recipeTableColumns();
        QVERIFY(!schema.isEmpty());
        QStringList missing;
        for (const QString& column : schema) {
            if (!listed.remove(column)) {
                missing << column;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        // No column of another table.
        QVERIFY2(listed.isEmpty(), qPrintable(QStringList(listed.values()).join(", ")));
    }

    void everyColumnSurvivesSaveAndReopen() {
        RecipeFormFixture f(m_data, [](storage::Database& db) {
            for (auto it = columnsNotOnTheForm().begin(); it != columnsNotOnTheForm().end(); ++it) {
                if (it.value().isValid()) {
                    db.exec(QStringLiteral("UPDATE Recipes SET %1 = ? WHERE RecipeBatchNo = 1")
                                .arg(it.key()),
                            {it.value()});
                }
            }
        });
        f.start();
        CRecipeFormSheet& form = *f.form();
        const qint32 recipeId = form.lifecycle().currentRecipeId();
        QHash<QString, QVariant> expected;
        for (const ColumnControl& c : controlsPerColumn()) {
            expected.insert(c.column, c.set(form));
        }
        QVERIFY(f.shown().empty());
        f.command(shell::cmd::RecordCommit)->trigger();
        QCOMPARE(f.shown(), std::vector<int>{});
        QVERIFY(!form.lifecycle().isModified());
        f.closeDatabase();

        StoredRecipes stored(f.recipes);
        const storage::CRecordSetRecipe* recipe = stored.batch(99);
        QVERIFY(recipe != nullptr);
        QCOMPARE(recipe->m_RecipeID, recipeId);
        QStringList wrong;
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            const QVariant value = test::columnValue(*recipe, it.key());
            if (!sameValue(value, it.value())) {
                wrong << QStringLiteral("%1: %2 instead of %3")
                             .arg(it.key(), value.toString(), it.value().toString());
            }
        }
        for (auto it = columnsNotOnTheForm().begin(); it != columnsNotOnTheForm().end(); ++it) {
            const QVariant value = test::columnValue(*recipe, it.key());
            if (it.value().isValid() && !sameValue(value, it.value())) {
                wrong << QStringLiteral("%1 changed to %2").arg(it.key(), value.toString());
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }
};

MW_REGISTER_TEST(TestRecipeColumns)

#include "tst_recipe_columns.moc"
