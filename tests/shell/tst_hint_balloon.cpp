#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

#include "shell/hint_balloon.h"
#include "support/test_registry.h"

using namespace mw::shell;

namespace {

// A dialog with two fields whose hints come after a short delay.
struct Owner {
    QWidget dialog;
    QLineEdit* first;
    QLineEdit* second;
    CHintBalloon* balloon;

    Owner() {
        auto* layout = new QVBoxLayout(&dialog);
        first = new QLineEdit(&dialog);
        second = new QLineEdit(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        dialog.resize(300, 120);
        dialog.move(100, 100);
        balloon = new CHintBalloon(&dialog);
        balloon->AddTool(first, 251);  // "Check if ferments\rWill be used ..."
        balloon->AddTool(second, QStringLiteral("Specific Gravity\nFormat = 9.999"));
        balloon->setTimings(60, 40, 400);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    void rest(QWidget* field) { QTest::mouseMove(field, QPoint(10, 5)); }
};

}  // namespace

class TestHintBalloon : public QObject {
    Q_OBJECT

private slots:
    void timingsAreTheDocumentedOnes() {
        QCOMPARE(CHintBalloon::kStartDelayMs, 500);
        QCOMPARE(CHintBalloon::kCheckIntervalMs, 500);
        QCOMPARE(CHintBalloon::kDisplayTimeMs, 5000);
        QCOMPARE(CHintBalloon::kOffsetY, 20);
    }

    void twoFormsOfATextWithACarriageReturn() {
        const QString text =
            QStringLiteral("Check if ferments\rWill be used during OG calculation");
        QCOMPARE(CHintBalloon::shortForm(text), QStringLiteral("Check if ferments  "));
        QCOMPARE(CHintBalloon::longForm(text),
                 QStringLiteral("  Will be used during OG calculation"));
        QCOMPARE(CHintBalloon::shortForm(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    }

    void showsAfterTheDelayAndHidesAfterTheDisplayTime() {
        Owner o;
        o.rest(o.second);
        QVERIFY(!o.balloon->isShowingHint());  // not before the delay
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        QCOMPARE(o.balloon->shownText(), QStringLiteral("Specific Gravity\nFormat = 9.999"));
        // 20 pixels below the pointer.
        const QPoint pointer = o.second->mapToGlobal(QPoint(10, 5));
        QCOMPARE(o.balloon->pos(), pointer + QPoint(0, 20));
        QTRY_VERIFY_WITH_TIMEOUT(!o.balloon->isShowingHint(), 2000);
    }

    void movingToAnotherFieldRestartsTheDelay() {
        Owner o;
        o.rest(o.first);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        o.rest(o.second);
        QVERIFY(!o.balloon->isShowingHint());
        QCOMPARE(o.balloon->currentTool(), o.second);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        QCOMPARE(o.balloon->shownText(), QStringLiteral("Specific Gravity\nFormat = 9.999"));
    }

    void aKeyHidesTheHint() {
        Owner o;
        o.rest(o.second);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        QTest::keyClick(o.second, Qt::Key_A);
        QVERIFY(!o.balloon->isShowingHint());
        QTest::qWait(150);
        QVERIFY(!o.balloon->isShowingHint());  // stays hidden on the same field
    }

    void aClickShowsTheOtherForm() {
        Owner o;
        o.rest(o.first);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        QCOMPARE(o.balloon->shownText(), QStringLiteral("Check if ferments  "));
        QTest::mouseClick(o.balloon, Qt::LeftButton);
        QCOMPARE(o.balloon->shownText(), QStringLiteral("  Will be used during OG calculation"));
        QVERIFY(o.balloon->showingLongForm());
        QTest::mouseClick(o.balloon, Qt::LeftButton);
        QVERIFY(!o.balloon->showingLongForm());
    }

    void nearTheBottomEdgeTheHintGoesAboveItsField() {
        Owner o;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        o.dialog.move(100, screen.bottom() - o.dialog.frameGeometry().height() + 1);
        QTest::qWait(20);
        o.rest(o.second);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
        QVERIFY(o.balloon->geometry().bottom() < o.second->mapToGlobal(QPoint(0, 0)).y());
    }

    void textsCanBeAskedFromTheOwner() {
        Owner o;
        auto* third = new QLineEdit(&o.dialog);
        o.dialog.layout()->addWidget(third);
        QTest::qWait(10);
        int asked = 0;
        o.balloon->AddToolAskingOwner(third);
        o.balloon->setTextProvider([&](QWidget* field) {
            ++asked;
            return field == third ? QStringLiteral("Asked for") : QString();
        });
        o.rest(third);
        QTRY_VERIFY_WITH_TIMEOUT(o.balloon->isShowingHint(), 1000);
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
