#pragma once

#include "shell/command_ids.h"

// Commands of the ingredients grid's "Recipe Ingredients" menu. Delete and
// the menu itself also have keys in the main table, so they share its numbers.
namespace mw::recipe_form::grid_cmd {

inline constexpr int DeleteIngredient = shell::cmd::GridDeleteIngredient;  // 32853
inline constexpr int CalculateBitterness = 32854;
inline constexpr int SelectIngredient = 32855;
inline constexpr int ShowMenu = shell::cmd::GridShowMenu;  // 32856
inline constexpr int CancelMenu = 32857;

}  // namespace mw::recipe_form::grid_cmd
