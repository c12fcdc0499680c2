// The Reports menu as the user meets it: choosing a report, the menu texts
// and their enabling, the preview window, printing, the question about
// unsaved changes, and the messages when a report cannot be made.

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "reports/report_list.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/main_frame.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "views/report_commands.h"
#include "views/report_preview.h"
#include "views/rpe_mdi_child_wnd.h"
#include "views/select_report_dlg.h"

using namespace mw::views;

namespace mw::test {

namespace {

ReportChoice choice(int index, ReportChoice::Action action = ReportChoice::Action::Preview) {
    const reports::ReportEntry& e = reports::kReports[static_cast<std::size_t>(index)];
    return ReportChoice{QString::fromLatin1(e.baseName), e.kind, QString::fromLatin1(e.listText),
                        action};
}

}  // namespace

class TestReportCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_data;
    QString m_recipes;
    std::unique_ptr<storage::Settings> m_settings;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<shell::CMainFrame> m_frame;
    std::unique_ptr<ReportCommands> m_reports;
    ReportCommands::CurrentRecipe m_recipe;
    std::optional<ReportChoice> m_next;

    QAction* action(int id) { return m_frame->commands().action(id); }
    void choose(const std::optional<ReportChoice>& c) {
        m_next = c;
        m_reports->SelectReport(m_frame.get());
    }
    int previews() const {
        int n = 0;
        for (QMdiSubWindow* sub : m_frame->mdiArea()->subWindowList()) {
            n += qobject_cast<CRPEMDIChildWnd*>(sub) != nullptr ? 1 : 0;
        }
        return n;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_dir.filePath(QStringLiteral("data.mdb"));
        m_recipes = m_dir.filePath(QStringLiteral("recipes.mdb"));
        storage::createSeededDataDatabase(m_data);
        storage::createSampleRecipeDatabase(m_recipes);
    }

    void init() {
        m_settings = std::make_unique<storage::Settings>(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        m_settings->setString(storage::Setting::DefaultDataFile, m_data);
        m_settings->setInteger(storage::Setting::DisplayWarnings, 1);
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_frame = std::make_unique<shell::CMainFrame>(*m_settings, *m_prompts);
        m_frame->setMenuKind(shell::MenuKind::RecipeForm);
        m_frame->resize(900, 700);
        m_frame->show();
        m_recipe = {6, false};
        ReportCommands::Context context{[this] { return m_recipes; }, [this] { return m_recipe; }};
        m_reports = std::make_unique<ReportCommands>(*m_frame, *m_settings, *m_prompts, context);
        m_reports->setReportFolder(QStringLiteral(MW_SOURCE_RESOURCES "/reports"));
        m_reports->setChooser([this](QWidget*) { return m_next; });
    }

    void cleanup() {
        m_reports.reset();
        m_frame.reset();
    }

    void menuTextsBeforeAndAfterAChoice() {
        QCOMPARE(action(shell::cmd::ReportPreview)->text(),
                 QStringLiteral("Pre&view Selected Report"));
        QCOMPARE(action(shell::cmd::ReportPrint)->text(), QStringLiteral("Prin&t Selected Report"));
        QVERIFY(!action(shell::cmd::ReportPreview)->isEnabled());
        QVERIFY(!action(shell::cmd::ReportPrint)->isEnabled());

        choose(std::nullopt);  // Cancel changes nothing
        QVERIFY(!action(shell::cmd::ReportPreview)->isEnabled());
        QCOMPARE(previews(), 0);

        choose(choice(6));
        QCOMPARE(action(shell::cmd::ReportPreview)->text(),
                 QStringLiteral("Pre&view: List all Hops"));
        QCOMPARE(action(shell::cmd::ReportPrint)->text(), QStringLiteral("Prin&t: List all Hops"));
        QVERIFY(action(shell::cmd::ReportPreview)->isEnabled());
        QVERIFY(action(shell::cmd::ReportPrint)->isEnabled());
        // A new menu bar (another view comes to the front) keeps them.
        m_frame->setMenuKind(shell::MenuKind::RecipeForm);
        QCOMPARE(action(shell::cmd::ReportPreview)->text(),
                 QStringLiteral("Pre&view: List all Hops"));
        QVERIFY(action(shell::cmd::ReportPrint)->isEnabled());
        QVERIFY(m_prompts->shown().empty());
    }

    void previewFillsItsChildWindow() {
        choose(choice(6));
        CRPEMDIChildWnd* child = m_reports->lastPreview();
        QVERIFY(child != nullptr);
        QCOMPARE(child->windowTitle(), QStringLiteral("Maltwise Calculator Reports"));
        QCOMPARE(child->mdiArea(), m_frame->mdiArea());
        auto* preview = qobject_cast<CReportPreview*>(child->previewWindow());
        QVERIFY(preview != nullptr);
        QCOMPARE(preview->geometry(), child->clientArea()->rect());
        child->resize(700, 520);
        QCOMPARE(preview->geometry(), child->clientArea()->rect());
        QVERIFY(preview->pageCount() >= 1);
        // Preview again: every Preview makes a window of its own.
        m_frame->commands().action(shell::cmd::ReportPreview)->trigger();
        QCOMPARE(previews(), 2);
    }

    void dataReportReadsTheDataDatabaseWithoutFilterOrQuestion() {
        m_recipe.modified = true;
        choose(choice(6));
        reports::CReportJob* job = m_reports->currentJob();
        QVERIFY(job != nullptr);
        QCOMPARE(job->GetTableLocation(0).location, m_data);
        QCOMPARE(job->filterFormula(), QString());
        QVERIFY(m_prompts->shown().empty());
    }

    void currentRecipeReportIsFilteredToItsBatch() {
        m_recipe.batch = 12;
        choose(choice(0));
        reports::CReportJob* job = m_reports->currentJob();
        QVERIFY(job != nullptr);
        QCOMPARE(job->filterFormula(), QStringLiteral("{Recipes.RecipeBatchNo} = 12"));
        QCOMPARE(job->GetTableLocation(0).location, m_recipes);
        QCOMPARE(job->OpenSubreport(QStringLiteral("Hops"))->GetTableLocation(0).location,
                 m_recipes);
        reports::ReportOptionRecord options = job->GetOptionRecord();
        QCOMPARE(options.at(12), qint16(0));
        QCOMPARE(options.at(22), qint16(1));
        QCOMPARE(options.at(24), qint16(1));

        m_recipe.batch = 3;
        m_frame->commands().action(shell::cmd::ReportPreview)->trigger();
        auto* preview = qobject_cast<CReportPreview*>(m_reports->lastPreview()->previewWindow());
        const QStringList texts = preview->document().texts();
        QVERIFY(texts.contains(QStringLiteral("Velvet Sweet Stout")));
        QVERIFY(!texts.contains(QStringLiteral("Ridgeline IPA")));
    }

    void unsavedChangesQuestion_data() {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("shown");
        QTest::newRow("warnings, changes, Yes")
            << true << true << int(PromptAnswer::Yes) << true << true;
        QTest::newRow("warnings, changes, No")
            << true << true << int(PromptAnswer::No) << true << false;
        QTest::newRow("no warnings, changes")
            << false << true << int(PromptAnswer::No) << false << true;
        QTest::newRow("warnings, saved") << true << false << int(PromptAnswer::No) << false << true;
    }
    void unsavedChangesQuestion() {
        QFETCH(bool, warnings);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, shown);
        m_settings->setInteger(storage::Setting::DisplayWarnings, warnings ? 1 : 0);
        m_recipe.modified = modified;
        m_prompts->answerNext(static_cast<PromptAnswer>(answer));
        choose(choice(0));
        QCOMPARE(m_prompts->shownNumbers() == std::vector<int>{231}, asked);
        if (asked) {
            const Prompt& p = m_prompts->shown().front();
            QCOMPARE(p.buttons, PromptButtons::YesNo);
            QVERIFY(p.text.rfind("Warning:\nYou have asked to preview or print the current recipe",
                                 0) == 0);
        }
        QCOMPARE(previews(), shown ? 1 : 0);
        // The choice stands either way.
        QCOMPARE(action(shell::cmd::ReportPreview)->text(),
                 QStringLiteral("Pre&view: Print Current Recipe"));
    }

    void recipePagePrintKeepsTheChoice() {
        choose(choice(2));
        m_reports->PreviewCurrentRecipe();
        QCOMPARE(previews(), 2);
        auto* preview = qobject_cast<CReportPreview*>(m_reports->lastPreview()->previewWindow());
        QVERIFY(preview->document().texts().contains(QStringLiteral("Ridgeline IPA")));
        QCOMPARE(m_reports->choice()->baseName, QStringLiteral("Styles"));
        QCOMPARE(action(shell::cmd::ReportPreview)->text(),
                 QStringLiteral("Pre&view: List all Styles"));
    }

    void printsOneCopyOnThePrinter() {
        const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
        QPdfWriter printer(pdf);
        m_reports->setPrinterProvider([&printer]() -> QPagedPaintDevice* { return &printer; });
        choose(choice(8, ReportChoice::Action::Print));
        QCOMPARE(previews(), 0);
        QVERIFY(m_prompts->shown().empty());
        QVERIFY(m_reports->currentJob()->document() != nullptr);
    }

    void layoutThatCannotBeOpened() {
        choose(choice(6));
        m_reports->setReportFolder(m_dir.filePath(QStringLiteral("nowhere")));
        choose(choice(5));
        QCOMPARE(m_prompts->shownNumbers(), std::vector<int>{1300});
        const Prompt& p = m_prompts->shown().front();
        QCOMPARE(p.icon, PromptIcon::None);
        QVERIFY(p.text.rfind("Error opening report.\nThe report layout ", 0) == 0);
        QVERIFY(p.text.find("Grains.rpt was not found.") != std::string::npos);
        QCOMPARE(m_reports->currentJob(), nullptr);
        // Preview and Print keep their enabling and do nothing.
        QVERIFY(action(shell::cmd::ReportPreview)->isEnabled());
        const int before = previews();
        action(shell::cmd::ReportPreview)->trigger();
        action(shell::cmd::ReportPrint)->trigger();
        QCOMPARE(previews(), before);
        QCOMPARE(m_prompts->shown().size(), std::size_t(1));
    }

    void outputThatCannotStart() {
        m_settings->setString(storage::Setting::DefaultDataFile,
                              m_dir.filePath(QStringLiteral("gone.mdb")));
        choose(choice(6));
        QCOMPARE(m_prompts->shownNumbers(), std::vector<int>{1301});
        const std::string text = m_prompts->shown().front().text;
        QVERIFY(text.rfind("The report's database ", 0) == 0);
        QVERIFY(text.find("\nError code = 1307") != std::string::npos);
        QCOMPARE(previews(), 0);
    }

    void closingTheDatabaseClosesTheReports() {
        choose(choice(6));
        QCOMPARE(previews(), 1);
        m_reports->CloseReports();
        QTRY_COMPARE(previews(), 0);
        QCOMPARE(m_reports->engine().GetJobCount(), 0);
        QCOMPARE(m_reports->currentJob(), nullptr);
        action(shell::cmd::ReportPreview)->trigger();
        QCOMPARE(previews(), 0);
    }

    void selectReportDialog() {
        CSelectReportDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Report"));
        QComboBox* list = dialog.reportList();
        QCOMPARE(list->count(), 12);
        QCOMPARE(list->currentText(), QStringLiteral("Print Current Recipe"));
        QCOMPARE(list->itemText(11), QStringLiteral("List all Suppliers"));
        QVERIFY(dialog.previewButton()->isChecked());
        QCOMPARE(dialog.choice().action, ReportChoice::Action::Preview);
        dialog.show();
        list->setFocus();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        QTest::mouseClick(dialog.printButton(), Qt::LeftButton);
        const ReportChoice c = dialog.choice();
        QCOMPARE(c.listText, QStringLiteral("List all Hops"));
        QCOMPARE(c.baseName, QStringLiteral("Hops"));
        QCOMPARE(c.kind, reports::ReportKind::Data);
        QCOMPARE(c.action, ReportChoice::Action::Print);
    }
};

MW_REGISTER_TEST(TestReportCommands)

}  // namespace mw::test

#include "tst_report_commands.moc"
