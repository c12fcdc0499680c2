#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "calc/sheets.h"
#include "storage/recordset.h"

namespace mw::storage {

class Database;

// One recipe's ingredient rows of one sheet as texts, each with its own row
// identifier.
struct SheetRows {
    std::vector<QStringList> cells;  // grid column order, IngRecipeID last
    std::vector<qint64> ids;
};

// Reads a sheet's rows through the database's saved parameter query and
// writes edited cells, new rows and deletions to the ingredient table, in
// whatever transaction the owner of the database has open. Cell texts are
// turned into the column's type as the calculations read them (a number's
// leading digits; "0" and "1" for flags).
class IngredientStore {
public:
    explicit IngredientStore(Database& database);

    SheetRows load(calc::Sheet sheet, qint32 recipeId);
    void updateCell(calc::Sheet sheet, qint64 rowId, int column, const QString& text);
    // Adds a row from texts in grid column order; returns its identifier.
    qint64 insertRow(calc::Sheet sheet, const QStringList& texts);
    void deleteRow(calc::Sheet sheet, qint64 rowId);

    Database& database() { return m_database; }

private:
    QVariant valueFor(calc::Sheet sheet, int column, const QString& text);
    FieldType typeOf(calc::Sheet sheet, int column);

    Database& m_database;
    QHash<QString, FieldType> m_types;  // column name -> type, over every ingredient table
};

}  // namespace mw::storage
