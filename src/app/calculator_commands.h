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

// Puts the calculators and converters of the Malt&wise menu on their
// commands (102, 32880, 32882, 32883, 32884), with the ingredient lookups
// behind their Select buttons; they work while a recipe database is open.
void registerCalculators(shell::CMwcalcApp& app, storage::Settings& settings,
                         PromptService& prompts, HelpService& help);

}  // namespace mw::app
