#pragma once

// The tables of both databases as the program's documentation lists them:
// every column in binding order with its type. Tests compare the files the
// program creates against this list.

#include <QString>
#include <utility>
#include <vector>

namespace mw::test {

using TableColumns = std::pair<QString, QString>;  // table, "Column:Type Column:Type ..."

inline const std::vector<TableColumns>& expectedRecipeTables() {
    static const std::vector<TableColumns> tables{
        {QStringLiteral("Recipes"),
         QStringLiteral(
             "RecipeBatchNo:Long RecipeBatchSize:Double RecipeBoilLth:Long RecipeBoilSize:Double "
             "RecipeBrewer:Text RecipeComments:Text RecipeDateBottled:DateTime "
             "RecipeDateBrewed:DateTime RecipeDateObtained:DateTime RecipeDateRacked:DateTime "
             "RecipeFermAvgTempPri:Long RecipeFermAvgTempSec:Long RecipeFermConditioningAmt:Long "
             "RecipeFermConditioningUnits:Text RecipeFermPrimary:Long RecipeFermPrimingAmt:Text "
             "RecipeFermPrimingName:Text RecipeFermPrimingUnits:Text RecipeFermSecondary:Long "
             "RecipeFermTypeAle:Long RecipeID:Long RecipeMashTime1:Long RecipeMashTime2:Long "
             "RecipeMashTime3:Long RecipeMashTime4:Long RecipeMashVol1:Double "
             "RecipeMashVol2:Double RecipeMashVol3:Double RecipeMashVol4:Double "
             "RecipeMeasureEnglish:Long RecipeName:Text RecipeProcessAllGrain:Bool "
             "RecipeProcessExtract:Bool RecipeProcessKit:Bool RecipeProcessPartial:Bool "
             "RecipeRatingAppearance:Long RecipeRatingAroma:Long RecipeRatingCompComments:Text "
             "RecipeRatingCompDate:DateTime RecipeRatingCompName:Text RecipeRatingCompPrizes:Text "
             "RecipeRatingCompScore:Long RecipeRatingDateSampled2:DateTime "
             "RecipeRatingDateSampled3:DateTime RecipeRatingImpression:Long RecipeRatingNotes:Text "
             "RecipeRatingTaste:Long RecipeSGFinal:Double RecipeSGOriginal:Double "
             "RecipeSGRacking:Double RecipeSource:Text RecipeSpargeVol:Double "
             "RecipeTargetAlcoHi:Double RecipeTargetAlcoLo:Double RecipeTargetCategory:Text "
             "RecipeTargetColorHi:Double RecipeTargetColorLo:Double RecipeTargetIBUHi:Double "
             "RecipeTargetIBULo:Double RecipeTargetSpGravHi:Double RecipeTargetSpGravLo:Double "
             "RecipeTargetStyle:Text RecipeTargetSubcategory:Text RecipeUtensils:Text "
             "RecipeWortCollectedVol:Double RecipeYield:Text RecipeMashPhAdj:Double "
             "RecipeSpargePhAdj:Double RecipeMashTemp1:Long RecipeMashTemp2:Long "
             "RecipeMashTemp3:Long RecipeMashTemp4:Long RecipeSGFinalTemp:Long "
             "RecipeSGOriginalTemp:Long RecipeSGRackingTemp:Long RecipeSpargeTemp:Long "
             "RecipeMashType:Long RecipeRatingDateSampled1:DateTime "
             "RecipeSystemEfficiencyActual:Double RecipeSystemEfficiencyExpected:Double")},
        {QStringLiteral("Ingredients_Grains"),
         QStringLiteral(
             "IngGrainsName:Text IngRecipeID:Long IngGrainsColor:Double IngGrainsID:Long "
             "IngGrainsSPGrav:Double IngGrainsUnits:Text IngGrainsWeight:Double")},
        {QStringLiteral("Ingredients_Extracts"),
         QStringLiteral("IngExtractsForm:Text IngExtractsHBU:Double IngExtractsHopped:Bool "
                        "IngExtractsManuf:Text IngExtractsName:Text IngExtractsSPGrav:Double "
                        "IngExtractsWeight:Double IngRecipeID:Long IngExtractsID:Long "
                        "IngExtractsColor:Double IngExtractsUnits:Text")},
        {QStringLiteral("Ingredients_Hops"),
         QStringLiteral("IngHopsAlpha:Double IngHopsName:Text IngRecipeID:Long IngHopsHBU:Double "
                        "IngHopsIBU:Double IngHopsID:Long IngHopsTime:Double IngHopsUnits:Text "
                        "IngHopsWeight:Double")},
        {QStringLiteral("Ingredients_Yeasts"),
         QStringLiteral("IngRecipeID:Long IngYeastAmt:Double IngYeastForm:Text IngYeastName:Text "
                        "IngYeastType:Text IngYeastManuf:Text IngYeastID:Long "
                        "IngYeastAttenuation:Double IngYeastUnits:Text")},
        {QStringLiteral("Ingredients_Adjuncts"),
         QStringLiteral("IngAdjunctsAmt:Text IngAdjunctsName:Text IngRecipeID:Long "
                        "IngAdjunctsFermentable:Long IngAdjunctsUnits:Text IngAdjunctsColor:Double "
                        "IngAdjunctsSPGrav:Double IngAdjunctsID:Long")},
        {QStringLiteral("Ingredients_Kits"),
         QStringLiteral("IngKitsHBU:Double IngKitsManuf:Text IngKitsStartSPGrav:Double "
                        "IngKitsStyle:Text IngKitsWeight:Double IngRecipeID:Long "
                        "IngKitsColor:Double IngKitsID:Long IngKitsUnits:Text")},
    };
    return tables;
}

inline const std::vector<TableColumns>& expectedDataTables() {
    static const std::vector<TableColumns> tables{
        {QStringLiteral("Hops"),
         QStringLiteral(
             "HopsAlpha:Double HopsComments:Text HopsID:Long HopsName:Text HopsOrigin:Text "
             "HopsStability:Long HopsAlphaHi:Double HopsAlphaLo:Double HopsSubstitute1:Text "
             "HopsSubstitute2:Text HopsSubstitute3:Text HopsSubstitute4:Text")},
        {QStringLiteral("Grains"),
         QStringLiteral("GrainsID:Long GrainsName:Text GrainsColor:Double GrainsComments:Text "
                        "GrainsSPGrav:Double GrainsDegreesBalling:Double GrainsCategory:Text "
                        "GrainsProtein:Double GrainsYield:Double GrainsManuf:Text")},
        {QStringLiteral("Extracts"),
         QStringLiteral("ExtractsColor:Double ExtractsComments:Text ExtractsDegreesBalling:Double "
                        "ExtractsHBU:Double ExtractsHopped:Bool ExtractsID:Long ExtractsManuf:Text "
                        "ExtractsName:Text ExtractsSpecificGravity:Double ExtractsUnits:Long "
                        "ExtractsWeight:Double ExtractsForm:Long")},
        {QStringLiteral("Yeast"),
         QStringLiteral("YeastID:Long YeastForm:Long YeastType:Long YeastComments:Text "
                        "YeastStrain:Text YeastManuf:Text YeastAttenuation:Double")},
        {QStringLiteral("Adjuncts"),
         QStringLiteral(
             "AdjunctsColor:Double AdjunctsComments:Text AdjunctsDegreesBalling:Double "
             "AdjunctsFermentable:Bool AdjunctsID:Long AdjunctsName:Text AdjunctsProtein:Double "
             "AdjunctsSPGrav:Double AdjunctsYield:Double AdjunctsPriming:Bool")},
        {QStringLiteral("Kits"),
         QStringLiteral(
             "KitsColor:Double KitsDescription:Text KitsHBU:Double KitsID:Long KitsManuf:Text "
             "KitsStartSPGrav:Double KitsStyle:Text KitsUnits:Long KitsWeight:Double")},
        {QStringLiteral("Styles"),
         QStringLiteral(
             "StylesID:Long StylesName:Text StylesCategory:Text StylesSubcategory:Text "
             "StylesGravityLo:Double StylesGravityHi:Double StylesAlcoLo:Double StylesIBULo:Double "
             "StylesIBUHi:Double StylesColorLo:Double StylesColorHi:Double StylesAlcoHi:Double "
             "StylesType:Text StylesComments:Text")},
        {QStringLiteral("Water"),
         QStringLiteral("WaterHardness:Long WaterID:Long WaterInfo:Text WaterType:Text")},
        {QStringLiteral("Suppliers"),
         QStringLiteral("SuppliersID:Long SuppliersName:Text SuppliersAddress:Text "
                        "SuppliersInfo:Text SuppliersEMail:Text SuppliersInternet:Text")},
        {QStringLiteral("Glossary"),
         QStringLiteral("GlossaryID:Long GlossaryTerm:Text GlossaryInfo:Text")},
        {QStringLiteral("Brewer"),
         QStringLiteral("BrewerID:Long BrewerName:Text BrewerAddress:Text BrewerSkill:Long")},
        {QStringLiteral("HopsUtilization"),
         QStringLiteral("HopsUtil_BoilIndex:Short HopsUtil_BoilTime:Short "
                        "HopsUtil_OriginalGravity:Double HopsUtil_Utilization:Double")},
    };
    return tables;
}

}  // namespace mw::test
