#include <QBuffer>
#include <QHash>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_import.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/ingredient_queries.h"
#include "storage/ingredient_store.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "support/test_registry.h"

using namespace mw;

namespace {

const QString kNul = QStringLiteral("Hop") + QChar(u'\0') + QStringLiteral("stand");

// Texts that would do harm if any of them reached SQL as text.
void addHostileTexts() {
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QStringLiteral("O'Brien's \"Best\" Bitter; `ale` [x] %1 ?");
    QTest::newRow("statement") << QStringLiteral("'; DROP TABLE Recipes; --");
    QTest::newRow("double-quoted statement")
        << QStringLiteral("\"); DELETE FROM Recipes WHERE (\"1\"=\"1");
    // 526 pieces of 19 UTF-16 units and six more: exactly 10,000.
    const QString longText =
        QStringLiteral("Märzen 'o\"k' 🍺 %2 ").repeated(526) + QStringLiteral("Ale!!!");
    QTest::newRow("10,000 characters") << longText;
    QVERIFY(longText.size() == 10000);
    QTest::newRow("embedded NUL") << kNul;
}

// The text columns of a record object, by column name.
QStringList textColumns(const storage::Recordset& record) {
    QStringList columns;
    for (const storage::FieldBinding& f : record.fields()) {
        if (f.type == storage::FieldType::Text) {
            columns << f.column;
        }
    }
    return columns;
}

void setTexts(storage::Recordset& record, const QString& text) {
    for (const storage::FieldBinding& f : record.fields()) {
        if (f.type == storage::FieldType::Text) {
            *static_cast<QString*>(f.member) = text;
        }
    }
}

// Every text column of the current row that does not read `text`.
QStringList textsDiffering(const storage::Recordset& record, const QString& text) {
    QStringList wrong;
    for (const storage::FieldBinding& f : record.fields()) {
        if (f.type == storage::FieldType::Text && *static_cast<QString*>(f.member) != text) {
            wrong << record.sourceName() + QLatin1Char('.') + f.column;
        }
    }
    return wrong;
}

// The file still has every table and column, and the engine finds it sound.
void verifyIntact(const QString& path, storage::DatabaseKind kind) {
    storage::Database db;
    db.open(path);
    storage::verifyDatabase(db, kind);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// One record object on `db` for every reference table.
std::vector<std::unique_ptr<storage::Recordset>> referenceRecords(storage::Database* db) {
    std::vector<std::unique_ptr<storage::Recordset>> records;
    records.push_back(std::make_unique<storage::CRecordSetHops>(db));
    records.push_back(std::make_unique<storage::CRecordSetGrains>(db));
    records.push_back(std::make_unique<storage::CRecordSetExtracts>(db));
    records.push_back(std::make_unique<storage::CRecordSetYeast>(db));
    records.push_back(std::make_unique<storage::CRecordSetAdjuncts>(db));
    records.push_back(std::make_unique<storage::CRecordSetKits>(db));
    records.push_back(std::make_unique<storage::CRecordSetStyles>(db));
    records.push_back(std::make_unique<storage::CRecordSetWater>(db));
    records.push_back(std::make_unique<storage::CRecordSetSuppliers>(db));
    records.push_back(std::make_unique<storage::CRecordSetGlossary>(db));
    records.push_back(std::make_unique<storage::CRecordSetBrewer>(db));
    records.push_back(std::make_unique<storage::CRecordSetHopsUtilization>(db));
    return records;
}

QString xmlEscaped(const QString& text) {
    QString out = text.toHtmlEscaped();
    out.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    out.replace(QChar(u'\0'), QLatin1String("&#0;"));
    return out;
}

}  // namespace

// Names with quotes, statements, NUL characters and 10,000 characters go
// through every way the program writes them, and come back exactly after the
// file is opened again; the schema stays whole. Values always reach SQL as
// bound parameters, so no text is ever read as SQL.
class TestHostileTexts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_file = 0;

    QString freshPath(const char* stem) {
        return m_dir.filePath(QStringLiteral("%1-%2.mdb").arg(QLatin1String(stem)).arg(++m_file));
    }

private slots:
    // A recipe saved as the form saves it: the record edited and updated,
    // an ingredient row added on every sheet, one transaction committed.
    void aRecipeAndItsIngredientRowsKeepEveryText_data() { addHostileTexts(); }
    void aRecipeAndItsIngredientRowsKeepEveryText() {
        QFETCH(QString, text);
        const QString path = freshPath("recipes");
        storage::createSampleRecipeDatabase(path);
        // The text columns of each ingredient table.
        QHash<QString, QStringList> texts;
        for (const auto& table : storage::tableRecords(storage::DatabaseKind::Recipe)) {
            texts.insert(table->sourceName(), textColumns(*table));
        }
        qint32 recipeId = 0;
        {
            storage::Database db;
            db.open(path);
            storage::CRecordSetRecipe recipe(&db);
            recipe.open();
            storage::Transaction transaction(db);
            recipe.edit();
            setTexts(recipe, text);
            recipe.update();
            recipeId = recipe.m_RecipeID;
            storage::IngredientStore store(db);
            for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
                QStringList cells;
                for (const QString& column : q.columns) {
                    cells << (column == QLatin1String("IngRecipeID")  ? QString::number(recipeId)
                              : texts.value(q.table).contains(column) ? text
                                                                      : QStringLiteral("1"));
                }
                store.insertRow(q.sheet, cells);
            }
            transaction.commit();
        }
        verifyIntact(path, storage::DatabaseKind::Recipe);

        storage::Database db;
        db.open(path);
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        QCOMPARE(recipe.recordCount(), 8L);
        recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        QVERIFY(recipe.seek(QStringLiteral("="), {1}));
        QCOMPARE(recipe.m_RecipeID, recipeId);
        QCOMPARE(textsDiffering(recipe, text), QStringList());
        storage::IngredientStore store(db);
        for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
            const storage::SheetRows rows = store.load(q.sheet, recipeId);
            QVERIFY(!rows.cells.empty());
            const QStringList& added = rows.cells.back();
            for (int c = 0; c < q.columns.size(); ++c) {
                if (texts.value(q.table).contains(q.columns[c])) {
                    QVERIFY2(added.value(c) == text, qPrintable(q.table + '.' + q.columns[c]));
                }
            }
        }
    }

    // Every reference table written through its record class, as the
    // reference dialogs write it.
    void everyReferenceTableKeepsEveryText_data() { addHostileTexts(); }
    void everyReferenceTableKeepsEveryText() {
        QFETCH(QString, text);
        const QString path = freshPath("data");
        storage::createDatabase(path, storage::DatabaseKind::Data);
        {
            storage::Database db;
            db.open(path);
            const auto records = referenceRecords(&db);
            QCOMPARE(records.size(), storage::tableRecords(storage::DatabaseKind::Data).size());
            storage::Transaction transaction(db);
            for (const auto& record : records) {
                record->open();
                record->addNew();
                setTexts(*record, text);
                record->update();
            }
            transaction.commit();
        }
        verifyIntact(path, storage::DatabaseKind::Data);

        storage::Database db;
        db.open(path);
        for (const auto& record : referenceRecords(&db)) {
            record->open();
            QCOMPARE(record->recordCount(), 1L);
            QCOMPARE(textsDiffering(*record, text), QStringList());
        }
    }

    // A BeerXML file: names and notes arrive as they stood in the file. XML
    // cannot carry a NUL character at all, so such a file is refused whole
    // with the reason and the recipes stay as they were.
    void beerXmlImportKeepsEveryText_data() { addHostileTexts(); }
    void beerXmlImportKeepsEveryText() {
        QFETCH(QString, text);
        const QString path = freshPath("imported");
        storage::createSampleRecipeDatabase(path);
        const QString escaped = xmlEscaped(text);
        QByteArray xml = QStringLiteral(
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RECIPES><RECIPE>"
                             "<NAME>%1</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE>"
                             "<BREWER>%1</BREWER><NOTES>%1</NOTES>"
                             "<BATCH_SIZE>19</BATCH_SIZE><BOIL_SIZE>23</BOIL_SIZE>"
                             "<BOIL_TIME>60</BOIL_TIME><HOPS><HOP><NAME>%1</NAME><VERSION>1"
                             "</VERSION><ALPHA>5</ALPHA><AMOUNT>0.028</AMOUNT><USE>Boil</USE>"
                             "<TIME>60</TIME></HOP></HOPS><FERMENTABLES/><MISCS/><YEASTS/>"
                             "<WATERS/></RECIPE></RECIPES>\n")
                             .arg(escaped)
                             .toUtf8();
        QBuffer file(&xml);
        QVERIFY(file.open(QIODevice::ReadOnly));
        storage::Database db;
        db.open(path);
        if (text.contains(QChar(u'\0'))) {
            try {
                beerxml::importBeerXml(db, file, QStringLiteral("hostile.xml"));
                QFAIL("a file with a NUL character was imported");
            } catch (const beerxml::BeerXmlError& refused) {
                QVERIFY2(refused.text().contains(QLatin1String("hostile.xml")),
                         qPrintable(refused.text()));
            }
            QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 8);
            return;
        }
        const beerxml::ImportResult result =
            beerxml::importBeerXml(db, file, QStringLiteral("hostile.xml"));
        QCOMPARE(result.recipes.size(), std::size_t{1});
        const qint32 batch = result.recipes.front().batchNumber;
        db.close();
        verifyIntact(path, storage::DatabaseKind::Recipe);

        db.open(path);
        QSqlQuery recipe = db.exec(QStringLiteral("SELECT RecipeName, RecipeBrewer, "
                                                  "RecipeComments, RecipeID FROM Recipes WHERE "
                                                  "RecipeBatchNo = ?"),
                                   {batch});
        QVERIFY(recipe.next());
        QCOMPARE(recipe.value(0).toString(), text);
        QCOMPARE(recipe.value(1).toString(), text);
        QCOMPARE(recipe.value(2).toString(), text);
        QCOMPARE(db.scalar(QStringLiteral("SELECT IngHopsName FROM Ingredients_Hops WHERE "
                                          "IngRecipeID = ?"),
                           {recipe.value(3)})
                     .toString(),
                 text);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 9);
    }

    // Settings values (paths, tool names) are kept exactly, and a file that
    // holds them reads them back the same in the next session.
    void settingsKeepEveryText_data() { addHostileTexts(); }
    void settingsKeepEveryText() {
        QFETCH(QString, text);
        const QString ini = m_dir.filePath(QStringLiteral("settings-%1.ini").arg(++m_file));
        const std::vector<storage::Setting> keys{
            storage::Setting::DefaultRecipeFile, storage::Setting::DefaultDataFile,
            storage::Setting::NameTool1,         storage::Setting::PathTool2,
            storage::Setting::SelectedReport,    storage::Setting::MSInfoPath};
        {
            storage::Settings settings(std::make_unique<QSettings>(ini, QSettings::IniFormat));
            for (storage::Setting key : keys) {
                settings.setString(key, text);
            }
        }
        storage::Settings reread(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        for (storage::Setting key : keys) {
            QCOMPARE(reread.string(key), text);
        }
    }
};

MW_REGISTER_TEST(TestHostileTexts)
#include "tst_hostile_texts.moc"
