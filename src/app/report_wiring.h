#pragma once

#include <memory>

namespace mw {
class PromptService;
}
namespace mw::shell {
class CMwcalcApp;
}
namespace mw::storage {
class Settings;
}
namespace mw::views {
class ReportCommands;
}

namespace mw::app {

// The reports of the program on its recipe database and recipe form:
// Reports > Select a Report (with Preview and Print once a report is
// chosen), the Recipe page's "&Print" button and File > Print Setup go to
// commands(); the report commands are made the first time they are needed.
class ReportWiring {
public:
    ReportWiring(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts);
    ~ReportWiring();

    views::ReportCommands& commands();
    bool made() const { return m_commands != nullptr; }
    // The recipe database closes: the preview and the print engine go.
    void closeReports();

private:
    shell::CMwcalcApp& m_app;
    storage::Settings& m_settings;
    PromptService& m_prompts;
    std::unique_ptr<views::ReportCommands> m_commands;
};

}  // namespace mw::app
