#pragma once

#include <QObject>
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

// Puts the reports on the program: Reports > Select a Report (with Preview
// and Print once a report is chosen), the Recipe page's "&Print" button,
// File > Print Setup, and closing the reports with the recipe database. The
// report commands are made the first time they are needed.
class ReportWiring : public QObject {
    Q_OBJECT

public:
    ReportWiring(shell::CMwcalcApp& app, storage::Settings& settings, PromptService& prompts);
    ~ReportWiring() override;

    // After the main window is made (InitInstance): the frame's commands.
    void wireFrame();
    views::ReportCommands& commands();
    bool made() const { return m_commands != nullptr; }

private:
    void decorateView(QWidget* view);

    shell::CMwcalcApp& m_app;
    storage::Settings& m_settings;
    PromptService& m_prompts;
    std::unique_ptr<views::ReportCommands> m_commands;
};

}  // namespace mw::app
