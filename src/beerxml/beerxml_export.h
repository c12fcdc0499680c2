#pragma once

#include <QString>
#include <optional>

namespace mw::storage {
class Database;
}

namespace mw::beerxml {

// Writes recipes of a recipe database as a BeerXML 1.0 file in UTF-8: the
// recipe with that batch number, or every recipe in batch-number order when
// none is given. Amounts are written in the standard's measures, every
// required element of a record with its VERSION; what the standard has no
// element for (beer kits, the exact process and units of the recipe) goes
// into elements of this program's own, which other programs ignore and
// which make an import of the file give back the same recipe. The file is
// replaced only once it is written whole. Returns the number of recipes
// written; throws BeerXmlError (no such batch, file not writable).
int exportBeerXml(storage::Database& database, std::optional<qint32> batch, const QString& path);

}  // namespace mw::beerxml
