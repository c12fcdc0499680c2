#pragma once

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CMwcalcApp;
}

namespace mw::views {

// Makes the application show the real recipe log for View > Recipe Log (and
// first, when the settings prefer the log); opening a recipe from the log
// brings the recipe form to the front.
void installRecipeLog(shell::CMwcalcApp& app, PromptService& prompts, HelpService* help);

}  // namespace mw::views
