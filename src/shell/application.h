#pragma once

#include <QActionGroup>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "shell/about_dialog.h"
#include "storage/recipe_backups.h"

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class CMwcalcDoc;
class Settings;
}  // namespace mw::storage

namespace mw::shell {

class CMainFrame;
class FileChooser;
class RestoreBackupDialog;

// The two views of an open recipe database.
enum class ViewKind { RecipeForm, RecipeLog };

// The command line: switches are "-x" or "/x" ("l" opens the last-used
// recipe database, "s" shows no splash; either case), the first other word
// names the database to open (a path may begin with "/").
struct StartOptions {
    bool openLast = false;
    bool noSplash = false;
    QString file;
};
StartOptions parseCommandLine(const QStringList& arguments);

// The application object: start-up, the one open recipe document and its
// windows, and the commands that belong to the application (opening and
// closing databases, compact and repair, options, tips, about, help).
class CMwcalcApp : public QObject {
    Q_OBJECT

public:
    // `dataFolder`: where the default databases are made on the first start.
    // `backups`: where the recipe databases are copied when they open; by
    // default the folder "Backups" in `dataFolder` (none without one).
    CMwcalcApp(storage::Settings& settings, PromptService& prompts, HelpService& help,
               FileChooser& files, QString dataFolder,
               std::unique_ptr<storage::RecipeBackups> backups = {});
    ~CMwcalcApp() override;

    // Start-up; `arguments` without the program name. Returns false when the
    // main window could not be made.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* mainFrame() const;
    storage::CMwcalcDoc* document() const { return m_document.get(); }

    // Opens a recipe database (refused with message 72 while one is open).
    bool OpenDocumentFile(const QString& path);
    // File Close; false when the user chose to stay.
    bool CloseDocument();
    // Activates the view of a kind, making its window when there is none
    // (and nothing when no factory for that kind has been given).
    void activateView(ViewKind kind);

    // First start: makes the seeded data database and the sample recipe
    // database when the settings name no data database. True when it did.
    bool ensureDefaultDatabases();
    QString dataFolder() const { return m_dataFolder; }

    void compactOrRepair(bool repair);
    // Tools > Database > Restore Backup...: the backups of the open recipe
    // database (or, with none open, of a file the brewer picks).
    void restoreBackup();
    // Opens the restore dialog on the backups of a recipe file (window-modal).
    RestoreBackupDialog* openRestoreBackup(const QString& recipePath);
    // Puts a backup in the place of a recipe file: the copy is checked, an
    // open database goes through its leave check and is closed, the file as
    // it is is kept as a backup, and the database opens again. False when
    // nothing was restored.
    bool restoreFromBackup(const QString& recipePath, const storage::BackupCopy& copy);
    storage::RecipeBackups* backups() const { return m_backups.get(); }
    void showOptions();
    void showTipOfTheDay(bool atStartup);
    void showAbout();

    // A command that works on the open recipe database (the calculators of
    // the Malt&wise menu, ...): enabled while one is open.
    using DocumentCommand = std::function<void(storage::CMwcalcDoc& document, QWidget* parent)>;
    void setDocumentCommand(int id, DocumentCommand command);

    // Make the recipe form and the recipe log on the open document. The
    // view's object name says which it is ("recipeForm", "recipeLog").
    using ViewFactory = std::function<QWidget*(storage::CMwcalcDoc& document, CMainFrame& frame)>;
    void setRecipeFormFactory(ViewFactory factory) { m_recipeFormFactory = std::move(factory); }
    void setRecipeLogFactory(ViewFactory factory) { m_recipeLogFactory = std::move(factory); }

    // Called as the recipe database closes, before its windows go (the
    // reports close their preview and their print engine).
    void addDocumentClosingHook(std::function<void()> hook) {
        m_closingHooks.push_back(std::move(hook));
    }

    void setDesktopActions(DesktopActions actions) { m_desktop = std::move(actions); }
    // The folder "tips.txt", "credits.txt" and the help come from (tests).
    void setProgramFilesFolder(const QString& folder) { m_programFiles = folder; }

private:
    // F1 in the main window: the topic of the focused window, else of the
    // active view, else the contents.
    int frameHelpTopic() const;
    void wireCommands();
    void onActiveViewChanged(QWidget* view);
    void dropDocument();
    void enableDocumentCommands(bool enable);
    QString programFile(const QString& name) const;

    storage::Settings& m_settings;
    PromptService& m_prompts;
    HelpService& m_help;
    FileChooser& m_files;
    QString m_dataFolder;
    QString m_programFiles;
    DesktopActions m_desktop;
    QPointer<CMainFrame> m_frame;
    std::unique_ptr<storage::RecipeBackups> m_backups;
    std::unique_ptr<storage::CMwcalcDoc> m_document;
    std::map<int, DocumentCommand> m_documentCommands;
    std::vector<std::function<void()>> m_closingHooks;
    ViewFactory m_recipeFormFactory;
    ViewFactory m_recipeLogFactory;
    // The commands that work on the recipe form or open another database:
    // disabled while the recipe log is the active view.
    QActionGroup* m_notInLog = nullptr;
};

}  // namespace mw::shell
