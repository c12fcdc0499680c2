#include "beerxml/beerxml_import.h"

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_source.h"
#include "beerxml/recipe_data.h"
#include "storage/database.h"

namespace mw::beerxml {

namespace {

ImportResult importFrom(BeerXmlSource& source, storage::Database& database, const QString& path,
                        Measures measures) {
    RecipeImportMapper mapper(path, measures);
    ImportResult result;
    storage::Transaction transaction(database);
    qint32 batch =
        database.scalar(QStringLiteral("SELECT MAX(RecipeBatchNo) FROM Recipes")).toInt() + 1;
    source.read([&](const XmlRecord& record) {
        ImportedRecipe imported;
        RecipeData data = mapper.map(record, &imported.report);
        imported.batchNumber = batch++;
        imported.name = data.recipe.value(QStringLiteral("RecipeName")).toString();
        data.recipe.insert(QStringLiteral("RecipeBatchNo"), imported.batchNumber);
        insertRecipe(database, data);
        result.recipes.push_back(std::move(imported));
    });
    if (result.recipes.empty()) {
        throw BeerXmlError(bxmsg::NoRecipe, {path});
    }
    for (const auto& [kind, count] : source.recordsOutsideRecipes()) {
        if (kind == QLatin1String("EQUIPMENT")) {
            result.fileReport << catalogueText(bxmsg::NotImported, {kind});
        } else if (kind == QLatin1String("WATER")) {
            result.fileReport << catalogueText(bxmsg::NotImported,
                                               {QStringLiteral("WATER profiles")});
        } else {
            result.fileReport << catalogueText(bxmsg::OutsideRecipes,
                                               {kind, QString::number(count)});
        }
    }
    transaction.commit();
    return result;
}

}  // namespace

ImportResult importBeerXml(storage::Database& database, const QString& path, Measures measures) {
    BeerXmlSource source(path);
    return importFrom(source, database, path, measures);
}

ImportResult importBeerXml(storage::Database& database, QIODevice& file, const QString& name,
                           Measures measures) {
    BeerXmlSource source(file, name);
    return importFrom(source, database, name, measures);
}

}  // namespace mw::beerxml
