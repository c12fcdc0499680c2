#pragma once

#include <string>

namespace mw::calc {

// The fields of the current recipe record that the calculations and the
// target-range display read. The recipe record object implements this; so do
// plain values for the command line and tests.
class RecipeFields {
public:
    virtual ~RecipeFields() = default;

    // Volume every contribution is divided by (gallons or litres).
    virtual double batchSize() const = 0;
    // Volume the bitterness of every hop addition is divided by.
    virtual double boilSize() const = 0;
    // 0 English measures, any other value metric.
    virtual long measureEnglish() const = 0;
    // Percent; 0 when none was entered.
    virtual double systemEfficiencyExpected() const = 0;
    virtual std::string fermPrimingName() const = 0;

    virtual std::string targetStyle() const = 0;
    virtual std::string targetCategory() const = 0;
    virtual std::string targetSubcategory() const = 0;
    virtual double targetSpGravLo() const = 0;
    virtual double targetSpGravHi() const = 0;
    virtual double targetAlcoLo() const = 0;
    virtual double targetAlcoHi() const = 0;
    virtual double targetIbuLo() const = 0;
    virtual double targetIbuHi() const = 0;
    virtual double targetColorLo() const = 0;
    virtual double targetColorHi() const = 0;

    bool isMetric() const { return measureEnglish() != 0; }
};

// Recipe fields held as plain values; the defaults are those of a new recipe.
struct RecipeFieldValues final : RecipeFields {
    double batch = 5.0;
    double boil = 5.0;
    long measure = 0;
    double efficiency = 80.0;
    std::string primingName;
    std::string style, category, subcategory;
    double spGravLo = 1.0, spGravHi = 1.0;
    double alcoLo = 0.0, alcoHi = 0.0;
    double ibuLo = 0.0, ibuHi = 0.0;
    double colorLo = 0.0, colorHi = 0.0;

    double batchSize() const override { return batch; }
    double boilSize() const override { return boil; }
    long measureEnglish() const override { return measure; }
    double systemEfficiencyExpected() const override { return efficiency; }
    std::string fermPrimingName() const override { return primingName; }
    std::string targetStyle() const override { return style; }
    std::string targetCategory() const override { return category; }
    std::string targetSubcategory() const override { return subcategory; }
    double targetSpGravLo() const override { return spGravLo; }
    double targetSpGravHi() const override { return spGravHi; }
    double targetAlcoLo() const override { return alcoLo; }
    double targetAlcoHi() const override { return alcoHi; }
    double targetIbuLo() const override { return ibuLo; }
    double targetIbuHi() const override { return ibuHi; }
    double targetColorLo() const override { return colorLo; }
    double targetColorHi() const override { return colorHi; }
};

}  // namespace mw::calc
