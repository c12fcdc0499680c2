#include "views/target_style_windows.h"

#include "calc/recipe_calculation.h"
#include "recipe_form/recipe_form_sheet.h"
#include "storage/recipe_records.h"
#include "views/calc_messages_dlg.h"
#include "views/prediction_details_window.h"
#include "views/target_style_dlg.h"

namespace mw::views {

void attachTargetStyleWindows(recipe_form::CRecipeFormSheet& form, TargetStyleServices services) {
    form.setTargetStyleWindow(
        [services](recipe_form::CRecipeFormSheet& f) { runTargetStyleDlg(f, services); });
    form.setMessagesWindow([](recipe_form::CRecipeFormSheet& f) { runCalcMessagesDlg(f); });
}

void setUpFromRecipe(CTargetStyleDlg& dlg, recipe_form::CRecipeFormSheet& form) {
    const storage::CRecordSetRecipe& r = form.record();
    dlg.setInitialSelection(
        {r.m_RecipeTargetStyle, r.m_RecipeTargetCategory, r.m_RecipeTargetSubcategory});
    dlg.setLimits({r.m_RecipeTargetSpGravLo, r.m_RecipeTargetSpGravHi, r.m_RecipeTargetAlcoLo,
                   r.m_RecipeTargetAlcoHi, r.m_RecipeTargetIBULo, r.m_RecipeTargetIBUHi,
                   r.m_RecipeTargetColorLo, r.m_RecipeTargetColorHi});
    const calc::RecipeCalculation& calculation = form.calculation();
    const calc::CalcResults& results = calculation.results();
    dlg.setPredicted({results.originalGravity, results.alcohol, results.totalIbu, results.color});
    dlg.setErrorCount(calculation.messages().count());
    dlg.setMessages(&calculation.messages());
}

void writeTargetStyle(const CTargetStyleDlg& dlg, recipe_form::CRecipeFormSheet& form) {
    storage::CRecordSetRecipe& r = form.record();
    const StyleSelection& style = dlg.resultSelection();
    const StyleLimits& limits = dlg.limits();
    const auto text = [&r](QString& field, const QString& value) {
        field = value;
        r.setFieldNull(&field, false);
    };
    const auto number = [&r](double& field, double value) {
        field = value;
        r.setFieldNull(&field, false);
    };
    text(r.m_RecipeTargetStyle, style.name);
    text(r.m_RecipeTargetCategory, style.category);
    text(r.m_RecipeTargetSubcategory, style.subcategory);
    number(r.m_RecipeTargetSpGravLo, limits.gravityLo);
    number(r.m_RecipeTargetSpGravHi, limits.gravityHi);
    number(r.m_RecipeTargetAlcoLo, limits.alcoholLo);
    number(r.m_RecipeTargetAlcoHi, limits.alcoholHi);
    number(r.m_RecipeTargetIBULo, limits.ibuLo);
    number(r.m_RecipeTargetIBUHi, limits.ibuHi);
    number(r.m_RecipeTargetColorLo, limits.colorLo);
    number(r.m_RecipeTargetColorHi, limits.colorHi);
    form.ShowTargetRanges();
    form.setModified();
}

void runTargetStyleDlg(recipe_form::CRecipeFormSheet& form, TargetStyleServices services) {
    CTargetStyleDlg dlg({services.settings, services.prompts, services.help}, &form);
    setUpFromRecipe(dlg, form);
    dlg.setDetailsHandler([&form] { runPredictionDetails(form); });
    dlg.OnInitDialog();
    if (dlg.exec() == QDialog::Accepted) {
        writeTargetStyle(dlg, form);
    }
}

void runCalcMessagesDlg(recipe_form::CRecipeFormSheet& form) {
    const calc::RecipeCalculation& calculation = form.calculation();
    CCalcMessagesDlg dlg(calculation.messages(), calculation.messages().count(), &form);
    dlg.setDetailsHandler([&form] { runPredictionDetails(form); });
    dlg.exec();
}

}  // namespace mw::views
