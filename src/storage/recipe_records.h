#pragma once

// Record classes of the recipe database.
// One class per table or saved query, one member per column in the
// column order of the table; the constructor binds them.

#include <QDateTime>
#include <QString>

#include "storage/recordset.h"

namespace mw::storage {

// A recipe: one row of Recipes.
class CRecordSetRecipe final : public Recordset {
public:
    explicit CRecordSetRecipe(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Recipes]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_RecipeBatchNo = 0;
    double m_RecipeBatchSize = 0.0;
    qint32 m_RecipeBoilLth = 0;
    double m_RecipeBoilSize = 0.0;
    QString m_RecipeBrewer;
    QString m_RecipeComments;
    QDateTime m_RecipeDateBottled;
    QDateTime m_RecipeDateBrewed;
    QDateTime m_RecipeDateObtained;
    QDateTime m_RecipeDateRacked;
    qint32 m_RecipeFermAvgTempPri = 0;
    qint32 m_RecipeFermAvgTempSec = 0;
    qint32 m_RecipeFermConditioningAmt = 0;
    QString m_RecipeFermConditioningUnits;
    qint32 m_RecipeFermPrimary = 0;
    QString m_RecipeFermPrimingAmt;
    QString m_RecipeFermPrimingName;
    QString m_RecipeFermPrimingUnits;
    qint32 m_RecipeFermSecondary = 0;
    qint32 m_RecipeFermTypeAle = 0;
    qint32 m_RecipeID = 0;
    qint32 m_RecipeMashTime1 = 0;
    qint32 m_RecipeMashTime2 = 0;
    qint32 m_RecipeMashTime3 = 0;
    qint32 m_RecipeMashTime4 = 0;
    double m_RecipeMashVol1 = 0.0;
    double m_RecipeMashVol2 = 0.0;
    double m_RecipeMashVol3 = 0.0;
    double m_RecipeMashVol4 = 0.0;
    qint32 m_RecipeMeasureEnglish = 0;
    QString m_RecipeName;
    bool m_RecipeProcessAllGrain = false;
    bool m_RecipeProcessExtract = false;
    bool m_RecipeProcessKit = false;
    bool m_RecipeProcessPartial = false;
    qint32 m_RecipeRatingAppearance = 0;
    qint32 m_RecipeRatingAroma = 0;
    QString m_RecipeRatingCompComments;
    QDateTime m_RecipeRatingCompDate;
    QString m_RecipeRatingCompName;
    QString m_RecipeRatingCompPrizes;
    qint32 m_RecipeRatingCompScore = 0;
    QDateTime m_RecipeRatingDateSampled2;
    QDateTime m_RecipeRatingDateSampled3;
    qint32 m_RecipeRatingImpression = 0;
    QString m_RecipeRatingNotes;
    qint32 m_RecipeRatingTaste = 0;
    double m_RecipeSGFinal = 0.0;
    double m_RecipeSGOriginal = 0.0;
    double m_RecipeSGRacking = 0.0;
    QString m_RecipeSource;
    double m_RecipeSpargeVol = 0.0;
    double m_RecipeTargetAlcoHi = 0.0;
    double m_RecipeTargetAlcoLo = 0.0;
    QString m_RecipeTargetCategory;
    double m_RecipeTargetColorHi = 0.0;
    double m_RecipeTargetColorLo = 0.0;
    double m_RecipeTargetIBUHi = 0.0;
    double m_RecipeTargetIBULo = 0.0;
    double m_RecipeTargetSpGravHi = 0.0;
    double m_RecipeTargetSpGravLo = 0.0;
    QString m_RecipeTargetStyle;
    QString m_RecipeTargetSubcategory;
    QString m_RecipeUtensils;
    double m_RecipeWortCollectedVol = 0.0;
    QString m_RecipeYield;
    double m_RecipeMashPhAdj = 0.0;
    double m_RecipeSpargePhAdj = 0.0;
    qint32 m_RecipeMashTemp1 = 0;
    qint32 m_RecipeMashTemp2 = 0;
    qint32 m_RecipeMashTemp3 = 0;
    qint32 m_RecipeMashTemp4 = 0;
    qint32 m_RecipeSGFinalTemp = 0;
    qint32 m_RecipeSGOriginalTemp = 0;
    qint32 m_RecipeSGRackingTemp = 0;
    qint32 m_RecipeSpargeTemp = 0;
    qint32 m_RecipeMashType = 0;
    QDateTime m_RecipeRatingDateSampled1;
    double m_RecipeSystemEfficiencyActual = 0.0;
    double m_RecipeSystemEfficiencyExpected = 0.0;
};

// A grain line of a recipe.
class CRecordSetRecIngGrains final : public Recordset {
public:
    explicit CRecordSetRecIngGrains(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Grains]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    QString m_IngGrainsName;
    qint32 m_IngRecipeID = 0;
    double m_IngGrainsColor = 0.0;
    qint32 m_IngGrainsID = 0;
    double m_IngGrainsSPGrav = 0.0;
    QString m_IngGrainsUnits;
    double m_IngGrainsWeight = 0.0;
};

// A malt extract line of a recipe.
class CRecordSetRecIngExtracts final : public Recordset {
public:
    explicit CRecordSetRecIngExtracts(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Extracts]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    QString m_IngExtractsForm;
    double m_IngExtractsHBU = 0.0;
    bool m_IngExtractsHopped = false;
    QString m_IngExtractsManuf;
    QString m_IngExtractsName;
    double m_IngExtractsSPGrav = 0.0;
    double m_IngExtractsWeight = 0.0;
    qint32 m_IngRecipeID = 0;
    qint32 m_IngExtractsID = 0;
    double m_IngExtractsColor = 0.0;
    QString m_IngExtractsUnits;
};

// A hop addition of a recipe.
class CRecordSetRecIngHops final : public Recordset {
public:
    explicit CRecordSetRecIngHops(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Hops]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_IngHopsAlpha = 0.0;
    QString m_IngHopsName;
    qint32 m_IngRecipeID = 0;
    double m_IngHopsHBU = 0.0;
    double m_IngHopsIBU = 0.0;
    qint32 m_IngHopsID = 0;
    double m_IngHopsTime = 0.0;
    QString m_IngHopsUnits;
    double m_IngHopsWeight = 0.0;
};

// A yeast line of a recipe.
class CRecordSetRecIngYeasts final : public Recordset {
public:
    explicit CRecordSetRecIngYeasts(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Yeasts]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    qint32 m_IngRecipeID = 0;
    double m_IngYeastAmt = 0.0;
    QString m_IngYeastForm;
    QString m_IngYeastName;
    QString m_IngYeastType;
    QString m_IngYeastManuf;
    qint32 m_IngYeastID = 0;
    double m_IngYeastAttenuation = 0.0;
    QString m_IngYeastUnits;
};

// An adjunct line of a recipe.
class CRecordSetRecIngAdjuncts final : public Recordset {
public:
    explicit CRecordSetRecIngAdjuncts(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Adjuncts]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    QString m_IngAdjunctsAmt;
    QString m_IngAdjunctsName;
    qint32 m_IngRecipeID = 0;
    qint32 m_IngAdjunctsFermentable = 0;
    QString m_IngAdjunctsUnits;
    double m_IngAdjunctsColor = 0.0;
    double m_IngAdjunctsSPGrav = 0.0;
    qint32 m_IngAdjunctsID = 0;
};

// A beer kit line of a recipe.
class CRecordSetRecIngKits final : public Recordset {
public:
    explicit CRecordSetRecIngKits(Database* database);

    QString defaultSource() const override { return QStringLiteral("[Ingredients_Kits]"); }
    OpenType defaultType() const override { return OpenType::Table; }

    double m_IngKitsHBU = 0.0;
    QString m_IngKitsManuf;
    double m_IngKitsStartSPGrav = 0.0;
    QString m_IngKitsStyle;
    double m_IngKitsWeight = 0.0;
    qint32 m_IngRecipeID = 0;
    double m_IngKitsColor = 0.0;
    qint32 m_IngKitsID = 0;
    QString m_IngKitsUnits;
};

// The recipe log: every recipe in ascending batch-number order.
class CRecordSetRecipeLog final : public Recordset {
public:
    explicit CRecordSetRecipeLog(Database* database);

    QString defaultSource() const override {
        return QStringLiteral("[Recipes Log Query - By Batch Number]");
    }
    OpenType defaultType() const override { return OpenType::Snapshot; }

    qint32 m_RecipeBatchNo = 0;
    QDateTime m_RecipeDateBrewed;
    QString m_RecipeName;
    QString m_RecipeTargetCategory;
    QString m_RecipeTargetStyle;
    QString m_RecipeTargetSubcategory;
    qint32 m_RecipeID = 0;
};

// One row holding the largest batch number.
class CRecordSetRecipeMaxBatch final : public Recordset {
public:
    explicit CRecordSetRecipeMaxBatch(Database* database);

    QString defaultSource() const override {
        return QStringLiteral("[Recipes Max Batch Number Query]");
    }
    OpenType defaultType() const override { return OpenType::Dynaset; }

    qint32 m_Max_Of_RecipeBatchNo = 0;
};

}  // namespace mw::storage
