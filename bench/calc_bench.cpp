// Times a full recalculation of a recipe with 60 ingredient rows (10 on each
// sheet) and prints the median nanoseconds per recalculation.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_prompts.h"
#include "calc/hop_utilization.h"
#include "calc/ingredient_rows.h"
#include "calc/recipe_calculation.h"
#include "calc/recipe_fields.h"
#include "resources/prompt_service.h"

namespace {

using mw::bench::SilentPrompts;

void fillRecipe(mw::calc::IngredientRows& rows) {
    using mw::calc::Sheet;
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        rows.addRow(Sheet::Kits,
                    {"Maker " + n, "Bitter", "2.5", "3.3", "lbs", "1.040", "8.0", "1"});
        rows.addRow(Sheet::Extracts, {"Maker " + n, "Light", "0.0", "1.5", i % 2 ? "kg" : "lbs",
                                      "Dry", "0", i == 3 ? "bad" : "1.044", "4.0", "1"});
        rows.addRow(Sheet::Grains, {"Malt " + n, "1.2", i % 3 ? "lbs" : "oz", "1.036", "3.0", "1"});
        rows.addRow(Sheet::Adjuncts,
                    {"Sugar " + n, "4", "oz", i % 4 ? "1" : "0", "1.046", "1.0", "1"});
        rows.addRow(Sheet::Hops, {"Hop " + n, "5.5", "0.5", i % 2 ? "g" : "oz",
                                  std::to_string(5 + i * 12), "0", "0.0", "1"});
        rows.addRow(Sheet::Yeasts,
                    {"Lab", "Ale " + n, "Ale", "Dry", i == 0 ? "1" : "0", "pkg", "75.0", "1"});
    }
}

}  // namespace

int main() {
    mw::calc::RecipeFieldValues fields;
    fields.batch = 20.0;
    fields.boil = 22.0;
    fields.primingName = "Corn sugar";
    mw::calc::IngredientRows rows;
    fillRecipe(rows);
    const mw::calc::HopUtilizationTable table = mw::calc::HopUtilizationTable::tinsethDefaults();
    SilentPrompts prompts;
    mw::calc::RecipeCalculation calc(fields, rows, table, prompts);

    using Clock = std::chrono::steady_clock;
    constexpr int kBatches = 301;
    constexpr int kPerBatch = 50;
    for (int i = 0; i < 200; ++i) {
        calc.RecalculateRecipe(false);  // warm up
    }
    std::vector<double> perRecalc;
    perRecalc.reserve(kBatches);
    for (int b = 0; b < kBatches; ++b) {
        const auto start = Clock::now();
        for (int i = 0; i < kPerBatch; ++i) {
            calc.RecalculateRecipe(false);
        }
        const auto ns =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
        perRecalc.push_back(static_cast<double>(ns) / kPerBatch);
    }
    std::sort(perRecalc.begin(), perRecalc.end());
    std::printf("calc_bench: full recalculation of 60 ingredient rows (10 per sheet)\n");
    std::printf("  messages per run: %u\n", calc.messages().count());
    std::printf("  median: %.0f ns per recalculation (%d batches of %d)\n",
                perRecalc[perRecalc.size() / 2], kBatches, kPerBatch);
    std::printf("  fastest batch: %.0f ns, slowest batch: %.0f ns\n", perRecalc.front(),
                perRecalc.back());
    return 0;
}
