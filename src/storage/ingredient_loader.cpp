#include "storage/ingredient_loader.h"

#include "resources/number_text.h"
#include "storage/database.h"
#include "storage/ingredient_queries.h"
#include "storage/ingredient_store.h"

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
    IngredientStore store(database);
    for (const IngredientQuery& query : ingredientQueries()) {
        SheetRows rows = store.load(query.sheet, recipeId);
        for (const QStringList& cells : rows.cells) {
            calc::IngredientRows::Row row;
            row.reserve(static_cast<std::size_t>(cells.size()));
            for (const QString& cell : cells) {
                row.push_back(cell.toStdString());
            }
            loaded.rows.addRow(query.sheet, std::move(row));
        }
        loaded.rowIds[static_cast<std::size_t>(query.sheet)] = std::move(rows.ids);
    }
    return loaded;
}

}  // namespace mw::storage
