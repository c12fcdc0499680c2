// Layouts and databases that cannot make a report: each ends in the
// engine's error code and a text that says what is wrong, and no PDF.

#include <QFileInfo>
#include <QtTest>

#include "report_fixture.h"
#include "reports/report_failure.h"
#include "storage/database.h"
#include "support/test_registry.h"

using namespace mw::reports;

namespace mw::test {

class TestReportFailures : public QObject {
    Q_OBJECT

private:
    ReportFixture* f = nullptr;

    QByteArray shipped(const QString& base) {
        QFile file(reportPath(shippedLayouts(), base));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { f = new ReportFixture; }
    void cleanupTestCase() { delete f; }

    // A layout file that cannot be opened as a job: the engine keeps the error.
    void layoutRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QByteArray hops = shipped(QStringLiteral("Hops"));
        QTest::newRow("truncated") << hops.left(hops.size() / 2) << int(error::kLayoutDamaged)
                                   << QStringLiteral("is damaged at line");
        QTest::newRow("hand-damaged")
            << QByteArray(hops).replace("number 1", "numbr 1") << int(error::kLayoutDamaged)
            << QStringLiteral("\"numbr\" is not a format");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)
                                << int(error::kNotALayout)
                                << QStringLiteral("is not a report layout of Maltwise Calculator");
        QTest::newRow("empty") << QByteArray() << int(error::kNotALayout)
                               << QStringLiteral("is not a report layout");
        QTest::newRow("later version")
            << QByteArray(hops).replace("maltwise-report 1", "maltwise-report 3")
            << int(error::kLayoutVersion)
            << QStringLiteral(
                   "is of version 3; this program reads "
                   "report layouts of version 1");
    }
    void layoutRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, text);
        const QString path = f->write(QStringLiteral("bad.rpt"), bytes);
        CReportEngine engine;
        QVERIFY(engine.Open());
        QCOMPARE(engine.OpenJob(path), nullptr);
        QCOMPARE(engine.GetErrorCode(), code);
        QVERIFY2(engine.GetErrorText().contains(text), qPrintable(engine.GetErrorText()));
        QVERIFY(engine.GetErrorText().contains(QLatin1String("bad.rpt")));
        QCOMPARE(engine.GetJobCount(), 0);
    }

    void missingLayout() {
        CReportEngine engine;
        QVERIFY(engine.Open());
        QCOMPARE(engine.OpenJob(f->path(QStringLiteral("Nowhere.rpt"))), nullptr);
        QCOMPARE(engine.GetErrorCode(), error::kLayoutMissing);
        QVERIFY(engine.GetErrorText().endsWith(QLatin1String("Nowhere.rpt was not found.")));
    }

    // A job that opened but cannot run: the job keeps the error, no PDF is left.
    void runRefused_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("column not in the table")
            << QStringLiteral("NoColumn") << QStringLiteral("data") << QStringLiteral("out.pdf")
            << int(error::kColumnMissing)
            << QStringLiteral(
                   "The column HopsBitterness that the report reads is not in the table Hops");
        QTest::newRow("table not in the database")
            << QStringLiteral("Hops") << QStringLiteral("recipes") << QStringLiteral("out.pdf")
            << int(error::kTableMissing)
            << QStringLiteral("The table Hops that the report reads is not in the database");
        QTest::newRow("database missing")
            << QStringLiteral("Hops") << QStringLiteral("gone.mdb") << QStringLiteral("out.pdf")
            << int(error::kDatabaseUnopened) << QStringLiteral("The report's database");
        QTest::newRow("database damaged")
            << QStringLiteral("Hops") << QStringLiteral("garbage.mdb") << QStringLiteral("out.pdf")
            << int(error::kDatabaseUnopened) << QStringLiteral("could not be opened");
        QTest::newRow("no location")
            << QStringLiteral("Hops") << QString() << QStringLiteral("out.pdf")
            << int(error::kDatabaseUnopened) << QStringLiteral("no database file is named");
        QTest::newRow("PDF folder missing")
            << QStringLiteral("Hops") << QStringLiteral("data") << QStringLiteral("no/such/out.pdf")
            << int(error::kOutputUnwritable) << QStringLiteral("could not be written");
    }
    void runRefused() {
        QFETCH(QString, layout);
        QFETCH(QString, database);
        QFETCH(QString, pdf);
        QFETCH(int, code);
        QFETCH(QString, text);
        QByteArray hops = shipped(QStringLiteral("Hops"));
        f->write(QStringLiteral("NoColumn.rpt"),
                 hops.replace("column HopsOrigin", "column HopsBitterness"));
        f->write(QStringLiteral("garbage.mdb"), QByteArray(4096, 'x'));
        const QString folder =
            layout == QLatin1String("NoColumn") ? f->dir.path() : shippedLayouts();
        const QString location = database == QLatin1String("data")      ? f->data
                                 : database == QLatin1String("recipes") ? f->recipes
                                 : database.isEmpty()                   ? QString()
                                                                        : f->path(database);
        CReportEngine engine;
        QVERIFY(engine.Open());
        CReportJob* job = f->open(engine, layout, location, folder);
        QVERIFY(job != nullptr);
        const QString out = f->path(pdf);
        QFile::remove(out);
        job->SetFileOutput(out);
        QVERIFY(!job->Run());
        QCOMPARE(job->GetErrorCode(), code);
        QVERIFY2(job->GetErrorText().contains(text), qPrintable(job->GetErrorText()));
        QVERIFY(!QFileInfo::exists(out));
    }

    void filterFormulas_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("understood");
        QTest::newRow("batch") << QStringLiteral("{Recipes.RecipeBatchNo} = 12") << true;
        QTest::newRow("blanks") << QStringLiteral("  { Recipes.RecipeBatchNo }=12 ") << true;
        QTest::newRow("text") << QStringLiteral("{Recipes.RecipeName} = \"Stout\"") << true;
        QTest::newRow("none") << QString() << true;
        QTest::newRow("other table") << QStringLiteral("{Hops.HopsName} = 1") << false;
        QTest::newRow("no value") << QStringLiteral("{Recipes.RecipeBatchNo} =") << false;
        QTest::newRow("other comparison") << QStringLiteral("{Recipes.RecipeBatchNo} > 3") << false;
        QTest::newRow("injection")
            << QStringLiteral("{Recipes.RecipeBatchNo} = 1; DROP TABLE Recipes") << false;
    }
    void filterFormulas() {
        QFETCH(QString, formula);
        QFETCH(bool, understood);
        CReportEngine engine;
        QVERIFY(engine.Open());
        CReportJob* job = f->open(engine, QStringLiteral("Recipe"), f->recipes);
        QVERIFY(job != nullptr);
        QCOMPARE(job->SetFilterFormula(formula), understood);
        if (!understood) {
            QCOMPARE(job->GetErrorCode(), error::kFilterNotUnderstood);
        }
    }

    // Subreports sit in the detail sections 4025, 4050, ...; their table
    // locations are their own.
    void subreportsBySection() {
        CReportEngine engine;
        QVERIFY(engine.Open());
        CReportJob* job = engine.OpenJob(reportPath(shippedLayouts(), QStringLiteral("Recipe")));
        QVERIFY(job != nullptr);
        QStringList names;
        for (int i = 1; i <= 12; ++i) {
            if (const auto info = job->GetSubreportInfo(job->GetSubreport(4000 + 25 * i, 0))) {
                names << info->name;
            }
        }
        QCOMPARE(names,
                 (QStringList{"Kits", "Malt Extracts", "Grains", "Adjuncts", "Hops", "Yeasts"}));
        QCOMPARE(job->GetSubreport(4010, 0), 0);
        CReportJob* hops = job->OpenSubreport(QStringLiteral("Hops"));
        QVERIFY(hops != nullptr);
        QCOMPARE(job->subreportJobCount(), 1);
        hops->SetTableLocation(0, TableLocation{QStringLiteral("/x/y.mdb"), {}, {}});
        job->CloseSubreport(hops);
        QCOMPARE(job->subreportJobCount(), 0);
        QCOMPARE(job->OpenSubreport(QStringLiteral("Hops"))->GetTableLocation(0).location,
                 QStringLiteral("/x/y.mdb"));
        QCOMPARE(job->GetTableLocation(0).location, QString());
        QCOMPARE(job->OpenSubreport(QStringLiteral("Water")), nullptr);
        QCOMPARE(job->GetErrorCode(), error::kNoSuchSubreport);
        engine.Close();
        QCOMPARE(engine.GetJobCount(), 0);
    }
};

MW_REGISTER_TEST(TestReportFailures)

}  // namespace mw::test

#include "tst_report_failures.moc"
