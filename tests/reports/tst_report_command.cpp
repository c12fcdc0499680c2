// maltwise-db report: the twelve reports to PDF from the command line, and
// the calls it refuses.

#include <QFileInfo>
#include <QtTest>
#include <cstdio>

#include "report_fixture.h"
#include "support/db_command_run.h"
#include "support/test_registry.h"

namespace mw::test {

namespace {

using CommandResult = DbCommandRun;

CommandResult run(const QStringList& arguments) {
    return runDbCommand(arguments);
}

}  // namespace

class TestReportCommand : public QObject {
    Q_OBJECT

private:
    ReportFixture* f = nullptr;

private slots:
    void initTestCase() { f = new ReportFixture; }
    void cleanupTestCase() { delete f; }

    void writesEveryReport_data() {
        QTest::addColumn<QString>("name");
        for (const reports::ReportEntry& entry : reports::kReports) {
            QTest::newRow(entry.baseName) << QString::fromLatin1(entry.baseName);
        }
    }
    void writesEveryReport() {
        QFETCH(QString, name);
        const QString pdf = f->path(name + QStringLiteral(".pdf"));
        const CommandResult r =
            run({QStringLiteral("report"), name, f->recipes, QStringLiteral("--data"), f->data,
                 QStringLiteral("--batch"), QStringLiteral("4"), QStringLiteral("--pdf"), pdf});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QLatin1String("written to")));
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    void currentRecipeOfTheBatch() {
        const QString pdf = f->path(QStringLiteral("batch5.pdf"));
        const CommandResult r = run({QStringLiteral("report"), QStringLiteral("Recipe"), f->recipes,
                                     QStringLiteral("--data"), f->data, QStringLiteral("--batch"),
                                     QStringLiteral("5"), QStringLiteral("--paper"),
                                     QStringLiteral("Letter"), QStringLiteral("--pdf"), pdf});
        QCOMPARE(r.status, 0);
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            const PdfText text = readPdf(pdf);
            QVERIFY(text.text.contains(QLatin1String("Golden Meadow Pilsner")));
            QVERIFY(!text.text.contains(QLatin1String("Ridgeline IPA")));
            QVERIFY(
                r.out.startsWith(QStringLiteral("Print Current Recipe: %1 page").arg(text.pages)));
        }
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString pdf = QStringLiteral("PDF");
        QTest::newRow("no name") << QStringList{"report"} << 2
                                 << QStringLiteral("report needs a NAME");
        QTest::newRow("unknown name") << QStringList{"report", "Beers", "R", "--pdf", pdf} << 2
                                      << QStringLiteral("there is no report \"Beers\"");
        QTest::newRow("no pdf") << QStringList{"report", "Hops", "--data", "D"} << 2
                                << QStringLiteral("report needs --pdf OUT.pdf");
        QTest::newRow("recipe without batch") << QStringList{"report", "Recipe", "R", "--pdf", pdf}
                                              << 2 << QStringLiteral("needs --batch N");
        QTest::newRow("batch not there")
            << QStringList{"report", "Recipe", "R", "--batch", "99", "--pdf", pdf} << 1
            << QStringLiteral("no recipe in");
        QTest::newRow("paper") << QStringList{"report",  "Hops", "--data", "D",
                                              "--paper", "A3",   "--pdf",  pdf}
                               << 2 << QStringLiteral("--paper is A4 or Letter");
        QTest::newRow("data report on the recipes")
            << QStringList{"report", "Hops", "--data", "R", "--pdf", pdf} << 1
            << QStringLiteral("The table Hops that the report reads is not in the database");
        QTest::newRow("no recipes") << QStringList{"report", "Recipes", "--data", "D", "--pdf", pdf}
                                    << 2 << QStringLiteral("needs the RECIPES database");
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        for (QString& a : arguments) {
            if (a == QLatin1String("R")) {
                a = f->recipes;
            } else if (a == QLatin1String("D")) {
                a = f->data;
            } else if (a == QLatin1String("PDF")) {
                a = f->path(QStringLiteral("refused.pdf"));
            }
        }
        const CommandResult r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(f->path(QStringLiteral("refused.pdf"))));
    }
};

MW_REGISTER_TEST(TestReportCommand)

}  // namespace mw::test

#include "tst_report_command.moc"
