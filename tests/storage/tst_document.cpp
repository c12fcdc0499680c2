#include <QtTest>

#include "resources/help_service.h"
#include "resources/message_catalogue.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/recipe_document.h"
#include "storage_fixture.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using storage::CMwcalcDoc;
using storage::Database;
using storage::Setting;
using test::StorageFixture;

namespace {

class RecordingView final : public storage::DocumentView {
public:
    explicit RecordingView(bool recipeForm = false, bool mayLeave = true)
        : m_recipeForm(recipeForm), m_mayLeave(mayLeave) {}
    void OnUpdate(DocumentView*, long hint) override { hints.push_back(hint); }
    bool isRecipeForm() const override { return m_recipeForm; }
    bool canLeaveRecipe() override { return m_mayLeave; }
    void closeView() override { closed = true; }

    std::vector<long> hints;
    bool closed = false;

private:
    bool m_recipeForm;
    bool m_mayLeave;
};

class RecordingHelp final : public HelpService {
public:
    void showHelp(int context) override { contexts.push_back(context); }
    std::vector<int> contexts;
};

// A recipe database and a data database with a full utilization table.
struct DocumentSetup {
    StorageFixture f;
    test::ScriptedPrompts prompts;
    QString recipes = f.newRecipeDatabase();
    QString data = f.newDataDatabase();

    explicit DocumentSetup(int utilizationRows = 275) {
        Database db;
        db.open(data);
        StorageFixture::fillUtilization(db, utilizationRows);
        f.settings->setString(Setting::DefaultDataFile, data);
    }
};

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void opensARecipeDatabase() {
        DocumentSetup s;
        {
            Database db;
            db.open(s.recipes);
            StorageFixture::addRecipe(db, 41, QStringLiteral("Mild"));
        }
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        doc.setCurrentRecipe(9, 9);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        QVERIFY(doc.hasDatabase());
        QCOMPARE(s.f.settings->string(Setting::RecipeFileOpened), s.recipes);
        QCOMPARE(doc.currentRecipeId(), 0);
        QCOMPARE(doc.currentBatch(), 0);
        QCOMPARE(doc.GetNextBatchNumber(), 42L);
        QVERIFY(s.prompts.shown().empty());
        // The grid was read in index order, although the rows were stored scrambled.
        QCOMPARE(doc.hopUtilization().at(0, 0), 0.001);
        QCOMPARE(doc.hopUtilization().at(20, 2), 0.223);
        QCOMPARE(doc.hopUtilization().at(24, 10), 0.275);
    }

    // The document reads reference data but never writes it: a recipe save
    // in its workspace commits the recipe file alone.
    void dataDatabaseIsReadOnlyInTheDocumentsWorkspace() {
        DocumentSetup s;
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        Database* data = doc.dataDatabase();
        QVERIFY(data != nullptr);
        int refused = 0;
        try {
            data->exec(QStringLiteral("DELETE FROM HopsUtilization"));
        } catch (const storage::DaoException& e) {
            refused = e.number();
        }
        QCOMPARE(refused, storage::DaoError::ReadOnly);

        doc.workspace().beginTrans();
        StorageFixture::addRecipe(*doc.database(), 5, QStringLiteral("Porter"));
        doc.workspace().commitTrans();
        QCOMPARE(doc.database()->transactionDepth(), 0);
        QCOMPARE(data->transactionDepth(), 0);
        Database check;
        check.open(s.data);
        QCOMPARE(check.scalar(QStringLiteral("SELECT count(*) FROM HopsUtilization")).toInt(), 275);
    }

    void refusesTheWrongKind() {
        DocumentSetup s;
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(!doc.OnOpenDocument(s.data));
        QVERIFY(!doc.hasDatabase());
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{168});
        QCOMPARE(s.prompts.shown()[0].text, formatMessage(168, s.data.toStdString()));
        QCOMPARE(s.prompts.shown()[0].icon, PromptIcon::Exclamation);
        QVERIFY(s.f.settings->string(Setting::RecipeFileOpened).isEmpty());

        s.prompts.clear();
        QVERIFY(!doc.CheckDatabaseKind(s.recipes, storage::kDataMarker));
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{171});
        QVERIFY(doc.CheckDatabaseKind(s.data, storage::kDataMarker));
    }

    void missingAndForeignFilesGoToTheErrorBox() {
        DocumentSetup s;
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(!doc.OnOpenDocument(s.f.path(QStringLiteral("nowhere.mdb"))));
        QFile junk(s.f.path(QStringLiteral("junk.mdb")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(!doc.OnOpenDocument(junk.fileName()));
        QCOMPARE(s.prompts.shownNumbers(), (std::vector<int>{1010, 1010}));
        QVERIFY(s.prompts.shown()[0].text.find("(3024)") != std::string::npos);
        QVERIFY(s.prompts.shown()[1].text.find("(3343)") != std::string::npos);
        QVERIFY(!doc.hasDatabase());
        QCOMPARE(junk.size(), qint64(4096));  // nothing was written into it
    }

    void shortUtilizationTableKeepsZeros() {
        DocumentSetup s(100);
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{1010});
        QVERIFY(s.prompts.shown()[0].text.find("holds 100 of its 275 rows") != std::string::npos);
        QCOMPARE(doc.hopUtilization().at(9, 0), 0.1);  // row 100
        QCOMPARE(doc.hopUtilization().at(9, 1), 0.0);
        QCOMPARE(doc.hopUtilization().at(24, 10), 0.0);
    }

    void emptyDataPathIsAnnounced() {
        DocumentSetup s;
        s.f.settings->setString(Setting::DefaultDataFile, QString());
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        QCOMPARE(s.prompts.shownNumbers(), (std::vector<int>{224, 1010}));
        QVERIFY(s.prompts.shown()[1].text.find("Error_opening_DefaultDatabase") !=
                std::string::npos);
    }

    void interactiveLookupShowsBoxes() {
        DocumentSetup s;
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        calc::CalcMessageList list;
        doc.setCalcMessageList(&list);
        QCOMPARE(doc.GetHopUtilization(0, 1.05, false), 0.0);
        QCOMPARE(list.count(), 1u);
        QCOMPARE(doc.GetHopUtilization(2, 1.05, true), 0.0);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{156});
        QCOMPARE(list.count(), 1u);
    }

    // The notice carries 16 bits of the batch number and skips its sender.
    void goToBatchTellsTheOtherViews() {
        DocumentSetup s;
        RecordingView log;  // views outlive their document
        RecordingView form(true);
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        doc.addView(&log);
        doc.addView(&form);
        doc.GoToBatch(&log, 70000);
        QCOMPARE(doc.currentBatch(), 70000);
        QVERIFY(log.hints.empty());
        QCOMPARE(form.hints, std::vector<long>{0x30000 + (70000 & 0xffff)});
        QCOMPARE(storage::Hint::batch(form.hints[0]), 70000L - 65536L);
    }

    void closeRunsTheLeaveCheck() {
        DocumentSetup s;
        RecordingView form(true, false);
        RecordingView willing(true, true);
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        QVERIFY(doc.OnOpenDocument(s.recipes));
        doc.addView(&form);
        QVERIFY(!doc.closeDocument());
        QVERIFY(doc.hasDatabase());
        QVERIFY(!form.closed);
        doc.removeView(&form);
        doc.addView(&willing);
        QVERIFY(doc.closeDocument());
        QVERIFY(willing.closed);
        QVERIFY(!doc.hasDatabase());
        QVERIFY(doc.isClosing());
        QVERIFY(s.f.settings->string(Setting::RecipeFileOpened).isEmpty());
    }

    void workspaceFactory() {
        DocumentSetup s;
        CMwcalcDoc doc(*s.f.settings, s.prompts);
        std::unique_ptr<storage::Workspace> workspace;
        Database* database = nullptr;
        QCOMPARE(doc.GetNewWorkspace(workspace, database, QStringLiteral("DAO")), 1);
        QCOMPARE(workspace->name(), QStringLiteral("DAO"));
        QCOMPARE(database->path(), s.data);

        QCOMPARE(doc.GetNewWorkspace(workspace, database, QStringLiteral("Reports")), 0);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{1014});
        QVERIFY(!workspace);
        QVERIFY(database == nullptr);

        // "LogView" opens "RecipeFileOpened", which names no file yet: the
        // error box, and both handles end null so the next call starts clean.
        s.prompts.clear();
        QCOMPARE(doc.GetNewWorkspace(workspace, database, QStringLiteral("LogView")), 0);
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{1010});
        QVERIFY(!workspace);
        QVERIFY(database == nullptr);
        s.f.settings->setString(Setting::RecipeFileOpened, s.recipes);
        QCOMPARE(doc.GetNewWorkspace(workspace, database, QStringLiteral("LogView")), 1);
        QCOMPARE(doc.cleanWorkspace(workspace, database), 1);
        QVERIFY(database == nullptr);
    }

    void errorBoxes() {
        test::ScriptedPrompts prompts;
        RecordingHelp help;
        prompts.answerNext(PromptAnswer::Yes);
        storage::ReportDaoException(storage::DaoException(3022, QStringLiteral("Duplicate.")),
                                    prompts, &help);
        QCOMPARE(prompts.shown()[0].text,
                 std::string("Duplicate.   (3022)\n\nWould you like to see help?"));
        QCOMPARE(prompts.shown()[0].buttons, PromptButtons::YesNo);
        QCOMPARE(help.contexts, std::vector<int>{1010});

        prompts.clear();
        storage::ReportDaoException(storage::DaoException::fromStatus(qint32(0x800A0BB9)), prompts,
                                    &help);
        QCOMPARE(prompts.shown()[0].buttons, PromptButtons::Ok);
        QCOMPARE(prompts.shown()[0].text,
                 std::string("ERROR:CDaoException\n\nSCODE_CODE\t\t=3001\nSCODE_FACILITY\t=10\n"
                             "SCODE_SEVERITY\t=1\nResultFromScode\t=-2146825287\n"));
    }
};

MW_REGISTER_TEST(TestDocument)
#include "tst_document.moc"
