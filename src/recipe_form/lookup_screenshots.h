#pragma once

#include <QString>

namespace mw {
class PromptService;
}
namespace mw::storage {
class Settings;
}

namespace mw::recipe_form {

// Opens each ingredient lookup (and the adjunct lookup in priming mode) on the
// data database the settings name and saves it as "<folder>/lookup-<kind>.png".
void renderLookupScreenshots(const QString& folder, storage::Settings& settings,
                             PromptService& prompts);

}  // namespace mw::recipe_form
