#pragma once

#include <string>

#include "calc/hop_utilization.h"
#include "calc/ingredient_rows.h"
#include "calc/recipe_calculation.h"
#include "calc/recipe_fields.h"
#include "support/scripted_prompts.h"

namespace mw::test {

// A recipe in memory with its calculation, for building test cases in a few
// lines. Ingredient texts are given as a brewer would type them.
struct TestRecipe {
    calc::RecipeFieldValues fields;
    calc::IngredientRows rows;
    calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    ScriptedPrompts prompts;
    calc::RecipeCalculation calc{fields, rows, table, prompts};
    int modifiedCount = 0;

    TestRecipe() {
        calc.setModifiedHandler([this] { ++modifiedCount; });
    }

    void kit(std::string sg, std::string color = "5.0", std::string hbu = "0.0") {
        rows.addRow(calc::Sheet::Kits, {"Maker", "Bitter", hbu, "3.3", "lbs", sg, color, "1"});
    }
    void extract(std::string weight, std::string sg, std::string form = "Syrup",
                 std::string units = "lbs", std::string color = "4.0", std::string hbu = "0.0") {
        rows.addRow(calc::Sheet::Extracts,
                    {"Maker", "Light", hbu, weight, units, form, "0", sg, color, "1"});
    }
    void grain(std::string weight, std::string sg, std::string units = "lbs",
               std::string color = "2.0") {
        rows.addRow(calc::Sheet::Grains, {"Pale", weight, units, sg, color, "1"});
    }
    void adjunct(std::string amount, std::string sg, std::string fermentable = "1",
                 std::string units = "lbs", std::string color = "1.0") {
        rows.addRow(calc::Sheet::Adjuncts, {"Sugar", amount, units, fermentable, sg, color, "1"});
    }
    void hop(std::string alpha, std::string weight, std::string minutes, std::string units = "oz",
             std::string ibu = "0", std::string hbu = "0.0") {
        rows.addRow(calc::Sheet::Hops, {"Hop", alpha, weight, units, minutes, ibu, hbu, "1"});
    }
    void yeast(std::string amount, std::string attenuation) {
        rows.addRow(calc::Sheet::Yeasts,
                    {"Lab", "Ale yeast", "Ale", "Dry", amount, "pkg", attenuation, "1"});
    }

    std::string hopCell(int row, int column) const {
        return rows.cellText(calc::Sheet::Hops, row, column);
    }
    const std::vector<std::string>& messages() const { return calc.messages().messages(); }
};

// A grid whose every entry names its own place: group g, column c holds
// (g * 100 + c) / 10000, so a lookup shows which entry it used.
inline calc::HopUtilizationTable indexedTable() {
    calc::HopUtilizationTable table;
    for (int g = 0; g < calc::HopUtilizationTable::kGroups; ++g) {
        for (int c = 0; c < calc::HopUtilizationTable::kColumns; ++c) {
            table.set(g, c, (g * 100 + c + 1) / 10000.0);
        }
    }
    return table;
}

}  // namespace mw::test

#include <QMetaType>
#include <functional>

// A data-driven row sets a recipe up with one of these.
using RecipeSetup = std::function<void(mw::test::TestRecipe&)>;
Q_DECLARE_METATYPE(RecipeSetup)
