#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <bit>
#include <cstdint>

#include "calc/recipe_calculation.h"
#include "calc/srm_display_colour.h"
#include "support/shared_databases.h"
#include "support/test_registry.h"
#include "target_style_fixture.h"
#include "views/calc_messages_dlg.h"
#include "views/prediction_details_dlg.h"
#include "views/prediction_details_window.h"
#include "views/range_bar.h"
#include "views/target_style_dlg.h"
#include "views/target_style_windows.h"

using namespace mw;
using test::OnModal;
using test::TargetStyleFixture;
using views::CPredictionDetailsDlg;

namespace {

std::vector<std::uint64_t> figureBits(const calc::CalcResults& r) {
    std::vector<std::uint64_t> bits;
    for (double v : {r.originalGravity, r.totalIbu, r.totalHbu, r.alcohol, r.color}) {
        bits.push_back(std::bit_cast<std::uint64_t>(v));
    }
    return bits;
}

QStringList barNames(const CPredictionDetailsDlg& dlg) {
    QStringList names;
    for (const auto& [name, bar] : dlg.bars()) {
        names << name;
    }
    return names;
}

}  // namespace

// The Prediction Details window: classic and present-day figures against the
// target style's ranges, the beer's colour and the assumptions.
class TestPredictionDetails : public QObject {
    Q_OBJECT

private:
    const QString m_data = test::sharedDataDatabase();

private slots:
    // Right-click on the form, T for "Predic&tion Details...": the window on
    // the Backyard Pale Ale, closed with Esc.
    void openedFromTheFormsContextMenu() {
        TargetStyleFixture f(m_data);
        f.start();
        views::attachPredictionDetails(*f.form());
        f.showBatch(2);

        QStringList names;
        QStringList figures;
        QStringList assumptions;
        bool inRange = false;
        QColor swatch;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                f.form()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(f.form(), &event);
        QMenu* menu = f.form()->contextMenu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        // The window opens from the menu.
        OnModal<CPredictionDetailsDlg> window([&](CPredictionDetailsDlg& dlg) {
            names = barNames(dlg);
            for (const auto& [name, bar] : dlg.bars()) {
                inRange = inRange || bar->inRange();
                QVERIFY(bar->hasRange());
            }
            for (int i = 0; i < dlg.assumptions()->topLevelItemCount(); ++i) {
                figures << dlg.assumptions()->topLevelItem(i)->text(0);
                assumptions << dlg.assumptions()->topLevelItem(i)->text(1);
            }
            swatch = dlg.swatch()->palette().color(QPalette::Window);
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QTest::keyClick(menu, Qt::Key_T);
        QVERIFY(window.ran);
        QVERIFY(!window.stillOpen);

        QCOMPARE(names, (QStringList{"Classic", "Classic (utilization table)",
                                     "Tinseth (formula) at the boil gravity 1.072",
                                     "Rager at the boil gravity 1.072",
                                     "Classic (degrees Lovibond x weight / volume)", "Morey SRM",
                                     "Daniels SRM", "Mosher SRM", "Classic",
                                     "Simple (OG - FG) x 131.25", "Alternate"}));
        QVERIFY(inRange);
        QVERIFY(figures.contains(QStringLiteral("Original gravity")));
        QVERIFY(figures.contains(QStringLiteral("Color")));
        QVERIFY(!assumptions.filter(QStringLiteral("utilization 0.231 at 60 minutes")).isEmpty());
        QVERIFY(!assumptions.filter(QStringLiteral("\"Corn sugar\"")).isEmpty());

        // The swatch shows the Morey colour of the recipe's colour units.
        const views::PredictionDetails d = views::recalculateWithDetails(*f.form());
        const calc::DisplayColour c = calc::srmDisplayColour(d.modern.colour.srm.front().value);
        QCOMPARE(swatch, QColor(c.red, c.green, c.blue));
    }

    // "&Details..." in the Calculation Messages window and in the Target
    // Style window opens the same window over the recipe; closing it returns
    // to the window it came from.
    void openedFromTheMessagesAndTargetStyleWindows_data() {
        QTest::addColumn<bool>("fromTargetStyle");
        QTest::newRow("Calculation Messages") << false;
        QTest::newRow("Target Style") << true;
    }
    void openedFromTheMessagesAndTargetStyleWindows() {
        QFETCH(bool, fromTargetStyle);
        TargetStyleFixture f(m_data);
        f.start();
        f.showBatch(2);
        f.form()->RecalculateRecipe(false);

        bool detailsShown = false;
        bool cameBack = false;
        const auto pressDetails = [&](QDialog& from, QPushButton* details) {
            QVERIFY(details->isVisible());
            OnModal<CPredictionDetailsDlg> inner([&](CPredictionDetailsDlg& dlg) {
                detailsShown = !dlg.bars().empty();
                QTest::keyClick(&dlg, Qt::Key_Escape);
            });
            QTest::mouseClick(details, Qt::LeftButton);
            QVERIFY(inner.ran);
            cameBack = from.isVisible();
            QTest::keyClick(&from, Qt::Key_Escape);
        };
        if (fromTargetStyle) {
            OnModal<views::CTargetStyleDlg> outer(
                [&](views::CTargetStyleDlg& dlg) { pressDetails(dlg, dlg.detailsButton()); });
            views::runTargetStyleDlg(*f.form(), f.services());
            QVERIFY(outer.ran);
        } else {
            OnModal<views::CCalcMessagesDlg> outer(
                [&](views::CCalcMessagesDlg& dlg) { pressDetails(dlg, dlg.detailsButton()); });
            views::runCalcMessagesDlg(*f.form());
            QVERIFY(outer.ran);
        }
        QVERIFY(detailsShown);
        QVERIFY(cameBack);
    }

    // Opening the window leaves the classic figures as a plain recalculation
    // gives them, to the last bit, and keeps no report attached.
    void classicFiguresAreTheFormsOwn_data() {
        QTest::addColumn<int>("batch");
        for (int batch = 1; batch <= 8; ++batch) {
            QTest::newRow(qPrintable(QString::number(batch))) << batch;
        }
    }
    void classicFiguresAreTheFormsOwn() {
        QFETCH(int, batch);
        TargetStyleFixture f(m_data);
        f.start();
        f.showBatch(batch);
        f.form()->RecalculateRecipe(false);
        const auto plain = figureBits(f.form()->calculation().results());
        const auto messages = f.form()->calculation().messages().messages();
        const views::PredictionDetails d = views::recalculateWithDetails(*f.form());
        QCOMPARE(figureBits(d.classic), plain);
        QCOMPARE(f.form()->calculation().messages().messages(), messages);
        QVERIFY(!d.assumptions.empty());
        f.form()->RecalculateRecipe(false);
        QCOMPARE(figureBits(f.form()->calculation().results()), plain);
    }

    // A recipe without a target style: the figures on bars without a band.
    void noTargetStyle() {
        views::PredictionDetails d;
        d.classic.originalGravity = 1.048;
        d.classic.totalIbu = 30.0;
        d.classic.alcohol = 4.8;
        d.classic.color = 6.0;
        CPredictionDetailsDlg dlg(d);
        dlg.show();
        QVERIFY(!dlg.bars().empty());
        for (const auto& [name, bar] : dlg.bars()) {
            QVERIFY(!bar->hasRange());
        }
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("targetStyle"))
                    ->text()
                    .startsWith(QStringLiteral("No target style chosen")));
        QCOMPARE(dlg.assumptions()->topLevelItemCount(), 0);
    }

    // Out of the range the marker turns red.
    void rangeBarMarksTheFigure() {
        views::RangeBar bar;
        bar.setRange(10.0, 20.0);
        bar.setValue(15.0);
        QVERIFY(bar.inRange());
        bar.setValue(25.0);
        QVERIFY(!bar.inRange());
        bar.setRange(0.0, 0.0);
        QVERIFY(!bar.hasRange());
    }
};

MW_REGISTER_TEST(TestPredictionDetails)
#include "tst_prediction_details.moc"
