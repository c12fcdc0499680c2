#include <QFile>
#include <QPushButton>
#include <QtTest>

#include "recipe_form/lookup_fixture.h"
#include "storage/schema.h"
#include "support/test_registry.h"

using namespace mw;
using namespace mw::recipe_form;
using mw::test::Kind;

// Empty tables, data databases that cannot be read, rows the seek cannot find,
// the priming rows that never read the table, Add and Help.
class TestLookupFailures : public QObject {
    Q_OBJECT

    test::LookupFixture f;

    static void exec(const QString& file, const QString& sql, const QVariantList& values = {}) {
        storage::Database db;
        db.open(file);
        db.exec(sql, values);
    }
    QString shownText(std::size_t i = 0) const {
        return QString::fromStdString(f.prompts.shown().at(i).text);
    }

private slots:
    void initTestCase() {
        f.makeSeededDatabase();
        storage::createDatabase(f.path(QStringLiteral("empty.mdb")), storage::DatabaseKind::Data);
        storage::createDatabase(f.path(QStringLiteral("recipes.mdb")),
                                storage::DatabaseKind::Recipe);
        QFile text(f.path(QStringLiteral("notes.mdb")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("These are brewing notes, not a database.\n");
    }
    void init() {
        f.useDataFile(f.seeded());
        f.prompts.clear();
        f.help.contexts.clear();
    }

    void emptyTable_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("adjunct") << Kind::Adjunct
                                 << "No Adjunct.  Use Data-Adjunct command to add.";
        QTest::newRow("priming") << Kind::Priming
                                 << "No Adjunct.  Use Data-Adjunct command to add.";
        QTest::newRow("extract") << Kind::Extract
                                 << "No Extract.  Use Data-Extract command to add.";
        QTest::newRow("grain") << Kind::Grain << "No Grain.  Use Data-Grain command to add.";
        QTest::newRow("hop") << Kind::Hop << "No Hops.  Use Data-Hops command to add.";
        QTest::newRow("kit") << Kind::Kit << "No Kit.  Use Data-Kit command to add.";
        QTest::newRow("yeast") << Kind::Yeast << "No Yeast.  Use Data-Yeast command to add.";
    }
    void emptyTable() {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        f.useDataFile(f.path(QStringLiteral("empty.mdb")));
        const auto lookup = f.lookupOf(kind);
        QVERIFY(!lookup->load());
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{82});
        QCOMPARE(shownText(), text);
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
        QCOMPARE(lookup->list()->topLevelItemCount(), 0);
    }

    void unreadableDatabase_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << f.path(QStringLiteral("gone.mdb")) << "(3024)";
        QTest::newRow("no data file set") << QString() << "(3024)";
        QTest::newRow("not a database") << f.path(QStringLiteral("notes.mdb")) << "(3343)";
        QTest::newRow("recipe database") << f.path(QStringLiteral("recipes.mdb")) << "(3078)";
    }
    void unreadableDatabase() {
        QFETCH(QString, file);
        QFETCH(QString, error);
        f.useDataFile(file);
        for (Kind kind : {Kind::Hop, Kind::Priming}) {
            f.prompts.clear();
            const auto lookup = f.lookupOf(kind);
            QVERIFY(!lookup->load());
            QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1010});
            QVERIFY2(shownText().contains(error), qPrintable(shownText()));
            QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Exclamation);
            QCOMPARE(lookup->list()->topLevelItemCount(), 0);
        }
    }

    void hopWithTwoDecimalsCannotBeFound_data() {
        QTest::addColumn<bool>("info");
        QTest::newRow("select") << false;
        QTest::newRow("info") << true;
    }
    void hopWithTwoDecimalsCannotBeFound() {
        QFETCH(bool, info);
        const QString file = f.useCopyOfSeeded(QStringLiteral("hops.mdb"));
        exec(file,
             QStringLiteral("INSERT INTO Hops (HopsName, HopsAlpha, HopsOrigin) VALUES (?, ?, ?)"),
             {QStringLiteral("Aa Test Hop"), 5.25, QStringLiteral("Nowhere")});
        auto lookup = f.lookup<CLookupHop>();
        QVERIFY(lookup->load());
        QVERIFY(test::LookupFixture::selectRow(
            *lookup, {QStringLiteral("Aa Test Hop"), QStringLiteral("5.3")}));
        lookup->show();
        info ? lookup->OnInfo() : lookup->OnSelect();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1030});
        QCOMPARE(shownText(),
                 QStringLiteral("Seek failed on Aa Test Hop, 5.3.  Contact Wortline."));
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Information);
        QVERIFY(!lookup->isVisible());
        QCOMPARE(lookup->result(), int(QDialog::Rejected));
        QCOMPARE(lookup->choice().name, QString());
    }

    void adjunctGoneSinceListed() {
        const QString file = f.useCopyOfSeeded(QStringLiteral("adjuncts.mdb"));
        auto lookup = f.lookup<CLookupAdjunct>();
        QVERIFY(lookup->load());
        exec(file, QStringLiteral("DELETE FROM Adjuncts WHERE AdjunctsName = 'Honey'"));
        QVERIFY(test::LookupFixture::selectRow(*lookup, {QStringLiteral("Honey")}));
        lookup->show();
        lookup->OnSelect();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1031});
        QCOMPARE(shownText(), QStringLiteral("Seek failed on Honey.  Contact Wortline."));
        QVERIFY(!lookup->isVisible());
    }

    void primingRowsNeverReadTheTable_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("forced carbonation") << 0 << "Forced Carbonation";
        QTest::newRow("dry malt extract") << 1 << "Dry Malt Extract";
    }
    void primingRowsNeverReadTheTable() {
        QFETCH(int, row);
        QFETCH(QString, name);
        const QString file = f.useCopyOfSeeded(QStringLiteral("priming.mdb"));
        auto lookup = f.lookup<CLookupAdjunct>();
        lookup->setPriming(true);
        QVERIFY(lookup->load());
        exec(file, QStringLiteral("DROP TABLE Adjuncts"));

        lookup->list()->setCurrentItem(lookup->list()->topLevelItem(row));
        lookup->OnSelect();
        QCOMPARE(lookup->result(), int(QDialog::Accepted));
        QCOMPARE(lookup->choice().name, name);
        QCOMPARE(lookup->choice().fermentable, false);
        QCOMPARE(lookup->choice().specificGravity, 0.0);
        QVERIFY(f.prompts.shown().empty());

        // A listed adjunct does need the table, which is gone.
        QVERIFY(test::LookupFixture::selectRow(*lookup, {QStringLiteral("Honey")}));
        lookup->OnSelect();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{1010});
    }

    void addIsPlannedWithoutItsDialog() {
        auto lookup = f.lookup<CLookupGrain>();
        QVERIFY(lookup->load());
        const int rows = lookup->list()->topLevelItemCount();
        lookup->OnAdd();
        QCOMPARE(f.prompts.shownNumbers(), std::vector<int>{19});
        QCOMPARE(f.prompts.shown().front().icon, PromptIcon::Information);
        QCOMPARE(lookup->list()->topLevelItemCount(), rows);
    }

    void addReadsTheListAgainSortedByTheFirstColumn() {
        const QString file = f.useCopyOfSeeded(QStringLiteral("add.mdb"));
        auto lookup = f.lookup<CLookupHop>();
        QVERIFY(lookup->load());
        lookup->show();
        test::LookupFixture::clickHeading(lookup->list(), 1);
        QCOMPARE(lookup->list()->sortColumn(), 1);
        int calls = 0;
        lookup->setAddHandler([&](QWidget* parent) {
            QCOMPARE(parent, lookup.get());
            ++calls;
            exec(file, QStringLiteral("INSERT INTO Hops (HopsName, HopsAlpha, HopsOrigin) "
                                      "VALUES ('Aaa New Hop', 7.0, 'Garden')"));
        });
        lookup->OnAdd();
        QCOMPARE(calls, 1);
        QVERIFY(f.prompts.shown().empty());
        QCOMPARE(lookup->list()->sortColumn(), 0);
        QCOMPARE(lookup->list()->topLevelItem(0)->text(0), QStringLiteral("Aaa New Hop"));
        QCOMPARE(lookup->list()->topLevelItem(1)->text(0), QStringLiteral("Admiral"));
        QCOMPARE(lookup->list()->currentItem(), lookup->list()->topLevelItem(0));
        lookup->OnSelect();
        QCOMPARE(lookup->choice().name, QStringLiteral("Aaa New Hop"));
        QCOMPARE(lookup->choice().alpha, 7.0);
    }

    void helpOpensTheLookupTopic() {
        auto lookup = f.lookup<CLookupYeast>();
        QVERIFY(lookup->load());
        lookup->helpButton()->click();
        QCOMPARE(f.help.contexts, std::vector<int>{181});
    }
};

MW_REGISTER_TEST(TestLookupFailures)
#include "tst_lookup_failures.moc"
