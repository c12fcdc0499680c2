#pragma once

#include <QString>
#include <QStringList>

#include "beerxml/recipe_data.h"
#include "beerxml/xml_record.h"

namespace mw::beerxml {

// Which measures an imported recipe is stored in. The calculations are
// designed around English measures, so they are the default; a recipe that
// this program exported from a metric recipe comes back metric.
enum class Measures { FromFile, English, Metric };

// Turns one RECIPE record into a recipe of the recipe database, noting in
// its loss report every field that had no place in the tables or was
// changed on the way. Throws BeerXmlError where reading on would change the
// recipe's meaning (a record without a NAME, a negative amount, a number or
// code that cannot be read).
class RecipeImportMapper {
public:
    RecipeImportMapper(QString filePath, Measures measures);

    RecipeData map(const XmlRecord& recipe, QStringList* report);

private:
    QString m_filePath;
    Measures m_measures;
};

}  // namespace mw::beerxml
