#pragma once

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CMwcalcApp;
}
namespace mw::storage {
class Settings;
}

namespace mw::app {

// Puts the reference-data dialogs on their commands (the Data menu and
// Brewer's Information, while a recipe database is open) and behind the
// ingredient lookups' Add button.
void registerReferenceData(shell::CMwcalcApp& app, storage::Settings& settings,
                           PromptService& prompts, HelpService& help);

}  // namespace mw::app
