#include "storage/ingredient_queries.h"

#include "storage/sql_names.h"

namespace mw::storage {

const std::array<IngredientQuery, calc::kSheetCount>& ingredientQueries() {
    using calc::Sheet;
    static const std::array<IngredientQuery, calc::kSheetCount> queries{{
        {Sheet::Kits,
         QStringLiteral("RecipeIngredients_Kits"),
         QStringLiteral("Ingredients_Kits"),
         {QStringLiteral("IngKitsManuf"), QStringLiteral("IngKitsStyle"),
          QStringLiteral("IngKitsHBU"), QStringLiteral("IngKitsWeight"),
          QStringLiteral("IngKitsUnits"), QStringLiteral("IngKitsStartSPGrav"),
          QStringLiteral("IngKitsColor"), QStringLiteral("IngRecipeID")},
         QStringLiteral("IngKitsID")},
        {Sheet::Extracts,
         QStringLiteral("RecipeIngredients_Extracts"),
         QStringLiteral("Ingredients_Extracts"),
         {QStringLiteral("IngExtractsManuf"), QStringLiteral("IngExtractsName"),
          QStringLiteral("IngExtractsHBU"), QStringLiteral("IngExtractsWeight"),
          QStringLiteral("IngExtractsUnits"), QStringLiteral("IngExtractsForm"),
          QStringLiteral("IngExtractsHopped"), QStringLiteral("IngExtractsSPGrav"),
          QStringLiteral("IngExtractsColor"), QStringLiteral("IngRecipeID")},
         QStringLiteral("IngExtractsID")},
        {Sheet::Grains,
         QStringLiteral("RecipeIngredients_Grains"),
         QStringLiteral("Ingredients_Grains"),
         {QStringLiteral("IngGrainsName"), QStringLiteral("IngGrainsWeight"),
          QStringLiteral("IngGrainsUnits"), QStringLiteral("IngGrainsSPGrav"),
          QStringLiteral("IngGrainsColor"), QStringLiteral("IngRecipeID")},
         QStringLiteral("IngGrainsID")},
        {Sheet::Adjuncts,
         QStringLiteral("RecipeIngredients_Adjuncts"),
         QStringLiteral("Ingredients_Adjuncts"),
         {QStringLiteral("IngAdjunctsName"), QStringLiteral("IngAdjunctsAmt"),
          QStringLiteral("IngAdjunctsUnits"), QStringLiteral("IngAdjunctsFermentable"),
          QStringLiteral("IngAdjunctsSPGrav"), QStringLiteral("IngAdjunctsColor"),
          QStringLiteral("IngRecipeID")},
         QStringLiteral("IngAdjunctsID")},
        {Sheet::Hops,
         QStringLiteral("RecipeIngredients_Hops"),
         QStringLiteral("Ingredients_Hops"),
         {QStringLiteral("IngHopsName"), QStringLiteral("IngHopsAlpha"),
          QStringLiteral("IngHopsWeight"), QStringLiteral("IngHopsUnits"),
          QStringLiteral("IngHopsTime"), QStringLiteral("IngHopsIBU"), QStringLiteral("IngHopsHBU"),
          QStringLiteral("IngRecipeID")},
         QStringLiteral("IngHopsID")},
        {Sheet::Yeasts,
         QStringLiteral("RecipeIngredients_Yeasts"),
         QStringLiteral("Ingredients_Yeasts"),
         {QStringLiteral("IngYeastManuf"), QStringLiteral("IngYeastName"),
          QStringLiteral("IngYeastType"), QStringLiteral("IngYeastForm"),
          QStringLiteral("IngYeastAmt"), QStringLiteral("IngYeastUnits"),
          QStringLiteral("IngYeastAttenuation"), QStringLiteral("IngRecipeID")},
         QStringLiteral("IngYeastID")},
    }};
    return queries;
}

const IngredientQuery& ingredientQuery(calc::Sheet sheet) {
    return ingredientQueries()[static_cast<std::size_t>(sheet)];
}

QString ingredientQuerySql(const IngredientQuery& query) {
    return QStringLiteral("SELECT %1, %2 FROM %3 WHERE IngRecipeID = ? ORDER BY %2")
        .arg(quotedList(query.columns), quoted(query.idColumn), quoted(query.table));
}

}  // namespace mw::storage
