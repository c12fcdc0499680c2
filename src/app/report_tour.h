#pragma once

#include "window_tour.h"

namespace mw {
class PromptService;
}
namespace mw::shell {
class CMwcalcApp;
}
namespace mw::storage {
class Settings;
}

namespace mw::app {

// The Select Report dialog, and the preview of the current recipe and of
// the recipe list in the main window, on the open sample recipes.
bool visitReports(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts,
                  const WindowVisitor& visitor);

}  // namespace mw::app
