#include "shell/application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWhatsThis>

#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/credits_dialog.h"
#include "shell/file_chooser.h"
#include "shell/help_topic.h"
#include "shell/info_status_bar.h"
#include "shell/main_frame.h"
#include "shell/options_sheet.h"
#include "shell/override_cursor.h"
#include "shell/program_files.h"
#include "shell/restore_backup_dialog.h"
#include "shell/splash_window.h"
#include "shell/tip_dialog.h"
#include "storage/compact_repair.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"

namespace mw::shell {

namespace {
constexpr int kMsgMaintenanceDone = 4;
constexpr int kMsgFutureVersion = 19;
constexpr int kMsgOnlyOneDatabase = 72;
constexpr int kMsgBothRequested = 230;
constexpr int kMsgDefaultsFailed = 1026;
constexpr int kMsgBackupDamaged = 1473;
constexpr int kMsgRestored = 1474;
constexpr int kHelpContents = 0;
// The windows' help topics.
constexpr int kHelpRecipeForm = 192;
constexpr int kHelpRecipeLog = 140;

using storage::Setting;

// Help contexts of the help commands.
struct HelpTopic {
    int command;
    int context;
};
constexpr HelpTopic kHelpTopics[] = {
    {cmd::RefStyle, 98338},     {cmd::RefHop, 98339},        {cmd::RefGrain, 98340},
    {cmd::RefWater, 98342},     {cmd::RefYeast, 98343},      {cmd::RefRecipe, 98344},
    {cmd::RefExtract, 98385},   {cmd::RefKit, 98386},        {cmd::RefAdjunct, 98404},
    {cmd::HelpGlossary, 98409}, {cmd::HelpHowToBrew, 98410}, {cmd::HelpContents, kHelpContents},
    {cmd::HelpHomePage, 32879}, {cmd::HelpUsing, 57668},
};

// A database of a kind in the folder: an existing one of the right kind is
// kept, otherwise a new one is made under the first free name.
QString provideDatabase(const QDir& folder, const QString& base, const QString& marker,
                        void (*create)(const QString&)) {
    for (int n = 1;; ++n) {
        const QString name =
            n == 1 ? base + QStringLiteral(".mdb") : QStringLiteral("%1 (%2).mdb").arg(base).arg(n);
        const QString path = folder.filePath(name);
        if (!QFileInfo::exists(path)) {
            create(path);
            return path;
        }
        if (storage::isDatabaseOfKind(path, marker)) {
            return path;
        }
    }
}

// The object name of a view window says which view it is.
QString viewName(ViewKind kind) {
    return kind == ViewKind::RecipeForm ? QStringLiteral("recipeForm")
                                        : QStringLiteral("recipeLog");
}

// Commands that act on the recipe form, or would open a second database:
// the recipe log has no part in them.
constexpr int kNotInLog[] = {cmd::FileOpen,     cmd::FileSave,    cmd::RecordFirst,
                             cmd::RecordPrev,   cmd::RecordNext,  cmd::RecordLast,
                             cmd::RecordAdd,    cmd::RecordCopy,  cmd::RecordRefresh,
                             cmd::RecordDelete, cmd::RecordCommit};

}  // namespace

StartOptions parseCommandLine(const QStringList& arguments) {
    StartOptions options;
    for (const QString& argument : arguments) {
        // "/x" is a switch, but "/home/..." is a path: on this system paths
        // begin with the slash too.
        const bool slashSwitch = argument.startsWith(QLatin1Char('/')) && argument.size() == 2;
        if (slashSwitch || argument.startsWith(QLatin1Char('-'))) {
            const QString name = argument.mid(1).toLower();
            if (name == QLatin1String("l")) {
                options.openLast = true;
            } else if (name == QLatin1String("s")) {
                options.noSplash = true;
            }
        } else if (options.file.isEmpty()) {
            options.file = argument;
        }
    }
    return options;
}

CMwcalcApp::CMwcalcApp(storage::Settings& settings, PromptService& prompts, HelpService& help,
                       FileChooser& files, QString dataFolder,
                       std::unique_ptr<storage::RecipeBackups> backups)
    : m_settings(settings),
      m_prompts(prompts),
      m_help(help),
      m_files(files),
      m_dataFolder(std::move(dataFolder)),
      m_desktop(DesktopActions::system()),
      m_backups(std::move(backups)) {
    if (!m_backups && !m_dataFolder.isEmpty()) {
        m_backups = std::make_unique<storage::RecipeBackups>(
            QDir(m_dataFolder).filePath(QStringLiteral("Backups")));
    }
}

CMwcalcApp::~CMwcalcApp() {
    if (m_frame) {
        // The views go before the document they show.
        for (QMdiSubWindow* sub : m_frame->mdiArea()->subWindowList()) {
            delete sub;
        }
        delete m_frame;
    }
    m_document.reset();
}

CMainFrame* CMwcalcApp::mainFrame() const {
    return m_frame;
}

QString CMwcalcApp::programFile(const QString& name) const {
    if (!m_programFiles.isEmpty()) {
        const QString path = QDir(m_programFiles).filePath(name);
        return QFileInfo::exists(path) ? path : QString();
    }
    return findProgramFile(name);
}

bool CMwcalcApp::ensureDefaultDatabases() {
    if (!m_settings.string(Setting::DefaultDataFile).isEmpty()) {
        return false;
    }
    QDir folder(m_dataFolder);
    try {
        if (!folder.mkpath(QStringLiteral("."))) {
            throw storage::DaoException(storage::DaoError::CannotOpen,
                                        QStringLiteral("The folder could not be made."));
        }
        const OverrideCursor wait;
        const QString data =
            provideDatabase(folder, QStringLiteral("MaltwiseData"), storage::kDataMarker,
                            &storage::createSeededDataDatabase);
        const QString recipes =
            provideDatabase(folder, QStringLiteral("MaltwiseRecipes"), storage::kRecipeMarker,
                            &storage::createSampleRecipeDatabase);
        m_settings.setString(Setting::DefaultDataFile, data);
        m_settings.setString(Setting::DefaultRecipeFile, recipes);
        m_settings.addRecentFile(recipes);
    } catch (const storage::DaoException& error) {
        m_prompts.show(
            kMsgDefaultsFailed,
            formatMessage(kMsgDefaultsFailed, QDir::toNativeSeparators(m_dataFolder).toStdString(),
                          error.description().toStdString()),
            PromptIcon::Exclamation);
        return false;
    }
    return true;
}

bool CMwcalcApp::InitInstance(const QStringList& arguments) {
    const StartOptions options = parseCommandLine(arguments);
    if (!options.noSplash) {
        (new SplashWindow)->showCentred();
    }
    const bool firstStart = ensureDefaultDatabases();

    m_frame = new CMainFrame(m_settings, m_prompts);
    wireCommands();
    m_frame->showFirstTime();

    if (options.openLast && !options.file.isEmpty()) {
        m_prompts.show(kMsgBothRequested,
                       formatMessage(kMsgBothRequested, options.file.toStdString()),
                       PromptIcon::Information);
    } else if (options.openLast) {
        const QStringList recent = m_settings.recentFiles();
        if (!recent.isEmpty()) {
            OpenDocumentFile(recent.front());
        }
    } else if (!options.file.isEmpty()) {
        OpenDocumentFile(options.file);
    } else if (firstStart) {
        OpenDocumentFile(m_settings.string(Setting::DefaultRecipeFile));
    }

    if (!options.noSplash && CTipDlg::showAtStartup(m_settings)) {
        QTimer::singleShot(0, this, [this] { showTipOfTheDay(true); });
    }
    return true;
}

bool CMwcalcApp::OpenDocumentFile(const QString& path) {
    if (m_document) {
        m_prompts.show(kMsgOnlyOneDatabase, PromptIcon::Exclamation);
        return false;
    }
    auto document = std::make_unique<storage::CMwcalcDoc>(
        m_settings, m_prompts, &m_help, m_frame->infoStatusBar(), m_backups.get());
    {
        const OverrideCursor wait;
        if (!document->OnOpenDocument(path)) {
            return false;
        }
    }
    m_document = std::move(document);
    enableDocumentCommands(true);
    m_settings.addRecentFile(path);
    m_frame->setWindowTitle(
        QStringLiteral("Maltwise Calculator - %1").arg(QFileInfo(path).fileName()));
    const bool logFirst = m_settings.string(Setting::View) == QLatin1String("Log");
    activateView(logFirst ? ViewKind::RecipeLog : ViewKind::RecipeForm);
    m_frame->infoStatusBar()->resetStatus();
    return true;
}

void CMwcalcApp::setDocumentCommand(int id, DocumentCommand command) {
    m_documentCommands[id] = std::move(command);
    if (m_frame) {
        enableDocumentCommands(m_document != nullptr);
    }
}

void CMwcalcApp::enableDocumentCommands(bool enable) {
    CommandSet& commands = m_frame->commands();
    for (const auto& [id, command] : m_documentCommands) {
        if (enable) {
            commands.setHandler(id, [this, id = id] {
                if (m_document) {
                    m_documentCommands[id](*m_document, m_frame);
                }
            });
        } else {
            commands.clearHandler(id);
        }
    }
}

void CMwcalcApp::activateView(ViewKind kind) {
    if (!m_document) {
        return;
    }
    for (QMdiSubWindow* sub : m_frame->mdiArea()->subWindowList()) {
        if (sub->widget() != nullptr && sub->widget()->objectName() == viewName(kind)) {
            m_frame->mdiArea()->setActiveSubWindow(sub);
            return;
        }
    }
    const ViewFactory& factory =
        kind == ViewKind::RecipeForm ? m_recipeFormFactory : m_recipeLogFactory;
    if (!factory) {
        return;
    }
    QWidget* view = factory(*m_document, *m_frame);
    setHelpTopic(view, kind == ViewKind::RecipeForm ? kHelpRecipeForm : kHelpRecipeLog);
    connect(view, &QObject::destroyed, this, [this] {
        // The last window of a database closes the database.
        QTimer::singleShot(0, this, [this] {
            if (m_document && m_document->views().empty()) {
                dropDocument();
            }
        });
    });
    m_frame->addChildWindow(view);
    onActiveViewChanged(view);
}

bool CMwcalcApp::CloseDocument() {
    if (!m_document) {
        return true;
    }
    if (!m_document->closeDocument()) {
        return false;
    }
    dropDocument();
    return true;
}

void CMwcalcApp::dropDocument() {
    for (const std::function<void()>& hook : m_closingHooks) {
        hook();
    }
    for (QMdiSubWindow* sub : m_frame->mdiArea()->subWindowList()) {
        delete sub;
    }
    if (m_document && !m_document->isClosing()) {
        m_settings.setString(Setting::RecipeFileOpened, QString());
    }
    m_document.reset();
    m_notInLog->setEnabled(true);
    enableDocumentCommands(false);
    m_frame->setWindowTitle(QStringLiteral("Maltwise Calculator"));
    m_frame->infoStatusBar()->DeleteAllLines();
    m_frame->infoStatusBar()->resetStatus();
    m_frame->setMenuKind(MenuKind::NoDatabase);
}

void CMwcalcApp::onActiveViewChanged(QWidget* widget) {
    const bool form = widget != nullptr && widget->objectName() == viewName(ViewKind::RecipeForm);
    const bool log = widget != nullptr && widget->objectName() == viewName(ViewKind::RecipeLog);
    m_notInLog->setEnabled(!log);
    if (!form && !log) {
        if (!m_document) {
            m_frame->setMenuKind(MenuKind::NoDatabase);
        }
        return;
    }
    const MenuKind kind = form ? MenuKind::RecipeForm : MenuKind::RecipeLog;
    if (kind != m_frame->menuKind()) {
        m_frame->setMenuKind(kind);
    }
}

void CMwcalcApp::compactOrRepair(bool repair) {
    const QString path =
        m_files.chooseFile(m_frame, {repair ? QStringLiteral("Repair") : QStringLiteral("Compress"),
                                     QStringLiteral("Maltwise Calculator Files (*.mdb *.MDB)"),
                                     QStringLiteral("mdb"), QString()});
    if (path.isEmpty()) {
        return;
    }
    try {
        const OverrideCursor wait;
        if (repair) {
            storage::repairDatabase(path);
        } else {
            storage::compactDatabase(path);
        }
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_prompts, &m_help);
        return;
    }
    m_prompts.show(kMsgMaintenanceDone,
                   formatMessage(kMsgMaintenanceDone, repair ? "repair" : "compress",
                                 QDir::toNativeSeparators(path).toStdString()),
                   PromptIcon::Information);
}

void CMwcalcApp::restoreBackup() {
    if (!m_backups) {
        return;
    }
    const QString path =
        m_document
            ? m_document->pathName()
            : m_files.chooseFile(m_frame, {QStringLiteral("Restore Backup"),
                                           QStringLiteral("Maltwise Databases (*.mdb *.MDB)"),
                                           QStringLiteral("mdb"), QString()});
    if (!path.isEmpty()) {
        openRestoreBackup(path);
    }
}

RestoreBackupDialog* CMwcalcApp::openRestoreBackup(const QString& recipePath) {
    auto* dialog = new RestoreBackupDialog(
        recipePath,
        m_backups ? m_backups->copiesOf(recipePath) : std::vector<storage::BackupCopy>{}, m_prompts,
        &m_help, m_frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RestoreBackupDialog::restoreChosen, this,
            [this, recipePath](const storage::BackupCopy& copy) {
                restoreFromBackup(recipePath, copy);
            });
    dialog->open();
    return dialog;
}

bool CMwcalcApp::restoreFromBackup(const QString& recipePath, const storage::BackupCopy& copy) {
    if (!m_backups) {
        return false;
    }
    if (!storage::RecipeBackups::isSound(copy.path) ||
        !storage::isDatabaseOfKind(copy.path, storage::kRecipeMarker)) {
        m_prompts.show(
            kMsgBackupDamaged,
            formatMessage(kMsgBackupDamaged, QDir::toNativeSeparators(copy.path).toStdString(),
                          QDir::toNativeSeparators(recipePath).toStdString()),
            PromptIcon::Exclamation);
        return false;
    }
    // The open database leaves through the same door as File Close: a changed
    // recipe gets its save question, and Cancel keeps everything as it was.
    const bool wasOpen = m_document && storage::canonicalDatabasePath(m_document->pathName()) ==
                                           storage::canonicalDatabasePath(recipePath);
    if (wasOpen && !CloseDocument()) {
        return false;
    }
    try {
        const OverrideCursor wait;
        m_backups->restore(recipePath, copy, m_settings.integer(Setting::BackupCopies));
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_prompts, &m_help);
        if (wasOpen) {
            OpenDocumentFile(recipePath);
        }
        return false;
    }
    if (wasOpen && !OpenDocumentFile(recipePath)) {
        return false;
    }
    m_prompts.show(kMsgRestored,
                   formatMessage(kMsgRestored, QDir::toNativeSeparators(recipePath).toStdString(),
                                 RestoreBackupDialog::shownTime(copy.madeAt).toStdString()),
                   PromptIcon::Information);
    return true;
}

void CMwcalcApp::showOptions() {
    CMWOptionsSheet sheet(m_settings, m_prompts, m_files, &m_help, m_frame);
    if (sheet.exec() != QDialog::Accepted || !m_document) {
        return;
    }
    // The open windows show the new settings at once.
    const std::vector<storage::DocumentView*> views = m_document->views();
    for (storage::DocumentView* view : views) {
        view->OnSettingsChanged();
    }
}

void CMwcalcApp::showTipOfTheDay(bool atStartup) {
    auto* tips =
        new CTipDlg(m_settings, m_prompts, programFile(QStringLiteral("tips.txt")), m_frame);
    tips->setAttribute(Qt::WA_DeleteOnClose);
    if (atStartup) {
        tips->open();
    } else {
        tips->exec();
    }
}

void CMwcalcApp::showAbout() {
    CAboutDlg about(m_settings, m_prompts, m_desktop, m_frame);
    connect(&about, &CAboutDlg::creditsRequested, &about, [this, &about] {
        QFile file(programFile(QStringLiteral("credits.txt")));
        QString text;
        if (file.open(QIODevice::ReadOnly)) {
            text = QString::fromUtf8(file.readAll());
        }
        CCreditsDlg credits(parseCredits(text), m_prompts, &about);
        credits.exec();
    });
    about.exec();
}

int CMwcalcApp::frameHelpTopic() const {
    QWidget* focus = m_frame->focusWidget();
    QMdiSubWindow* sub = m_frame->mdiArea()->activeSubWindow();
    const bool inArea = focus != nullptr && m_frame->mdiArea()->isAncestorOf(focus);
    const bool inActive = sub != nullptr && focus != nullptr && sub->isAncestorOf(focus);
    if (!inArea || inActive) {
        if (const auto topic = helpTopicOf(focus)) {
            return *topic;
        }
    }
    if (sub != nullptr) {
        if (const auto topic = helpTopicOf(sub->widget())) {
            return *topic;
        }
    }
    return kHelpContents;
}

void CMwcalcApp::wireCommands() {
    using namespace cmd;
    CommandSet& c = m_frame->commands();
    // An action of a disabled group stays disabled whatever its owner sets,
    // and takes its owner's last choice again when the group is enabled.
    m_notInLog = new QActionGroup(m_frame);
    m_notInLog->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int id : kNotInLog) {
        m_notInLog->addAction(c.action(id));
        if (!c.hasHandler(id)) {
            c.action(id)->setEnabled(false);
        }
    }
    c.setHandler(FileOpen, [this] {
        if (m_document) {
            m_prompts.show(kMsgOnlyOneDatabase, PromptIcon::Exclamation);
            return;
        }
        const QString path = m_files.chooseFile(
            m_frame, {QStringLiteral("Open"), QStringLiteral("Maltwise Databases (*.mdb *.MDB)"),
                      QStringLiteral("mdb"), QString()});
        if (!path.isEmpty()) {
            OpenDocumentFile(path);
        }
    });
    c.setHandler(FileClose, [this] { CloseDocument(); });
    for (int n = 0; n < storage::Settings::kRecentFileCount; ++n) {
        c.setHandler(FileMru1 + n, [this, n] {
            const QStringList recent = m_settings.recentFiles();
            if (n < recent.size()) {
                OpenDocumentFile(recent[n]);
            }
        });
    }
    c.setHandler(AppExit, [this] { m_frame->close(); });
    c.setHandler(ViewRecipeForm, [this] { activateView(ViewKind::RecipeForm); });
    c.setHandler(ViewRecipeLog, [this] { activateView(ViewKind::RecipeLog); });
    c.setHandler(ViewRecipeLabel,
                 [this] { m_prompts.show(kMsgFutureVersion, PromptIcon::Information); });
    c.setHandler(ToolsOptions, [this] { showOptions(); });
    c.setHandler(DatabaseCompress, [this] { compactOrRepair(false); });
    c.setHandler(DatabaseRepair, [this] { compactOrRepair(true); });
    c.setHandler(DatabaseRestoreBackup, [this] { restoreBackup(); });
    c.setHandler(HelpTip, [this] { showTipOfTheDay(false); });
    c.setHandler(HelpAbout, [this] { showAbout(); });
    for (const HelpTopic& topic : kHelpTopics) {
        c.setHandler(topic.command, [this, context = topic.context] { m_help.showHelp(context); });
    }
    c.setHandler(HelpCurrent, [this] { m_help.showHelp(frameHelpTopic()); });
    c.setHandler(HelpContextMode, [] { QWhatsThis::enterWhatsThisMode(); });
    // F1 in the main window is the command's key; in a dialog it is caught
    // on its way to the dialog.
    new HelpKeyFilter(m_help, m_frame, this);
    connect(m_frame->infoStatusBar(), &CInfoStatusBar::lineHelpRequested, this,
            [this] { m_help.showHelp(98338); });
    connect(m_frame, &CMainFrame::activeViewChanged, this, &CMwcalcApp::onActiveViewChanged);
    connect(m_frame, &CMainFrame::closeRequested, this, [this](QCloseEvent* event) {
        if (m_document && !m_document->canLeave()) {
            event->ignore();
        }
    });
}

}  // namespace mw::shell
