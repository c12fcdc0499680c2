#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

#include "shell/hint_balloon.h"
#include "support/test_registry.h"

using namespace mw::shell;

namespace {

// A dialog with two fields. The pointer rests near a field's lower edge, so
// the balloon 20 pixels below it reaches out of the dialog, where the
// pointer can be moved onto it.
struct Owner {
    QWidget dialog;
    QLineEdit* first;
    QLineEdit* second;
    CHintBalloon* balloon;

    // Short waits keep the tests quick; what is tested is where the pointer
    // goes, not how long anything takes.
    explicit Owner(int startDelayMs = 60, int displayTimeMs = 400) {
        auto* layout = new QVBoxLayout(&dialog);
        first = new QLineEdit(&dialog);
        second = new QLineEdit(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        dialog.resize(300, 80);
        dialog.move(100, 100);
        balloon = new CHintBalloon(&dialog);
        balloon->AddTool(first, 251);  // "Check if ferments\rWill be used ..."
        balloon->AddTool(second, QStringLiteral("Specific Gravity\nFormat = 9.999"));
        balloon->setTimings(startDelayMs, 40, displayTimeMs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    static QPoint restingPoint(QWidget* field) { return QPoint(10, field->height() - 3); }
    void rest(QWidget* field) { QTest::mouseMove(field, restingPoint(field)); }
    // A point of the balloon that no other window covers.
    QPoint pointOnBalloon() const {
        const QRect shown = balloon->geometry();
        const QRect covered = dialog.frameGeometry();
        for (int y = shown.bottom() - 2; y > shown.top(); --y) {
            const QPoint at(shown.center().x(), y);
            if (!covered.contains(at)) {
                return balloon->mapFromGlobal(at);
            }
        }
        return QPoint();
    }
    void moveOntoBalloon() {
        const QPoint at = pointOnBalloon();
        QVERIFY2(!at.isNull(), "the balloon lies wholly over the dialog");
        QTest::mouseMove(balloon, at);
        QCOMPARE(QCursor::pos(), balloon->mapToGlobal(at));
    }
};

// Another program's window, away from the dialog.
struct OtherWindow {
    QWidget window;
    OtherWindow() {
        window.setGeometry(520, 340, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

const QString kSecondHint = QStringLiteral("Specific Gravity\nFormat = 9.999");
const QPoint kAwayFromEveryWindow(780, 20);

}  // namespace

class TestHintBalloon : public QObject {
    Q_OBJECT

private slots:
    // Each test starts and ends with the pointer away from every window.
    void init() { QCursor::setPos(kAwayFromEveryWindow); }
    void cleanup() { QCursor::setPos(kAwayFromEveryWindow); }

    void twoFormsOfATextWithACarriageReturn() {
        const QString text =
            QStringLiteral("Check if ferments\rWill be used during OG calculation");
        QCOMPARE(CHintBalloon::shortForm(text), QStringLiteral("Check if ferments  "));
        QCOMPARE(CHintBalloon::longForm(text),
                 QStringLiteral("  Will be used during OG calculation"));
        QCOMPARE(CHintBalloon::shortForm(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    }

    void restingOnAFieldShowsItsHintBelowThePointer() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->shownText(), kSecondHint);
        const QPoint pointer = o.second->mapToGlobal(Owner::restingPoint(o.second));
        QCOMPARE(o.balloon->pos(), pointer + QPoint(0, 20));
    }

    void aHintLeftOnItsFieldGoesAway() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QTRY_VERIFY(!o.balloon->isShowingHint());
        // It does not come back while the pointer stays on the field.
        QTest::mouseMove(o.second, Owner::restingPoint(o.second) + QPoint(5, 0));
        QTest::qWait(200);
        QVERIFY(!o.balloon->isShowingHint());
    }

    void leavingTheFieldBeforeTheHintShowsCancelsIt() {
        Owner o(500);  // the program's own start delay
        o.rest(o.second);
        QTest::mouseMove(&o.dialog, QPoint(o.dialog.width() - 2, 2));
        QTest::qWait(800);
        QVERIFY(!o.balloon->isShowingHint());
    }

    void thePointerOnTheBalloonKeepsIt() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        o.moveOntoBalloon();
        QTest::qWait(800);  // twice the display time
        QVERIFY(o.balloon->isShowingHint());
    }

    void leavingTheBalloonForAnotherWindowHidesIt() {
        Owner o;
        OtherWindow other;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        o.moveOntoBalloon();
        QVERIFY(o.balloon->isShowingHint());
        QTest::mouseMove(&other.window, QPoint(50, 50));
        QTRY_VERIFY(!o.balloon->isShowingHint());
        QTest::qWait(200);
        QVERIFY(!o.balloon->isShowingHint());
    }

    void leavingTheBalloonAfterTheDisplayTimeHidesItEvenOverItsField() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        o.moveOntoBalloon();
        QTest::qWait(800);  // past the display time, kept by the pointer
        QVERIFY(o.balloon->isShowingHint());
        o.rest(o.second);
        QTRY_VERIFY(!o.balloon->isShowingHint());
        QTest::qWait(200);
        QVERIFY(!o.balloon->isShowingHint());
    }

    void backOnItsFieldTheHintStays() {
        Owner o(60, 60000);
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        o.moveOntoBalloon();
        o.rest(o.second);
        QVERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->shownText(), kSecondHint);
    }

    void leavingTheFieldForAnotherWindowHidesTheHint() {
        Owner o(60, 60000);
        OtherWindow other;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QTest::mouseMove(&other.window, QPoint(50, 50));
        QTRY_VERIFY(!o.balloon->isShowingHint());
    }

    void movingToAnotherFieldRestartsTheDelay() {
        Owner o(500);
        o.rest(o.first);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->currentTool(), o.first);
        // The right end of the second field, beside the first field's balloon.
        const QPoint beside(o.second->width() - 5, o.second->height() / 2);
        QVERIFY(!o.balloon->geometry().contains(o.second->mapToGlobal(beside)));
        QTest::mouseMove(o.second, beside);
        QTRY_COMPARE(o.balloon->currentTool(), o.second);
        QVERIFY(!o.balloon->isShowingHint());
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->shownText(), kSecondHint);
    }

    void aKeyHidesTheHintUntilAnotherField() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QTest::keyClick(o.second, Qt::Key_A);
        QVERIFY(!o.balloon->isShowingHint());
        QTest::mouseMove(o.second, Owner::restingPoint(o.second) + QPoint(5, 0));
        QTest::qWait(200);
        QVERIFY(!o.balloon->isShowingHint());
        o.rest(o.first);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->currentTool(), o.first);
    }

    void aClickShowsTheOtherForm() {
        Owner o(60, 60000);
        o.first->setFocus();
        o.rest(o.first);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->shownText(), QStringLiteral("Check if ferments  "));
        QTest::mouseClick(o.balloon, Qt::LeftButton);
        QCOMPARE(o.balloon->shownText(), QStringLiteral("  Will be used during OG calculation"));
        QVERIFY(o.balloon->showingLongForm());
        QCOMPARE(o.dialog.focusWidget(), o.first);
        QTest::mouseClick(o.balloon, Qt::LeftButton);
        QVERIFY(!o.balloon->showingLongForm());
    }

    void nearTheBottomEdgeTheHintGoesAboveItsField() {
        Owner o;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        o.dialog.move(100, screen.bottom() - o.dialog.frameGeometry().height() + 1);
        QTRY_COMPARE(o.dialog.frameGeometry().bottom(), screen.bottom());
        o.rest(o.second);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QVERIFY(o.balloon->geometry().bottom() < o.second->mapToGlobal(QPoint(0, 0)).y());
    }

    void textsCanBeAskedFromTheOwner() {
        Owner o;
        auto* third = new QLineEdit(&o.dialog);
        o.dialog.layout()->addWidget(third);
        o.dialog.resize(300, 120);
        QTRY_VERIFY(third->isVisible());
        int asked = 0;
        o.balloon->AddToolAskingOwner(third);
        o.balloon->setTextProvider([&](QWidget* field) {
            ++asked;
            return field == third ? QStringLiteral("Asked for") : QString();
        });
        o.rest(third);
        QTRY_VERIFY(o.balloon->isShowingHint());
        QCOMPARE(o.balloon->shownText(), QStringLiteral("Asked for"));
        QCOMPARE(asked, 1);
    }

    void inactiveBalloonShowsNothing() {
        Owner o;
        o.balloon->setActive(false);
        o.rest(o.second);
        QTest::qWait(200);
        QVERIFY(!o.balloon->isShowingHint());
    }
};

MW_REGISTER_TEST(TestHintBalloon)
#include "tst_hint_balloon.moc"