#pragma once

#include <QDateTime>
#include <QString>
#include <array>

namespace mw::storage {
class CRecordSetRecipe;
}

namespace mw::recipe_form {

// Gives a new recipe row (New and Copy) its starting values: sizes 5.0,
// efficiency 80, gravities 1.0, impression 1, no mash type, "Days" of
// conditioning, empty texts, zeros, and every date null, so that its picker
// shows today unchecked.
void setNewRecipeDefaults(storage::CRecordSetRecipe& record);

// What a copy takes over from its source besides the form's own fields:
// target style names, mash, sparge, gravities, fermentation, priming,
// comments and rating, dates with their null state. Batch and boil sizes,
// boil time, fermentation type, utensils, yield and the target ranges are
// not copied; the copy keeps their defaults.
class RecipeCopyBuffer {
public:
    void fill(const storage::CRecordSetRecipe& source);
    void applyTo(storage::CRecordSetRecipe& copy) const;

    qint32 sourceRecipeId() const { return m_sourceId; }

private:
    // A null date is a date that is not valid.
    using Date = QDateTime;

    qint32 m_sourceId = 0;
    QString m_targetStyle, m_targetCategory, m_targetSubcategory;
    qint32 m_mashType = 0;
    std::array<qint32, 4> m_mashTime{}, m_mashTemp{};
    std::array<double, 4> m_mashVol{};
    double m_mashPhAdj = 0, m_efficiencyExpected = 0, m_efficiencyActual = 0;
    qint32 m_spargeTemp = 0;
    double m_spargeVol = 0, m_spargePhAdj = 0, m_wortCollected = 0;
    double m_sgOriginal = 0, m_sgRacking = 0, m_sgFinal = 0;
    qint32 m_sgOriginalTemp = 0, m_sgRackingTemp = 0, m_sgFinalTemp = 0;
    Date m_bottled, m_brewed, m_racked, m_obtained, m_compDate;
    std::array<Date, 3> m_sampled;
    qint32 m_fermPrimary = 0, m_fermSecondary = 0, m_fermAvgTempPri = 0, m_fermAvgTempSec = 0;
    QString m_primingName, m_primingAmt, m_primingUnits;
    qint32 m_conditioningAmt = 0;
    QString m_conditioningUnits, m_comments, m_source;
    qint32 m_ratingAppearance = 0, m_ratingAroma = 0, m_ratingTaste = 0, m_ratingImpression = 0;
    QString m_ratingNotes, m_compComments, m_compName, m_compPrizes;
    qint32 m_compScore = 0;
};

}  // namespace mw::recipe_form
