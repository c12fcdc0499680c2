#include <QCryptographicHash>
#include <QtTest>

#include "storage/compact_repair.h"
#include "storage/csv_reader.h"
#include "storage/dao_exception.h"
#include "storage/recipe_records.h"
#include "storage_fixture.h"
#include "support/test_registry.h"

using namespace mw;
using storage::DaoException;
using storage::Database;
using test::StorageFixture;

namespace {

QByteArray fingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

int errorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const DaoException& e) {
        return e.number();
    }
    return 0;
}

// A recipe database with many recipes, most of them deleted again.
QString bloatedDatabase(StorageFixture& f) {
    const QString path = f.newRecipeDatabase();
    Database db;
    db.open(path);
    storage::Transaction t(db);
    for (int batch = 1; batch <= 400; ++batch) {
        db.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeComments) "
                               "VALUES (?, ?, ?)"),
                {batch, QStringLiteral("Batch %1").arg(batch), QString(2000, QLatin1Char('x'))});
    }
    db.exec(QStringLiteral("DELETE FROM Recipes WHERE RecipeBatchNo > 10"));
    t.commit();
    db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return path;
}

int recipeCount(const QString& path) {
    Database db;
    db.open(path);
    return db.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt();
}

}  // namespace

class TestMaintenance : public QObject {
    Q_OBJECT

private slots:
    void compactKeepsEveryRowAndShrinks() {
        StorageFixture f;
        const QString path = bloatedDatabase(f);
        const qint64 before = QFileInfo(path).size();
        storage::compactDatabase(path);
        QVERIFY(QFileInfo(path).size() < before);
        QCOMPARE(recipeCount(path), 10);
        QVERIFY(!QFile::exists(storage::temporaryPathFor(path)));
        Database db;
        db.open(path);
        QCOMPARE(db.firstTableName(), QStringLiteral("A_Recipes"));
    }

    void compactRefusals_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("error");
        QTest::newRow("temp.mdb exists") << "temp" << int(storage::DaoError::ObjectExists);
        QTest::newRow("open in this program") << "open" << int(storage::DaoError::FileInUse);
        QTest::newRow("missing file") << "missing" << int(storage::DaoError::FileNotFound);
    }
    void compactRefusals() {
        QFETCH(QString, obstacle);
        QFETCH(int, error);
        StorageFixture f;
        QString path = bloatedDatabase(f);
        Database holder;
        if (obstacle == QLatin1String("temp")) {
            QFile temp(storage::temporaryPathFor(path));
            QVERIFY(temp.open(QIODevice::WriteOnly));
        } else if (obstacle == QLatin1String("open")) {
            holder.open(path);
        } else {
            path = f.path(QStringLiteral("gone.mdb"));
        }
        const QByteArray before = fingerprint(path);
        QCOMPARE(errorNumber([&] { storage::compactDatabase(path); }), error);
        QCOMPARE(errorNumber([&] { storage::repairDatabase(path); }), error);
        QCOMPARE(fingerprint(path), before);  // untouched
    }

    void repairOfASoundFileCompacts() {
        StorageFixture f;
        const QString path = bloatedDatabase(f);
        QCOMPARE(storage::repairDatabase(path), 0L);
        QCOMPARE(recipeCount(path), 10);
    }

    // A damaged page in the middle of a table: the repair keeps the marker
    // first, the schema, and every row it can still read.
    void repairRebuildsADamagedFile() {
        StorageFixture f;
        const QString path = bloatedDatabase(f);
        {
            Database db;
            db.open(path);
            db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            db.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        }
        storage::compactDatabase(path);
        {
            Database db;
            db.open(path);
            StorageFixture::addRecipe(db, 11, QStringLiteral("After"));
            db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            db.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 pages = file.size() / 4096;
        QVERIFY(pages > 4);
        // Scribble over the index page of the batch numbers' unique index.
        Database probe;
        probe.open(path);
        const int indexRoot =
            probe
                .scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = "
                                       "'IndexRecipeBatchNo'"))
                .toInt();
        probe.close();
        QVERIFY(indexRoot > 1);
        file.seek(qint64(indexRoot - 1) * 4096 + 8);
        file.write(QByteArray(200, '\x7f'));
        file.close();

        {
            Database damaged;
            damaged.open(path);
            QVERIFY(damaged.scalar(QStringLiteral("PRAGMA integrity_check")).toString() !=
                    QLatin1String("ok"));
        }
        storage::repairDatabase(path);
        Database repaired;
        repaired.open(path);
        QCOMPARE(repaired.firstTableName(), QStringLiteral("A_Recipes"));
        QCOMPARE(repaired.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(repaired.scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 11);
        QCOMPARE(repaired
                     .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = "
                                            "'IndexRecipeBatchNo'"))
                     .toInt(),
                 1);
        // The identifier counter survived: a new recipe gets a fresh number.
        QVERIFY(StorageFixture::addRecipe(repaired, 12, QStringLiteral("New")) > 400);
    }

    void csvFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("firstRecord");
        QTest::addColumn<int>("records");
        QTest::newRow("plain") << "a,b,c\n1,2,3\n" << QStringList{"a", "b", "c"} << 2;
        QTest::newRow("quoted comma and quote")
            << "\"Crystal, Caramel\",\"say \"\"hi\"\"\",x"
            << QStringList{"Crystal, Caramel", "say \"hi\"", "x"} << 1;
        QTest::newRow("line break inside quotes")
            << "\"two\nlines\",b\r\nc,d" << QStringList{"two\nlines", "b"} << 2;
        QTest::newRow("empty fields") << ",,\n" << QStringList{"", "", ""} << 1;
        QTest::newRow("blank lines skipped") << "a\n\nb\n" << QStringList{"a"} << 2;
    }
    void csvFields() {
        QFETCH(QString, text);
        QFETCH(QStringList, firstRecord);
        QFETCH(int, records);
        const auto parsed = storage::parseCsv(text);
        QCOMPARE(int(parsed.size()), records);
        QCOMPARE(parsed.front(), firstRecord);
    }

    void settingsDefaultsAndRecentFiles() {
        StorageFixture f;
        storage::Settings& s = *f.settings;
        QCOMPARE(s.integer(storage::Setting::DisplayWarnings), 1);
        QCOMPARE(s.integer(storage::Setting::RecipeDocSizeMaxX), 815);
        QCOMPARE(s.integer(storage::Setting::RecipeFormSizeMaxY), 510);
        QCOMPARE(storage::Settings::info(storage::Setting::DefaultDataFile).name,
                 QStringLiteral("DefaultDataFile"));
        QCOMPARE(storage::Settings::info(storage::Setting::PathTool3).section,
                 QStringLiteral("Tools"));
        s.store().setValue(QStringLiteral("Settings/DisplayWarnings"), QStringLiteral("lots"));
        QCOMPARE(s.integer(storage::Setting::DisplayWarnings), 1);  // unreadable: the default
        for (const char* file : {"a", "b", "c", "d", "b", "e"}) {
            s.addRecentFile(QString::fromLatin1(file));
        }
        QCOMPARE(s.recentFiles(), (QStringList{"e", "b", "d", "c"}));
    }
};

MW_REGISTER_TEST(TestMaintenance)
#include "tst_maintenance.moc"
