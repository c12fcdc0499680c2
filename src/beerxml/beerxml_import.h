#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "beerxml/recipe_import_mapper.h"

class QIODevice;

namespace mw::storage {
class Database;
}

namespace mw::beerxml {

// One recipe read from a BeerXML file: its new batch number and its loss
// report, a line for every field that had no place or was changed.
struct ImportedRecipe {
    qint32 batchNumber = 0;
    QString name;
    QStringList report;
};

struct ImportResult {
    std::vector<ImportedRecipe> recipes;
    // What the file held outside its recipes ("EQUIPMENT: not imported").
    QStringList fileReport;
};

// Imports every RECIPE of a BeerXML file into a recipe database, each with
// the next free batch number, in one transaction: a file that cannot be read
// to its end, or that holds no recipe, imports nothing and throws
// BeerXmlError. Database failures throw DaoException, also with nothing
// imported.
ImportResult importBeerXml(storage::Database& database, const QString& path,
                           Measures measures = Measures::FromFile);
// The same from an open device; `name` stands for it in messages.
ImportResult importBeerXml(storage::Database& database, QIODevice& file, const QString& name,
                           Measures measures = Measures::FromFile);

}  // namespace mw::beerxml
