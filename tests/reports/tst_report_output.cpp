// The twelve shipped reports rendered to PDF from the sample databases, and
// read back with the poppler tools as a reader of the file would see them.

#include <QFileInfo>
#include <QtTest>

#include "report_fixture.h"
#include "reports/report_failure.h"
#include "storage/database.h"
#include "support/test_registry.h"

using namespace mw::reports;

namespace mw::test {

class TestReportOutput : public QObject {
    Q_OBJECT

private:
    ReportFixture* f = nullptr;

    // Runs a shipped report to a PDF; the PDF's text, or a failed check.
    PdfText render(const QString& base, const QString& database, const QString& filter = {},
                   std::optional<PaperSize> paper = std::nullopt) {
        CReportEngine engine;
        [&] { QVERIFY(engine.Open()); }();
        CReportJob* job = f->open(engine, base, database);
        [&] { QVERIFY2(job != nullptr, qPrintable(engine.GetErrorText())); }();
        if (job == nullptr) {
            return {};
        }
        if (!filter.isEmpty()) {
            job->SetFilterFormula(filter);
        }
        job->setPaper(paper);
        const QString pdf = f->path(base + QStringLiteral(".pdf"));
        job->SetFileOutput(pdf);
        const bool ran = job->Run();
        [&] { QVERIFY2(ran, qPrintable(job->GetErrorText())); }();
        return readPdf(pdf);
    }

    qint32 recipeId(storage::Database& db, int batch) {
        return db
            .scalar(QStringLiteral("SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = ?"), {batch})
            .toInt();
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps.sh adds it");
        }
        f = new ReportFixture;
    }
    void cleanupTestCase() { delete f; }

    void everyShippedReport_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<bool>("fromData");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char* base, bool data, const char* filter, QStringList texts) {
            QTest::newRow(base) << QString::fromLatin1(base) << data << QString::fromLatin1(filter)
                                << texts;
        };
        row("Recipe", false, "{Recipes.RecipeBatchNo} = 6",
            {"Print Current Recipe", "Ridgeline IPA", "Target style", "Predictions", "Hops",
             "Grains", "Yeasts", "Mash", "Fermentation", "Page 1 of"});
        row("Recipes", false, "",
            {"List all Recipes", "Fireside Best Bitter", "Harbour Dry Stout", "Batch"});
        row("Styles", true, "",
            {"List all Styles", "American Light Lager", "Standard American Beer"});
        row("Kits", true, "", {"List all Kits", "Hearthstone Brewkits", "Best Bitter"});
        row("Extracts", true, "", {"List all Extracts", "Copperwick Extract Co.", "Syrup"});
        row("Grains", true, "",
            {"List all Grains", "American 2-Row Pale Malt", "Light Pale Malts"});
        row("Hops", true, "", {"List all Hops", "Admiral", "United Kingdom", "Good"});
        row("Yeasts", true, "", {"List all Yeasts", "Wyeast", "1007 German Ale", "Kölsch"});
        row("Waters", true, "", {"List all Waters", "Burton-on-Trent (UK)", "Very Hard"});
        row("Adjuncts", true, "", {"List all Adjuncts", "Corn Sugar (Dextrose)"});
        row("Glossary", true, "", {"List all Glossary Terms", "ABV (alcohol by volume)"});
        row("Suppliers", true, "", {"List all Suppliers", "Hops and More"});
    }
    void everyShippedReport() {
        QFETCH(QString, base);
        QFETCH(bool, fromData);
        QFETCH(QString, filter);
        QFETCH(QStringList, texts);
        QVERIFY(findReport(base) != nullptr);
        const PdfText pdf = render(base, fromData ? f->data : f->recipes, filter);
        QVERIFY(pdf.pages >= 1);
        QVERIFY2(pdf.text.contains(QStringLiteral("Page %1 of %1").arg(pdf.pages)),
                 "the last page is numbered as the last");
        for (const QString& t : texts) {
            QVERIFY2(pdf.text.contains(t), qPrintable(t));
        }
        // The letters are in the file, not only drawn: the font travels with it.
        QVERIFY2(pdf.fonts.contains(QLatin1String("DejaVu")), qPrintable(pdf.fonts));
    }

    void filterGivesExactlyTheCurrentRecipe() {
        const PdfText pdf = render(QStringLiteral("Recipe"), f->recipes,
                                   QStringLiteral("{Recipes.RecipeBatchNo} = 3"));
        QVERIFY(pdf.text.contains(QLatin1String("Velvet Sweet Stout")));
        for (const char* other :
             {"Fireside Best Bitter", "Backyard Pale Ale", "Old Oak Brown Ale",
              "Golden Meadow Pilsner", "Ridgeline IPA", "Summer Weissbier", "Harbour Dry Stout"}) {
            QVERIFY2(!pdf.text.contains(QLatin1String(other)), other);
        }
    }

    void withoutFilterEveryRecipeGetsItsPages() {
        const PdfText pdf = render(QStringLiteral("Recipe"), f->recipes);
        QVERIFY(pdf.pages >= 8);
        QVERIFY(pdf.text.contains(QLatin1String("Fireside Best Bitter")));
        QVERIFY(pdf.text.contains(QLatin1String("Harbour Dry Stout")));
    }

    void paperSizes_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("size");
        QTest::newRow("A4") << int(PaperSize::A4) << QStringLiteral("595");
        QTest::newRow("Letter") << int(PaperSize::Letter) << QStringLiteral("612 x 792");
    }
    void paperSizes() {
        QFETCH(int, paper);
        QFETCH(QString, size);
        render(QStringLiteral("Recipes"), f->recipes, {}, static_cast<PaperSize>(paper));
        const QString info =
            runTool(QStringLiteral("pdfinfo"), {f->path(QStringLiteral("Recipes.pdf"))});
        QVERIFY2(info.contains(size), qPrintable(info));
    }

    void longRecipeRunsOverPagesWithRepeatedHeadings() {
        const QString copy = f->path(QStringLiteral("long.mdb"));
        QVERIFY(QFile::copy(f->recipes, copy));
        {
            storage::Database db;
            db.open(copy);
            const qint32 id = recipeId(db, 6);
            storage::Transaction t(db);
            for (int i = 1; i <= 200; ++i) {
                db.exec(QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                                       "IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime) "
                                       "VALUES (?, ?, 5.5, 0.25, 'oz', ?)"),
                        {id, QStringLiteral("Hop number %1").arg(i), i % 90});
            }
            db.exec(QStringLiteral("UPDATE Recipes SET RecipeComments = ? WHERE RecipeID = ?"),
                    {QStringLiteral("A long comment that must wrap. ").repeated(400), id});
            t.commit();
        }
        const PdfText pdf =
            render(QStringLiteral("Recipe"), copy, QStringLiteral("{Recipes.RecipeBatchNo} = 6"));
        QVERIFY2(pdf.pages >= 5, qPrintable(QString::number(pdf.pages)));
        QVERIFY(pdf.text.contains(QLatin1String("Hops (continued)")));
        QVERIFY(pdf.text.contains(QLatin1String("Hop number 200")));
        QVERIFY(pdf.text.contains(QStringLiteral("Page %1 of %1").arg(pdf.pages)));
        // The column headings come back on every page the list runs over.
        QVERIFY(pdf.text.count(QLatin1String("Boil (min)")) >= 3);
        // The comment wraps inside the page: no line of the text is wider than the page.
        for (const QString& line : pdf.text.split(QLatin1Char('\n'))) {
            QVERIFY2(line.size() < 200, qPrintable(line));
        }
    }

    void lettersBeyondLatin() {
        const QString copy = f->path(QStringLiteral("letters.mdb"));
        QVERIFY(QFile::copy(f->recipes, copy));
        const QString name = QStringLiteral("Жигулёвское Ζύθος Žatec");
        {
            storage::Database db;
            db.open(copy);
            db.exec(QStringLiteral("UPDATE Recipes SET RecipeName = ? WHERE RecipeBatchNo = 2"),
                    {name});
        }
        const PdfText list = render(QStringLiteral("Recipes"), copy);
        // The name may wrap in its column; each word is there as it was written.
        for (const QString& word : name.split(QLatin1Char(' '))) {
            QVERIFY2(list.text.contains(word), qPrintable(word));
        }
        const PdfText one =
            render(QStringLiteral("Recipe"), copy, QStringLiteral("{Recipes.RecipeBatchNo} = 2"));
        QVERIFY(one.text.contains(name));
    }

    void emptyTableSaysSo() {
        const QString copy = f->path(QStringLiteral("empty.mdb"));
        QVERIFY(QFile::copy(f->data, copy));
        {
            storage::Database db;
            db.open(copy);
            db.exec(QStringLiteral("DELETE FROM Glossary"));
        }
        const PdfText pdf = render(QStringLiteral("Glossary"), copy);
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.text.contains(QLatin1String("There are no records to show.")));
        QVERIFY(pdf.text.contains(QLatin1String("Term")));
    }
};

MW_REGISTER_TEST(TestReportOutput)

}  // namespace mw::test

#include "tst_report_output.moc"
