#pragma once

#include <QMainWindow>

#include "shell/menu_layout.h"

class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace mw {
class PromptService;
}
namespace mw::storage {
class Settings;
}

namespace mw::shell {

class CInfoStatusBar;
class CommandSet;

// The main window: an MDI area for the views of the open recipe database,
// the menu bar of the active view (or the frame's own while no database is
// open), the toolbar, the information status bar, the external tools, and
// its own placement remembered in "WindowPos". It only wires things
// together; the application answers the commands.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(storage::Settings& settings, PromptService& prompts, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CommandSet& commands() { return *m_commands; }
    CInfoStatusBar* infoStatusBar() const { return m_status; }
    QMdiArea* mdiArea() const { return m_mdi; }
    QToolBar* toolBar() const { return m_toolBar; }

    // Which menu bar is shown; rebuilt with the recent files, the tool names
    // and the report texts.
    void setMenuKind(MenuKind kind);
    MenuKind menuKind() const { return m_menuKind; }
    void rebuildMenus();

    // Tools: names from "Tools"/"NameToolN" ("Tool N" and disabled when
    // empty or equal to it), started without waiting; message 78 when the
    // program cannot be started.
    void refreshTools();
    void runTool(int tool);
    QString toolText(int tool) const;

    // Reports: until a report is chosen the preview and print items read
    // their default texts and stay disabled.
    bool noReportSelected() const { return m_noReportSelected; }
    // A report was chosen: the items read "Pre&view: " and "Prin&t: " with
    // its list text from now on in the run.
    void reportChosen(const QString& listText);

    QMdiSubWindow* addChildWindow(QWidget* view);
    // Window > Arrange Icons: lines the minimized windows up along the
    // bottom of the area; the other windows keep their places.
    void arrangeIcons();

    // The first showing applies "WindowPos" when it holds ten numbers.
    void showFirstTime();
    void saveWindowPlacement();

    // How programs are started (tests replace it).
    using ProgramStarter = std::function<bool(const QString& program)>;
    void setProgramStarter(ProgramStarter starter) { m_start = std::move(starter); }

signals:
    // Asked before the window closes; a handler may veto by calling ignore().
    void closeRequested(QCloseEvent* event);
    void activeViewChanged(QWidget* view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createToolBar();
    void updateWindowMenu();
    void saveBarState();
    void restoreBarState();

    storage::Settings& m_settings;
    PromptService& m_prompts;
    CommandSet* m_commands;
    QMdiArea* m_mdi;
    QToolBar* m_toolBar;
    CInfoStatusBar* m_status;
    MenuKind m_menuKind = MenuKind::NoDatabase;
    bool m_firstShow = true;
    bool m_noReportSelected = true;
    QString m_reportListText;
    ProgramStarter m_start;
};

}  // namespace mw::shell
