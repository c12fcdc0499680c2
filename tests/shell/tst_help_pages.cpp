#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "shell/help_viewer.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::shell;

namespace {

const QString kHelpFolder = QStringLiteral(MW_SOURCE_RESOURCES "/help");

// Every message number the program hands to the message boxes today; each
// box has a Help button that opens the topic of the message's number.
const int kMessages[] = {
    // start-up, files and the database tools (application, document)
    4, 72, 168, 224, 230, 1026,
    // the database error box and the document's workspaces
    1010, 1011, 1012, 1013, 1014, 1015, 1016,
    // the main frame's tools, About, the tips, the credits, the grid settings
    19, 78, 100, 146, 215, 1022, 1053,
    // Options
    77, 127, 128, 171,
    // the ingredient lookups: an empty list, a failed seek, the Info boxes
    82, 1030, 1031, 90, 96, 158, 161, 179,
    // the recipe calculation and the hop utilization table
    12, 13, 156, 233,
    // the calculators and converters
    221, 222, 223, 238, 239, 240, 242, 243, 244, 245, 246, 247, 248, 249, 265, 266, 267, 268, 270,
    271, 274, 275, 1001, 1002, 1003, 1004, 1005,
    // the recipe form: its checks, questions and the log's request; the grid's delete
    8, 32, 37, 68, 83, 85, 86, 142, 150, 152, 208, 209, 211, 1020, 1090};

// The windows' topics (F1 and their Help buttons) and the Help menu's.
const int kWindows[] = {0,    // contents
                        102,  // Bitterness Calculator
                        214,  // Original Gravity Calculator
                        215,  // Alcohol Calculator
                        217,  // Specific Gravity to/from Balling
                        218,  // Alcohol by Volume to/from by Weight
                        140,  // recipe log
                        192,  // recipe form
                        194,   193,   176,   177,   149,   150,  // its pages
                        200,                                     // Competition Results
                        161,                                     // Options: Preferences
                        162,                                     // Options: Locations
                        163,                                     // Options: Hints
                        181,                                     // Lookup Ingredient
                        32879, 57668, 98338, 98339, 98340, 98342, 98343,
                        98344, 98385, 98386, 98404, 98409, 98410};

QString readPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool hasAnchor(const QString& html, const QString& anchor) {
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

}  // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void helpOpensAPageForEveryTopic_data() {
        QTest::addColumn<int>("topic");
        for (int number : kMessages) {
            QVERIFY2(!catalogueText(number).empty(), qPrintable(QString::number(number)));
            QTest::addRow("message %d", number) << number;
        }
        for (int topic : kWindows) {
            QTest::addRow("window %d", topic) << topic;
        }
    }
    void helpOpensAPageForEveryTopic() {
        QFETCH(int, topic);
        HtmlHelpService help(kHelpFolder);
        help.showHelp(topic);
        QVERIFY(help.viewer() != nullptr);
        // No "there is no help page" note: the topic's own page is shown.
        QCOMPARE(help.viewer()->note(), QString());
        const QUrl shown = help.viewer()->browser()->source();
        QVERIFY2(QFileInfo::exists(shown.toLocalFile()), qPrintable(shown.toString()));
        QCOMPARE(shown, help.topicUrl(topic));
        if (shown.hasFragment()) {
            QVERIFY2(hasAnchor(readPage(shown.toLocalFile()), shown.fragment()),
                     qPrintable(shown.toString()));
        }
        help.viewer()->close();
    }

    void aMessageOpensItsSection() {
        HtmlHelpService help(kHelpFolder);
        help.showHelp(171);
        const QUrl shown = help.viewer()->browser()->source();
        QCOMPARE(shown.fileName(), QStringLiteral("opening_databases.html"));
        QCOMPARE(shown.fragment(), QStringLiteral("wrong-kind"));
        QVERIFY(help.viewer()->browser()->toPlainText().contains(
            QStringLiteral("not the right type of Maltwise Calculator data base")));
        help.viewer()->close();
    }

    // Every link between the pages leads to a page (and section) that exists.
    void linksBetweenPagesArrive_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("link");
        const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        const QDir folder(kHelpFolder);
        for (const QString& page : folder.entryList({QStringLiteral("*.html")})) {
            const QString html = readPage(folder.filePath(page));
            for (const auto& match : href.globalMatch(html)) {
                const QString link = match.captured(1);
                if (!link.startsWith(QStringLiteral("http")) &&
                    !link.startsWith(QStringLiteral("mailto:"))) {
                    QTest::addRow("%s -> %s", qPrintable(page), qPrintable(link)) << page << link;
                }
            }
        }
    }
    void linksBetweenPagesArrive() {
        QFETCH(QString, page);
        QFETCH(QString, link);
        const QString file = link.section(QLatin1Char('#'), 0, 0);
        const QString anchor = link.section(QLatin1Char('#'), 1);
        const QString target = QDir(kHelpFolder).filePath(file.isEmpty() ? page : file);
        QVERIFY2(QFileInfo::exists(target), qPrintable(target));
        if (!anchor.isEmpty()) {
            QVERIFY2(hasAnchor(readPage(target), anchor), qPrintable(link));
        }
    }
};

MW_REGISTER_TEST(TestHelpPages)
#include "tst_help_pages.moc"
