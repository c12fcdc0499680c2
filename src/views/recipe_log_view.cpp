#include "views/recipe_log_view.h"

namespace mw {

CRecipeLogView::CRecipeLogView(QWidget* parent) : QWidget(parent) {}

} // namespace mw
