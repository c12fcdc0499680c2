#pragma once

#include <QString>

namespace mw::app {

// Renders the program's windows into PNG files in `folder` (run with the
// offscreen platform): the main window without and with a database, the
// options pages, the tip box, the About and Credits boxes. Works in a
// temporary folder with settings of its own. Returns the exit status.
int renderScreenshots(const QString& folder);

}  // namespace mw::app
