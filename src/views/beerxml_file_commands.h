#pragma once

#include <functional>

class QWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class CMwcalcDoc;
}
namespace mw::shell {
class CMwcalcApp;
class FileChooser;
}  // namespace mw::shell

namespace mw::views {

// File > Import BeerXML... and Export BeerXML... on the open recipe database.
//
// Import: a BeerXML file is chosen, the recipe on the form passes its
// save-changes question (Cancel imports nothing), every recipe of the file
// is added in one transaction on the document's own connection (a file that
// cannot be read adds nothing and the message names its line), the form
// shows the first recipe added, the recipe log lists them, and the loss
// report opens beside the form.
//
// Export: the current recipe or all of them (asked when the database holds
// more than one), a file to save in named after the recipe, the recipe as
// saved (the save-changes question first), and how many were written.
void installBeerXmlCommands(shell::CMwcalcApp& app, PromptService& prompts,
                            shell::FileChooser& files, HelpService* help);
// The same two commands handed to `add` instead of put on the application
// (the program routes them to the library they live in).
using BeerXmlCommand = std::function<void(storage::CMwcalcDoc& document, QWidget* parent)>;
void installBeerXmlCommands(shell::CMwcalcApp& app, PromptService& prompts,
                            shell::FileChooser& files, HelpService* help,
                            const std::function<void(int id, BeerXmlCommand command)>& add);

}  // namespace mw::views
