#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include "expected_schema.h"
#include "storage/dao_exception.h"
#include "storage/ingredient_queries.h"
#include "storage/schema.h"
#include "storage_fixture.h"
#include "support/test_registry.h"

using namespace mw;
using storage::Database;

namespace {

QString typeName(const QString& declared, bool primaryKey) {
    if (primaryKey) {
        return QStringLiteral("Long");  // the identifier the database assigns
    }
    const QString d = declared.section(QLatin1Char(' '), 0, 0).toUpper();
    if (d == QLatin1String("LONG"))
        return QStringLiteral("Long");
    if (d == QLatin1String("SHORT"))
        return QStringLiteral("Short");
    if (d == QLatin1String("DOUBLE"))
        return QStringLiteral("Double");
    if (d == QLatin1String("TEXT"))
        return QStringLiteral("Text");
    if (d == QLatin1String("BOOL"))
        return QStringLiteral("Bool");
    if (d == QLatin1String("DATETIME"))
        return QStringLiteral("DateTime");
    return QStringLiteral("?") + declared;
}

QString columnsOf(Database& db, const QString& table) {
    QSqlQuery info = db.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    QStringList columns;
    while (info.next()) {
        columns << info.value(1).toString() + QLatin1Char(':') +
                       typeName(info.value(2).toString(), info.value(5).toInt() > 0);
    }
    return columns.join(QLatin1Char(' '));
}

QStringList names(Database& db, const QString& type) {
    QSqlQuery q =
        db.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = ? AND name NOT LIKE "
                               "'sqlite_%' ORDER BY rowid"),
                {type});
    QStringList out;
    while (q.next()) {
        out << q.value(0).toString();
    }
    return out;
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void tablesAndColumnsAsDocumented_data() {
        QTest::addColumn<bool>("recipe");
        QTest::newRow("recipe database") << true;
        QTest::newRow("data database") << false;
    }
    void tablesAndColumnsAsDocumented() {
        QFETCH(bool, recipe);
        test::StorageFixture f;
        const QString path = recipe ? f.newRecipeDatabase() : f.newDataDatabase();
        Database db;
        db.open(path);
        const auto& expected = recipe ? test::expectedRecipeTables() : test::expectedDataTables();
        QStringList tables = names(db, QStringLiteral("table"));
        // The marker names the file's kind and comes first.
        QCOMPARE(tables.takeFirst(),
                 recipe ? QStringLiteral("A_Recipes") : QStringLiteral("A_Data"));
        if (recipe) {
            QCOMPARE(tables.takeLast(), QStringLiteral("SavedQueries"));
        }
        QCOMPARE(tables.size(), qsizetype(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(tables[static_cast<qsizetype>(i)], expected[i].first);
            QCOMPARE(columnsOf(db, expected[i].first), expected[i].second);
        }
    }

    void indexesAsNamed() {
        test::StorageFixture f;
        Database recipe;
        recipe.open(f.newRecipeDatabase());
        QStringList recipeIndexes = names(recipe, QStringLiteral("index"));
        recipeIndexes.sort();
        QCOMPARE(recipeIndexes, (QStringList{"IndexIngAdjunctsRecipeID", "IndexIngExtractsRecipeID",
                                             "IndexIngGrainsRecipeID", "IndexIngHopsRecipeID",
                                             "IndexIngHopsTime", "IndexIngKitsRecipeID",
                                             "IndexIngYeastsRecipeID", "IndexRecipeBatchNo"}));
        QCOMPARE(recipe
                     .scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = "
                                            "'IndexRecipeBatchNo'"))
                     .toString()
                     .startsWith(QLatin1String("CREATE UNIQUE INDEX")),
                 true);
        Database data;
        data.open(f.newDataDatabase());
        QCOMPARE(
            names(data, QStringLiteral("index")),
            (QStringList{"IndexHopsNameAlpha", "IndexGrainsCategoryName", "IndexExtractsManufName",
                         "IndexYeastManufStrain", "IndexAdjunctsName", "IndexKitsManufStyle",
                         "IndexStylesNameCatSubcat", "IndexWaterType", "IndexSuppliersName",
                         "IndexGlossaryTerm", "IndexBrewerName", "IndexBoilIndexOG"}));
        QSqlQuery keys =
            data.exec(QStringLiteral("PRAGMA index_info(\"IndexStylesNameCatSubcat\")"));
        QStringList columns;
        while (keys.next()) {
            columns << keys.value(2).toString();
        }
        QCOMPARE(columns, (QStringList{"StylesName", "StylesCategory", "StylesSubcategory"}));
    }

    void savedQueries() {
        test::StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        QCOMPARE(
            names(db, QStringLiteral("view")),
            (QStringList{"Recipes Log Query - By Batch Number", "Recipes Max Batch Number Query"}));
        QSqlQuery log =
            db.exec(QStringLiteral("SELECT * FROM \"Recipes Log Query - By Batch Number\""));
        QStringList logColumns;
        for (int i = 0; i < log.record().count(); ++i) {
            logColumns << log.record().fieldName(i);
        }
        QCOMPARE(logColumns, (QStringList{"RecipeBatchNo", "RecipeDateBrewed", "RecipeName",
                                          "RecipeTargetCategory", "RecipeTargetStyle",
                                          "RecipeTargetSubcategory", "RecipeID"}));
        QSqlQuery max = db.exec(QStringLiteral("SELECT * FROM \"Recipes Max Batch Number Query\""));
        QCOMPARE(max.record().fieldName(0), QStringLiteral("Max Of RecipeBatchNo"));

        QSqlQuery stored =
            db.exec(QStringLiteral("SELECT QueryName, QueryParameters FROM SavedQueries ORDER BY "
                                   "QueryName"));
        QStringList queries;
        while (stored.next()) {
            queries << stored.value(0).toString();
            QCOMPARE(stored.value(1).toString(), QStringLiteral("RecipeID Needed"));
        }
        QCOMPARE(queries, (QStringList{"RecipeIngredients_Adjuncts", "RecipeIngredients_Extracts",
                                       "RecipeIngredients_Grains", "RecipeIngredients_Hops",
                                       "RecipeIngredients_Kits", "RecipeIngredients_Yeasts"}));
    }

    // Every ingredient query ends with IngRecipeID (then the row's identifier).
    void ingredientQueriesEndWithTheRecipe() {
        for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
            QCOMPARE(q.columns.last(), QStringLiteral("IngRecipeID"));
            QCOMPARE(q.columns.size(), qsizetype(calc::columnCount(q.sheet)));
        }
    }

    // A failed creation leaves no file behind, and an existing file is never
    // overwritten.
    void creationNeverOverwrites() {
        test::StorageFixture f;
        const QString path = f.path(QStringLiteral("keep.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("brewer's notes");
        file.close();
        QVERIFY_THROWS_EXCEPTION(storage::DaoException,
                                 storage::createDatabase(path, storage::DatabaseKind::Recipe));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("brewer's notes"));
    }
};

MW_REGISTER_TEST(TestSchema)
#include "tst_schema.moc"
