#pragma once

namespace mw {
class PromptService;
}
namespace mw::shell {
class CMwcalcApp;
}

namespace mw::app {

// Puts the calculators and converters of the Malt&wise menu on their
// commands (102, 32880, 32882, 32883, 32884); they work while a recipe
// database is open.
void registerCalculators(shell::CMwcalcApp& app, PromptService& prompts);

}  // namespace mw::app
