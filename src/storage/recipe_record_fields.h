#pragma once

#include "calc/recipe_fields.h"
#include "storage/recipe_records.h"

namespace mw::storage {

// The calculations' view of a recipe record: they read its fields as the
// record object holds them right now.
class RecipeRecordFields final : public calc::RecipeFields {
public:
    explicit RecipeRecordFields(const CRecordSetRecipe& record) : m_r(record) {}

    double batchSize() const override { return m_r.m_RecipeBatchSize; }
    double boilSize() const override { return m_r.m_RecipeBoilSize; }
    long measureEnglish() const override { return m_r.m_RecipeMeasureEnglish; }
    double systemEfficiencyExpected() const override {
        return m_r.m_RecipeSystemEfficiencyExpected;
    }
    std::string fermPrimingName() const override {
        return m_r.m_RecipeFermPrimingName.toStdString();
    }
    std::string targetStyle() const override { return m_r.m_RecipeTargetStyle.toStdString(); }
    std::string targetCategory() const override { return m_r.m_RecipeTargetCategory.toStdString(); }
    std::string targetSubcategory() const override {
        return m_r.m_RecipeTargetSubcategory.toStdString();
    }
    double targetSpGravLo() const override { return m_r.m_RecipeTargetSpGravLo; }
    double targetSpGravHi() const override { return m_r.m_RecipeTargetSpGravHi; }
    double targetAlcoLo() const override { return m_r.m_RecipeTargetAlcoLo; }
    double targetAlcoHi() const override { return m_r.m_RecipeTargetAlcoHi; }
    double targetIbuLo() const override { return m_r.m_RecipeTargetIBULo; }
    double targetIbuHi() const override { return m_r.m_RecipeTargetIBUHi; }
    double targetColorLo() const override { return m_r.m_RecipeTargetColorLo; }
    double targetColorHi() const override { return m_r.m_RecipeTargetColorHi; }

private:
    const CRecordSetRecipe& m_r;
};

}  // namespace mw::storage
