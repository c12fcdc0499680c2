#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QtTest>

#include "shell/info_status_bar.h"
#include "support/test_registry.h"

using namespace mw::shell;

class TestInfoStatusBar : public QObject {
    Q_OBJECT

private slots:
    // Without a window system that tells the lock lights (here: offscreen)
    // the panes are left out rather than showing a guess, and a lock key
    // does not switch them on.
    void lockPanesAreLeftOutWhereTheirStateIsUnknown() {
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            QSKIP("the X server tells the lock lights");
        }
        QMainWindow window;
        auto* bar = new CInfoStatusBar(&window);
        window.setStatusBar(bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList panes{QStringLiteral("capsIndicator"), QStringLiteral("numIndicator"),
                                QStringLiteral("scrollIndicator")};
        for (const QString& name : panes) {
            auto* pane = bar->findChild<QLabel*>(name);
            QVERIFY2(pane != nullptr, qPrintable(name));
            QVERIFY2(!pane->isVisible(), qPrintable(name));
        }
        QTest::keyClick(&window, Qt::Key_CapsLock);
        QTest::keyClick(&window, Qt::Key_NumLock);
        QTest::keyClick(&window, Qt::Key_ScrollLock);
        for (const QString& name : panes) {
            auto* pane = bar->findChild<QLabel*>(name);
            QVERIFY2(!pane->isVisible(), qPrintable(name));
            QVERIFY2(pane->text().isEmpty(), qPrintable(name));
        }
        QVERIFY(bar->progressBar()->parentWidget()->isVisible());  // the other panes stay
    }
};

MW_REGISTER_TEST(TestInfoStatusBar)
#include "tst_info_status_bar.moc"
