#pragma once

#include "extras.h"

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class Settings;
}

namespace mw::app {

// Hands the calculators and converters of the Malt&wise menu to their
// commands (102, 32880, 32882, 32883, 32884), with the ingredient lookups
// behind their Select buttons; they work while a recipe database is open.
void registerCalculators(const CommandSink& add, storage::Settings& settings,
                         PromptService& prompts, HelpService& help);

}  // namespace mw::app
