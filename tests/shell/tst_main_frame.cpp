#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/info_status_bar.h"
#include "shell/main_frame.h"
#include "shell/window_placement.h"
#include "shell_fixture.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

Q_DECLARE_METATYPE(mw::shell::MenuKind)

using namespace mw;
using namespace mw::shell;
using storage::Setting;

namespace {

QStringList titles(QMenuBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions()) {
        out << a->text();
    }
    return out;
}

QMenu* menu(QMenuBar* bar, const QString& title) {
    for (QAction* a : bar->actions()) {
        if (a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

// The item of a command in a menu of the menu bar, as the user finds it.
QAction* menuCommand(QMenuBar* bar, const QString& title, int id) {
    QMenu* m = menu(bar, title);
    if (m == nullptr) {
        return nullptr;
    }
    for (QAction* a : m->actions()) {
        if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) {
            return a;
        }
    }
    return nullptr;
}

// The edit commands that are enabled, in the order of the Edit menu.
QString enabledEdits(CMainFrame& frame) {
    QStringList out;
    const std::pair<int, const char*> edits[] = {{cmd::EditUndo, "Undo"},
                                                 {cmd::EditCut, "Cut"},
                                                 {cmd::EditCopy, "Copy"},
                                                 {cmd::EditPaste, "Paste"}};
    for (const auto& [id, name] : edits) {
        if (menuCommand(frame.menuBar(), QStringLiteral("&Edit"), id)->isEnabled()) {
            out << QString::fromLatin1(name);
        }
    }
    return out.join(QLatin1Char(' '));
}

void clickToolButton(CMainFrame& frame, int id) {
    QWidget* button = frame.toolBar()->widgetForAction(frame.commands().action(id));
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void menuBarsHaveTheirMenus_data() {
        QTest::addColumn<MenuKind>("kind");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("no database")
            << MenuKind::NoDatabase << QStringList{"&File", "&View", "&Tools", "&Help"};
        QTest::newRow("recipe form")
            << MenuKind::RecipeForm
            << QStringList{"&File",     "&Edit",    "&View",  "&Data",   "&Record", "Refere&nce",
                           "Malt&wise", "Re&ports", "&Tools", "&Window", "&Help"};
        QTest::newRow("recipe log")
            << MenuKind::RecipeLog
            << QStringList{"&File",      "&Edit",     "&View",   "&Data", "&Record",
                           "&Reference", "Malt&wise", "&Window", "&Help"};
    }
    void menuBarsHaveTheirMenus() {
        QFETCH(MenuKind, kind);
        QFETCH(QStringList, menus);
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        frame.setMenuKind(kind);
        QCOMPARE(titles(frame.menuBar()), menus);
    }

    // Each key of the main accelerator table runs its command in the main
    // window, whichever menu bar shows and whether or not a menu or the
    // toolbar carries the command.
    void keysRunTheirCommands_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("id");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
        QTest::newRow("Ctrl+O open") << Qt::Key_O << ctrl << cmd::FileOpen;
        QTest::newRow("Ctrl+S commit") << Qt::Key_S << ctrl << cmd::RecordCommit;
        QTest::newRow("Ctrl+F first") << Qt::Key_F << ctrl << cmd::RecordFirst;
        QTest::newRow("Ctrl+P previous") << Qt::Key_P << ctrl << cmd::RecordPrev;
        QTest::newRow("Ctrl+N next") << Qt::Key_N << ctrl << cmd::RecordNext;
        QTest::newRow("Ctrl+L last") << Qt::Key_L << ctrl << cmd::RecordLast;
        QTest::newRow("Ctrl+R refresh") << Qt::Key_R << ctrl << cmd::RecordRefresh;
        QTest::newRow("Ctrl+keypad plus add") << Qt::Key_Plus << keypad << cmd::RecordAdd;
        QTest::newRow("Ctrl+Alt+keypad plus copy record")
            << Qt::Key_Plus << (keypad | Qt::AltModifier) << cmd::RecordCopy;
        QTest::newRow("Ctrl+keypad minus delete") << Qt::Key_Minus << keypad << cmd::RecordDelete;
        QTest::newRow("Ctrl+I bitterness calculator") << Qt::Key_I << ctrl << cmd::CalcBitterness;
        QTest::newRow("Ctrl+D delete ingredient") << Qt::Key_D << ctrl << cmd::GridDeleteIngredient;
        QTest::newRow("Ctrl+M ingredient menu") << Qt::Key_M << ctrl << cmd::GridShowMenu;
        QTest::newRow("Ctrl+C copy") << Qt::Key_C << ctrl << cmd::EditCopy;
        QTest::newRow("Ctrl+Insert copy") << Qt::Key_Insert << ctrl << cmd::EditCopy;
        QTest::newRow("Ctrl+X cut") << Qt::Key_X << ctrl << cmd::EditCut;
        QTest::newRow("Shift+Delete cut")
            << Qt::Key_Delete << Qt::KeyboardModifiers(Qt::ShiftModifier) << cmd::EditCut;
        QTest::newRow("Ctrl+V paste") << Qt::Key_V << ctrl << cmd::EditPaste;
        QTest::newRow("Shift+Insert paste")
            << Qt::Key_Insert << Qt::KeyboardModifiers(Qt::ShiftModifier) << cmd::EditPaste;
        QTest::newRow("Ctrl+Z undo") << Qt::Key_Z << ctrl << cmd::EditUndo;
        QTest::newRow("Alt+Backspace undo")
            << Qt::Key_Backspace << Qt::KeyboardModifiers(Qt::AltModifier) << cmd::EditUndo;
        QTest::newRow("F1 help") << Qt::Key_F1 << Qt::KeyboardModifiers() << cmd::HelpCurrent;
        QTest::newRow("Shift+F1 context help")
            << Qt::Key_F1 << Qt::KeyboardModifiers(Qt::ShiftModifier) << cmd::HelpContextMode;
    }
    void keysRunTheirCommands() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, id);
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        // The test answers the command itself, so that any command can run.
        int runs = 0;
        frame.commands().setHandler(id, [&runs] { ++runs; });
        QTest::keyClick(&frame, key, modifiers);
        QCOMPARE(runs, 1);
    }

    void promptsComeFromTheCatalogue() {
        CommandSet commands;
        QCOMPARE(commands.action(cmd::ViewRecipeLog)->statusTip(),
                 QStringLiteral("View the recipe log"));
        QCOMPARE(commands.action(cmd::ViewRecipeLog)->toolTip(), QStringLiteral("Log View"));
        QCOMPARE(commands.action(cmd::Tool1)->statusTip(), QStringLiteral("Run Tool 1"));
        QCOMPARE(commands.action(cmd::RecordDelete)->toolTip(), QStringLiteral("Delete Record"));
        // A command without a handler is disabled.
        QVERIFY(!commands.action(cmd::DataHop)->isEnabled());
    }

    void toolsFollowTheSettings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no name") << ""
                                 << "Tool 2" << false;
        QTest::newRow("named like its default") << "Tool 2"
                                                << "Tool 2" << false;
        QTest::newRow("named") << "Brew Timer"
                               << "Brew Timer" << true;
    }
    void toolsFollowTheSettings() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        test::ShellFixture f;
        f.settings->setString(Setting::NameTool2, name);
        f.settings->setString(Setting::PathTool2, QStringLiteral("/usr/bin/true"));
        CMainFrame frame(*f.settings, f.prompts);
        QAction* tool = frame.commands().action(cmd::Tool1 + 1);
        QCOMPARE(tool->text(), text);
        QCOMPARE(tool->isEnabled(), enabled);
    }

    void toolThatCannotStartSaysSo() {
        test::ShellFixture f;
        f.settings->setString(Setting::NameTool1, QStringLiteral("Timer"));
        f.settings->setString(Setting::PathTool1, QStringLiteral("/no/such/program"));
        CMainFrame frame(*f.settings, f.prompts);
        QStringList started;
        frame.setProgramStarter([&](const QString& p) {
            started << p;
            return false;
        });
        frame.commands().action(cmd::Tool1)->trigger();
        QCOMPARE(started, QStringList{"/no/such/program"});
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{78});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(78, "/no/such/program", ""));
        QCOMPARE(f.prompts.shown()[0].icon, PromptIcon::Exclamation);
    }

    void windowPlacementText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ten numbers") << "0,1,-1,-1,-1,-1,10,20,810,620" << true;
        QTest::newRow("maximized") << "2,3,-1,-1,-8,-8,10,20,810,620" << true;
        QTest::newRow("nine numbers") << "0,1,-1,-1,-1,-1,10,20,810" << false;
        QTest::newRow("eleven numbers") << "0,1,-1,-1,-1,-1,10,20,810,620,5" << false;
        QTest::newRow("not a number") << "0,1,-1,-1,-1,-1,10,x,810,620" << false;
        QTest::newRow("empty") << "" << false;
    }
    void windowPlacementText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const auto placement = WindowPlacement::parse(text);
        QCOMPARE(placement.has_value(), valid);
        if (valid) {
            QCOMPARE(placement->toText(), text);
            QCOMPARE(placement->normal, QRect(QPoint(10, 20), QPoint(809, 619)));
        }
    }

    // A hand-edited WindowPos at the ends of the int range reads, and writes
    // back as it was where its rectangle has pixels.
    void windowPlacementAtTheIntLimits() {
        const QString wide =
            QStringLiteral("0,1,0,0,0,0,-2000000000,-2000000000,2000000000,2000000000");
        QCOMPARE(WindowPlacement::parse(wide)->toText(), wide);
        const QString least =
            QStringLiteral("0,1,0,0,0,0,-2147483648,-2147483648,-2147483647,-2147483647");
        QCOMPARE(WindowPlacement::parse(least)->toText(), least);
        const auto none = WindowPlacement::parse(
            QStringLiteral("0,1,0,0,0,0,-2147483648,-2147483648,-2147483648,-2147483648"));
        QVERIFY(none.has_value());
    }

    void placementIsRestoredAndSaved() {
        test::ShellFixture f;
        f.settings->setString(Setting::WindowPos, QStringLiteral("2,3,-1,-1,-8,-8,30,40,730,540"));
        {
            CMainFrame frame(*f.settings, f.prompts);
            frame.showFirstTime();
            QVERIFY(frame.isMaximized());
            frame.close();
        }
        const auto saved = WindowPlacement::parse(f.settings->string(Setting::WindowPos));
        QVERIFY(saved.has_value());
        QCOMPARE(saved->flags, 2u);
        QCOMPARE(saved->showState, 3u);

        f.settings->setString(Setting::WindowPos, QStringLiteral("0,1,-1,-1,-1,-1,10,20,810"));
        CMainFrame frame(*f.settings, f.prompts);
        frame.showFirstTime();
        QVERIFY(frame.isVisible());
        QVERIFY(!frame.isMaximized());
    }

    // A bar the user hides stays hidden, with its View item unchecked, when
    // the main window opens again with the same settings.
    void hiddenBarsStayHidden_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("toolbar") << cmd::ViewToolbar;
        QTest::newRow("status bar") << cmd::ViewStatusBar;
    }
    void hiddenBarsStayHidden() {
        QFETCH(int, id);
        test::ShellFixture f;
        const auto bar = [id](CMainFrame& frame) -> QWidget* {
            return id == cmd::ViewToolbar ? static_cast<QWidget*>(frame.toolBar())
                                          : frame.infoStatusBar();
        };
        const QString view = QStringLiteral("&View");
        {
            CMainFrame frame(*f.settings, f.prompts);
            frame.showFirstTime();
            QAction* item = menuCommand(frame.menuBar(), view, id);
            QVERIFY(item->isChecked());
            QVERIFY(bar(frame)->isVisible());
            item->trigger();
            QVERIFY(!item->isChecked());
            QVERIFY(!bar(frame)->isVisible());
            frame.close();
        }
        {
            CMainFrame frame(*f.settings, f.prompts);
            frame.showFirstTime();
            QAction* item = menuCommand(frame.menuBar(), view, id);
            QVERIFY(!bar(frame)->isVisible());
            QVERIFY(!item->isChecked());
            // The database's menu bar shows the same state.
            frame.setMenuKind(MenuKind::RecipeForm);
            QVERIFY(!menuCommand(frame.menuBar(), view, id)->isChecked());
            menuCommand(frame.menuBar(), view, id)->trigger();
            QVERIFY(bar(frame)->isVisible());
            frame.close();
        }
        CMainFrame frame(*f.settings, f.prompts);
        frame.showFirstTime();
        QVERIFY(bar(frame)->isVisible());
        QVERIFY(menuCommand(frame.menuBar(), view, id)->isChecked());
    }

    // Arrange Icons lines the minimized windows up along the bottom of the
    // window area and leaves the others where they are.
    void arrangeIconsMovesOnlyMinimizedWindows() {
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        frame.setMenuKind(MenuKind::RecipeForm);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QMdiSubWindow* normal = frame.addChildWindow(new QWidget);
        QMdiSubWindow* first = frame.addChildWindow(new QWidget);
        QMdiSubWindow* second = frame.addChildWindow(new QWidget);
        const QRect placed(40, 30, 300, 200);
        normal->setGeometry(placed);
        first->showMinimized();
        second->showMinimized();
        first->move(200, 10);
        second->move(5, 80);

        menuCommand(frame.menuBar(), QStringLiteral("&Window"), cmd::WindowArrange)->trigger();

        QCOMPARE(normal->geometry(), placed);
        QVERIFY(!normal->isMinimized());
        const int bottom = frame.mdiArea()->viewport()->height();
        QVERIFY(first->isMinimized());
        QCOMPARE(first->pos(), QPoint(0, bottom - first->height()));
        QCOMPARE(second->pos(), QPoint(first->width(), bottom - second->height()));
    }

    // Undo, Cut, Copy and Paste follow the edit box that has the focus and
    // act on it.
    void editCommandsFollowTheFocusedBox() {
        test::ShellFixture f;
        QGuiApplication::clipboard()->clear();
        CMainFrame frame(*f.settings, f.prompts);
        frame.setMenuKind(MenuKind::RecipeLog);
        auto* page = new QWidget;
        auto* name = new QLineEdit(page);
        auto* notes = new QLineEdit(QStringLiteral("Brewed in May"), page);
        notes->setReadOnly(true);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(name);
        layout->addWidget(notes);
        frame.addChildWindow(page);
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QCOMPARE(enabledEdits(frame), QString());

        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(enabledEdits(frame), QString());
        QTest::keyClicks(name, QStringLiteral("Pale Ale"));
        QCOMPARE(enabledEdits(frame), QStringLiteral("Undo"));
        QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(enabledEdits(frame), QStringLiteral("Undo Cut Copy"));
        clickToolButton(frame, cmd::EditCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Pale Ale"));
        QCOMPARE(enabledEdits(frame), QStringLiteral("Undo Cut Copy Paste"));

        // A box that cannot be written offers only Copy, and only of a selection.
        QTest::mouseClick(notes, Qt::LeftButton);
        QCOMPARE(enabledEdits(frame), QString());
        QTest::keyClick(notes, Qt::Key_Home);
        QTest::keyClick(notes, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(enabledEdits(frame), QStringLiteral("Copy"));

        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClick(name, Qt::Key_End);
        QCOMPARE(enabledEdits(frame), QStringLiteral("Undo Paste"));
        clickToolButton(frame, cmd::EditPaste);
        QCOMPARE(name->text(), QStringLiteral("Pale AlePale Ale"));
        menuCommand(frame.menuBar(), QStringLiteral("&Edit"), cmd::EditUndo)->trigger();
        QCOMPARE(name->text(), QStringLiteral("Pale Ale"));
        QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
        clickToolButton(frame, cmd::EditCut);
        QCOMPARE(name->text(), QString());
        QCOMPARE(notes->text(), QStringLiteral("Brewed in May"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Pale Ale"));
    }

    void informationLines() {
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        CInfoStatusBar* bar = frame.infoStatusBar();
        QVERIFY(!bar->infoButton()->isEnabled());
        const QStringList lines{"Target Specific Gravity 1.045 - 1.060", "Target Alcohol 4.5 - 6.2",
                                "Target IBU 30 - 45", "Target Color 5.0 - 14.0"};
        bar->DeleteAllLines();
        for (const QString& line : lines) {
            bar->AddLine(line);
        }
        bar->PreviousLine();
        bar->PreviousLine();
        bar->PreviousLine();
        // The gravity range shows first.
        QCOMPARE(bar->linePaneText(), lines[0]);
        QVERIFY(!bar->previousButton()->isEnabled());
        QVERIFY(bar->nextButton()->isEnabled());
        QVERIFY(bar->infoButton()->isEnabled());
        bar->nextButton()->click();
        QCOMPARE(bar->linePaneText(), lines[1]);
        bar->RemoveLine(1);  // the current one: the first becomes current
        QCOMPARE(bar->linePaneText(), lines[0]);
        bar->DeleteAllLines();
        QVERIFY(!bar->nextButton()->isEnabled());
        QCOMPARE(bar->linePaneText(), QString::fromUtf8(catalogueText(57345).data()));
        QSignalSpy help(bar, &CInfoStatusBar::lineHelpRequested);
        bar->AddLine(lines[2]);
        bar->infoButton()->click();
        QCOMPARE(help.count(), 1);
    }

    void progressBar() {
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        frame.show();
        CInfoStatusBar* bar = frame.infoStatusBar();
        bar->SetProgress(0, 100);
        QVERIFY(bar->progressBar()->isVisible());
        bar->SetProgress(30);
        QCOMPARE(bar->progressBar()->value(), 30);
        QCOMPARE(bar->progressBar()->maximum(), 100);
        bar->SetProgress(-1);
        QVERIFY(!bar->progressBar()->isVisible());
    }
};

MW_REGISTER_TEST(TestMainFrame)
#include "tst_main_frame.moc"
