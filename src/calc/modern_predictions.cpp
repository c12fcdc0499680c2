#include "calc/modern_predictions.h"

#include "calc/ingredient_cells.h"
#include "calc/modern_formulas.h"
#include "calc/recipe_fields.h"
#include "calc/sheets.h"
#include "resources/number_text.h"

namespace mw::calc {

namespace {

using namespace modern;

constexpr double kGramsPerPound = 453.59237;
// A kit's stated colour refers to 5 US gallons (18.92706 litres).
constexpr double kKitVolumeGallons = 5.0;

std::string num(double value) {
    return formatNumber("%.10g", value);
}

std::string gravityText(double gravity) {
    return formatNumber("%.3f", gravity);
}

double cellNumber(const IngredientCells& cells, Sheet sheet, int row, int column) {
    return leadingNumber(cells.cellText(sheet, row, column));
}

// A row's weight in pounds by its unit text; a unit the program does not
// offer is taken in the recipe's own measure (pounds or kilograms).
double pounds(double weight, const std::string& unit, bool metric) {
    if (unit == "oz") {
        return weight / 16.0;
    }
    if (unit == "kg") {
        return weight * kPoundsPerKilogram;
    }
    if (unit == "g") {
        return weight / kGramsPerPound;
    }
    if (unit == "lbs" || unit == "lb") {
        return weight;
    }
    return metric ? weight * kPoundsPerKilogram : weight;
}

ModernBitterness bitterness(const RecipeFields& recipe, const IngredientCells& cells,
                            const CalcResults& classic) {
    ModernBitterness b;
    const bool metric = recipe.isMetric();
    const double boil = recipe.boilSize();
    const double batch = recipe.batchSize();
    if (boil <= 0.0) {
        b.notes.push_back("No boil size: the bitterness is not worked out.");
        return b;
    }
    if (classic.originalGravity < 1.0 || batch <= 0.0) {
        b.notes.push_back("No original gravity: the bitterness is not worked out.");
        return b;
    }
    b.worked = true;
    b.litres = metric ? boil : boil * kLitresPerGallon;
    // The hops boil in the boil volume, where the batch's points are more
    // concentrated (or diluted) by batch / boil.
    b.gravity = 1.0 + (classic.originalGravity - 1.0) * batch / boil;
    b.gravityName = "boil gravity";
    b.ragerAdjustment = ragerGravityAdjustment(b.gravity);
    b.notes.push_back("Wort gravity: the boil gravity " + gravityText(b.gravity) +
                      " = 1 + (predicted original gravity " + gravityText(classic.originalGravity) +
                      " - 1) x batch " + num(batch) + " / boil " + num(boil) + ".");
    b.notes.push_back("Boil volume " + num(b.litres) + " litres" +
                      (metric ? "" : " (" + num(boil) + " US gallons x 3.785411784)") +
                      "; alpha acid mg/l = alpha x grams x 1000 / litres.");
    if (b.ragerAdjustment > 0.0) {
        b.notes.push_back("Rager's gravity adjustment (" + gravityText(b.gravity) +
                          " - 1.050) / 0.2 = " + num(b.ragerAdjustment) +
                          " divides each addition by " + num(1.0 + b.ragerAdjustment) + ".");
    }
    double tinseth = 0.0;
    double rager = 0.0;
    for (int r = 1; r <= cells.rowCount(Sheet::Hops); ++r) {
        ModernHopAddition hop;
        hop.row = r;
        hop.minutes = leadingInteger(cells.cellText(Sheet::Hops, r, HopCol::Time));
        hop.alphaPercent = cellNumber(cells, Sheet::Hops, r, HopCol::Alpha);
        const double weight = cellNumber(cells, Sheet::Hops, r, HopCol::Weight);
        const bool grams = cells.cellText(Sheet::Hops, r, HopCol::Units) == "g";
        hop.grams = grams ? weight : weight * kGramsPerOunce;
        hop.counted = hop.minutes > 0;
        if (hop.counted) {
            hop.tinsethUtilization = tinsethUtilization(b.gravity, hop.minutes);
            hop.tinsethIbu =
                tinsethIbu(hop.alphaPercent, hop.grams, b.litres, b.gravity, hop.minutes);
            hop.ragerUtilizationPercent = ragerUtilizationPercent(hop.minutes);
            hop.ragerIbu = ragerIbu(hop.alphaPercent, hop.grams, b.litres, b.gravity, hop.minutes);
            tinseth += hop.tinsethIbu;
            rager += hop.ragerIbu;
        } else {
            b.notes.push_back("Hop row " + std::to_string(r) +
                              ": no boil time, taken as a finishing or dry hop that adds no "
                              "bitterness.");
        }
        if (!grams) {
            b.notes.push_back("Hop row " + std::to_string(r) + ": " + num(weight) +
                              " oz x 28.349523125 = " + num(hop.grams) + " g.");
        }
        b.hops.push_back(hop);
    }
    b.ibu = {{"Tinseth (formula)", tinseth}, {"Rager", rager}};
    return b;
}

ModernColour colour(const RecipeFields& recipe, const IngredientCells& cells) {
    ModernColour c;
    const bool metric = recipe.isMetric();
    const double batch = recipe.batchSize();
    if (batch <= 0.0) {
        c.notes.push_back("No batch size: the colour is not worked out.");
        return c;
    }
    c.worked = true;
    const double gallons = metric ? batch / kLitresPerGallon : batch;
    const double maxColor = metric ? 2000.0 : 500.0;
    const auto valid = [maxColor](double v) { return v >= 1.0 && v <= maxColor; };
    c.notes.push_back("MCU = degrees Lovibond x pounds / US gallons, batch " + num(gallons) +
                      " US gallons; every weight converted to pounds by its unit.");

    double kits = 0.0;
    for (int r = 1; r <= cells.rowCount(Sheet::Kits); ++r) {
        const double v = cellNumber(cells, Sheet::Kits, r, KitCol::Color);
        if (valid(v)) {
            kits += v;
        }
    }
    double sum = 0.0;
    struct Source {
        Sheet sheet;
        int weight, units, color;
    };
    const Source sources[] = {
        {Sheet::Extracts, ExtractCol::Weight, ExtractCol::Units, ExtractCol::Color},
        {Sheet::Grains, GrainCol::Weight, GrainCol::Units, GrainCol::Color},
        {Sheet::Adjuncts, AdjunctCol::Amount, AdjunctCol::Units, AdjunctCol::Color}};
    for (const Source& s : sources) {
        for (int r = 1; r <= cells.rowCount(s.sheet); ++r) {
            if (s.sheet == Sheet::Adjuncts &&
                cells.cellText(s.sheet, r, AdjunctCol::Fermentable) == "0") {
                continue;
            }
            const double lb = pounds(cellNumber(cells, s.sheet, r, s.weight),
                                     cells.cellText(s.sheet, r, s.units), metric);
            const double v = cellNumber(cells, s.sheet, r, s.color);
            if (lb != 0.0 && valid(v)) {
                sum += lb * v;
            }
        }
    }
    if (kits != 0.0) {
        c.notes.push_back("Kits: their colours refer to 5 US gallons and count " + num(kits) +
                          " x 5 / " + num(gallons) + ".");
    }
    c.mcu = kits * kKitVolumeGallons / gallons + sum / gallons;
    const double srm[] = {moreySrm(c.mcu), danielsSrm(c.mcu), mosherSrm(c.mcu)};
    const char* const names[] = {"Morey", "Daniels", "Mosher"};
    for (int i = 0; i < 3; ++i) {
        c.srm.push_back({names[i], srm[i]});
        c.ebc.push_back({names[i], ebcFromSrm(srm[i])});
    }
    c.display = srmDisplayColour(srm[0]);
    c.notes.push_back(
        "Daniels and Mosher are straight lines fitted to darker beers; below "
        "about 10 MCU they read darker than Morey.");
    return c;
}

ModernAlcohol alcohol(const CalcResults& classic, double attenuation) {
    ModernAlcohol a;
    a.originalGravity = classic.originalGravity;
    a.attenuation = attenuation;
    if (a.originalGravity <= 1.0) {
        a.notes.push_back("No original gravity above 1.000: the alcohol is not worked out.");
        return a;
    }
    a.worked = true;
    a.finalGravity = predictedFinalGravity(a.originalGravity, attenuation);
    const double simple = abvSimple(a.originalGravity, a.finalGravity);
    const double alternate = abvAlternate(a.originalGravity, a.finalGravity);
    a.abv = {{"Simple (OG - FG) x 131.25", simple}, {"Alternate", alternate}};
    a.abw = {{"Simple (OG - FG) x 131.25", abwFromAbv(simple, a.finalGravity)},
             {"Alternate", abwFromAbv(alternate, a.finalGravity)}};
    a.notes.push_back("Final gravity " + gravityText(a.finalGravity) + " = 1 + (" +
                      gravityText(a.originalGravity) + " - 1) x (1 - attenuation " +
                      num(attenuation * 100.0) + " %), the attenuation the classic figure used.");
    a.notes.push_back("No priming bonus: the sugar for carbonation is left out.");
    return a;
}

}  // namespace

ModernPredictions predictModern(const RecipeFields& recipe, const IngredientCells& cells,
                                const CalcResults& classic, double attenuation) {
    return {bitterness(recipe, cells, classic), colour(recipe, cells),
            alcohol(classic, attenuation)};
}

}  // namespace mw::calc
