#pragma once

#include <QPixmap>
#include <QString>

namespace mw::recipe_form {

// The recipe form's own pictures, drawn rather than shipped.

// The 16-pixel pictures of the Recipe page's list, by sheet: 0 kit (a tin),
// 1 extract (a jar of syrup), 2 grain (an ear), 3 adjunct (a sugar cube),
// 4 hop (a cone), 5 yeast (a flask).
QPixmap ingredientPicture(int sheet);

// The looks of a picture button.
enum class ButtonLook { Normal, Pressed, Focused, Disabled };

// The "Msgs" button: a note pad with its caption, in each of its looks.
QPixmap messagesButtonPicture(ButtonLook look, const QString& caption);

}  // namespace mw::recipe_form
