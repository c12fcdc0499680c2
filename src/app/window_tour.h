#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mw::app {

// Called with each window, shown and laid out, and the name it goes by
// ("main-window", "calculator-bitterness", "options-locations", ...).
// Returns false when what it did with the window failed.
using WindowVisitor = std::function<bool(QWidget& window, const QString& name)>;

// Opens every window the program can show today, one after the other, in a
// temporary folder with settings of its own and the first-start databases:
// the main window without and with a database, the ingredient grid, the
// calculators and converters, the lookups, the options pages, the tip box,
// the About and Credits boxes and the help viewer. The screenshot run and
// the window checks in the tests share this one tour. Returns false when a
// window could not be made or a visit failed.
bool tourWindows(const WindowVisitor& visitor);

}  // namespace mw::app
