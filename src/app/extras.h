#pragma once

// The windows a brewer opens now and then — the calculators and converters,
// the reference-data dialogs, the reports with printing, BeerXML import and
// export, the Target Style,
// Calculation Messages and Prediction Details windows — live in a library of
// their own (maltwise-extras), loaded the first time one of them is needed,
// so that the program, its print support and that code are not mapped while
// only the main window is up. This is the interface between the two.

#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>

#include "shell/command_ids.h"

class QWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::recipe_form {
class CRecipeFormSheet;
}
namespace mw::shell {
class CMainFrame;
class CMwcalcApp;
class FileChooser;
}  // namespace mw::shell
namespace mw::storage {
class CMwcalcDoc;
class Settings;
}  // namespace mw::storage

namespace mw::app {

// The document commands the library answers. The program puts each on its
// menu item at start; the library is loaded when one is chosen.
inline constexpr std::array kExtrasDocumentCommands{
    // the calculators and converters of the Malt&wise menu
    shell::cmd::CalcBitterness, shell::cmd::CalcGravity, shell::cmd::CalcAlcohol,
    shell::cmd::CalcSgBalling, shell::cmd::CalcAbvAbw,
    // the reference-data dialogs of the Data menu and Brewer's Information
    shell::cmd::DataStyle, shell::cmd::DataKit, shell::cmd::DataExtract, shell::cmd::DataGrain,
    shell::cmd::DataHop, shell::cmd::DataYeast, shell::cmd::DataWater, shell::cmd::DataAdjunct,
    shell::cmd::DataGlossary, shell::cmd::DataSupplier, shell::cmd::BrewerInfo,
    // Reports > Select a Report
    shell::cmd::ReportSelect,
    // File > Import BeerXML... and Export BeerXML...
    shell::cmd::FileImportBeerXml, shell::cmd::FileExportBeerXml};

// Where a registration puts a document command.
using DocumentCommandFn = std::function<void(storage::CMwcalcDoc& document, QWidget* parent)>;
using CommandSink = std::function<void(int id, DocumentCommandFn command)>;

struct ExtrasServices {
    shell::CMwcalcApp& app;
    storage::Settings& settings;
    PromptService& prompts;
    HelpService& help;
    shell::FileChooser& files;
};

class Extras {
public:
    virtual ~Extras() = default;

    // One of kExtrasDocumentCommands.
    virtual void runCommand(int id, storage::CMwcalcDoc& document, QWidget* parent) = 0;
    // The Add button of an ingredient lookup: the table's reference dialog.
    // Answers the identifier of the record added, or none.
    virtual std::optional<qint64> addToTable(const QString& table, QWidget* parent) = 0;
    // File > Print Setup.
    virtual void printSetup(shell::CMainFrame& frame) = 0;
    // The "&Print" button of the recipe form's Recipe page.
    virtual void previewCurrentRecipe() = 0;
    // The recipe database closes: the report preview and print engine go.
    virtual void documentClosing() = 0;
    // The recipe form's "&Target Style...", "Msgs" and Prediction Details.
    virtual void runTargetStyle(recipe_form::CRecipeFormSheet& form) = 0;
    virtual void runCalcMessages(recipe_form::CRecipeFormSheet& form) = 0;
    virtual void runPredictionDetails(recipe_form::CRecipeFormSheet& form) = 0;
};

}  // namespace mw::app

// The library's two entry points, looked up by these names.
extern "C" {
// Made once, after the application object; the program owns it.
mw::app::Extras* mwMakeExtras(const mw::app::ExtrasServices& services);
// The screenshot run (maltwise --screenshots FOLDER): every window saved as PNG.
int mwRenderScreenshots(const QString& folder);
}
