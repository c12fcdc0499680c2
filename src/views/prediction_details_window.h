#pragma once

#include <QAction>
#include <QMenu>
#include <functional>

#include "recipe_form/recipe_form_sheet.h"

namespace mw::recipe_form {
class CRecipeFormSheet;
}

namespace mw::views {

struct PredictionDetails;

// Adds "Predic&tion Details..." to the recipe form's context menu.
void attachPredictionDetails(recipe_form::CRecipeFormSheet& form);

// The same menu item, opening the window through `open`. Inline, so that the
// program adds it without linking the window (which comes with the extras
// library).
inline void attachPredictionDetails(recipe_form::CRecipeFormSheet& form,
                                    std::function<void(recipe_form::CRecipeFormSheet&)> open) {
    QMenu* menu = form.contextMenu();
    if (menu == nullptr) {
        return;
    }
    menu->addSeparator();
    QAction* action = menu->addAction(QStringLiteral("Predic&tion Details..."));
    action->setObjectName(QStringLiteral("predictionDetailsAction"));
    QObject::connect(action, &QAction::triggered, &form,
                     [&form, open = std::move(open)] { open(form); });
}

// The form's recalculation, with the assumption report attached, and what
// the Prediction Details window shows of it.
PredictionDetails recalculateWithDetails(recipe_form::CRecipeFormSheet& form);

// Recalculates and shows the Prediction Details window over the form.
void runPredictionDetails(recipe_form::CRecipeFormSheet& form);

}  // namespace mw::views
