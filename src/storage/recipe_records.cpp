#include "storage/recipe_records.h"

namespace mw::storage {

CRecordSetRecipe::CRecordSetRecipe(Database* database) : Recordset(database) {
    bind("RecipeBatchNo", m_RecipeBatchNo);
    bind("RecipeBatchSize", m_RecipeBatchSize);
    bind("RecipeBoilLth", m_RecipeBoilLth);
    bind("RecipeBoilSize", m_RecipeBoilSize);
    bind("RecipeBrewer", m_RecipeBrewer);
    bind("RecipeComments", m_RecipeComments);
    bind("RecipeDateBottled", m_RecipeDateBottled);
    bind("RecipeDateBrewed", m_RecipeDateBrewed);
    bind("RecipeDateObtained", m_RecipeDateObtained);
    bind("RecipeDateRacked", m_RecipeDateRacked);
    bind("RecipeFermAvgTempPri", m_RecipeFermAvgTempPri);
    bind("RecipeFermAvgTempSec", m_RecipeFermAvgTempSec);
    bind("RecipeFermConditioningAmt", m_RecipeFermConditioningAmt);
    bind("RecipeFermConditioningUnits", m_RecipeFermConditioningUnits);
    bind("RecipeFermPrimary", m_RecipeFermPrimary);
    bind("RecipeFermPrimingAmt", m_RecipeFermPrimingAmt);
    bind("RecipeFermPrimingName", m_RecipeFermPrimingName);
    bind("RecipeFermPrimingUnits", m_RecipeFermPrimingUnits);
    bind("RecipeFermSecondary", m_RecipeFermSecondary);
    bind("RecipeFermTypeAle", m_RecipeFermTypeAle);
    bind("RecipeID", m_RecipeID, true);
    bind("RecipeMashTime1", m_RecipeMashTime1);
    bind("RecipeMashTime2", m_RecipeMashTime2);
    bind("RecipeMashTime3", m_RecipeMashTime3);
    bind("RecipeMashTime4", m_RecipeMashTime4);
    bind("RecipeMashVol1", m_RecipeMashVol1);
    bind("RecipeMashVol2", m_RecipeMashVol2);
    bind("RecipeMashVol3", m_RecipeMashVol3);
    bind("RecipeMashVol4", m_RecipeMashVol4);
    bind("RecipeMeasureEnglish", m_RecipeMeasureEnglish);
    bind("RecipeName", m_RecipeName);
    bind("RecipeProcessAllGrain", m_RecipeProcessAllGrain);
    bind("RecipeProcessExtract", m_RecipeProcessExtract);
    bind("RecipeProcessKit", m_RecipeProcessKit);
    bind("RecipeProcessPartial", m_RecipeProcessPartial);
    bind("RecipeRatingAppearance", m_RecipeRatingAppearance);
    bind("RecipeRatingAroma", m_RecipeRatingAroma);
    bind("RecipeRatingCompComments", m_RecipeRatingCompComments);
    bind("RecipeRatingCompDate", m_RecipeRatingCompDate);
    bind("RecipeRatingCompName", m_RecipeRatingCompName);
    bind("RecipeRatingCompPrizes", m_RecipeRatingCompPrizes);
    bind("RecipeRatingCompScore", m_RecipeRatingCompScore);
    bind("RecipeRatingDateSampled2", m_RecipeRatingDateSampled2);
    bind("RecipeRatingDateSampled3", m_RecipeRatingDateSampled3);
    bind("RecipeRatingImpression", m_RecipeRatingImpression);
    bind("RecipeRatingNotes", m_RecipeRatingNotes);
    bind("RecipeRatingTaste", m_RecipeRatingTaste);
    bind("RecipeSGFinal", m_RecipeSGFinal);
    bind("RecipeSGOriginal", m_RecipeSGOriginal);
    bind("RecipeSGRacking", m_RecipeSGRacking);
    bind("RecipeSource", m_RecipeSource);
    bind("RecipeSpargeVol", m_RecipeSpargeVol);
    bind("RecipeTargetAlcoHi", m_RecipeTargetAlcoHi);
    bind("RecipeTargetAlcoLo", m_RecipeTargetAlcoLo);
    bind("RecipeTargetCategory", m_RecipeTargetCategory);
    bind("RecipeTargetColorHi", m_RecipeTargetColorHi);
    bind("RecipeTargetColorLo", m_RecipeTargetColorLo);
    bind("RecipeTargetIBUHi", m_RecipeTargetIBUHi);
    bind("RecipeTargetIBULo", m_RecipeTargetIBULo);
    bind("RecipeTargetSpGravHi", m_RecipeTargetSpGravHi);
    bind("RecipeTargetSpGravLo", m_RecipeTargetSpGravLo);
    bind("RecipeTargetStyle", m_RecipeTargetStyle);
    bind("RecipeTargetSubcategory", m_RecipeTargetSubcategory);
    bind("RecipeUtensils", m_RecipeUtensils);
    bind("RecipeWortCollectedVol", m_RecipeWortCollectedVol);
    bind("RecipeYield", m_RecipeYield);
    bind("RecipeMashPhAdj", m_RecipeMashPhAdj);
    bind("RecipeSpargePhAdj", m_RecipeSpargePhAdj);
    bind("RecipeMashTemp1", m_RecipeMashTemp1);
    bind("RecipeMashTemp2", m_RecipeMashTemp2);
    bind("RecipeMashTemp3", m_RecipeMashTemp3);
    bind("RecipeMashTemp4", m_RecipeMashTemp4);
    bind("RecipeSGFinalTemp", m_RecipeSGFinalTemp);
    bind("RecipeSGOriginalTemp", m_RecipeSGOriginalTemp);
    bind("RecipeSGRackingTemp", m_RecipeSGRackingTemp);
    bind("RecipeSpargeTemp", m_RecipeSpargeTemp);
    bind("RecipeMashType", m_RecipeMashType);
    bind("RecipeRatingDateSampled1", m_RecipeRatingDateSampled1);
    bind("RecipeSystemEfficiencyActual", m_RecipeSystemEfficiencyActual);
    bind("RecipeSystemEfficiencyExpected", m_RecipeSystemEfficiencyExpected);
}

CRecordSetRecIngGrains::CRecordSetRecIngGrains(Database* database) : Recordset(database) {
    bind("IngGrainsName", m_IngGrainsName);
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngGrainsColor", m_IngGrainsColor);
    bind("IngGrainsID", m_IngGrainsID, true);
    bind("IngGrainsSPGrav", m_IngGrainsSPGrav);
    bind("IngGrainsUnits", m_IngGrainsUnits);
    bind("IngGrainsWeight", m_IngGrainsWeight);
}

CRecordSetRecIngExtracts::CRecordSetRecIngExtracts(Database* database) : Recordset(database) {
    bind("IngExtractsForm", m_IngExtractsForm);
    bind("IngExtractsHBU", m_IngExtractsHBU);
    bind("IngExtractsHopped", m_IngExtractsHopped);
    bind("IngExtractsManuf", m_IngExtractsManuf);
    bind("IngExtractsName", m_IngExtractsName);
    bind("IngExtractsSPGrav", m_IngExtractsSPGrav);
    bind("IngExtractsWeight", m_IngExtractsWeight);
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngExtractsID", m_IngExtractsID, true);
    bind("IngExtractsColor", m_IngExtractsColor);
    bind("IngExtractsUnits", m_IngExtractsUnits);
}

CRecordSetRecIngHops::CRecordSetRecIngHops(Database* database) : Recordset(database) {
    bind("IngHopsAlpha", m_IngHopsAlpha);
    bind("IngHopsName", m_IngHopsName);
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngHopsHBU", m_IngHopsHBU);
    bind("IngHopsIBU", m_IngHopsIBU);
    bind("IngHopsID", m_IngHopsID, true);
    bind("IngHopsTime", m_IngHopsTime);
    bind("IngHopsUnits", m_IngHopsUnits);
    bind("IngHopsWeight", m_IngHopsWeight);
}

CRecordSetRecIngYeasts::CRecordSetRecIngYeasts(Database* database) : Recordset(database) {
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngYeastAmt", m_IngYeastAmt);
    bind("IngYeastForm", m_IngYeastForm);
    bind("IngYeastName", m_IngYeastName);
    bind("IngYeastType", m_IngYeastType);
    bind("IngYeastManuf", m_IngYeastManuf);
    bind("IngYeastID", m_IngYeastID, true);
    bind("IngYeastAttenuation", m_IngYeastAttenuation);
    bind("IngYeastUnits", m_IngYeastUnits);
}

CRecordSetRecIngAdjuncts::CRecordSetRecIngAdjuncts(Database* database) : Recordset(database) {
    bind("IngAdjunctsAmt", m_IngAdjunctsAmt);
    bind("IngAdjunctsName", m_IngAdjunctsName);
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngAdjunctsFermentable", m_IngAdjunctsFermentable);
    bind("IngAdjunctsUnits", m_IngAdjunctsUnits);
    bind("IngAdjunctsColor", m_IngAdjunctsColor);
    bind("IngAdjunctsSPGrav", m_IngAdjunctsSPGrav);
    bind("IngAdjunctsID", m_IngAdjunctsID, true);
}

CRecordSetRecIngKits::CRecordSetRecIngKits(Database* database) : Recordset(database) {
    bind("IngKitsHBU", m_IngKitsHBU);
    bind("IngKitsManuf", m_IngKitsManuf);
    bind("IngKitsStartSPGrav", m_IngKitsStartSPGrav);
    bind("IngKitsStyle", m_IngKitsStyle);
    bind("IngKitsWeight", m_IngKitsWeight);
    bind("IngRecipeID", m_IngRecipeID);
    bind("IngKitsColor", m_IngKitsColor);
    bind("IngKitsID", m_IngKitsID, true);
    bind("IngKitsUnits", m_IngKitsUnits);
}

CRecordSetRecipeLog::CRecordSetRecipeLog(Database* database) : Recordset(database) {
    bind("RecipeBatchNo", m_RecipeBatchNo);
    bind("RecipeDateBrewed", m_RecipeDateBrewed);
    bind("RecipeName", m_RecipeName);
    bind("RecipeTargetCategory", m_RecipeTargetCategory);
    bind("RecipeTargetStyle", m_RecipeTargetStyle);
    bind("RecipeTargetSubcategory", m_RecipeTargetSubcategory);
    bind("RecipeID", m_RecipeID, true);
}

CRecordSetRecipeMaxBatch::CRecordSetRecipeMaxBatch(Database* database) : Recordset(database) {
    bind("Max Of RecipeBatchNo", m_Max_Of_RecipeBatchNo);
}

}  // namespace mw::storage
