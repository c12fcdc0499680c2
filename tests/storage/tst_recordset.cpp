#include <QtTest>
#include <functional>

#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/recipe_records.h"
#include "storage/workspace.h"
#include "storage_fixture.h"
#include "support/test_registry.h"

using namespace mw;
using storage::DaoException;
using storage::Database;
using test::StorageFixture;

namespace {

int errorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const DaoException& e) {
        return e.number();
    }
    return 0;
}

void addHop(Database& db, const QString& name, double alpha) {
    storage::CRecordSetHops hops(&db);
    hops.open();
    hops.addNew();
    hops.m_HopsName = name;
    hops.m_HopsAlpha = alpha;
    hops.update();
}

}  // namespace

class TestRecordset : public QObject {
    Q_OBJECT

private slots:
    // Index order, seek on one and two keys, moves past both ends.
    void walkAndSeekInIndexOrder() {
        StorageFixture f;
        Database db;
        db.open(f.newDataDatabase());
        addHop(db, QStringLiteral("Saaz"), 3.5);
        addHop(db, QStringLiteral("cascade"), 6.0);
        addHop(db, QStringLiteral("Cascade"), 5.5);
        addHop(db, QStringLiteral("Fuggle"), 4.5);
        storage::CRecordSetHops hops(&db);
        hops.open();
        hops.setCurrentIndex(QStringLiteral("IndexHopsNameAlpha"));
        QStringList order;
        for (hops.moveFirst(); !hops.isEOF(); hops.moveNext()) {
            order << QStringLiteral("%1 %2").arg(hops.m_HopsName).arg(hops.m_HopsAlpha);
        }
        // Names sort without regard to case, then by alpha.
        QCOMPARE(order, (QStringList{"Cascade 5.5", "cascade 6", "Fuggle 4.5", "Saaz 3.5"}));
        QCOMPARE(errorNumber([&] { hops.moveNext(); }), storage::DaoError::NoCurrentRecord);

        QVERIFY(hops.seek(QStringLiteral("="), {QStringLiteral("CASCADE"), 6.0}));
        QCOMPARE(hops.m_HopsAlpha, 6.0);
        QVERIFY(hops.seek(QStringLiteral("="), {QStringLiteral("fuggle")}));
        hops.moveNext();
        QCOMPARE(hops.m_HopsName, QStringLiteral("Saaz"));
        QVERIFY(!hops.seek(QStringLiteral("="), {QStringLiteral("Hallertau")}));
        QVERIFY(hops.noMatch());
        QCOMPARE(hops.m_HopsName, QStringLiteral("Saaz"));  // position kept
        hops.moveLast();
        hops.movePrev();
        QCOMPARE(hops.m_HopsName, QStringLiteral("Fuggle"));
        QCOMPARE(hops.recordCount(), 4L);
    }

    void emptyTableIsBofAndEof() {
        StorageFixture f;
        Database db;
        db.open(f.newDataDatabase());
        storage::CRecordSetGlossary glossary(&db);
        glossary.open();
        QVERIFY(glossary.isBOF());
        QVERIFY(glossary.isEOF());
        QCOMPARE(errorNumber([&] { glossary.edit(); }), storage::DaoError::NoCurrentRecord);
    }

    // Identifiers are never handed out again, so a stray ingredient row can
    // never attach itself to a later recipe.
    void identifiersNeverReused() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        StorageFixture::addRecipe(db, 1, QStringLiteral("First"));
        const qint32 second = StorageFixture::addRecipe(db, 2, QStringLiteral("Second"));
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        recipe.moveLast();
        QCOMPARE(recipe.m_RecipeID, second);
        recipe.deleteRecord();
        db.close();
        db.open(f.path(QStringLiteral("recipes.mdb")));
        QVERIFY(StorageFixture::addRecipe(db, 3, QStringLiteral("Third")) > second);
    }

    void duplicateBatchIsError3022() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        StorageFixture::addRecipe(db, 7, QStringLiteral("Stout"));
        QCOMPARE(errorNumber([&] { StorageFixture::addRecipe(db, 7, QStringLiteral("Porter")); }),
                 storage::DaoError::DuplicateKey);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 1);
    }

    void nullDatesSurviveARoundTrip() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        StorageFixture::addRecipe(db, 1, QStringLiteral("Undated"));
        {
            storage::CRecordSetRecipe recipe(&db);
            recipe.open();
            recipe.edit();
            recipe.m_RecipeDateBrewed = QDateTime(QDate(2024, 3, 9), QTime(0, 0));
            recipe.m_RecipeDateBottled = QDateTime();  // unticked
            recipe.setFieldNull(&recipe.m_RecipeSource);
            recipe.update();
        }
        storage::CRecordSetRecipe again(&db);
        again.open();
        QCOMPARE(again.m_RecipeDateBrewed.date(), QDate(2024, 3, 9));
        QVERIFY(!again.m_RecipeDateBottled.isValid());
        QVERIFY(again.isFieldNull(&again.m_RecipeDateBottled));
        QVERIFY(again.isFieldNull(&again.m_RecipeSource));
        QVERIFY(!again.isFieldNull(&again.m_RecipeName));
        QCOMPARE(db.scalar(QStringLiteral("SELECT RecipeDateBottled IS NULL FROM Recipes")).toInt(),
                 1);
    }

    // A rollback in one workspace takes back only that workspace's work.
    void rollbackLeavesOtherWorkspacesRows() {
        StorageFixture f;
        const QString path = f.newDataDatabase();
        storage::Workspace first(QStringLiteral("DAO"));
        storage::Workspace second(QStringLiteral("DAO"));
        Database& a = first.openDatabase(path);
        Database& b = second.openDatabase(path);
        second.beginTrans();
        addHop(b, QStringLiteral("Magnum"), 13.0);
        second.commitTrans();
        first.beginTrans();
        addHop(a, QStringLiteral("Nugget"), 13.5);
        first.rollback();
        Database check;
        check.open(path);
        QCOMPARE(check.scalar(QStringLiteral("SELECT group_concat(HopsName) FROM Hops")).toString(),
                 QStringLiteral("Magnum"));
    }

    // Another connection changed the row after this one read it: the update
    // is refused instead of overwriting, and so is a delete.
    void optimisticLockingRefusesStaleWrites() {
        StorageFixture f;
        const QString path = f.newDataDatabase();
        Database mine;
        mine.open(path);
        addHop(mine, QStringLiteral("Target"), 10.0);
        storage::CRecordSetHops hops(&mine);
        hops.open();
        hops.edit();
        hops.m_HopsAlpha = 11.0;

        Database other;  // another window or another running copy
        other.open(path);
        other.exec(QStringLiteral("UPDATE Hops SET HopsComments = 'changed elsewhere'"));

        QCOMPARE(errorNumber([&] { hops.update(); }), storage::DaoError::WriteConflict);
        QCOMPARE(other.scalar(QStringLiteral("SELECT HopsAlpha FROM Hops")).toDouble(), 10.0);
        QCOMPARE(errorNumber([&] { hops.deleteRecord(); }), storage::DaoError::WriteConflict);
        hops.cancelUpdate();
        hops.requery();
        hops.edit();
        hops.m_HopsAlpha = 11.0;
        hops.update();  // after reading again, the change goes through
        QCOMPARE(other.scalar(QStringLiteral("SELECT HopsAlpha FROM Hops")).toDouble(), 11.0);
    }

    // A file another program holds locked: the write waits, then fails with
    // 3260 and writes nothing.
    void lockedFileRefusesWrites() {
        StorageFixture f;
        const QString path = f.newDataDatabase();
        Database holder;
        holder.open(path);
        holder.exec(QStringLiteral("BEGIN IMMEDIATE"));
        holder.exec(QStringLiteral("INSERT INTO Glossary (GlossaryTerm) VALUES ('Krausen')"));
        Database mine;
        mine.open(path);
        mine.setBusyTimeout(50);
        QCOMPARE(errorNumber([&] { addHop(mine, QStringLiteral("Citra"), 12.0); }),
                 storage::DaoError::Locked);
        holder.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(mine.scalar(QStringLiteral("SELECT count(*) FROM Hops")).toInt(), 0);
        addHop(mine, QStringLiteral("Citra"), 12.0);  // free again
        QCOMPARE(mine.scalar(QStringLiteral("SELECT count(*) FROM Hops")).toInt(), 1);
    }

    void addNewKeepsPositionAndBookmarksFindTheNewRow() {
        StorageFixture f;
        Database db;
        db.open(f.newDataDatabase());
        addHop(db, QStringLiteral("Amarillo"), 9.5);
        storage::CRecordSetHops hops(&db);
        hops.open();
        hops.addNew();
        hops.m_HopsName = QStringLiteral("Zeus");
        hops.update();
        QCOMPARE(hops.m_HopsName, QStringLiteral("Amarillo"));  // back on the row before
        hops.setBookmark(hops.lastModified());
        QCOMPARE(hops.m_HopsName, QStringLiteral("Zeus"));
        const storage::Bookmark zeus = hops.bookmark();
        hops.moveFirst();
        hops.setBookmark(zeus);
        QCOMPARE(hops.m_HopsName, QStringLiteral("Zeus"));
        QCOMPARE(errorNumber([&] { hops.setBookmark(999); }), storage::DaoError::NotABookmark);
        hops.addNew();
        hops.m_HopsName = QStringLiteral("Unsaved");
        hops.cancelUpdate();
        QCOMPARE(hops.recordCount(), 2L);
    }

    // After a delete, MoveNext lands on the row that followed the deleted one
    // and MovePrev on the one before it, whatever brought the row current.
    void deleteThenMove_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("expected");  // batch number; 0 past either end

        // Batches 2, 3, 4 stored; "add" stores batch 9 after the target is current.
        QTest::newRow("fresh open, next") << "fresh" << 2 << true << 3;
        QTest::newRow("fresh open, prev") << "fresh" << 2 << false << 0;
        const QList<int> batches{2, 3, 4};
        for (const QString& start :
             {QStringLiteral("moves"), QStringLiteral("seek"), QStringLiteral("add")}) {
            QList<int> order = batches;
            if (start == QLatin1String("add")) {
                order << 9;
            }
            for (int i = 0; i < batches.size(); ++i) {
                const int target = batches[i];
                const int next = i + 1 < order.size() ? order[i + 1] : 0;
                const int prev = i > 0 ? order[i - 1] : 0;
                const QByteArray name =
                    QStringLiteral("%1, delete %2, ").arg(start).arg(target).toLatin1();
                QTest::newRow(name + "next") << start << target << true << next;
                QTest::newRow(name + "prev") << start << target << false << prev;
            }
        }
    }

    void deleteThenMove() {
        QFETCH(QString, start);
        QFETCH(int, target);
        QFETCH(bool, forward);
        QFETCH(int, expected);
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        for (int batch = 2; batch <= 4; ++batch) {
            StorageFixture::addRecipe(db, batch, QStringLiteral("Batch %1").arg(batch));
        }
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        if (start == QLatin1String("seek")) {
            recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
            QVERIFY(recipe.seek(QStringLiteral("="), {target}));
        } else if (start != QLatin1String("fresh")) {
            recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
            while (recipe.m_RecipeBatchNo != target) {
                recipe.moveNext();
            }
        }
        if (start == QLatin1String("add")) {
            recipe.addNew();
            recipe.m_RecipeBatchNo = 9;
            recipe.m_RecipeName = QStringLiteral("Added");
            recipe.update();
        }
        QCOMPARE(recipe.m_RecipeBatchNo, target);

        recipe.deleteRecord();
        if (forward) {
            recipe.moveNext();
        } else {
            recipe.movePrev();
        }
        if (expected == 0) {
            QVERIFY(forward ? recipe.isEOF() : recipe.isBOF());
        } else {
            QVERIFY(!recipe.isEOF() && !recipe.isBOF());
            QCOMPARE(recipe.m_RecipeBatchNo, expected);
        }
        QCOMPARE(recipe.recordCount(), start == QLatin1String("add") ? 3L : 2L);
    }

    // Changing the indexed column moves the row in index order.
    void editedKeyMovesTheRow() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        for (int batch = 2; batch <= 4; ++batch) {
            StorageFixture::addRecipe(db, batch, QStringLiteral("Batch %1").arg(batch));
        }
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        recipe.edit();
        recipe.m_RecipeBatchNo = 5;
        recipe.update();
        recipe.movePrev();
        QCOMPARE(recipe.m_RecipeBatchNo, 4);
    }

    // File Close destroys the database under record objects a window may
    // still hold: every use afterwards fails with an error, never touches
    // freed memory (the sanitizer build checks that).
    void recordObjectOutlivingItsDatabaseFailsClearly() {
        StorageFixture f;
        const QString path = f.newRecipeDatabase();
        storage::Workspace workspace;
        Database& db = workspace.openDatabase(path);
        StorageFixture::addRecipe(db, 1, QStringLiteral("Kept"));
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        QVERIFY(recipe.isOpen());
        workspace.closeAll();

        QVERIFY(!recipe.isOpen());
        QVERIFY(recipe.database() == nullptr);
        QVERIFY(recipe.isEOF());
        const std::vector<std::function<void()>> uses{
            [&] { recipe.moveNext(); },     [&] { recipe.moveFirst(); }, [&] { recipe.edit(); },
            [&] { recipe.deleteRecord(); }, [&] { recipe.requery(); },   [&] { recipe.open(); },
            [&] { recipe.recordCount(); },  [&] { recipe.addNew(); },
        };
        for (const auto& use : uses) {
            QCOMPARE(errorNumber(use), storage::DaoError::CannotOpen);
        }
        recipe.close();  // and the destructor after it

        Database check;
        check.open(path);
        QCOMPARE(check.scalar(QStringLiteral("SELECT RecipeName FROM Recipes")).toString(),
                 QStringLiteral("Kept"));
    }

    // A database opened read-only refuses writes and stays out of its
    // workspace's transactions, so a commit changes one file only.
    void readOnlyDatabaseRefusesWritesAndSkipsTransactions() {
        StorageFixture f;
        const QString recipes = f.newRecipeDatabase();
        const QString data = f.newDataDatabase();
        storage::Workspace workspace;
        Database& recipeDb = workspace.openDatabase(recipes);
        Database& dataDb = workspace.openDatabase(data, Database::Access::ReadOnly);
        QVERIFY(dataDb.isReadOnly());

        QCOMPARE(errorNumber([&] { addHop(dataDb, QStringLiteral("Citra"), 12.0); }),
                 storage::DaoError::ReadOnly);
        storage::CRecordSetHops hops(&dataDb);
        hops.open();
        QVERIFY(!hops.canUpdate() || errorNumber([&] {
                                         hops.addNew();
                                         hops.m_HopsName = QStringLiteral("Mosaic");
                                         hops.update();
                                     }) == storage::DaoError::ReadOnly);

        workspace.beginTrans();
        QCOMPARE(recipeDb.transactionDepth(), 1);
        QCOMPARE(dataDb.transactionDepth(), 0);
        StorageFixture::addRecipe(recipeDb, 3, QStringLiteral("Bitter"));
        workspace.commitTrans();

        Database check;
        check.open(data);
        QCOMPARE(check.scalar(QStringLiteral("SELECT count(*) FROM Hops")).toInt(), 0);
        check.close();
        check.open(recipes);
        QCOMPARE(check.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 1);
    }

    void queriesAreReadOnlySnapshots() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        StorageFixture::addRecipe(db, 12, QStringLiteral("Later"));
        StorageFixture::addRecipe(db, 4, QStringLiteral("Earlier"));
        storage::CRecordSetRecipeLog log(&db);
        log.open();
        QCOMPARE(log.m_RecipeBatchNo, 4);
        log.moveNext();
        QCOMPARE(log.m_RecipeName, QStringLiteral("Later"));
        QCOMPARE(errorNumber([&] { log.edit(); }), storage::DaoError::ReadOnly);
        storage::CRecordSetRecipeMaxBatch max(&db);
        max.open(storage::OpenType::Dynaset,
                 storage::OpenOption::ReadOnly | storage::OpenOption::ForwardOnly);
        QCOMPARE(max.m_Max_Of_RecipeBatchNo, 12);
        QCOMPARE(errorNumber([&] { max.movePrev(); }), storage::DaoError::OperationNotSupported);
    }

    void wrongSourcesAndIndexesAreRefused() {
        StorageFixture f;
        Database db;
        db.open(f.newRecipeDatabase());
        storage::CRecordSetHops hops(&db);  // a data table, not in a recipe database
        QCOMPARE(errorNumber([&] { hops.open(); }), storage::DaoError::TableNotFound);
        storage::CRecordSetRecipe recipe(&db);
        recipe.open();
        QCOMPARE(errorNumber([&] { recipe.setCurrentIndex(QStringLiteral("IndexIngHopsTime")); }),
                 storage::DaoError::IndexNotFound);
        storage::CRecordSetRecipe unopened(nullptr);
        QCOMPARE(errorNumber([&] { unopened.open(); }), storage::DaoError::CannotOpen);
    }
};

MW_REGISTER_TEST(TestRecordset)
#include "tst_recordset.moc"
