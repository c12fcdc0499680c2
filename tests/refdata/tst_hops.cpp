// The hop dialog: its alpha checks, spin buttons, substitutes, and two
// windows (or two running copies) changing the same hop.

#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "refdata/hops_dlg.h"
#include "refdata/tenths_spin_button.h"
#include "refdata_fixture.h"
#include "support/test_registry.h"

namespace mw::test {

class TestHops : public QObject {
    Q_OBJECT

    RefdataFixture f;

    std::unique_ptr<refdata::CHopsDlg> openHops() {
        std::unique_ptr<refdata::CAddChgDAO> dialog = f.open(QStringLiteral("Hops"));
        return std::unique_ptr<refdata::CHopsDlg>(
            static_cast<refdata::CHopsDlg*>(dialog.release()));
    }
    QString name(QWidget* dialog) { return shown(dialog, QStringLiteral("HopsName")); }

private slots:
    void init() { f.freshData(); }

    void alphaChecks_data() {
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<int>("message");  // 0: saved
        QTest::addColumn<QString>("focus");
        QTest::newRow("no range") << "5.5"
                                  << ""
                                  << "" << 0 << "";
        QTest::newRow("low without high") << "5.5"
                                          << "4"
                                          << "" << 36 << "HopsAlpha";
        QTest::newRow("high below low") << "5.5"
                                        << "6"
                                        << "4" << 36 << "HopsAlpha";
        QTest::newRow("alpha above range") << "7"
                                           << "4"
                                           << "6" << 36 << "HopsAlpha";
        QTest::newRow("high without low") << "5"
                                          << ""
                                          << "6" << 36 << "HopsAlpha";
        QTest::newRow("alpha in range") << "5"
                                        << "4"
                                        << "6" << 0 << "";
        QTest::newRow("lowest") << "1.0"
                                << ""
                                << "" << 0 << "";
        QTest::newRow("highest") << "20.0"
                                 << ""
                                 << "" << 0 << "";
        QTest::newRow("below lowest") << "0.9"
                                      << ""
                                      << "" << 120 << "HopsAlpha";
        QTest::newRow("above highest") << "20.1"
                                       << ""
                                       << "" << 120 << "HopsAlpha";
        QTest::newRow("alpha zero") << "0"
                                    << ""
                                    << "" << 120 << "HopsAlpha";
        // Every failing field takes the focus in turn; the alpha field is last.
        QTest::newRow("high too high") << "5"
                                       << "4"
                                       << "21" << 120 << "HopsAlphaHi";
        QTest::newRow("low and high too low") << "5"
                                              << "0.5"
                                              << "0.5" << 120 << "HopsAlphaLo";
        QTest::newRow("all three out") << "25"
                                       << "0.5"
                                       << "30" << 120 << "HopsAlpha";
    }
    void alphaChecks() {
        QFETCH(QString, alpha);
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(int, message);
        QFETCH(QString, focus);
        f.settings->setInteger(storage::Setting::DisplayWarnings, 0);  // read at opening
        auto dialog = openHops();
        f.settings->setInteger(storage::Setting::DisplayWarnings, 1);
        const QString hop = name(dialog.get());
        enter(dialog.get(), QStringLiteral("HopsAlpha"), alpha);
        enter(dialog.get(), QStringLiteral("HopsAlphaLo"), low);
        enter(dialog.get(), QStringLiteral("HopsAlphaHi"), high);
        keys::next(dialog.get());
        if (message == 0) {
            QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{});
            QCOMPARE(f.query(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = ?"), {hop})
                         .toDouble(),
                     alpha.toDouble());
            // An empty range is stored as not given.
            QCOMPARE(f.query(QStringLiteral("SELECT HopsAlphaLo IS NULL FROM Hops "
                                            "WHERE HopsName = ?"),
                             {hop})
                         .toBool(),
                     low.isEmpty());
            return;
        }
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{message});
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
        QCOMPARE(focused(), focus);
        QCOMPARE(name(dialog.get()), hop);
        QVERIFY(dialog->isDirty());
    }

    void aNewHopStartsWithItsDefaults() {
        auto dialog = openHops();
        keys::add(dialog.get());
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")), QStringLiteral("1.0"));
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlphaLo")), QStringLiteral("1.0"));
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlphaHi")), QStringLiteral("1.0"));
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsStability")), QStringLiteral("2"));
        QCOMPARE(dialog->substitutes()->count(), 0);
        QCOMPARE(dialog->alphaSpin()->position(), 10);
        QCOMPARE(focused(), QStringLiteral("HopsName"));
        QVERIFY(!dialog->isDirty());
    }

    void spinButtonsStepATenthAndMarkTheRecord() {
        auto dialog = openHops();
        enter(dialog.get(), QStringLiteral("HopsAlpha"), QStringLiteral("5.5"));
        keys::refresh(dialog.get());
        QVERIFY(!dialog->toolBar()->action(refdata::CAddChgToolBar::Refresh)->isEnabled());
        const QString stored = shown(dialog.get(), QStringLiteral("HopsAlpha"));
        QTest::mouseClick(dialog->alphaSpin()->upButton(), Qt::LeftButton);
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlpha")),
                 QString::number(stored.toDouble() + 0.1, 'f', 1));
        QVERIFY(dialog->isDirty());
        QVERIFY(dialog->toolBar()->action(refdata::CAddChgToolBar::Refresh)->isEnabled());
        enter(dialog.get(), QStringLiteral("HopsAlphaLo"), QStringLiteral("19.9"));
        QTest::mouseClick(dialog->lowSpin()->upButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->lowSpin()->upButton(), Qt::LeftButton);
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlphaLo")), QStringLiteral("20.0"));
        enter(dialog.get(), QStringLiteral("HopsAlphaHi"), QStringLiteral("1.1"));
        QTest::mouseClick(dialog->highSpin()->downButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->highSpin()->downButton(), Qt::LeftButton);
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsAlphaHi")), QStringLiteral("1.0"));
    }

    void substitutesUpToFourAreStoredInListOrder() {
        auto dialog = openHops();
        const QString hop = name(dialog.get());
        keys::refresh(dialog.get());
        QStringList offered{QStringLiteral("Cascade"), QStringLiteral("Saaz"),
                            QStringLiteral("Tettnanger"), QStringLiteral("Spalter Select"),
                            QStringLiteral("Fifth")};
        dialog->setHopChooser(
            [&](QWidget*) -> std::optional<QString> { return offered.takeFirst(); });
        while (dialog->substitutes()->count() > 0) {
            QTest::mouseClick(dialog->removeSubstituteButton(), Qt::LeftButton);
        }
        QVERIFY(!dialog->removeSubstituteButton()->isEnabled());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(dialog->addSubstituteButton()->isEnabled());
            QTest::mouseClick(dialog->addSubstituteButton(), Qt::LeftButton);
        }
        QVERIFY(!dialog->addSubstituteButton()->isEnabled());
        QCOMPARE(dialog->substitutes()->count(), 4);
        QVERIFY(dialog->isDirty());
        // "-" takes the selected one out and selects the one now in its place.
        dialog->substitutes()->setCurrentRow(1);
        QTest::mouseClick(dialog->removeSubstituteButton(), Qt::LeftButton);
        QCOMPARE(dialog->substitutes()->currentItem()->text(), QStringLiteral("Tettnanger"));
        QVERIFY(dialog->addSubstituteButton()->isEnabled());
        keys::next(dialog.get());
        QCOMPARE(f.query(QStringLiteral("SELECT HopsSubstitute1 || '|' || HopsSubstitute2 || '|' "
                                        "|| HopsSubstitute3 || '|' || "
                                        "ifnull(HopsSubstitute4, 'null') FROM Hops "
                                        "WHERE HopsName = ?"),
                         {hop})
                     .toString(),
                 QStringLiteral("Cascade|Tettnanger|Spalter Select|null"));
    }

    void aGapInTheStoredSubstitutesIsClosed() {
        f.exec(
            QStringLiteral("UPDATE Hops SET HopsSubstitute1 = 'One', HopsSubstitute2 = 'Two', "
                           "HopsSubstitute3 = NULL, HopsSubstitute4 = 'Four' WHERE HopsID = "
                           "(SELECT HopsID FROM Hops ORDER BY HopsName LIMIT 1)"));
        auto dialog = openHops();
        QStringList listed;
        for (int i = 0; i < dialog->substitutes()->count(); ++i) {
            listed << dialog->substitutes()->item(i)->text();
        }
        QCOMPARE(listed, (QStringList{QStringLiteral("One"), QStringLiteral("Two"),
                                      QStringLiteral("Four")}));
        QCOMPARE(dialog->substitutes()->currentRow(), 0);
    }

    // Two hop windows on the same hop: the second save is refused and says
    // why; its typing stays, nothing is overwritten, and Refresh shows the
    // first window's change.
    void twoWindowsChangingTheSameHop() {
        auto first = openHops();
        auto second = openHops();
        const QString hop = name(first.get());
        QCOMPARE(name(second.get()), hop);

        QApplication::setActiveWindow(first.get());
        enter(first.get(), QStringLiteral("HopsComments"), QStringLiteral("From the first window"));
        keys::next(first.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});

        f.prompts.clear();
        QApplication::setActiveWindow(second.get());
        enter(second.get(), QStringLiteral("HopsOrigin"), QStringLiteral("Second window"));
        keys::next(second.get());
        QCOMPARE(f.prompts.shown().size(), std::size_t(2));  // the question, then the refusal
        const QString refusal = QString::fromStdString(f.prompts.shown().back().text);
        QVERIFY2(refusal.contains(QStringLiteral("changed by another window")),
                 qPrintable(refusal));
        QCOMPARE(name(second.get()), hop);
        QCOMPARE(shown(second.get(), QStringLiteral("HopsOrigin")),
                 QStringLiteral("Second window"));
        QVERIFY(second->isDirty());
        QCOMPARE(f.query(QStringLiteral("SELECT HopsComments || '|' || ifnull(HopsOrigin, '') "
                                        "FROM Hops WHERE HopsName = ?"),
                         {hop})
                     .toString()
                     .section(QLatin1Char('|'), 0, 0),
                 QStringLiteral("From the first window"));
        QVERIFY(
            f.query(QStringLiteral("SELECT ifnull(HopsOrigin, '') FROM Hops WHERE HopsName = ?"),
                    {hop})
                .toString() != QStringLiteral("Second window"));

        // Closing does not throw the refused typing away.
        f.prompts.clear();
        keys::escape(second.get());
        QVERIFY(second->isVisible());

        f.prompts.clear();
        keys::refresh(second.get());
        QCOMPARE(shown(second.get(), QStringLiteral("HopsComments")),
                 QStringLiteral("From the first window"));
        enter(second.get(), QStringLiteral("HopsOrigin"), QStringLiteral("Second window"));
        keys::next(second.get());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{262});
        QCOMPARE(f.query(QStringLiteral("SELECT HopsOrigin FROM Hops WHERE HopsName = ?"), {hop})
                     .toString(),
                 QStringLiteral("Second window"));
    }

    // Another running copy of the program changes the hop on screen.
    void aHopChangedByAnotherCopyIsNotOverwritten() {
        auto dialog = openHops();
        const QString hop = name(dialog.get());
        f.exec(QStringLiteral("UPDATE Hops SET HopsComments = 'other copy' WHERE HopsName = ?"),
               {hop});
        enter(dialog.get(), QStringLiteral("HopsComments"), QStringLiteral("this window"));
        f.prompts.answerNext(PromptAnswer::Yes);
        keys::escape(dialog.get());
        QVERIFY(dialog->isVisible());  // refused: the typing stays
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsComments")),
                 QStringLiteral("this window"));
        QCOMPARE(f.query(QStringLiteral("SELECT HopsComments FROM Hops WHERE HopsName = ?"), {hop})
                     .toString(),
                 QStringLiteral("other copy"));
    }

    // Another running copy of the program deletes the hop on screen.
    void aHopDeletedElsewhereIsReportedNotRecreated() {
        auto dialog = openHops();
        const QString hop = name(dialog.get());
        f.exec(QStringLiteral("DELETE FROM Hops WHERE HopsName = ?"), {hop});
        enter(dialog.get(), QStringLiteral("HopsOrigin"), QStringLiteral("Nowhere"));
        keys::next(dialog.get());
        QCOMPARE(f.prompts.shown().size(), std::size_t(2));
        QCOMPARE(shown(dialog.get(), QStringLiteral("HopsOrigin")), QStringLiteral("Nowhere"));
        QCOMPARE(
            f.query(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = ?"), {hop}).toInt(),
            0);
        f.prompts.clear();
        keys::refresh(dialog.get());
        QVERIFY(name(dialog.get()) != hop);
        QVERIFY(dialog->hasRecord());
    }
};

MW_REGISTER_TEST(TestHops)

}  // namespace mw::test

#include "tst_hops.moc"
