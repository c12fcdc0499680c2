#include <QFile>
#include <QtTest>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_import.h"
#include "beerxml_fixture.h"
#include "support/test_registry.h"

using namespace mw;
using mw::test::beerXmlData;

namespace {

// A file of `count` small recipes; the last one's grain weighs `lastAmount`.
void writeManyRecipes(const QString& path, int count, const char* lastAmount) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RECIPES>\n");
    for (int i = 1; i <= count; ++i) {
        file.write(
            QStringLiteral("<RECIPE><NAME>Recipe %1</NAME><VERSION>1</VERSION><TYPE>All Grain"
                           "</TYPE><BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE>"
                           "<BOIL_TIME>60</BOIL_TIME><EFFICIENCY>75</EFFICIENCY>"
                           "<FERMENTABLES><FERMENTABLE><NAME>Pale</NAME><VERSION>1</VERSION>"
                           "<TYPE>Grain</TYPE><AMOUNT>%2</AMOUNT><YIELD>80</YIELD><COLOR>3"
                           "</COLOR></FERMENTABLE></FERMENTABLES><HOPS><HOP><NAME>Hop</NAME>"
                           "<VERSION>1</VERSION><ALPHA>5</ALPHA><AMOUNT>0.03</AMOUNT><USE>Boil"
                           "</USE><TIME>60</TIME></HOP></HOPS></RECIPE>\n")
                .arg(i)
                .arg(i == count ? QString::fromLatin1(lastAmount) : QStringLiteral("4.5"))
                .toUtf8());
    }
    file.write("</RECIPES>\n");
}

}  // namespace

// Files that cannot be imported as they stand: a clear message naming the
// file (and the line, where there is one), and nothing of the file in the
// recipe database.
class TestBeerXmlBadInput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_samples;

    // Imports a file that must be refused; returns the refusal.
    static beerxml::BeerXmlError refusal(storage::Database& db, const QString& file) {
        try {
            beerxml::importBeerXml(db, file);
        } catch (const beerxml::BeerXmlError& e) {
            return e;
        }
        return beerxml::BeerXmlError(0, {});
    }

private slots:
    void refusedWithNothingImported_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("line");  // 0: the message names no line
        QTest::addColumn<QString>("detail");

        QTest::newRow("not XML") << "not_xml.txt" << 1351 << 1 << "";
        QTest::newRow("truncated")
            << "truncated.xml" << 1351 << 24 << "the file ends before its last element is closed";
        QTest::newRow("broken half-way")
            << "broken_halfway.xml" << 1353 << 24 << "has a negative AMOUNT (-3)";
        QTest::newRow("no recipe") << "zero_recipes.xml" << 1352 << 0 << "holds no RECIPE";
        QTest::newRow("hop without name")
            << "missing_name.xml" << 1353 << 11 << "RECIPE 'Nameless Hop Ale' / HOP has no NAME.";
        QTest::newRow("recipe without name")
            << "missing_recipe_name.xml" << 1353 << 3 << "RECIPE has no NAME.";
        QTest::newRow("entity expansion") << "entity_expansion.xml" << 1354 << 0 << "";
        QTest::newRow("external entity") << "external_entity.xml" << 1354 << 0 << "";
        QTest::newRow("undeclared entity") << "undeclared_entity.xml" << 1351 << 3 << "eacute";
        QTest::newRow("wrong encoding") << "wrong_encoding.xml" << 1357 << 4 << "UTF-8";
        QTest::newRow("unknown unit")
            << "unknown_unit.xml" << 1353 << 7 << "the BATCH_SIZE \"5 barrels\" is in a unit";
        QTest::newRow("unknown type")
            << "unknown_type.xml" << 1353 << 8 << "the TYPE \"Nectar\" is none of";
        QTest::newRow("not BeerXML") << "not_beerxml.xml" << 1356 << 2 << "element html";
        QTest::newRow("missing file") << "no_such_file.xml" << 1350 << 0 << "";
    }
    void refusedWithNothingImported() {
        QFETCH(QString, file);
        QFETCH(int, message);
        QFETCH(int, line);
        QFETCH(QString, detail);
        if (m_samples.isEmpty()) {
            m_samples = test::sampleRecipeDatabase(m_dir, QStringLiteral("samples.mdb"));
        }
        const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".mdb"));
        QVERIFY(QFile::copy(m_samples, path));
        storage::Database db;
        db.open(path);
        const int hops = test::rowCount(db, "Ingredients_Hops");

        const beerxml::BeerXmlError e = refusal(db, beerXmlData(file));
        QCOMPARE(e.message(), message);
        const QString text = e.text();
        QVERIFY2(text.contains(beerXmlData(file)), qPrintable(text));
        if (line > 0) {
            QVERIFY2(text.contains(QStringLiteral("line %1").arg(line)), qPrintable(text));
        }
        QVERIFY2(text.contains(detail), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Nothing was imported")) ||
                text.contains(QLatin1String("nothing was imported")) || message == 1350);
        QCOMPARE(test::rowCount(db, "Recipes"), 8);
        QCOMPARE(test::rowCount(db, "Ingredients_Hops"), hops);
        QCOMPARE(db.transactionDepth(), 0);
    }

    // Entities are refused before any is expanded: the file's text never
    // reaches a recipe.
    void entitiesNeverReachARecipe() {
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("entities.mdb"));
        storage::Database db;
        db.open(path);
        refusal(db, beerXmlData("external_entity.xml"));
        refusal(db, beerXmlData("entity_expansion.xml"));
        QCOMPARE(test::rowCount(db, "Recipes"), 0);
    }

    // Ten thousand recipes import in one go; the same file with its very last
    // amount negative imports nothing.
    void hugeFiles() {
        const QString good = m_dir.filePath(QStringLiteral("many.xml"));
        const QString bad = m_dir.filePath(QStringLiteral("many_bad.xml"));
        writeManyRecipes(good, 10000, "4.5");
        writeManyRecipes(bad, 10000, "-4.5");
        const QString path = test::freshRecipeDatabase(m_dir, QStringLiteral("many.mdb"));
        storage::Database db;
        db.open(path);

        const beerxml::BeerXmlError e = refusal(db, bad);
        QCOMPARE(e.message(), 1353);
        QVERIFY(
            e.text().contains("RECIPE 'Recipe 10000' / FERMENTABLE 'Pale' has a negative AMOUNT"));
        QCOMPARE(test::rowCount(db, "Recipes"), 0);
        QCOMPARE(test::rowCount(db, "Ingredients_Grains"), 0);

        const auto result = beerxml::importBeerXml(db, good);
        QCOMPARE(result.recipes.size(), std::size_t(10000));
        QCOMPARE(result.recipes.back().batchNumber, 10000);
        QCOMPARE(test::rowCount(db, "Recipes"), 10000);
        QCOMPARE(test::rowCount(db, "Ingredients_Hops"), 10000);
    }
};

static test::RegisterTest<TestBeerXmlBadInput> registerBadInput;

#include "tst_beerxml_bad_input.moc"
