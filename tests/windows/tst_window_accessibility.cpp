#include <QApplication>
#include <QtTest>

#include "support/accessibility.h"
#include "window_tour.h"

using namespace mw;

// Every window the program shows, as a screen reader and a keyboard user
// meet it: each control says what it is, and no two captions of one window
// claim the same access key.
class TestWindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyWindowOnTheTourPassesTheChecks() {
        QStringList visited;
        QStringList problems;
        const bool toured = app::tourWindows([&](QWidget& window, const QString& name) {
            visited << name;
            for (const QString& problem : test::unnamedControls(&window)) {
                problems << name + QStringLiteral(": ") + problem;
            }
            for (const QString& problem : test::mnemonicClashes(&window)) {
                problems << name + QStringLiteral(": ") + problem;
            }
            return true;
        });
        QVERIFY(toured);
        // The main window twice, the grid's three sheets, five calculators,
        // seven lookups, the options pages and the four boxes.
        QVERIFY2(visited.size() >= 20, qPrintable(visited.join(QLatin1Char(' '))));
        for (const QString& problem : problems) {
            qWarning("%s", qPrintable(problem));
        }
        QCOMPARE(problems.size(), 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestWindowAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_accessibility.moc"
