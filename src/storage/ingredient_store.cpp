#include "storage/ingredient_store.h"

#include <QSqlQuery>

#include "resources/number_text.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/ingredient_loader.h"
#include "storage/ingredient_queries.h"
#include "storage/schema.h"
#include "storage/sql_names.h"

namespace mw::storage {

IngredientStore::IngredientStore(Database& database) : m_database(database) {
    for (const auto& record : tableRecords(DatabaseKind::Recipe)) {
        for (const FieldBinding& field : record->fields()) {
            m_types.insert(field.column, field.type);
        }
    }
}

SheetRows IngredientStore::load(calc::Sheet sheet, qint32 recipeId) {
    const IngredientQuery& query = ingredientQuery(sheet);
    const QString sql =
        m_database
            .scalar(QStringLiteral("SELECT QuerySql FROM %1 WHERE QueryName = ?")
                        .arg(quoted(kSavedQueriesTable)),
                    {query.queryName})
            .toString();
    if (sql.isEmpty()) {
        throw DaoException(DaoError::TableNotFound,
                           QStringLiteral("The recipe database has no saved query '%1'.")
                               .arg(query.queryName));
    }
    requireSelectQuery(query.queryName, sql);
    QSqlQuery rows = m_database.exec(sql, {recipeId});
    const int columns = static_cast<int>(query.columns.size());
    SheetRows loaded;
    while (rows.next()) {
        QStringList cells;
        for (int c = 0; c < columns; ++c) {
            cells << cellText(rows.value(c));
        }
        loaded.cells.push_back(cells);
        loaded.ids.push_back(rows.value(columns).toLongLong());
    }
    return loaded;
}

FieldType IngredientStore::typeOf(calc::Sheet sheet, int column) {
    const QStringList& columns = ingredientQuery(sheet).columns;
    if (column < 0 || column >= columns.size()) {
        throw DaoException(DaoError::ItemNotFound,
                           QStringLiteral("Column %1 is not a column of the sheet.").arg(column));
    }
    return m_types.value(columns[column], FieldType::Text);
}

QVariant IngredientStore::valueFor(calc::Sheet sheet, int column, const QString& text) {
    const std::string t = text.toStdString();
    switch (typeOf(sheet, column)) {
        case FieldType::Long:
        case FieldType::Short: return leadingInteger(t);
        case FieldType::Double: return leadingNumber(t);
        case FieldType::Bool: return leadingNumber(t) != 0.0 ? 1 : 0;
        case FieldType::DateTime: return text.isEmpty() ? QVariant() : QVariant(text);
        case FieldType::Text: return text;
    }
    return text;
}

void IngredientStore::updateCell(calc::Sheet sheet, qint64 rowId, int column,
                                 const QString& text) {
    const IngredientQuery& query = ingredientQuery(sheet);
    const QVariant value = valueFor(sheet, column, text);
    m_database.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                        .arg(quoted(query.table), quoted(query.columns[column]),
                             quoted(query.idColumn)),
                    {value, rowId});
}

qint64 IngredientStore::insertRow(calc::Sheet sheet, const QStringList& texts) {
    const IngredientQuery& query = ingredientQuery(sheet);
    QVariantList values;
    QStringList marks;
    for (int c = 0; c < query.columns.size(); ++c) {
        values << valueFor(sheet, c, texts.value(c));
        marks << QStringLiteral("?");
    }
    QSqlQuery insert = m_database.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                           .arg(quoted(query.table), quotedList(query.columns),
                                                marks.join(QLatin1Char(','))),
                                       values);
    return insert.lastInsertId().toLongLong();
}

void IngredientStore::deleteRow(calc::Sheet sheet, qint64 rowId) {
    const IngredientQuery& query = ingredientQuery(sheet);
    m_database.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                        .arg(quoted(query.table), quoted(query.idColumn)),
                    {rowId});
}

}  // namespace mw::storage
