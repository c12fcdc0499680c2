#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "shell/application.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/help_topic.h"
#include "shell/main_frame.h"
#include "shell/options_sheet.h"
#include "shell_fixture.h"
#include "stand_in_view.h"
#include "storage/database.h"
#include "storage/recipe_document.h"
#include "storage/schema.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::shell;
using storage::Setting;

namespace {

// An application over a temporary folder whose settings already name a data
// database and a recipe database (so no first start happens), tips off.
struct AppSetup : test::ShellFixture {
    QString recipes = path(QStringLiteral("recipes.mdb"));
    QString data = path(QStringLiteral("data.mdb"));
    std::unique_ptr<CMwcalcApp> app;

    explicit AppSetup(bool configured = true) {
        settings->setInteger(Setting::TipStartUp, 1);
        if (configured) {
            storage::createDatabase(recipes, storage::DatabaseKind::Recipe);
            storage::createDatabase(data, storage::DatabaseKind::Data, [](storage::Database& db) {
                for (int i = 0; i < 275; ++i) {
                    db.exec(QStringLiteral("INSERT INTO HopsUtilization VALUES (?, ?, ?, ?)"),
                            {i / 11, (i / 11) * 3, 1.03 + 0.01 * (i % 11), 0.2});
                }
            });
            settings->setString(Setting::DefaultDataFile, data);
            settings->setString(Setting::DefaultRecipeFile, recipes);
        }
        app = std::make_unique<CMwcalcApp>(*settings, prompts, help, files,
                                           path(QStringLiteral("appdata")));
        app->setProgramFilesFolder(QStringLiteral(MW_SOURCE_RESOURCES));
        test::StandInView::install(*app);
    }
    void trigger(int id) { app->mainFrame()->commands().action(id)->trigger(); }
    int windows() const { return int(app->mainFrame()->mdiArea()->subWindowList().size()); }
};

}  // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("openLast");
        QTest::addColumn<bool>("noSplash");
        QTest::addColumn<QString>("file");
        QTest::newRow("nothing") << QStringList{} << false << false << "";
        QTest::newRow("slash l") << QStringList{"/l"} << true << false << "";
        QTest::newRow("upper case") << QStringList{"-L", "/S"} << true << true << "";
        QTest::newRow("first file wins")
            << QStringList{"-s", "a.mdb", "b.mdb"} << false << true << "a.mdb";
        QTest::newRow("unknown switch ignored")
            << QStringList{"/x", "c.mdb"} << false << false << "c.mdb";
        QTest::newRow("absolute path") << QStringList{"/l", "/home/brewer/recipes.mdb"} << true
                                       << false << "/home/brewer/recipes.mdb";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, openLast);
        QFETCH(bool, noSplash);
        QFETCH(QString, file);
        const StartOptions o = parseCommandLine(arguments);
        QCOMPARE(o.openLast, openLast);
        QCOMPARE(o.noSplash, noSplash);
        QCOMPARE(o.file, file);
    }

    // The very first start makes both databases, records them and opens the
    // sample recipes.
    void firstStartCreatesTheDatabases() {
        AppSetup s(false);
        QVERIFY(s.app->InitInstance({QStringLiteral("-s")}));
        const QString data = s.settings->string(Setting::DefaultDataFile);
        const QString recipes = s.settings->string(Setting::DefaultRecipeFile);
        QVERIFY(storage::isDatabaseOfKind(data, storage::kDataMarker));
        QVERIFY(storage::isDatabaseOfKind(recipes, storage::kRecipeMarker));
        QVERIFY(data.startsWith(s.app->dataFolder()));
        QCOMPARE(s.settings->recentFiles(), QStringList{recipes});
        QVERIFY(s.app->document() != nullptr);
        QCOMPARE(s.settings->string(Setting::RecipeFileOpened), recipes);
        QVERIFY(s.prompts.shown().empty());
        QCOMPARE(s.windows(), 1);
        QCOMPARE(s.app->mainFrame()->mdiArea()->subWindowList()[0]->windowTitle(),
                 QStringLiteral("Recipe Form"));
        QCOMPARE(s.app->mainFrame()->menuKind(), MenuKind::RecipeForm);
    }

    void lastUsedWithAnEmptyListOpensNothing() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("/l"), QStringLiteral("/s")}));
        QVERIFY(s.app->document() == nullptr);
        QVERIFY(s.prompts.shown().empty());
        QCOMPARE(s.app->mainFrame()->menuKind(), MenuKind::NoDatabase);
    }

    void lastUsedOpensTheNewestRecentFile() {
        AppSetup s;
        s.settings->addRecentFile(s.recipes);
        QVERIFY(s.app->InitInstance({QStringLiteral("-l"), QStringLiteral("-s")}));
        QVERIFY(s.app->document() != nullptr);
        QCOMPARE(s.app->document()->pathName(), s.recipes);
    }

    void lastUsedAndAFileOpenNeither() {
        AppSetup s;
        s.settings->addRecentFile(s.recipes);
        QVERIFY(s.app->InitInstance({QStringLiteral("/L"), QStringLiteral("/s"), s.recipes}));
        QVERIFY(s.app->document() == nullptr);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{230});
        QCOMPARE(s.prompts.shown()[0].text, formatMessage(230, s.recipes.toStdString()));
        QCOMPARE(s.prompts.shown()[0].icon, PromptIcon::Information);
    }

    void aFileThatIsNoRecipeDatabaseIsRefused() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.data}));
        QVERIFY(s.app->document() == nullptr);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{168});
        QVERIFY(s.app->mainFrame()->isVisible());
    }

    void onlyOneDatabaseAtATime() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        s.prompts.clear();
        s.trigger(cmd::FileOpen);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{72});
        QVERIFY(s.files.requests.empty());  // no file box was offered
    }

    void openThroughTheFileBox() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s")}));
        s.files.answers = QStringList{s.recipes};
        s.trigger(cmd::FileOpen);
        QVERIFY(s.app->document() != nullptr);
        QCOMPARE(s.settings->recentFiles().front(), s.recipes);
    }

    void viewsAreActivatedOrMade() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        s.trigger(cmd::ViewRecipeLog);
        QCOMPARE(s.windows(), 2);
        QCOMPARE(s.app->mainFrame()->menuKind(), MenuKind::RecipeLog);
        s.trigger(cmd::ViewRecipeForm);
        s.trigger(cmd::ViewRecipeLog);  // already there: only brought to the front
        QCOMPARE(s.windows(), 2);
        QCOMPARE(s.app->mainFrame()->mdiArea()->activeSubWindow()->windowTitle(),
                 QStringLiteral("Log Book"));
        s.trigger(cmd::ViewRecipeLabel);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{19});
    }

    void logFirstWhenTheSettingsSaySo() {
        AppSetup s;
        s.settings->setString(Setting::View, QStringLiteral("Log"));
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        QCOMPARE(s.app->mainFrame()->mdiArea()->activeSubWindow()->windowTitle(),
                 QStringLiteral("Log Book"));
    }

    void fileCloseEndsTheDatabase() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        s.trigger(cmd::FileClose);
        QVERIFY(s.app->document() == nullptr);
        QCOMPARE(s.windows(), 0);
        QCOMPARE(s.app->mainFrame()->menuKind(), MenuKind::NoDatabase);
        QVERIFY(s.settings->string(Setting::RecipeFileOpened).isEmpty());
    }

    void closingTheLastWindowClosesTheDatabase() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        s.app->mainFrame()->mdiArea()->subWindowList().front()->close();
        QTRY_VERIFY(s.app->document() == nullptr);
        QCOMPARE(s.app->mainFrame()->menuKind(), MenuKind::NoDatabase);
    }

    void compressAndRepair() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s")}));
        s.files.answers = QStringList{s.recipes};
        s.trigger(cmd::DatabaseCompress);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{4});
        QCOMPARE(s.prompts.shown()[0].text, formatMessage(4, "compress", s.recipes.toStdString()));
        QCOMPARE(s.files.requests.back().defaultSuffix, QStringLiteral("mdb"));

        QFile temp(s.path(QStringLiteral("temp.mdb")));
        QVERIFY(temp.open(QIODevice::WriteOnly));
        temp.close();
        s.prompts.clear();
        s.files.answers = QStringList{s.recipes};
        s.trigger(cmd::DatabaseRepair);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{1010});  // the error box, no success

        s.prompts.clear();
        s.trigger(cmd::DatabaseCompress);  // cancelled file box: nothing happens
        QVERIFY(s.prompts.shown().empty());
    }

    // F1 in the main window opens the help topic of the active window, or
    // the contents with no database open.
    void f1OpensTheTopicOfTheActiveWindow_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("topic");
        QTest::newRow("no database") << false << 0 << 0;
        QTest::newRow("recipe form") << true << cmd::ViewRecipeForm << 192;
        QTest::newRow("recipe log") << true << cmd::ViewRecipeLog << 140;
    }
    void f1OpensTheTopicOfTheActiveWindow() {
        QFETCH(bool, open);
        QFETCH(int, view);
        QFETCH(int, topic);
        AppSetup s;
        QStringList arguments{QStringLiteral("-s")};
        if (open) {
            arguments << s.recipes;
        }
        QVERIFY(s.app->InitInstance(arguments));
        if (open) {
            s.trigger(view);
        }
        CMainFrame* frame = s.app->mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key_F1);
        QCOMPARE(s.help.contexts, std::vector<int>{topic});
    }

    // F1 in a dialog opens the dialog's own topic, not the main window's.
    void f1InADialogOpensTheDialogsTopic() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        QDialog dialog(s.app->mainFrame());
        auto* field = new QLineEdit(&dialog);
        setHelpTopic(&dialog, 214);
        dialog.open();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(s.help.contexts, std::vector<int>{214});
        dialog.close();

        // A dialog that answers F1 itself keeps doing so.
        s.help.contexts.clear();
        CMWOptionsSheet options(*s.settings, s.prompts, s.files, &s.help, s.app->mainFrame());
        options.open();
        options.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        QTest::keyClick(&options, Qt::Key_F1);
        QCOMPARE(s.help.contexts, std::vector<int>{161});
    }

    // Undo, Cut, Copy and Paste wait for an edit box to work on.
    void editCommandsWaitForAnEditBox_data() {
        QTest::addColumn<bool>("open");
        QTest::newRow("no database") << false;
        QTest::newRow("database open") << true;
    }
    void editCommandsWaitForAnEditBox() {
        QFETCH(bool, open);
        AppSetup s;
        QStringList arguments{QStringLiteral("-s")};
        if (open) {
            arguments << s.recipes;
        }
        QVERIFY(s.app->InitInstance(arguments));
        CommandSet& c = s.app->mainFrame()->commands();
        for (int id : {cmd::EditUndo, cmd::EditCut, cmd::EditCopy, cmd::EditPaste}) {
            QVERIFY2(!c.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
    }

    void helpCommandsOpenTheirTopics() {
        AppSetup s;
        QVERIFY(s.app->InitInstance({QStringLiteral("-s"), s.recipes}));
        s.trigger(cmd::RefHop);
        s.trigger(cmd::HelpGlossary);
        s.trigger(cmd::HelpHowToBrew);
        s.trigger(cmd::RefAdjunct);
        QCOMPARE(s.help.contexts, (std::vector<int>{98339, 98409, 98410, 98404}));
    }
};

MW_REGISTER_TEST(TestApplication)
#include "tst_application.moc"
