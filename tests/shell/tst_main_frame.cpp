#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>
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

std::vector<int> ids(QMenu* m) {
    std::vector<int> out;
    for (QAction* a : m->actions()) {
        if (!a->isSeparator() && !a->menu()) {
            out.push_back(a->data().toInt());
        }
    }
    return out;
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

    void menuItemsCarryTheirCommands() {
        test::ShellFixture f;
        CMainFrame frame(*f.settings, f.prompts);
        frame.setMenuKind(MenuKind::RecipeForm);
        QMenuBar* bar = frame.menuBar();
        QCOMPARE(ids(menu(bar, QStringLiteral("&Record"))),
                 (std::vector<int>{59648, 59651, 59650, 59649, 32771, 32845, 32831, 32830, 101}));
        QCOMPARE(ids(menu(bar, QStringLiteral("Malt&wise"))),
                 (std::vector<int>{102, 32880, 32882, 32883, 32884, 104}));
        QCOMPARE(ids(menu(bar, QStringLiteral("Refere&nce"))),
                 (std::vector<int>{32802, 32870, 32849, 32804, 32871, 32807, 32806, 32869, 32808}));
        QCOMPARE(ids(menu(bar, QStringLiteral("&Tools"))),
                 (std::vector<int>{32876, 32877, 32878, 32866}));
        QCOMPARE(ids(menu(bar, QStringLiteral("Re&ports"))),
                 (std::vector<int>{32837, 32838, 32839}));
        CommandSet& c = frame.commands();
        // Until a report is chosen, preview and print read their defaults, grayed.
        QCOMPARE(c.action(cmd::ReportPreview)->text(), QStringLiteral("Pre&view Selected Report"));
        QVERIFY(!c.action(cmd::ReportPrint)->isEnabled());
    }

    void commandsHaveKeysPromptsAndTips_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("key");
        QTest::newRow("open") << cmd::FileOpen << "Ctrl+O";
        QTest::newRow("commit") << cmd::RecordCommit << "Ctrl+S";
        QTest::newRow("previous record") << cmd::RecordPrev << "Ctrl+P";
        QTest::newRow("bitterness calculator") << cmd::CalcBitterness << "Ctrl+I";
        QTest::newRow("delete ingredient") << cmd::GridDeleteIngredient << "Ctrl+D";
        QTest::newRow("context help") << cmd::HelpContextMode << "Shift+F1";
    }
    void commandsHaveKeysPromptsAndTips() {
        QFETCH(int, id);
        QFETCH(QString, key);
        CommandSet commands;
        QCOMPARE(commands.action(id)->shortcut(), QKeySequence(key));
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
