#include <QSettings>
#include <QSqlError>
#include <QtTest>
#include <memory>

#include "resources/message_catalogue.h"
#include "safety_child_process.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/document_plus.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "storage/workspace.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

using namespace mw;
namespace DaoError = storage::DaoError;
using storage::DaoException;
using test::SafetyChild;

namespace {

constexpr int kDatabaseErrorBox = 1010;

// The database error box as the user reads it for an error.
QString errorBoxText(const QString& description, int number) {
    return QString::fromStdString(
        formatMessage(kDatabaseErrorBox, description.toStdString(), std::to_string(number)));
}

// What the storage layer says when another program holds the file.
QString lockedDescription(const QString& file) {
    return DaoException::fromSqlError(QSqlError(QString(), QStringLiteral("database is locked"),
                                                QSqlError::StatementError, QStringLiteral("5")),
                                      file)
        .description();
}

// The child's "PROMPT context text" line as (context, text).
std::pair<int, QString> promptOf(const QString& line) {
    const qsizetype space = line.indexOf(QLatin1Char(' '), 7);
    QString text = line.mid(space + 1);
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    return {line.mid(7, space - 7).toInt(), text};
}

// The child's "ERROR number description" line as (number, description).
std::pair<int, QString> errorOf(const QString& line) {
    const qsizetype space = line.indexOf(QLatin1Char(' '), 6);
    return {line.mid(6, space - 6).toInt(), line.mid(space + 1)};
}

int errorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const DaoException& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

// Two running copies of the program on the same files: the second copy is a
// child process writing through the storage layer as the recipe form and the
// reference dialogs do. The later of two saves of the same row is refused
// with the write-conflict error (3197) and overwrites nothing, in whichever
// copy it happens; a file another copy holds locked refuses a save with 3260
// in the database error box after the bounded wait, never hanging.
class TestTwoCopies : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_data;
    QString m_samples;
    int m_fileCount = 0;

    // A fresh copy of the sample recipes (batches 1 to 8).
    QString recipeFile() {
        const QString file = m_folder.filePath(QStringLiteral("recipes%1.mdb").arg(++m_fileCount));
        QFile::copy(m_samples, file);
        return file;
    }
    // A fresh copy of the seeded data database.
    QString dataFile() {
        const QString file = m_folder.filePath(QStringLiteral("data%1.mdb").arg(++m_fileCount));
        QFile::copy(m_data, file);
        return file;
    }
    std::unique_ptr<storage::Settings> settingsFor(const QString& dataPath) {
        auto settings = std::make_unique<storage::Settings>(std::make_unique<QSettings>(
            m_folder.filePath(QStringLiteral("settings%1.ini").arg(++m_fileCount)),
            QSettings::IniFormat));
        settings->setString(storage::Setting::DefaultDataFile, dataPath);
        return settings;
    }
    static QString storedRecipeName(const QString& file, int batch) {
        storage::Database db;
        db.open(file);
        return db
            .scalar(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo = ?"),
                    {batch})
            .toString();
    }
    static QString storedHopComments(const QString& file, const QString& hop) {
        storage::Database db;
        db.open(file);
        return db.scalar(QStringLiteral("SELECT HopsComments FROM Hops WHERE HopsName = ?"), {hop})
            .toString();
    }
    static QString firstHop(const QString& file) {
        storage::Database db;
        db.open(file);
        return db.scalar(QStringLiteral("SELECT HopsName FROM Hops ORDER BY HopsName LIMIT 1"))
            .toString();
    }
    static QString pragma(storage::Database& db, const char* name) {
        return db.scalar(QStringLiteral("PRAGMA %1").arg(QString::fromLatin1(name))).toString();
    }
    // The child refused its save: the error and the box it showed.
    static void verifyRefusal(SafetyChild& child, int number, const QString& description) {
        const QString refused = child.waitFor(QStringLiteral("REFUSED "));
        QVERIFY2(!refused.isEmpty(), qPrintable(child.lines().join(QLatin1Char('\n'))));
        qInfo("the other copy's save: %s", qPrintable(refused));
        const QString error = child.waitFor(QStringLiteral("ERROR "));
        QVERIFY2(!error.isEmpty(), qPrintable(child.lines().join(QLatin1Char('\n'))));
        QCOMPARE(errorOf(error).first, number);
        if (!description.isEmpty()) {
            QCOMPARE(errorOf(error).second, description);
        }
        const auto [context, text] = promptOf(child.waitFor(QStringLiteral("PROMPT ")));
        QCOMPARE(context, kDatabaseErrorBox);
        QCOMPARE(text, errorBoxText(errorOf(error).second, number));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_folder.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
        m_samples = m_folder.filePath(QStringLiteral("samples.mdb"));
        storage::createSampleRecipeDatabase(m_samples);
    }

    // The connections that write: the recipe document's and the reference
    // dialogs' private workspace. A write-ahead log, every commit synced to
    // the disk before it returns, and a bounded wait for another's lock.
    void connectionsAreSetForSafety() {
        test::ScriptedPrompts prompts;
        const QString recipes = recipeFile();
        const QString data = dataFile();
        auto settings = settingsFor(data);
        storage::CMwcalcDoc doc(*settings, prompts);
        QVERIFY(doc.OnOpenDocument(recipes));
        std::unique_ptr<storage::Workspace> dialogWorkspace;
        storage::Database* dialogDatabase = nullptr;
        QCOMPARE(doc.GetNewWorkspace(dialogWorkspace, dialogDatabase, QStringLiteral("DAO")), 1);
        for (storage::Database* db : {doc.database(), dialogDatabase}) {
            QCOMPARE(pragma(*db, "journal_mode"), QStringLiteral("wal"));
            QCOMPARE(pragma(*db, "synchronous"), QStringLiteral("2"));  // FULL
            QCOMPARE(pragma(*db, "busy_timeout"),
                     QString::number(storage::Database::kBusyTimeoutMs));
        }
        QVERIFY(prompts.shown().empty());
    }

    // This copy has the recipe on its form (edit mode, transaction open);
    // the other copy saves it first. This copy's save is refused.
    void recipeSavedFirstByTheOtherCopyIsNotOverwritten() {
        test::ScriptedPrompts prompts;
        const QString recipes = recipeFile();
        auto settings = settingsFor(m_data);
        storage::CMwcalcDoc doc(*settings, prompts);
        QVERIFY(doc.OnOpenDocument(recipes));
        storage::CRecordSetRecipe record(doc.database());
        record.open();
        record.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        QVERIFY(record.seek(QStringLiteral("="), {2}));
        record.edit();
        doc.workspace().beginTrans();

        SafetyChild other({QStringLiteral("save-recipe"), recipes, m_data, QStringLiteral("2"),
                           QStringLiteral("Theirs")});
        QVERIFY(!other.waitFor(QStringLiteral("SAVED")).isEmpty());
        QVERIFY(other.finish());

        record.m_RecipeName = QStringLiteral("Mine");
        QCOMPARE(errorNumber([&] { record.update(); }), DaoError::WriteConflict);
        doc.workspace().rollback();
        QCOMPARE(storedRecipeName(recipes, 2), QStringLiteral("Theirs"));
    }

    // The other copy has the recipe in edit mode; this copy saves first. The
    // other copy's save is refused with 3197 in its database error box.
    void recipeSavedFirstByThisCopyIsNotOverwrittenByTheOther() {
        test::ScriptedPrompts prompts;
        const QString recipes = recipeFile();
        SafetyChild other({QStringLiteral("save-recipe"), recipes, m_data, QStringLiteral("2"),
                           QStringLiteral("Theirs"), QStringLiteral("--wait")});
        QVERIFY(!other.waitFor(QStringLiteral("READ")).isEmpty());
        {
            auto settings = settingsFor(m_data);
            storage::CMwcalcDoc doc(*settings, prompts);
            QVERIFY(doc.OnOpenDocument(recipes));
            storage::CRecordSetRecipe record(doc.database());
            record.open();
            record.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
            QVERIFY(record.seek(QStringLiteral("="), {2}));
            record.edit();
            doc.workspace().beginTrans();
            record.m_RecipeName = QStringLiteral("Mine");
            record.update();
            doc.workspace().commitTrans();
        }
        other.tell("go");
        verifyRefusal(other, DaoError::WriteConflict, QString());
        QVERIFY(other.finish());
        QCOMPARE(storedRecipeName(recipes, 2), QStringLiteral("Mine"));
        QVERIFY(prompts.shown().empty());
    }

    // The same hop in both copies' Hops dialogs: whichever saves later is
    // refused.
    void hopSavedByBothCopies_data() {
        QTest::addColumn<bool>("otherSavesFirst");
        QTest::newRow("the other copy saves first") << true;
        QTest::newRow("this copy saves first") << false;
    }
    void hopSavedByBothCopies() {
        QFETCH(bool, otherSavesFirst);
        test::ScriptedPrompts prompts;
        const QString data = dataFile();
        const QString hop = firstHop(data);
        QStringList arguments{QStringLiteral("save-hop"), data, hop, QStringLiteral("Theirs")};
        if (!otherSavesFirst) {
            arguments << QStringLiteral("--wait");
        }
        SafetyChild other(arguments);
        if (!otherSavesFirst) {
            QVERIFY(!other.waitFor(QStringLiteral("READ")).isEmpty());
        }

        auto settings = settingsFor(data);
        storage::CDocumentPlus documents(*settings, prompts);
        std::unique_ptr<storage::Workspace> workspace;
        storage::Database* database = nullptr;
        QCOMPARE(documents.GetNewWorkspace(workspace, database, QStringLiteral("DAO")), 1);
        storage::CRecordSetHops record(database);
        record.open();
        record.setCurrentIndex(QStringLiteral("IndexHopsNameAlpha"));
        QVERIFY(record.seek(QStringLiteral("="), {hop}));
        record.edit();
        workspace->beginTrans();
        if (otherSavesFirst) {
            QVERIFY(!other.waitFor(QStringLiteral("SAVED")).isEmpty());
        }
        // The dialog's save: the transaction starts afresh, writes, commits.
        record.m_HopsComments = QStringLiteral("Mine");
        const int refused = errorNumber([&] {
            workspace->rollback();
            workspace->beginTrans();
            record.update();
            workspace->commitTrans();
        });
        if (otherSavesFirst) {
            QCOMPARE(refused, DaoError::WriteConflict);
            workspace->rollback();
        } else {
            QCOMPARE(refused, 0);
            other.tell("go");
            verifyRefusal(other, DaoError::WriteConflict, QString());
        }
        QVERIFY(other.finish());
        QCOMPARE(storedHopComments(data, hop),
                 otherSavesFirst ? QStringLiteral("Theirs") : QStringLiteral("Mine"));
    }

    // Another copy holds the file's write lock: a save waits the bounded
    // time, then is refused with 3260 in the database error box, and writes
    // nothing. Once the lock is gone the same save goes through.
    void saveAgainstALockedFile_data() {
        QTest::addColumn<bool>("recipeFile");
        QTest::newRow("recipe database") << true;
        QTest::newRow("data database") << false;
    }
    void saveAgainstALockedFile() {
        QFETCH(bool, recipeFile);
        const QString file = recipeFile ? this->recipeFile() : dataFile();
        const QString hop = recipeFile ? QString() : firstHop(file);
        const QStringList save =
            recipeFile
                ? QStringList{QStringLiteral("save-recipe"), file, m_data, QStringLiteral("3"),
                              QStringLiteral("Theirs")}
                : QStringList{QStringLiteral("save-hop"), file, hop, QStringLiteral("Theirs")};
        const auto stored = [&] {
            return recipeFile ? storedRecipeName(file, 3) : storedHopComments(file, hop);
        };
        const QString before = stored();
        {
            storage::Database holder;
            holder.open(file);
            holder.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            SafetyChild other(save);
            // A write-ahead log lets the file be opened and read meanwhile.
            QVERIFY(!other.waitFor(QStringLiteral("OPENED")).isEmpty());
            verifyRefusal(other, DaoError::Locked, lockedDescription(file));
            QVERIFY2(other.finish(), "the save against a locked file hung");
            holder.exec(QStringLiteral("ROLLBACK"));
        }
        QCOMPARE(stored(), before);
        SafetyChild again(save);
        QVERIFY(!again.waitFor(QStringLiteral("SAVED")).isEmpty());
        QVERIFY(again.finish());
        QCOMPARE(stored(), QStringLiteral("Theirs"));
    }

    // A lock held for a moment is waited out: the save goes through.
    void aBriefLockIsWaitedOut() {
        const QString recipes = recipeFile();
        SafetyChild holder({QStringLiteral("hold"), recipes, QStringLiteral("--release-after"),
                            QStringLiteral("1000")});
        QVERIFY(!holder.waitFor(QStringLiteral("HOLDING")).isEmpty());
        SafetyChild other({QStringLiteral("save-recipe"), recipes, m_data, QStringLiteral("4"),
                           QStringLiteral("Theirs")});
        QVERIFY2(!other.waitFor(QStringLiteral("SAVED")).isEmpty(),
                 qPrintable(other.lines().join(QLatin1Char('\n'))));
        QVERIFY(other.finish());
        QVERIFY(holder.finish());
        QCOMPARE(storedRecipeName(recipes, 4), QStringLiteral("Theirs"));
    }

    // A file without a write-ahead log (made by another tool) that another
    // program holds exclusively cannot even be read: opening it is refused
    // with 3260 in the error box after the bounded wait.
    void openingAFileHeldExclusively() {
        const QString recipes = recipeFile();
        {
            storage::Database db;
            db.open(recipes);
            QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode = DELETE")).toString(),
                     QStringLiteral("delete"));
        }
        storage::Database holder;
        holder.open(recipes);
        holder.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        holder.exec(QStringLiteral("UPDATE Recipes SET RecipeName = RecipeName"));
        SafetyChild other({QStringLiteral("save-recipe"), recipes, m_data, QStringLiteral("3"),
                           QStringLiteral("Theirs")});
        const auto [context, text] = promptOf(other.waitFor(QStringLiteral("PROMPT ")));
        QCOMPARE(context, kDatabaseErrorBox);
        QCOMPARE(text, errorBoxText(lockedDescription(recipes), DaoError::Locked));
        QVERIFY(!other.waitFor(QStringLiteral("NOT-OPENED")).isEmpty());
        QVERIFY2(other.finish(), "opening a locked file hung");
        holder.exec(QStringLiteral("ROLLBACK"));
    }
};

MW_REGISTER_TEST(TestTwoCopies)

#include "tst_two_copies.moc"
