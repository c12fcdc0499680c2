#include "storage/ingredient_loader.h"

#include <QSqlQuery>

#include "resources/number_text.h"
#include "storage/database.h"
#include "storage/ingredient_queries.h"
#include "storage/sql_names.h"

namespace mw::storage {

QString cellText(const QVariant& value) {
    if (value.isNull()) {
        return QString();
    }
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            return QString::fromStdString(fieldText(value.toDouble()));
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return QString::number(value.toLongLong());
        default:
            return value.toString();
    }
}

LoadedIngredients loadIngredients(Database& database, qint32 recipeId) {
    LoadedIngredients loaded;
    for (const IngredientQuery& query : ingredientQueries()) {
        const QString sql =
            database
                .scalar(QStringLiteral("SELECT QuerySql FROM %1 WHERE QueryName = ?")
                            .arg(quoted(kSavedQueriesTable)),
                        {query.queryName})
                .toString();
        QSqlQuery rows = database.exec(sql, {recipeId});
        const int columns = static_cast<int>(query.columns.size());
        while (rows.next()) {
            calc::IngredientRows::Row cells;
            cells.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c) {
                cells.push_back(cellText(rows.value(c)).toStdString());
            }
            loaded.rows.addRow(query.sheet, std::move(cells));
            loaded.rowIds[static_cast<std::size_t>(query.sheet)].push_back(
                rows.value(columns).toLongLong());
        }
    }
    return loaded;
}

}  // namespace mw::storage
