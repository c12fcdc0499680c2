#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "resources/message_catalogue.h"
#include "shell/options_sheet.h"
#include "shell_fixture.h"
#include "storage/schema.h"
#include "support/qt_printers.h"
#include "support/test_registry.h"

Q_DECLARE_METATYPE(mw::PromptAnswer)

using namespace mw;
using namespace mw::shell;
using storage::Setting;

namespace {

struct OptionsSetup : test::ShellFixture {
    QString recipes = path(QStringLiteral("recipes.mdb"));
    QString data = path(QStringLiteral("data.mdb"));
    OptionsSetup() {
        storage::createDatabase(recipes, storage::DatabaseKind::Recipe);
        storage::createDatabase(data, storage::DatabaseKind::Data);
        settings->setString(Setting::DefaultRecipeFile, recipes);
        settings->setString(Setting::DefaultDataFile, data);
    }
};

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void nothingStoredShowsTheDefaults() {
        test::ShellFixture f;
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        CMWOptions_Preferences* p = sheet.preferences();
        QVERIFY(p->toolTips()->isChecked());
        QVERIFY(p->warnings()->isChecked());
        QVERIFY(p->deleteWarnings()->isChecked());
        QVERIFY(p->showRecipeTab()->isChecked());
        QCOMPARE(p->defaultView()->currentIndex(), -1);
    }

    void switchingWarningsOffAsksFirst_data() {
        QTest::addColumn<bool>("deleteWarnings");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("staysChecked");
        QTest::newRow("change warnings, Cancel") << false << PromptAnswer::Cancel << true;
        QTest::newRow("change warnings, OK") << false << PromptAnswer::Ok << false;
        QTest::newRow("delete warnings, Cancel") << true << PromptAnswer::Cancel << true;
        QTest::newRow("delete warnings, OK") << true << PromptAnswer::Ok << false;
    }
    void switchingWarningsOffAsksFirst() {
        QFETCH(bool, deleteWarnings);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, staysChecked);
        test::ShellFixture f;
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        QCheckBox* box = deleteWarnings ? sheet.preferences()->deleteWarnings()
                                        : sheet.preferences()->warnings();
        f.prompts.answerNext(answer);
        box->click();
        QCOMPARE(box->isChecked(), staysChecked);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{deleteWarnings ? 127 : 128});
        QCOMPARE(f.prompts.shown()[0].buttons, PromptButtons::OkCancel);
        QCOMPARE(f.prompts.shown()[0].icon, PromptIcon::Question);
        box->setChecked(false);
        f.prompts.clear();
        box->click();  // switching on asks nothing
        QVERIFY(f.prompts.shown().empty());
    }

    void okWritesCancelDoesNot() {
        OptionsSetup f;
        {
            CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
            sheet.preferences()->defaultView()->setCurrentIndex(1);
            sheet.preferences()->stayOnTab()->setChecked(true);
            sheet.locations()->toolName(3)->setText(QStringLiteral("Timer"));
            sheet.locations()->toolPath(3)->setText(QStringLiteral("/usr/bin/timer"));
            sheet.reject();
        }
        QVERIFY(f.settings->string(Setting::View).isEmpty());
        QVERIFY(f.settings->string(Setting::NameTool3).isEmpty());
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        sheet.preferences()->defaultView()->setCurrentIndex(1);
        sheet.preferences()->skillLevel()->setCurrentIndex(2);
        sheet.preferences()->stayOnTab()->setChecked(true);
        sheet.locations()->toolName(3)->setText(QStringLiteral("Timer"));
        sheet.locations()->toolPath(3)->setText(QStringLiteral("/usr/bin/timer"));
        sheet.accept();
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(f.settings->string(Setting::View), QStringLiteral("Log"));
        QCOMPARE(f.settings->string(Setting::UserSkill), QStringLiteral("Advanced"));
        QCOMPARE(f.settings->integer(Setting::RecipeScroll), 1);
        QCOMPARE(f.settings->string(Setting::NameTool3), QStringLiteral("Timer"));
        QCOMPARE(f.settings->string(Setting::PathTool3), QStringLiteral("/usr/bin/timer"));
    }

    void halfFilledToolBlocksLeaving_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("name only") << 2 << "Timer"
                                   << "";
        QTest::newRow("path only") << 3 << ""
                                   << "/usr/bin/timer";
    }
    void halfFilledToolBlocksLeaving() {
        QFETCH(int, tool);
        QFETCH(QString, name);
        QFETCH(QString, path);
        OptionsSetup f;
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        sheet.show();
        sheet.tabs()->setCurrentIndex(1);
        sheet.locations()->toolName(tool)->setText(name);
        sheet.locations()->toolPath(tool)->setText(path);
        sheet.tabs()->setCurrentIndex(2);  // leaving the page runs the checks
        QCOMPARE(sheet.tabs()->currentIndex(), 1);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{77});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(77, std::to_string(tool)));
        QCOMPARE(sheet.focusWidget(), sheet.locations()->toolName(tool));
        sheet.accept();
        QCOMPARE(sheet.result(), int(QDialog::Rejected));  // still open
        QVERIFY(f.settings->string(Setting::NameTool2).isEmpty());
    }

    void databaseFieldsAreChecked_data() {
        QTest::addColumn<bool>("recipeField");
        QTest::addColumn<QString>("wrongPath");
        QTest::newRow("data database as recipes") << true << "data.mdb";
        QTest::newRow("recipe database as data") << false << "recipes.mdb";
        QTest::newRow("empty recipe field") << true << "";
        QTest::newRow("empty data field") << false << "";
        QTest::newRow("empty file as recipes") << true << "empty.mdb";
    }
    void databaseFieldsAreChecked() {
        QFETCH(bool, recipeField);
        QFETCH(QString, wrongPath);
        OptionsSetup f;
        QFile empty(f.path(QStringLiteral("empty.mdb")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.tabs()->setCurrentIndex(1);
        QLineEdit* field =
            recipeField ? sheet.locations()->recipeFile() : sheet.locations()->dataFile();
        const QString bad = wrongPath.isEmpty() ? QString() : f.path(wrongPath);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, bad);
        QTest::keyClick(&sheet, Qt::Key_Return);  // OK
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{171});
        QCOMPARE(f.prompts.shown()[0].text, formatMessage(171, bad.toStdString()));
        QCOMPARE(f.prompts.shown()[0].icon, PromptIcon::Exclamation);
        QCOMPARE(sheet.focusWidget(), field);
        QCOMPARE(f.settings->string(Setting::DefaultRecipeFile), f.recipes);
        QCOMPARE(f.settings->string(Setting::DefaultDataFile), f.data);
    }

    // A file the database engine cannot read is not "the wrong kind": the
    // engine's own error is shown, with the help it offers.
    void unreadableFilesShowTheDatabaseError_data() {
        QTest::addColumn<bool>("recipeField");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("errorNumber");
        QTest::newRow("missing recipe file") << true << "gone.mdb" << 3024;
        QTest::newRow("missing data file") << false << "gone.mdb" << 3024;
        QTest::newRow("damaged recipe file") << true << "garbage.mdb" << 3343;
        QTest::newRow("damaged data file") << false << "garbage.mdb" << 3343;
    }
    void unreadableFilesShowTheDatabaseError() {
        QFETCH(bool, recipeField);
        QFETCH(QString, file);
        QFETCH(int, errorNumber);
        OptionsSetup f;
        QFile garbage(f.path(QStringLiteral("garbage.mdb")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a'));
        garbage.close();
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.tabs()->setCurrentIndex(1);
        QLineEdit* field =
            recipeField ? sheet.locations()->recipeFile() : sheet.locations()->dataFile();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, f.path(file));
        f.prompts.answerNext(PromptAnswer::Yes);  // "Would you like to see help?"
        QTest::keyClick(&sheet, Qt::Key_Return);  // OK
        QVERIFY(sheet.isVisible());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1010});
        const QString text = QString::fromStdString(f.prompts.shown()[0].text);
        QVERIFY2(text.contains(QStringLiteral("(%1)").arg(errorNumber)), qPrintable(text));
        QCOMPARE(f.prompts.shown()[0].buttons, PromptButtons::YesNo);
        QCOMPARE(f.help.contexts, std::vector<int>{1010});
        QCOMPARE(sheet.focusWidget(), field);
        // Leaving for another page is refused the same way.
        f.prompts.clear();
        f.prompts.answerNext(PromptAnswer::No);
        sheet.tabs()->setCurrentIndex(0);
        QCOMPARE(sheet.tabs()->currentIndex(), 1);
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1010});
        QCOMPARE(f.settings->string(Setting::DefaultRecipeFile), f.recipes);
        QCOMPARE(f.settings->string(Setting::DefaultDataFile), f.data);
    }

    void browsingADamagedFileShowsTheDatabaseError() {
        OptionsSetup f;
        QFile garbage(f.path(QStringLiteral("garbage.mdb")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a'));
        garbage.close();
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        f.files.answers = QStringList{garbage.fileName()};
        f.prompts.answerNext(PromptAnswer::No);
        sheet.locations()->dataBrowse()->click();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1010});
        QVERIFY(f.help.contexts.empty());
        QCOMPARE(sheet.locations()->dataFile()->text(), f.data);  // unchanged
    }

    void browsingRefusesTheWrongKind() {
        OptionsSetup f;
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        f.files.answers = QStringList{f.data};
        sheet.locations()->recipeBrowse()->click();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{171});
        QCOMPARE(sheet.locations()->recipeFile()->text(), f.recipes);  // unchanged
        f.files.answers = QStringList{f.data};
        sheet.locations()->dataBrowse()->click();
        QCOMPARE(sheet.locations()->dataFile()->text(), f.data);
        f.files.answers = QStringList{QStringLiteral("/usr/bin/env")};
        sheet.locations()->toolBrowse(1)->click();
        QCOMPARE(sheet.locations()->toolPath(1)->text(), QStringLiteral("/usr/bin/env"));
    }

    void helpOpensThePagesTopic() {
        test::ShellFixture f;
        CMWOptionsSheet sheet(*f.settings, f.prompts, f.files, &f.help);
        sheet.showHelp();
        sheet.tabs()->setCurrentIndex(2);
        sheet.showHelp();
        QCOMPARE(f.help.contexts, (std::vector<int>{161, 163}));
    }
};

MW_REGISTER_TEST(TestOptions)
#include "tst_options.moc"
