#include <QDir>
#include <QFile>
#include <QtTest>

#include "storage/dao_exception.h"
#include "storage/recipe_backups.h"
#include "storage/recipe_document.h"
#include "storage_fixture.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
using storage::BackupCopy;
using storage::BackupOutcome;
using storage::CMwcalcDoc;
using storage::Database;
using storage::RecipeBackups;
using storage::Setting;
using test::StorageFixture;

namespace {

// A clock the test sets: the day of the month at a given hour of December 2026.
struct FakeClock {
    QDateTime now{QDate(2026, 12, 1), QTime(9, 0)};
    void set(int day, int hour = 9) { now = QDateTime(QDate(2026, 12, day), QTime(hour, 0)); }
    RecipeBackups::Clock clock() {
        return [this] { return now; };
    }
};

int recipeCount(const QString& path) {
    Database db;
    db.open(path);
    return db.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt();
}

void addRecipeTo(const QString& path, qint32 batch) {
    Database db;
    db.open(path);
    StorageFixture::addRecipe(db, batch, QStringLiteral("Batch %1").arg(batch));
}

// Makes the batch numbers' index claim another column: the file still opens
// and passes the quick check made on opening, but its full integrity check
// finds every row missing from the index, and so it does in any page-for-page
// copy of the file.
void damageIndexOf(const QString& path) {
    Database db;
    db.open(path);
    db.exec(QStringLiteral("PRAGMA writable_schema = ON"));
    db.exec(QStringLiteral("UPDATE sqlite_master SET sql = 'CREATE UNIQUE INDEX "
                           "IndexRecipeBatchNo ON Recipes (RecipeName)' WHERE name = "
                           "'IndexRecipeBatchNo'"));
}

// Scribbles over the middle of a file.
void scribbleOver(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(file.size() / 2);
    file.write(QByteArray(4096, '\x55'));
}

QStringList pathsOf(const std::vector<BackupCopy>& copies) {
    QStringList paths;
    for (const BackupCopy& copy : copies) {
        paths << copy.path;
    }
    return paths;
}

// A recipe database with one recipe, a data database, and the backups folder.
struct BackupSetup {
    StorageFixture f;
    test::ScriptedPrompts prompts;
    FakeClock clock;
    QString recipes = f.newRecipeDatabase(QStringLiteral("Recipes.mdb"));
    RecipeBackups backups{f.path(QStringLiteral("appdata/Backups")), clock.clock()};

    BackupSetup() {
        const QString data = f.newDataDatabase();
        {
            Database db;
            db.open(data);
            StorageFixture::fillUtilization(db, 275);
        }
        f.settings->setString(Setting::DefaultDataFile, data);
        addRecipeTo(recipes, 1);
    }
    // Opens the recipe database as the program does, and closes it again.
    void openAndClose() {
        CMwcalcDoc doc(*f.settings, prompts, nullptr, nullptr, &backups);
        QVERIFY(doc.OnOpenDocument(recipes));
    }
};

}  // namespace

class TestBackups : public QObject {
    Q_OBJECT

private slots:
    // Opening makes at most one copy a day; the newest copies are kept.
    void copiesOnOpening_data() {
        QTest::addColumn<QList<int>>("days");          // day of each opening, one a line
        QTest::addColumn<int>("kept");                 // the setting; 0 leaves it unset
        QTest::addColumn<QList<int>>("expectedDays");  // days of the copies, newest first
        QTest::newRow("first opening") << QList<int>{3} << 0 << QList<int>{3};
        QTest::newRow("twice the same day") << QList<int>{3, 3} << 0 << QList<int>{3};
        QTest::newRow("the next day") << QList<int>{3, 3, 4} << 0 << QList<int>{4, 3};
        QTest::newRow("seven days, five kept by default")
            << QList<int>{1, 2, 3, 4, 5, 6, 7} << 0 << QList<int>{7, 6, 5, 4, 3};
        QTest::newRow("two kept") << QList<int>{1, 2, 3, 4} << 2 << QList<int>{4, 3};
        QTest::newRow("a day missed") << QList<int>{1, 5} << 0 << QList<int>{5, 1};
    }
    void copiesOnOpening() {
        QFETCH(QList<int>, days);
        QFETCH(int, kept);
        QFETCH(QList<int>, expectedDays);
        BackupSetup s;
        if (kept > 0) {
            s.f.settings->setInteger(Setting::BackupCopies, kept);
        }
        for (int day : days) {
            s.clock.set(day, day == days.first() ? 9 : 18);
            s.openAndClose();
        }
        QList<int> found;
        for (const BackupCopy& copy : s.backups.copiesOf(s.recipes)) {
            found << copy.madeAt.date().day();
            QVERIFY(RecipeBackups::isSound(copy.path));
            QCOMPARE(recipeCount(copy.path), 1);
        }
        QCOMPARE(found, expectedDays);
        QVERIFY(s.prompts.shownNumbers().empty());
    }

    // A copy is one file that holds the recipes as they were when it was made,
    // while the database stays open and usable.
    void aCopyIsTheDatabaseAsItWas() {
        BackupSetup s;
        Database open;
        open.open(s.recipes);
        const auto first = s.backups.backUpNow(open, 5);
        QCOMPARE(first.outcome, BackupOutcome::Made);
        StorageFixture::addRecipe(open, 2, QStringLiteral("Later"));
        QCOMPARE(recipeCount(first.copy.path), 1);
        QCOMPARE(open.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 2);
        QVERIFY(!QFile::exists(first.copy.path + QStringLiteral("-wal")));
        QVERIFY(storage::isDatabaseOfKind(first.copy.path, storage::kRecipeMarker));
        QCOMPARE(first.copy.size, QFileInfo(first.copy.path).size());
        // A second copy in the same second gets a name of its own, and lists first.
        const auto second = s.backups.backUpNow(open, 5);
        QVERIFY(second.copy.path != first.copy.path);
        QCOMPARE(pathsOf(s.backups.copiesOf(s.recipes)),
                 (QStringList{second.copy.path, first.copy.path}));
        QCOMPARE(recipeCount(second.copy.path), 2);
    }

    // Two recipe files of the same name in different folders keep their copies apart.
    void sameNamesNeverMix() {
        BackupSetup s;
        QDir(s.f.path(QString())).mkdir(QStringLiteral("other"));
        const QString other = s.f.newRecipeDatabase(QStringLiteral("other/Recipes.mdb"));
        s.backups.backUpFile(s.recipes, 5);
        s.backups.backUpFile(other, 5);
        s.backups.backUpFile(other, 5);
        QCOMPARE(s.backups.copiesOf(s.recipes).size(), std::size_t(1));
        QCOMPARE(s.backups.copiesOf(other).size(), std::size_t(2));
        QCOMPARE(recipeCount(s.backups.copiesOf(s.recipes).front().path), 1);
        QCOMPARE(recipeCount(s.backups.copiesOf(other).front().path), 0);
    }

    // A new copy that fails its check is deleted, the good ones stay, and
    // the brewer is told that the recipe database itself may be damaged.
    void aDamagedCopyNeverDropsGoodOnes() {
        BackupSetup s;
        for (int day = 1; day <= 5; ++day) {
            s.clock.set(day);
            s.openAndClose();
        }
        const QStringList good = pathsOf(s.backups.copiesOf(s.recipes));
        QCOMPARE(good.size(), 5);
        damageIndexOf(s.recipes);
        s.clock.set(6);
        s.openAndClose();
        QCOMPARE(s.prompts.shownNumbers(), std::vector<int>{1471});
        QCOMPARE(pathsOf(s.backups.copiesOf(s.recipes)), good);
        QCOMPARE(QDir(s.backups.folder()).entryList(QDir::Files).size(), 5);
    }

    // A backup that was damaged since it was made is found by the check and
    // never restored; the recipe database is left as it was.
    void aDamagedBackupIsNeverRestored() {
        BackupSetup s;
        const BackupCopy copy = s.backups.backUpFile(s.recipes, 5).copy;
        addRecipeTo(s.recipes, 2);
        scribbleOver(copy.path);
        QVERIFY(!RecipeBackups::isSound(copy.path));
        int error = 0;
        try {
            s.backups.restore(s.recipes, copy, 5);
        } catch (const storage::DaoException& e) {
            error = e.number();
            QVERIFY(e.description().contains(QStringLiteral("failed its integrity check")));
        }
        QCOMPARE(error, storage::DaoError::NotADatabase);
        QCOMPARE(recipeCount(s.recipes), 2);
        QCOMPARE(s.backups.copiesOf(s.recipes).size(), std::size_t(1));
    }

    // Restoring keeps the file as it was as a copy first and never drops the
    // copy being restored, even when it is the oldest of a full set.
    void restoreKeepsTheFileAsItWas() {
        BackupSetup s;
        s.f.settings->setInteger(Setting::BackupCopies, 2);
        const BackupCopy oldest = s.backups.backUpFile(s.recipes, 2).copy;  // one recipe
        addRecipeTo(s.recipes, 2);
        s.clock.set(2);
        s.backups.backUpFile(s.recipes, 2);  // two recipes
        addRecipeTo(s.recipes, 3);
        s.clock.set(3);
        const BackupCopy before = s.backups.restore(s.recipes, oldest, 2);
        QCOMPARE(recipeCount(s.recipes), 1);
        QCOMPARE(recipeCount(before.path), 3);
        QCOMPARE(before.madeAt.date().day(), 3);
        const auto copies = s.backups.copiesOf(s.recipes);
        // Two kept, and the restored copy besides until the next copy is made.
        QCOMPARE(copies.size(), std::size_t(3));
        QCOMPARE(copies.front().path, before.path);
        QCOMPARE(copies.back().path, oldest.path);
        Database restored;
        restored.open(s.recipes);
        QVERIFY(restored.passesIntegrityCheck());
        QCOMPARE(restored.firstTableName(), storage::kRecipeMarker);
        // New identifiers carry on after the restored rows.
        StorageFixture::addRecipe(restored, 9, QStringLiteral("After"));
    }

    // Restoring refuses a file that is open, and changes nothing.
    void restoreRefusesAnOpenFile() {
        BackupSetup s;
        const BackupCopy copy = s.backups.backUpFile(s.recipes, 5).copy;
        addRecipeTo(s.recipes, 2);
        Database open;
        open.open(s.recipes);
        int error = 0;
        try {
            s.backups.restore(s.recipes, copy, 5);
        } catch (const storage::DaoException& e) {
            error = e.number();
        }
        QCOMPARE(error, storage::DaoError::FileInUse);
        QCOMPARE(recipeCount(s.recipes), 2);
        QCOMPARE(s.backups.copiesOf(s.recipes).size(), std::size_t(1));
    }
};

MW_REGISTER_TEST(TestBackups)
#include "tst_backups.moc"
