#include "storage/schema.h"

#include <QFile>
#include <QSqlQuery>
#include <optional>

#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/ingredient_queries.h"
#include "storage/recipe_records.h"
#include "storage/sql_names.h"

namespace mw::storage {

namespace {

QString columnType(const FieldBinding& field) {
    if (field.identity) {
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    switch (field.type) {
        case FieldType::Long:
            return QStringLiteral("LONG");
        case FieldType::Short:
            return QStringLiteral("SHORT");
        case FieldType::Double:
            return QStringLiteral("DOUBLE");
        // Text compares without regard to case, as brewers expect names to sort.
        case FieldType::Text:
            return QStringLiteral("TEXT COLLATE NOCASE");
        case FieldType::Bool:
            return QStringLiteral("BOOL");
        case FieldType::DateTime:
            return QStringLiteral("DATETIME");
    }
    return QStringLiteral("TEXT");
}

void createTable(Database& database, const Recordset& record) {
    QStringList columns;
    for (const FieldBinding& field : record.fields()) {
        columns << quoted(field.column) + QLatin1Char(' ') + columnType(field);
    }
    database.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(quoted(record.sourceName()), columns.join(QStringLiteral(", "))));
}

void createRecipeQueries(Database& database) {
    database.exec(QStringLiteral(
        "CREATE VIEW \"Recipes Log Query - By Batch Number\" AS SELECT RecipeBatchNo, "
        "RecipeDateBrewed, RecipeName, RecipeTargetCategory, RecipeTargetStyle, "
        "RecipeTargetSubcategory, RecipeID FROM Recipes ORDER BY RecipeBatchNo"));
    database.exec(QStringLiteral(
        "CREATE VIEW \"Recipes Max Batch Number Query\" AS SELECT Max(RecipeBatchNo) AS "
        "\"Max Of RecipeBatchNo\" FROM Recipes"));
    database.exec(QStringLiteral("CREATE TABLE %1 (QueryName TEXT PRIMARY KEY, QuerySql TEXT NOT "
                                 "NULL, QueryParameters TEXT)")
                      .arg(quoted(kSavedQueriesTable)));
    for (const IngredientQuery& query : ingredientQueries()) {
        database.exec(QStringLiteral("INSERT INTO %1 (QueryName, QuerySql, QueryParameters) "
                                     "VALUES (?, ?, ?)")
                          .arg(quoted(kSavedQueriesTable)),
                      {query.queryName, ingredientQuerySql(query), kRecipeIdParameter});
    }
}

const QString kDamageAdvice = QStringLiteral(
    "The file is damaged or was changed by another program; open a backup copy of it instead.");

DaoException missingSource(const QString& what, const QString& name, const QString& path) {
    return DaoException(DaoError::TableNotFound, QStringLiteral("The %1 '%2' is missing from the "
                                                                "database '%3'. %4")
                                                     .arg(what, name, path, kDamageAdvice));
}

// The columns of a table or view, or nothing when the file has no such one.
std::optional<QStringList> columnsOf(Database& database, const QString& source) {
    const QVariant found = database.scalar(
        QStringLiteral("SELECT name FROM sqlite_master WHERE name = ? COLLATE NOCASE AND type IN "
                       "('table', 'view')"),
        {source});
    if (found.isNull()) {
        return std::nullopt;
    }
    QSqlQuery info = database.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(source)));
    QStringList columns;
    while (info.next()) {
        columns << info.value(1).toString();
    }
    return columns;
}

void requireColumns(Database& database, const QString& what, const QString& source,
                    const QStringList& columns) {
    const std::optional<QStringList> present = columnsOf(database, source);
    if (!present) {
        throw missingSource(what, source, database.path());
    }
    for (const QString& column : columns) {
        if (!present->contains(column, Qt::CaseInsensitive)) {
            throw DaoException(DaoError::ItemNotFound,
                               QStringLiteral("The column '%1' is missing from the %2 '%3' in the "
                                              "database '%4'. %5")
                                   .arg(column, what, source, database.path(), kDamageAdvice));
        }
    }
}

QStringList boundColumns(const Recordset& record) {
    QStringList columns;
    for (const FieldBinding& field : record.fields()) {
        columns << field.column;
    }
    return columns;
}

}  // namespace

void verifyDatabase(Database& database, DatabaseKind kind) {
    // A file cut short or with spoilt pages reads well enough to be
    // recognised, then fails on some later page.
    QSqlQuery check = database.exec(QStringLiteral("PRAGMA quick_check(1)"));
    const QString verdict = check.next() ? check.value(0).toString() : QString();
    if (verdict != QLatin1String("ok")) {
        throw DaoException(DaoError::NotADatabase,
                           QStringLiteral("The database '%1' is damaged (%2). Repair it, or "
                                          "open a backup copy of it instead.")
                               .arg(database.path(), verdict));
    }
    const QString table = QStringLiteral("table");
    for (const auto& record : tableRecords(kind)) {
        requireColumns(database, table, record->sourceName(), boundColumns(*record));
    }
    if (kind != DatabaseKind::Recipe) {
        return;
    }
    // The two views hold no data: the log and the next batch number report
    // their own failure where they read them, and the file stays usable.
    requireColumns(database, table, kSavedQueriesTable,
                   {QStringLiteral("QueryName"), QStringLiteral("QuerySql"),
                    QStringLiteral("QueryParameters")});
    for (const IngredientQuery& saved : ingredientQueries()) {
        const bool stored =
            database
                .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE QueryName = ?")
                            .arg(quoted(kSavedQueriesTable)),
                        {saved.queryName})
                .toInt() > 0;
        if (!stored) {
            throw missingSource(QStringLiteral("saved query"), saved.queryName, database.path());
        }
    }
}

std::vector<std::unique_ptr<Recordset>> tableRecords(DatabaseKind kind) {
    std::vector<std::unique_ptr<Recordset>> records;
    if (kind == DatabaseKind::Recipe) {
        records.push_back(std::make_unique<CRecordSetRecipe>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngGrains>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngExtracts>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngHops>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngYeasts>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngAdjuncts>(nullptr));
        records.push_back(std::make_unique<CRecordSetRecIngKits>(nullptr));
    } else {
        records.push_back(std::make_unique<CRecordSetHops>(nullptr));
        records.push_back(std::make_unique<CRecordSetGrains>(nullptr));
        records.push_back(std::make_unique<CRecordSetExtracts>(nullptr));
        records.push_back(std::make_unique<CRecordSetYeast>(nullptr));
        records.push_back(std::make_unique<CRecordSetAdjuncts>(nullptr));
        records.push_back(std::make_unique<CRecordSetKits>(nullptr));
        records.push_back(std::make_unique<CRecordSetStyles>(nullptr));
        records.push_back(std::make_unique<CRecordSetWater>(nullptr));
        records.push_back(std::make_unique<CRecordSetSuppliers>(nullptr));
        records.push_back(std::make_unique<CRecordSetGlossary>(nullptr));
        records.push_back(std::make_unique<CRecordSetBrewer>(nullptr));
        records.push_back(std::make_unique<CRecordSetHopsUtilization>(nullptr));
    }
    return records;
}

const std::vector<IndexDefinition>& indexDefinitions(DatabaseKind kind) {
    static const std::vector<IndexDefinition> recipe{
        {QStringLiteral("IndexRecipeBatchNo"),
         QStringLiteral("Recipes"),
         {QStringLiteral("RecipeBatchNo")},
         true},
        {QStringLiteral("IndexIngHopsTime"),
         QStringLiteral("Ingredients_Hops"),
         {QStringLiteral("IngHopsTime")}},
        // Opening, copying and deleting a recipe find its ingredients by these.
        {QStringLiteral("IndexIngGrainsRecipeID"),
         QStringLiteral("Ingredients_Grains"),
         {QStringLiteral("IngRecipeID")}},
        {QStringLiteral("IndexIngExtractsRecipeID"),
         QStringLiteral("Ingredients_Extracts"),
         {QStringLiteral("IngRecipeID")}},
        {QStringLiteral("IndexIngHopsRecipeID"),
         QStringLiteral("Ingredients_Hops"),
         {QStringLiteral("IngRecipeID")}},
        {QStringLiteral("IndexIngYeastsRecipeID"),
         QStringLiteral("Ingredients_Yeasts"),
         {QStringLiteral("IngRecipeID")}},
        {QStringLiteral("IndexIngAdjunctsRecipeID"),
         QStringLiteral("Ingredients_Adjuncts"),
         {QStringLiteral("IngRecipeID")}},
        {QStringLiteral("IndexIngKitsRecipeID"),
         QStringLiteral("Ingredients_Kits"),
         {QStringLiteral("IngRecipeID")}},
    };
    static const std::vector<IndexDefinition> data{
        {QStringLiteral("IndexHopsNameAlpha"),
         QStringLiteral("Hops"),
         {QStringLiteral("HopsName"), QStringLiteral("HopsAlpha")}},
        {QStringLiteral("IndexGrainsCategoryName"),
         QStringLiteral("Grains"),
         {QStringLiteral("GrainsCategory"), QStringLiteral("GrainsName")}},
        {QStringLiteral("IndexExtractsManufName"),
         QStringLiteral("Extracts"),
         {QStringLiteral("ExtractsManuf"), QStringLiteral("ExtractsName")}},
        {QStringLiteral("IndexYeastManufStrain"),
         QStringLiteral("Yeast"),
         {QStringLiteral("YeastManuf"), QStringLiteral("YeastStrain")}},
        {QStringLiteral("IndexAdjunctsName"),
         QStringLiteral("Adjuncts"),
         {QStringLiteral("AdjunctsName")}},
        {QStringLiteral("IndexKitsManufStyle"),
         QStringLiteral("Kits"),
         {QStringLiteral("KitsManuf"), QStringLiteral("KitsStyle")}},
        {QStringLiteral("IndexStylesNameCatSubcat"),
         QStringLiteral("Styles"),
         {QStringLiteral("StylesName"), QStringLiteral("StylesCategory"),
          QStringLiteral("StylesSubcategory")}},
        {QStringLiteral("IndexWaterType"), QStringLiteral("Water"), {QStringLiteral("WaterType")}},
        {QStringLiteral("IndexSuppliersName"),
         QStringLiteral("Suppliers"),
         {QStringLiteral("SuppliersName")}},
        {QStringLiteral("IndexGlossaryTerm"),
         QStringLiteral("Glossary"),
         {QStringLiteral("GlossaryTerm")}},
        {QStringLiteral("IndexBrewerName"),
         QStringLiteral("Brewer"),
         {QStringLiteral("BrewerName")}},
        {QStringLiteral("IndexBoilIndexOG"),
         QStringLiteral("HopsUtilization"),
         {QStringLiteral("HopsUtil_BoilIndex"), QStringLiteral("HopsUtil_OriginalGravity")}},
    };
    return kind == DatabaseKind::Recipe ? recipe : data;
}

void createSchema(Database& database, DatabaseKind kind) {
    // The marker must be the file's first table.
    database.exec(QStringLiteral("CREATE TABLE %1 (Marker LONG)")
                      .arg(quoted(kind == DatabaseKind::Recipe ? kRecipeMarker : kDataMarker)));
    for (const auto& record : tableRecords(kind)) {
        createTable(database, *record);
    }
    for (const IndexDefinition& index : indexDefinitions(kind)) {
        database.exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               quoted(index.name), quoted(index.table), quotedList(index.columns)));
    }
    if (kind == DatabaseKind::Recipe) {
        createRecipeQueries(database);
    }
}

bool isDatabaseOfKind(const QString& path, const QString& marker) {
    try {
        Database probe;
        probe.open(path);
        return probe.firstTableName() == marker;
    } catch (const DaoException&) {
        return false;
    }
}

void removeDatabaseFiles(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
}

void createDatabase(const QString& path, DatabaseKind kind,
                    const std::function<void(Database&)>& fill) {
    Database database;
    database.create(path);
    try {
        // A write-ahead log: readers never wait for the recipe form's open
        // transaction, and a crash never leaves a half-written recipe.
        database.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        Transaction transaction(database);
        createSchema(database, kind);
        if (fill) {
            fill(database);
        }
        transaction.commit();
    } catch (...) {
        database.close();
        removeDatabaseFiles(path);
        throw;
    }
}

}  // namespace mw::storage
