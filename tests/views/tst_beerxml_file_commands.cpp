#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "recipe_log_fixture.h"
#include "shell/command_ids.h"
#include "storage/seed_data.h"
#include "support/test_registry.h"
#include "views/beerxml_file_commands.h"
#include "views/beerxml_import_report_dlg.h"

using namespace mw;
namespace cmd = shell::cmd;

namespace {

constexpr int kMsgSaveChanges = 68;
constexpr int kMsgCurrentOrAll = 1390;

// Two recipes as another program writes them: the first has a dry hop and
// the other program's bitterness figure, which the loss report tells of.
constexpr char kTwoRecipes[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<RECIPES>
 <RECIPE><NAME>Dry Stout</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE>
  <BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>
  <FERMENTABLES>
   <FERMENTABLE><NAME>Pale Ale Malt</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE>
    <AMOUNT>3.2</AMOUNT><YIELD>80</YIELD><COLOR>3</COLOR></FERMENTABLE>
   <FERMENTABLE><NAME>Roasted Barley</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE>
    <AMOUNT>0.4</AMOUNT><YIELD>70</YIELD><COLOR>500</COLOR></FERMENTABLE>
  </FERMENTABLES>
  <HOPS><HOP><NAME>Fuggles</NAME><VERSION>1</VERSION><ALPHA>4.5</ALPHA><AMOUNT>0.015</AMOUNT>
   <USE>Dry Hop</USE><TIME>4320</TIME></HOP></HOPS>
  <IBU>38</IBU>
 </RECIPE>
 <RECIPE><NAME>Lone Extract</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
  <BATCH_SIZE>19</BATCH_SIZE><BOIL_SIZE>12</BOIL_SIZE><BOIL_TIME>45</BOIL_TIME>
  <FERMENTABLES><FERMENTABLE><NAME>Light LME</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
   <AMOUNT>3</AMOUNT><YIELD>78</YIELD><COLOR>3.5</COLOR></FERMENTABLE></FERMENTABLES>
 </RECIPE>
</RECIPES>
)";

// The first recipe is sound; the second has a negative amount on line 9.
constexpr char kBrokenOnLine9[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<RECIPES>
 <RECIPE><NAME>Sound Recipe</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
  <BATCH_SIZE>19</BATCH_SIZE><BOIL_SIZE>12</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>
 </RECIPE>
 <RECIPE><NAME>Broken Recipe</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
  <BATCH_SIZE>19</BATCH_SIZE><BOIL_SIZE>12</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>
  <FERMENTABLES><FERMENTABLE><NAME>Light LME</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>
   <AMOUNT>-3</AMOUNT><YIELD>78</YIELD><COLOR>3.5</COLOR></FERMENTABLE></FERMENTABLES>
 </RECIPE>
</RECIPES>
)";

// The program with the real form and log, and File > Import/Export BeerXML.
class BeerXmlFixture : public test::RecipeLogFixture {
public:
    using RecipeLogFixture::RecipeLogFixture;

    void startOnForm() {
        startWithLog();
        views::installBeerXmlCommands(*app, prompts, files, &help);
        command(cmd::ViewRecipeForm)->trigger();
    }
    QString write(const QString& name, const char* content) {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return file.fileName();
    }
    void run(int command, const QString& file) {
        files.answers << file;
        this->command(command)->trigger();
        QCoreApplication::processEvents();
    }
    QList<views::CBeerXmlImportReportDlg*> reports() const {
        return app->mainFrame()->findChildren<views::CBeerXmlImportReportDlg*>();
    }
    QStringList fileMenu() const {
        QStringList texts;
        for (QAction* a : app->mainFrame()->menuBar()->actions().front()->menu()->actions()) {
            texts << a->text();
        }
        return texts;
    }
};

// Each batch's name and ingredient rows per table, read from the closed file.
QStringList recipesOf(const QString& file, const QList<long>& batches) {
    test::StoredRecipes stored(file);
    QStringList rows;
    for (long batch : batches) {
        const storage::CRecordSetRecipe* recipe = stored.batch(batch);
        if (recipe == nullptr) {
            rows << QStringLiteral("no batch %1").arg(batch);
            continue;
        }
        const QString name = recipe->m_RecipeName;
        const qint32 id = recipe->m_RecipeID;
        QStringList counts;
        for (const QString& table : test::kIngredientTables) {
            counts << QString::number(stored.ingredientRows(table, id));
        }
        rows << name + QLatin1Char(' ') + counts.join(QLatin1Char('/'));
    }
    return rows;
}

}  // namespace

// File > Import BeerXML... and Export BeerXML... as a brewer uses them: the
// recipe on the form passes its save question first, the recipes land in
// the open database in one go and show on the form and in the log, the loss
// report opens beside them, and an exported file imports back the same.
class TestBeerXmlFileCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_data;

private slots:
    void initTestCase() {
        m_data = m_dir.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    void menuItemsOnlyWithADatabase() {
        BeerXmlFixture f(m_data);
        f.startOnForm();
        QVERIFY(f.fileMenu().contains(QStringLiteral("&Import BeerXML...")));
        QVERIFY(f.fileMenu().contains(QStringLiteral("&Export BeerXML...")));
        QVERIFY(f.command(cmd::FileImportBeerXml)->isEnabled());
        QVERIFY(f.command(cmd::FileExportBeerXml)->isEnabled());
        f.closeDatabase();
        QVERIFY(!f.fileMenu().contains(QStringLiteral("&Import BeerXML...")));
        QVERIFY(!f.command(cmd::FileImportBeerXml)->isEnabled());
    }

    void importPassesTheSaveQuestion_data() {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("batch1Name");
        QTest::addColumn<bool>("imported");
        QTest::newRow("Yes saves the typing and imports")
            << PromptAnswer::Yes << QStringLiteral("Typed Name") << true;
        QTest::newRow("No drops the typing and imports")
            << PromptAnswer::No << QStringLiteral("Fireside Best Bitter") << true;
        QTest::newRow("Cancel imports nothing")
            << PromptAnswer::Cancel << QStringLiteral("Fireside Best Bitter") << false;
    }
    void importPassesTheSaveQuestion() {
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, batch1Name);
        QFETCH(bool, imported);
        BeerXmlFixture f(m_data);
        f.startOnForm();
        const QString original = f.controls().name->text();
        QCOMPARE(original, QStringLiteral("Fireside Best Bitter"));
        f.typeInto(f.controls().name, QStringLiteral("Typed Name"));
        f.prompts.answerNext(answer);
        f.run(cmd::FileImportBeerXml, f.write(QStringLiteral("club.xml"), kTwoRecipes));

        QCOMPARE(f.shown(), std::vector<int>{kMsgSaveChanges});
        QCOMPARE(f.files.requests.front().save, false);
        QCOMPARE(f.reports().size(), imported ? 1 : 0);
        QCOMPARE(f.rows(), imported ? 10 : 8);
        if (imported) {
            // The first recipe of the file, on the form and chosen in the log.
            QCOMPARE(f.formBatch(), 9L);
            QCOMPARE(f.controls().name->text(), QStringLiteral("Dry Stout"));
            QCOMPARE(f.column(1).at(f.selectedRow()), QStringLiteral("Dry Stout"));
            const QString report = f.reports().front()->report()->toPlainText();
            QVERIFY2(report.startsWith(QStringLiteral("Batch 9: Dry Stout\n")), qPrintable(report));
            QVERIFY(report.contains(QStringLiteral("Batch 10: Lone Extract")));
            QVERIFY(report.contains(QStringLiteral("\n    IBU = 38: not imported")));
            // Leaving the imported recipe cannot roll the import back.
            f.command(cmd::RecordFirst)->trigger();
        } else {
            QCOMPARE(f.formBatch(), 1L);
            QCOMPARE(f.controls().name->text(), QStringLiteral("Typed Name"));
            f.prompts.answerNext(PromptAnswer::No);  // File Close asks again
        }
        f.closeDatabase();
        QStringList expected{batch1Name + QStringLiteral(" 1/0/0/2/1/1")};
        if (imported) {
            expected << QStringLiteral("Dry Stout 0/0/2/0/1/0")
                     << QStringLiteral("Lone Extract 0/1/0/0/0/0");
        } else {
            expected << QStringLiteral("no batch 9") << QStringLiteral("no batch 10");
        }
        QCOMPARE(recipesOf(f.recipes, {1, 9, 10}), expected);
    }

    void brokenFileImportsNothingAndNamesTheLine() {
        BeerXmlFixture f(m_data);
        f.startOnForm();
        const QString file = f.write(QStringLiteral("broken.xml"), kBrokenOnLine9);
        f.run(cmd::FileImportBeerXml, file);
        QCOMPARE(f.shown(), std::vector<int>{1353});
        const QString text = QString::fromStdString(f.prompts.shown().front().text);
        QVERIFY2(text.contains(file) && text.contains(QStringLiteral("line 9")), qPrintable(text));
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
        QVERIFY(f.reports().isEmpty());
        QCOMPARE(f.formBatch(), 1L);
        QCOMPARE(f.rows(), 8);
        // The form is back in its edit: a change is saved as always.
        f.typeInto(f.controls().name, QStringLiteral("Still Editable"));
        f.command(cmd::RecordCommit)->trigger();
        f.closeDatabase();
        QCOMPARE(recipesOf(f.recipes, {1, 9}),
                 (QStringList{"Still Editable 1/0/0/2/1/1", "no batch 9"}));
    }

    void lossReportWindow() {
        BeerXmlFixture f(m_data);
        f.startOnForm();
        f.run(cmd::FileImportBeerXml, f.write(QStringLiteral("club.xml"), kTwoRecipes));
        QCOMPARE(f.reports().size(), 1);
        views::CBeerXmlImportReportDlg* report = f.reports().front();
        QVERIFY(report->isVisible());
        QVERIFY(!report->isModal());
        QCOMPARE(report->windowTitle(), QStringLiteral("BeerXML Import"));
        QVERIFY(report->report()->isReadOnly());
        QVERIFY(report->report()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QTest::mouseClick(report->copyButton(), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), report->report()->toPlainText());
        QTest::mouseClick(report->helpButton(), Qt::LeftButton);
        QCOMPARE(f.help.contexts, std::vector<int>{views::CBeerXmlImportReportDlg::kHelpTopic});
        QTest::mouseClick(report->okButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.reports().isEmpty());
    }

    void exportedRecipesImportBackTheSame_data() {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("proposedName");
        QTest::addColumn<QList<long>>("exported");
        QTest::newRow("the current recipe")
            << PromptAnswer::Yes << QStringLiteral("Velvet Sweet Stout.xml") << QList<long>{3};
        QTest::newRow("all recipes") << PromptAnswer::No << QStringLiteral("recipes.xml")
                                     << QList<long>{1, 2, 3, 4, 5, 6, 7, 8};
    }
    void exportedRecipesImportBackTheSame() {
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, proposedName);
        QFETCH(QList<long>, exported);
        BeerXmlFixture f(m_data);
        f.startOnForm();
        f.showBatch(3);
        f.prompts.answerNext(answer);
        const QString file = f.path(QStringLiteral("out.xml"));
        f.run(cmd::FileExportBeerXml, file);
        QCOMPARE(f.shown(), (std::vector<int>{kMsgCurrentOrAll, 1387}));
        QVERIFY(QString::fromStdString(f.prompts.shown().front().text)
                    .contains(QStringLiteral("Velvet Sweet Stout")));
        QCOMPARE(QString::fromStdString(f.prompts.shown().back().text),
                 QStringLiteral("%1 recipes exported to %2.").arg(exported.size()).arg(file));
        QVERIFY(f.files.requests.front().save);
        QCOMPARE(QFileInfo(f.files.requests.front().startPath).fileName(), proposedName);
        QCOMPARE(f.formBatch(), 3L);

        f.run(cmd::FileImportBeerXml, file);
        QCOMPARE(f.formBatch(), 9L);
        f.closeDatabase();
        QList<long> reimported;
        for (qsizetype i = 0; i < exported.size(); ++i) {
            reimported << 9 + i;
        }
        QCOMPARE(recipesOf(f.recipes, reimported), recipesOf(f.recipes, exported));
    }

    void exportToAFileThatCannotBeWritten() {
        BeerXmlFixture f(m_data);
        f.startOnForm();
        f.prompts.answerNext(PromptAnswer::Yes);
        f.run(cmd::FileExportBeerXml, f.path(QStringLiteral("no such folder/out.xml")));
        QCOMPARE(f.shown(), (std::vector<int>{kMsgCurrentOrAll, 1355}));
        QVERIFY(QString::fromStdString(f.prompts.shown().back().text)
                    .contains(QStringLiteral("no such folder")));
        QCOMPARE(f.formBatch(), 1L);
    }
};

MW_REGISTER_TEST(TestBeerXmlFileCommands)

#include "tst_beerxml_file_commands.moc"
