#include "shell/main_frame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QToolBar>
#include <algorithm>

#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/edit_commands.h"
#include "shell/info_status_bar.h"
#include "shell/pictures.h"
#include "shell/window_placement.h"
#include "storage/settings.h"

namespace mw::shell {

namespace {
constexpr int kMsgToolNotLoaded = 78;
constexpr int kMsgToolDefault = 1027;

using storage::Setting;

const QString kBarStateKey = QStringLiteral("Control Bar States/State");
const QString kStatusBarKey = QStringLiteral("Control Bar States/StatusBar");

const Setting kToolNames[] = {Setting::NameTool1, Setting::NameTool2, Setting::NameTool3};
const Setting kToolPaths[] = {Setting::PathTool1, Setting::PathTool2, Setting::PathTool3};

QString defaultToolText(int tool) {
    return QString::fromStdString(formatMessage(kMsgToolDefault, std::to_string(tool)));
}

}  // namespace

CMainFrame::CMainFrame(storage::Settings& settings, PromptService& prompts, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_prompts(prompts) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Maltwise Calculator"));
    setWindowIcon(programIcon());
    m_commands = new CommandSet(this);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(128, 128, 128));
    setCentralWidget(m_mdi);
    createToolBar();
    m_status = new CInfoStatusBar(this);
    setStatusBar(m_status);
    resize(1024, 720);

    m_start = [](const QString& program) {
        return !program.isEmpty() && QProcess::startDetached(program, {});
    };

    using namespace cmd;
    // View > Toolbar is the toolbar's own toggle, so its check mark follows
    // the toolbar however it is shown or hidden.
    m_commands->adopt(ViewToolbar, m_toolBar->toggleViewAction());
    QAction* statusToggle = m_commands->action(ViewStatusBar);
    statusToggle->setCheckable(true);
    m_commands->setHandler(
        ViewStatusBar, [this, statusToggle] { m_status->setVisible(statusToggle->isChecked()); });
    restoreBarState();
    for (int tool = 1; tool <= 3; ++tool) {
        m_commands->setHandler(Tool1 + tool - 1, [this, tool] { runTool(tool); });
    }
    m_commands->setHandler(WindowCascade, [this] { m_mdi->cascadeSubWindows(); });
    m_commands->setHandler(WindowTile, [this] { m_mdi->tileSubWindows(); });
    m_commands->setHandler(WindowArrange, [this] { arrangeIcons(); });
    // Its actions go with the command set, so it does too.
    new EditCommands(*m_commands, m_commands);
    m_commands->attachKeys(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* sub) { emit activeViewChanged(sub ? sub->widget() : nullptr); });
    rebuildMenus();
}

// The window area outlives this object's own part while QWidget destroys the
// children, and closing its windows then reports an activation: nothing may
// reach this frame after it has begun to go.
CMainFrame::~CMainFrame() {
    m_mdi->disconnect(this);
}

void CMainFrame::createToolBar() {
    using namespace cmd;
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    const int order[] = {FileOpen,
                         FileSave,
                         0,
                         EditCut,
                         EditCopy,
                         EditPaste,
                         0,
                         FilePrint,
                         FilePrintPreview,
                         0,
                         ViewRecipeForm,
                         ViewRecipeLog,
                         ViewRecipeLabel,
                         0,
                         RecordFirst,
                         RecordPrev,
                         RecordNext,
                         RecordLast,
                         0,
                         RecordAdd,
                         RecordCopy,
                         RecordRefresh,
                         RecordDelete,
                         0,
                         RecordCommit,
                         0,
                         HelpAbout,
                         HelpContextMode};
    for (int id : order) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* a = m_commands->action(id);
        a->setIcon(commandIcon(id));
        m_toolBar->addAction(a);
        // Icon-only buttons: a screen reader names them as their tooltip does.
        if (QWidget* button = m_toolBar->widgetForAction(a)) {
            button->setAccessibleName(CommandSet::tooltipOf(id));
            button->setAccessibleDescription(CommandSet::promptOf(id));
        }
    }
}

void CMainFrame::setMenuKind(MenuKind kind) {
    m_menuKind = kind;
    rebuildMenus();
}

void CMainFrame::rebuildMenus() {
    buildMenuBar(menuBar(), m_menuKind, *m_commands, m_settings.recentFiles());
    refreshTools();
    if (m_noReportSelected) {
        QAction* preview = m_commands->action(cmd::ReportPreview);
        QAction* print = m_commands->action(cmd::ReportPrint);
        preview->setText(QStringLiteral("Pre&view Selected Report"));
        print->setText(QStringLiteral("Prin&t Selected Report"));
        preview->setEnabled(false);
        print->setEnabled(false);
    } else {
        reportChosen(m_reportListText);
    }
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        if (menu->title() == QLatin1String("&Tools")) {
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::refreshTools);
        }
        if (menu->title() == QLatin1String("&Window")) {
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateWindowMenu);
        }
    }
}

void CMainFrame::reportChosen(const QString& listText) {
    m_noReportSelected = false;
    m_reportListText = listText;
    QAction* preview = m_commands->action(cmd::ReportPreview);
    QAction* print = m_commands->action(cmd::ReportPrint);
    preview->setText(QStringLiteral("Pre&view: ") + listText);
    print->setText(QStringLiteral("Prin&t: ") + listText);
    preview->setEnabled(true);
    print->setEnabled(true);
}

QString CMainFrame::toolText(int tool) const {
    const QString name = m_settings.string(kToolNames[tool - 1]);
    return name.isEmpty() ? defaultToolText(tool) : name;
}

void CMainFrame::refreshTools() {
    for (int tool = 1; tool <= 3; ++tool) {
        QAction* a = m_commands->action(cmd::Tool1 + tool - 1);
        const QString text = toolText(tool);
        a->setText(text);
        a->setEnabled(text != defaultToolText(tool));
    }
}

void CMainFrame::runTool(int tool) {
    const QString path = m_settings.string(kToolPaths[tool - 1]);
    if (!m_start(path)) {
        m_prompts.show(kMsgToolNotLoaded,
                       formatMessage(kMsgToolNotLoaded, path.toStdString(), std::string()),
                       PromptIcon::Exclamation);
    }
}

void CMainFrame::updateWindowMenu() {
    QMenu* menu = menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"));
    if (menu == nullptr) {
        return;
    }
    for (QAction* a : menu->actions()) {
        if (a->property("windowEntry").toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    }
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (!windows.isEmpty()) {
        QAction* separator = menu->addSeparator();
        separator->setProperty("windowEntry", true);
    }
    int n = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(window->windowTitle()));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(window == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this,
                [this, window] { m_mdi->setActiveSubWindow(window); });
    }
}

QMdiSubWindow* CMainFrame::addChildWindow(QWidget* view) {
    QMdiSubWindow* sub = m_mdi->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(programIcon());
    sub->resize(m_settings.integer(Setting::RecipeFormSizeMaxX),
                m_settings.integer(Setting::RecipeFormSizeMaxY));
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    return sub;
}

void CMainFrame::showFirstTime() {
    if (!m_firstShow) {
        show();
        return;
    }
    m_firstShow = false;
    const auto placement = WindowPlacement::parse(m_settings.string(Setting::WindowPos));
    if (placement) {
        placement->applyTo(*this);
    } else {
        show();
    }
}

void CMainFrame::saveWindowPlacement() {
    m_settings.setString(Setting::WindowPos, WindowPlacement::of(*this).toText());
    saveBarState();
}

// The toolbar's docking and both bars' visibility, saved and restored as a
// whole. A bar hidden by the user stays hidden until the user shows it.
void CMainFrame::saveBarState() {
    QSettings& store = m_settings.store();
    store.setValue(kBarStateKey, saveState());
    store.setValue(kStatusBarKey, m_status->isHidden() ? 0 : 1);
}

void CMainFrame::restoreBarState() {
    QSettings& store = m_settings.store();
    restoreState(store.value(kBarStateKey).toByteArray());
    m_status->setVisible(store.value(kStatusBarKey, 1).toInt() != 0);
    m_toolBar->toggleViewAction()->setChecked(!m_toolBar->isHidden());
    m_commands->action(cmd::ViewStatusBar)->setChecked(!m_status->isHidden());
}

void CMainFrame::arrangeIcons() {
    // The minimized windows line up along the bottom of the area from the
    // left, a full row starting another above it; the others stay put.
    const QSize area = m_mdi->viewport()->size();
    int x = 0;
    int bottom = area.height();
    int rowHeight = 0;
    for (QMdiSubWindow* sub : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized() || sub->isHidden()) {
            continue;
        }
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > area.width()) {
            bottom -= rowHeight;
            x = 0;
            rowHeight = 0;
        }
        sub->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested(event);
    if (!event->isAccepted()) {
        return;
    }
    saveWindowPlacement();
    QMainWindow::closeEvent(event);
}

}  // namespace mw::shell
