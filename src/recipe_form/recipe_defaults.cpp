#include "recipe_form/recipe_defaults.h"

#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

void setNullDate(storage::CRecordSetRecipe& record, QDateTime& field) {
    field = QDateTime();
    record.setFieldNull(&field, true);
}

}  // namespace

void setNewRecipeDefaults(storage::CRecordSetRecipe& r) {
    r.m_RecipeBatchNo = 0;
    r.m_RecipeBatchSize = 5.0;
    r.m_RecipeBoilSize = 5.0;
    r.m_RecipeBoilLth = 0;
    for (QString* text :
         {&r.m_RecipeBrewer, &r.m_RecipeComments, &r.m_RecipeName, &r.m_RecipeSource,
          &r.m_RecipeUtensils, &r.m_RecipeYield, &r.m_RecipeFermPrimingAmt,
          &r.m_RecipeFermPrimingName, &r.m_RecipeFermPrimingUnits, &r.m_RecipeRatingNotes,
          &r.m_RecipeRatingCompComments, &r.m_RecipeRatingCompName, &r.m_RecipeRatingCompPrizes,
          &r.m_RecipeTargetStyle, &r.m_RecipeTargetCategory, &r.m_RecipeTargetSubcategory}) {
        text->clear();
        r.setFieldNull(text, false);
    }
    for (QDateTime* date :
         {&r.m_RecipeDateBottled, &r.m_RecipeDateBrewed, &r.m_RecipeDateObtained,
          &r.m_RecipeDateRacked, &r.m_RecipeRatingCompDate, &r.m_RecipeRatingDateSampled1,
          &r.m_RecipeRatingDateSampled2, &r.m_RecipeRatingDateSampled3}) {
        setNullDate(r, *date);
    }
    for (qint32* whole :
         {&r.m_RecipeFermAvgTempPri, &r.m_RecipeFermAvgTempSec,   &r.m_RecipeFermConditioningAmt,
          &r.m_RecipeFermPrimary,    &r.m_RecipeFermSecondary,    &r.m_RecipeFermTypeAle,
          &r.m_RecipeMashTime1,      &r.m_RecipeMashTime2,        &r.m_RecipeMashTime3,
          &r.m_RecipeMashTime4,      &r.m_RecipeMashTemp1,        &r.m_RecipeMashTemp2,
          &r.m_RecipeMashTemp3,      &r.m_RecipeMashTemp4,        &r.m_RecipeSpargeTemp,
          &r.m_RecipeMeasureEnglish, &r.m_RecipeRatingAppearance, &r.m_RecipeRatingAroma,
          &r.m_RecipeRatingTaste,    &r.m_RecipeRatingCompScore,  &r.m_RecipeSGOriginalTemp,
          &r.m_RecipeSGRackingTemp,  &r.m_RecipeSGFinalTemp}) {
        *whole = 0;
    }
    r.m_RecipeFermConditioningUnits = QStringLiteral("Days");
    for (double* volume :
         {&r.m_RecipeMashVol1, &r.m_RecipeMashVol2, &r.m_RecipeMashVol3, &r.m_RecipeMashVol4,
          &r.m_RecipeMashPhAdj, &r.m_RecipeSpargeVol, &r.m_RecipeSpargePhAdj,
          &r.m_RecipeWortCollectedVol, &r.m_RecipeSystemEfficiencyActual, &r.m_RecipeTargetAlcoLo,
          &r.m_RecipeTargetAlcoHi, &r.m_RecipeTargetColorLo, &r.m_RecipeTargetColorHi,
          &r.m_RecipeTargetIBULo, &r.m_RecipeTargetIBUHi}) {
        *volume = 0.0;
    }
    r.m_RecipeMashType = -1;
    r.m_RecipeProcessAllGrain = false;
    r.m_RecipeProcessExtract = false;
    r.m_RecipeProcessKit = false;
    r.m_RecipeProcessPartial = false;
    r.m_RecipeRatingImpression = 1;
    r.m_RecipeSGOriginal = 1.0;
    r.m_RecipeSGRacking = 1.0;
    r.m_RecipeSGFinal = 1.0;
    r.m_RecipeSystemEfficiencyExpected = 80.0;
    r.m_RecipeTargetSpGravLo = 1.0;
    r.m_RecipeTargetSpGravHi = 1.0;
}

void RecipeCopyBuffer::fill(const storage::CRecordSetRecipe& s) {
    const auto date = [&s](const QDateTime& field) {
        return s.isFieldNull(&field) ? Date() : field;
    };
    m_sourceId = s.m_RecipeID;
    m_targetStyle = s.m_RecipeTargetStyle;
    m_targetCategory = s.m_RecipeTargetCategory;
    m_targetSubcategory = s.m_RecipeTargetSubcategory;
    m_mashType = s.m_RecipeMashType;
    m_mashTime = {s.m_RecipeMashTime1, s.m_RecipeMashTime2, s.m_RecipeMashTime3,
                  s.m_RecipeMashTime4};
    m_mashTemp = {s.m_RecipeMashTemp1, s.m_RecipeMashTemp2, s.m_RecipeMashTemp3,
                  s.m_RecipeMashTemp4};
    m_mashVol = {s.m_RecipeMashVol1, s.m_RecipeMashVol2, s.m_RecipeMashVol3, s.m_RecipeMashVol4};
    m_mashPhAdj = s.m_RecipeMashPhAdj;
    m_efficiencyExpected = s.m_RecipeSystemEfficiencyExpected;
    m_efficiencyActual = s.m_RecipeSystemEfficiencyActual;
    m_spargeTemp = s.m_RecipeSpargeTemp;
    m_spargeVol = s.m_RecipeSpargeVol;
    m_spargePhAdj = s.m_RecipeSpargePhAdj;
    m_wortCollected = s.m_RecipeWortCollectedVol;
    m_sgOriginal = s.m_RecipeSGOriginal;
    m_sgRacking = s.m_RecipeSGRacking;
    m_sgFinal = s.m_RecipeSGFinal;
    m_sgOriginalTemp = s.m_RecipeSGOriginalTemp;
    m_sgRackingTemp = s.m_RecipeSGRackingTemp;
    m_sgFinalTemp = s.m_RecipeSGFinalTemp;
    m_bottled = date(s.m_RecipeDateBottled);
    m_brewed = date(s.m_RecipeDateBrewed);
    m_racked = date(s.m_RecipeDateRacked);
    m_obtained = date(s.m_RecipeDateObtained);
    m_compDate = date(s.m_RecipeRatingCompDate);
    m_sampled = {date(s.m_RecipeRatingDateSampled1), date(s.m_RecipeRatingDateSampled2),
                 date(s.m_RecipeRatingDateSampled3)};
    m_fermPrimary = s.m_RecipeFermPrimary;
    m_fermSecondary = s.m_RecipeFermSecondary;
    m_fermAvgTempPri = s.m_RecipeFermAvgTempPri;
    m_fermAvgTempSec = s.m_RecipeFermAvgTempSec;
    m_primingName = s.m_RecipeFermPrimingName;
    m_primingAmt = s.m_RecipeFermPrimingAmt;
    m_primingUnits = s.m_RecipeFermPrimingUnits;
    m_conditioningAmt = s.m_RecipeFermConditioningAmt;
    m_conditioningUnits = s.m_RecipeFermConditioningUnits;
    m_comments = s.m_RecipeComments;
    m_source = s.m_RecipeSource;
    m_ratingAppearance = s.m_RecipeRatingAppearance;
    m_ratingAroma = s.m_RecipeRatingAroma;
    m_ratingTaste = s.m_RecipeRatingTaste;
    m_ratingImpression = s.m_RecipeRatingImpression;
    m_ratingNotes = s.m_RecipeRatingNotes;
    m_compComments = s.m_RecipeRatingCompComments;
    m_compName = s.m_RecipeRatingCompName;
    m_compPrizes = s.m_RecipeRatingCompPrizes;
    m_compScore = s.m_RecipeRatingCompScore;
}

void RecipeCopyBuffer::applyTo(storage::CRecordSetRecipe& c) const {
    const auto date = [&c](QDateTime& field, const Date& from) {
        field = from;
        c.setFieldNull(&field, !from.isValid());
    };
    c.m_RecipeTargetStyle = m_targetStyle;
    c.m_RecipeTargetCategory = m_targetCategory;
    c.m_RecipeTargetSubcategory = m_targetSubcategory;
    c.m_RecipeMashType = m_mashType;
    c.m_RecipeMashTime1 = m_mashTime[0];
    c.m_RecipeMashTime2 = m_mashTime[1];
    c.m_RecipeMashTime3 = m_mashTime[2];
    c.m_RecipeMashTime4 = m_mashTime[3];
    c.m_RecipeMashTemp1 = m_mashTemp[0];
    c.m_RecipeMashTemp2 = m_mashTemp[1];
    c.m_RecipeMashTemp3 = m_mashTemp[2];
    c.m_RecipeMashTemp4 = m_mashTemp[3];
    c.m_RecipeMashVol1 = m_mashVol[0];
    c.m_RecipeMashVol2 = m_mashVol[1];
    c.m_RecipeMashVol3 = m_mashVol[2];
    c.m_RecipeMashVol4 = m_mashVol[3];
    c.m_RecipeMashPhAdj = m_mashPhAdj;
    c.m_RecipeSystemEfficiencyExpected = m_efficiencyExpected;
    c.m_RecipeSystemEfficiencyActual = m_efficiencyActual;
    c.m_RecipeSpargeTemp = m_spargeTemp;
    c.m_RecipeSpargeVol = m_spargeVol;
    c.m_RecipeSpargePhAdj = m_spargePhAdj;
    c.m_RecipeWortCollectedVol = m_wortCollected;
    c.m_RecipeSGOriginal = m_sgOriginal;
    c.m_RecipeSGRacking = m_sgRacking;
    c.m_RecipeSGFinal = m_sgFinal;
    c.m_RecipeSGOriginalTemp = m_sgOriginalTemp;
    c.m_RecipeSGRackingTemp = m_sgRackingTemp;
    c.m_RecipeSGFinalTemp = m_sgFinalTemp;
    date(c.m_RecipeDateBottled, m_bottled);
    date(c.m_RecipeDateBrewed, m_brewed);
    date(c.m_RecipeDateRacked, m_racked);
    date(c.m_RecipeDateObtained, m_obtained);
    date(c.m_RecipeRatingCompDate, m_compDate);
    date(c.m_RecipeRatingDateSampled1, m_sampled[0]);
    date(c.m_RecipeRatingDateSampled2, m_sampled[1]);
    date(c.m_RecipeRatingDateSampled3, m_sampled[2]);
    c.m_RecipeFermPrimary = m_fermPrimary;
    c.m_RecipeFermSecondary = m_fermSecondary;
    c.m_RecipeFermAvgTempPri = m_fermAvgTempPri;
    c.m_RecipeFermAvgTempSec = m_fermAvgTempSec;
    c.m_RecipeFermPrimingName = m_primingName;
    c.m_RecipeFermPrimingAmt = m_primingAmt;
    c.m_RecipeFermPrimingUnits = m_primingUnits;
    c.m_RecipeFermConditioningAmt = m_conditioningAmt;
    c.m_RecipeFermConditioningUnits = m_conditioningUnits;
    c.m_RecipeComments = m_comments;
    c.m_RecipeSource = m_source;
    c.m_RecipeRatingAppearance = m_ratingAppearance;
    c.m_RecipeRatingAroma = m_ratingAroma;
    c.m_RecipeRatingTaste = m_ratingTaste;
    c.m_RecipeRatingImpression = m_ratingImpression;
    c.m_RecipeRatingNotes = m_ratingNotes;
    c.m_RecipeRatingCompComments = m_compComments;
    c.m_RecipeRatingCompName = m_compName;
    c.m_RecipeRatingCompPrizes = m_compPrizes;
    c.m_RecipeRatingCompScore = m_compScore;
}

}  // namespace mw::recipe_form
