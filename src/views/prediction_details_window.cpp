#include "views/prediction_details_window.h"

#include "calc/assumption_report.h"
#include "calc/recipe_calculation.h"
#include "recipe_form/recipe_form_sheet.h"
#include "recipe_form/recipe_grid1.h"
#include "storage/recipe_record_fields.h"
#include "views/prediction_details_dlg.h"

namespace mw::views {

void attachPredictionDetails(recipe_form::CRecipeFormSheet& form) {
    attachPredictionDetails(form, runPredictionDetails);
}

PredictionDetails recalculateWithDetails(recipe_form::CRecipeFormSheet& form) {
    calc::AssumptionReport report;
    calc::RecipeCalculation& calculation = form.calculation();
    calculation.setAssumptionReport(&report);
    form.RecalculateRecipe(false);
    calculation.setAssumptionReport(nullptr);
    const storage::RecipeRecordFields fields(form.record());
    return gatherPredictionDetails(calculation, report, fields, form.grid()->cells());
}

void runPredictionDetails(recipe_form::CRecipeFormSheet& form) {
    CPredictionDetailsDlg dlg(recalculateWithDetails(form), &form);
    dlg.exec();
}

}  // namespace mw::views
