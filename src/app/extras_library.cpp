// maltwise-extras: the windows the program loads on first use (see extras.h).

#include <QtGlobal>
#include <algorithm>
#include <map>

#include "calculator_commands.h"
#include "extras.h"
#include "refdata_commands.h"
#include "report_wiring.h"
#include "screenshots.h"
#include "shell/main_frame.h"
#include "views/beerxml_file_commands.h"
#include "views/prediction_details_window.h"
#include "views/report_commands.h"
#include "views/target_style_windows.h"

namespace mw::app {

namespace {

class ExtrasLibrary final : public Extras {
public:
    explicit ExtrasLibrary(const ExtrasServices& services)
        : m_services(services), m_reports(services.app, services.settings, services.prompts) {
        const CommandSink add = [this](int id, DocumentCommandFn command) {
            // A command the program does not route here would never be reached.
            if (std::find(kExtrasDocumentCommands.begin(), kExtrasDocumentCommands.end(), id) ==
                kExtrasDocumentCommands.end()) {
                qWarning("maltwise-extras: command %d is missing from kExtrasDocumentCommands", id);
            }
            m_commands[id] = std::move(command);
        };
        registerCalculators(add, services.settings, services.prompts, services.help);
        registerReferenceData(add, services.settings, services.prompts, services.help);
        add(shell::cmd::ReportSelect, [this](storage::CMwcalcDoc&, QWidget* parent) {
            m_reports.commands().SelectReport(parent);
        });
        views::installBeerXmlCommands(services.app, services.prompts, services.files,
                                      &services.help, add);
    }

    void runCommand(int id, storage::CMwcalcDoc& document, QWidget* parent) override {
        const auto found = m_commands.find(id);
        if (found != m_commands.end()) {
            found->second(document, parent);
        }
    }

    std::optional<qint64> addToTable(const QString& table, QWidget* parent) override {
        return addToReferenceTable(m_services.settings, m_services.prompts, m_services.help, table,
                                   parent);
    }

    void printSetup(shell::CMainFrame& frame) override { m_reports.commands().PrintSetup(&frame); }
    void previewCurrentRecipe() override { m_reports.commands().PreviewCurrentRecipe(); }
    void documentClosing() override { m_reports.closeReports(); }

    void runTargetStyle(recipe_form::CRecipeFormSheet& form) override {
        views::runTargetStyleDlg(form, {m_services.settings, m_services.prompts, &m_services.help});
    }
    void runCalcMessages(recipe_form::CRecipeFormSheet& form) override {
        views::runCalcMessagesDlg(form);
    }
    void runPredictionDetails(recipe_form::CRecipeFormSheet& form) override {
        views::runPredictionDetails(form);
    }

private:
    ExtrasServices m_services;
    ReportWiring m_reports;
    std::map<int, DocumentCommandFn> m_commands;
};

}  // namespace

}  // namespace mw::app

extern "C" {

Q_DECL_EXPORT mw::app::Extras* mwMakeExtras(const mw::app::ExtrasServices& services) {
    return new mw::app::ExtrasLibrary(services);
}

Q_DECL_EXPORT int mwRenderScreenshots(const QString& folder) {
    return mw::app::renderScreenshots(folder);
}
}
