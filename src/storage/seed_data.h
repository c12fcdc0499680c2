#pragma once

#include <QString>
#include <QVariant>
#include <functional>

namespace mw::storage {

class Database;
class Recordset;

// Creates a data database holding the shipped reference data: styles, hops,
// grains, extracts, yeasts, adjuncts, kits, waters, suppliers, glossary, a
// brewer, and the 275 hop utilization points of Tinseth's formula.
void createSeededDataDatabase(const QString& path);

// Creates a recipe database holding the shipped sample recipes, their hop
// additions' IBU and HBU worked out with the shipped utilization table.
void createSampleRecipeDatabase(const QString& path);

// Adds the rows of a CSV text (header line of column names) to the table of
// `record`, converting each value to its column's type. `linkColumn`, when
// given, names a header column that is not the table's (a batch number the
// caller maps onto IngRecipeID through `linkValue`). Returns the rows added.
int importCsvRows(Database& database, const Recordset& record, const QString& csvText,
                  const QString& sourceName, const QString& linkColumn = QString(),
                  const std::function<QVariant(const QString&)>& linkValue = {});

}  // namespace mw::storage
