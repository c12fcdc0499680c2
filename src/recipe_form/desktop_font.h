#pragma once

#include <QFont>
#include <QString>

namespace mw::recipe_form {

// A font named by a settings file written with Windows faces in mind
// ("Arial", "MS San Serif"): the named face when the desktop has it, else
// the Linux face that stands in for it (Liberation Sans has Arial's metrics,
// DejaVu Sans is on every desktop).
QFont desktopFont(const QString& family, int points);

}  // namespace mw::recipe_form
