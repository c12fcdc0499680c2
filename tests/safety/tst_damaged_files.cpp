#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFile>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QtTest>

#include "support/test_registry.h"

#include "recipe_form/recipe_comments.h"
#include "recipe_form/recipe_form_fixture.h"
#include "recipe_form/recipe_lifecycle.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "support/db_command_run.h"

using namespace mw;
using test::RecipeFormFixture;

namespace {

constexpr int kNotARecipeDatabase = 168;
constexpr int kDatabaseError = 1010;
constexpr int kSaveChanges = 68;

// How a row spoils the recipe database the program is asked to open (a copy
// of the sample recipes).
enum class Damage {
    Empty,
    Truncated,
    RandomBytes,
    ForeignDatabase,
    TableDropped,
    ColumnMissing,
    ReadOnly,
    DiskFull,
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray hashOf(const QString& path) {
    return QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void spoil(const QString& path, Damage damage) {
    switch (damage) {
        case Damage::Empty:
            writeBytes(path, QByteArray());
            break;
        case Damage::Truncated: {
            // Cut in the middle of a page somewhere after the schema.
            const QByteArray whole = fileBytes(path);
            const qsizetype page = 4096;
            const qsizetype pages = whole.size() / page;
            QVERIFY2(pages >= 4, "the sample database is smaller than expected");
            writeBytes(path, whole.left((pages / 2) * page + page / 2));
            break;
        }
        case Damage::RandomBytes: {
            QByteArray noise(8192, '\0');
            QRandomGenerator generator(20261206);
            for (char& c : noise) {
                c = static_cast<char>(generator.bounded(256));
            }
            writeBytes(path, noise);
            break;
        }
        case Damage::ForeignDatabase: {
            storage::removeDatabaseFiles(path);
            storage::Database other;
            other.create(path);
            other.exec(
                QStringLiteral("CREATE TABLE Customers (Id INTEGER PRIMARY KEY, Name TEXT)"));
            other.exec(QStringLiteral("INSERT INTO Customers (Name) VALUES (?)"),
                       {QStringLiteral("Hopfield Farm Supply")});
            other.exec(
                QStringLiteral("CREATE TABLE Invoices (Id INTEGER PRIMARY KEY, Total REAL)"));
            break;
        }
        case Damage::TableDropped: {
            storage::Database ours;
            ours.open(path);
            ours.exec(QStringLiteral("DROP TABLE Ingredients_Hops"));
            break;
        }
        case Damage::ColumnMissing: {
            storage::Database ours;
            ours.open(path);
            ours.exec(QStringLiteral("ALTER TABLE Recipes DROP COLUMN RecipeBrewer"));
            break;
        }
        case Damage::ReadOnly:
            QVERIFY(QFile::setPermissions(path,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            break;
        case Damage::DiskFull:
            // The disk has no room left beyond the pages the file has now.
            storage::Database::setConnectionHook([path](storage::Database& db) {
                if (storage::canonicalDatabasePath(db.path()) ==
                    storage::canonicalDatabasePath(path)) {
                    const int pages = db.scalar(QStringLiteral("PRAGMA page_count")).toInt();
                    db.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
                }
            });
            break;
    }
}

// The part of a database error box that names the trouble (the box adds
// the question about help).
QString diagnosisOf(const Prompt& prompt) {
    const QString text = QString::fromStdString(prompt.text);
    if (prompt.helpContext != kDatabaseError) {
        return text.simplified();
    }
    return text.left(text.lastIndexOf(QLatin1String("\n\n"))).simplified();
}

}  // namespace

Q_DECLARE_METATYPE(Damage)

// Damaged and wrong files: each is opened through the main window as the
// brewer opens a file, and checked with maltwise-db check. The program says
// what is wrong and never crashes, a file it did not recognise keeps every
// byte, and a save that cannot be written keeps the typing on the form.
class TestDamagedFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_shared;
    QString m_data;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_shared.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    void cleanup() { storage::Database::setConnectionHook({}); }

    void openingADamagedOrWrongFile_data() {
        QTest::addColumn<Damage>("damage");
        // The box the open shows (0: none, the file opens), the error number
        // in a database error box, and a word the diagnosis must name.
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("names");
        // The error a save shows (0: no save is possible).
        QTest::addColumn<int>("saveError");

        QTest::newRow("zero-byte file")
            << Damage::Empty << kNotARecipeDatabase << 0 << QStringLiteral("recipe.mdb") << 0;
        QTest::newRow("recipe database cut off mid-page")
            << Damage::Truncated << kDatabaseError << storage::DaoError::NotADatabase
            << QStringLiteral("damaged") << 0;
        QTest::newRow("random bytes")
            << Damage::RandomBytes << kDatabaseError << storage::DaoError::NotADatabase
            << QStringLiteral("not a database") << 0;
        QTest::newRow("another program's SQLite database")
            << Damage::ForeignDatabase << kNotARecipeDatabase << 0 << QStringLiteral("recipe.mdb")
            << 0;
        QTest::newRow("recipe database with a table dropped")
            << Damage::TableDropped << kDatabaseError << storage::DaoError::TableNotFound
            << QStringLiteral("'Ingredients_Hops'") << 0;
        QTest::newRow("recipe database with a column missing")
            << Damage::ColumnMissing << kDatabaseError << storage::DaoError::ItemNotFound
            << QStringLiteral("'RecipeBrewer'") << 0;
        // Marked read-only, the file is opened for reading only even by an
        // administrator (tests may run as root, where the mark alone would
        // not stop a write).
        QTest::newRow("read-only file")
            << Damage::ReadOnly << 0 << 0 << QString() << storage::DaoError::ReadOnly;
        QTest::newRow("file on a full disk")
            << Damage::DiskFull << 0 << 0 << QString() << storage::DaoError::DiskFull;
    }
    void openingADamagedOrWrongFile() {
        QFETCH(Damage, damage);
        QFETCH(int, box);
        QFETCH(int, error);
        QFETCH(QString, names);
        QFETCH(int, saveError);

        RecipeFormFixture f(m_data);
        const QString file = f.path(QStringLiteral("recipe.mdb"));
        QVERIFY(QFile::rename(f.recipes, file));
        spoil(file, damage);
        const QByteArray before = hashOf(file);

        f.app = std::make_unique<shell::CMwcalcApp>(*f.settings, f.prompts, f.help, f.files,
                                                    f.path(QStringLiteral("appdata")));
        recipe_form::installRecipeForm(*f.app, *f.settings, f.prompts, &f.help);
        f.app->InitInstance({QStringLiteral("-s"), file});
        f.app->mainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.app->mainFrame()));

        const test::DbCommandRun check = test::runDbCommand({QStringLiteral("check"), file});
        if (box != 0) {
            // The open is refused with the box that says what is wrong.
            QVERIFY(f.app->document() == nullptr);
            QCOMPARE(f.shown(), std::vector<int>{box});
            const Prompt& told = f.prompts.shown().front();
            QCOMPARE(told.icon, PromptIcon::Exclamation);
            QVERIFY2(diagnosisOf(told).contains(names, Qt::CaseInsensitive),
                     qPrintable(diagnosisOf(told)));
            if (box == kDatabaseError) {
                QVERIFY2(diagnosisOf(told).endsWith(QStringLiteral("(%1)").arg(error)),
                         qPrintable(diagnosisOf(told)));
            }
            // The command line gives the same diagnosis and fails.
            QCOMPARE(check.status, 1);
            QCOMPARE(check.out, QString());
            QCOMPARE(check.err.trimmed(), QStringLiteral("maltwise-db: ") + diagnosisOf(told));
        } else {
            // The file itself is sound: it opens, and check says what it is.
            QVERIFY(f.app->document() != nullptr);
            QVERIFY(f.shown().empty());
            QCOMPARE(check.status, 0);
            QCOMPARE(check.out.trimmed(), QStringLiteral("recipe"));

            // The brewer types a new name and a long comment and saves: the
            // save fails with the reason, and every typed character stays.
            const QString name = QStringLiteral("Fireside Rainy Day Bitter");
            const QString comment = QStringLiteral("Mash thin, sparge slowly. ").repeated(800);
            f.typeInto(f.controls().name, name);
            QTabWidget* pages = f.controls().pages;
            for (int i = 0; i < pages->count(); ++i) {
                if (pages->tabText(i).remove(QLatin1Char('&')) == QLatin1String("Comments")) {
                    pages->setCurrentIndex(i);
                }
            }
            auto* comments = f.form()->findChild<recipe_form::CRecipeComments*>();
            QVERIFY(comments != nullptr);
            QVERIFY(comments->isVisible());
            QGuiApplication::clipboard()->setText(comment);
            comments->commentsBox()->setFocus();
            QTest::keyClick(comments->commentsBox(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(comments->commentsBox(), Qt::Key_V, Qt::ControlModifier);
            f.press(Qt::Key_S);

            QCOMPARE(f.shown(), std::vector<int>{kDatabaseError});
            const QString told = diagnosisOf(f.prompts.shown().front());
            QVERIFY2(told.endsWith(QStringLiteral("(%1)").arg(saveError)), qPrintable(told));
            QVERIFY2(told.contains(QLatin1String("nothing was written")), qPrintable(told));
            QCOMPARE(f.controls().name->text(), name);
            QCOMPARE(comments->commentsBox()->toPlainText(), comment);
            QVERIFY(f.form()->lifecycle().isModified());

            if (damage == Damage::DiskFull) {
                // Room is made on the disk and the brewer saves again:
                // everything typed is stored.
                storage::Database::setConnectionHook({});
                f.app->document()->database()->exec(
                    QStringLiteral("PRAGMA max_page_count = 1073741823"));
                f.prompts.clear();
                f.press(Qt::Key_S);
                QVERIFY(f.shown().empty());
                test::StoredRecipes stored(file);
                QCOMPARE(stored.batch(1)->m_RecipeName, name);
                QCOMPARE(stored.batch(1)->m_RecipeComments, comment);
                return;
            }
            // Closing asks about the unsaved recipe; the brewer lets it go,
            // and nothing else is asked or reported.
            f.prompts.clear();
            f.prompts.answerNext(PromptAnswer::No);
            f.closeDatabase();
            QVERIFY(f.app->document() == nullptr);
            QCOMPARE(f.shown(), std::vector<int>{kSaveChanges});
        }
        f.app.reset();
        storage::Database::setConnectionHook({});
        QCOMPARE(hashOf(file), before);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }

    // The disk fills up after a transaction has already written rows: the
    // engine undoes all of it, so committing what came after is refused
    // rather than storing half the work; rolling back is quiet, and the file
    // holds what it held before.
    void aTransactionUndoneByAFullDiskIsNotCommittedInPart() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("full.mdb"));
        storage::createSampleRecipeDatabase(file);
        const QByteArray before = hashOf(file);
        spoil(file, Damage::DiskFull);
        storage::Database db;
        db.open(file);
        db.beginTrans();
        db.exec(QStringLiteral("UPDATE Recipes SET RecipeBrewer = ? WHERE RecipeBatchNo = 1"),
                {QStringLiteral("Ann")});
        try {
            db.exec(QStringLiteral("UPDATE Recipes SET RecipeComments = ? WHERE RecipeBatchNo = 2"),
                    {QString(40000, QLatin1Char('x'))});
            QFAIL("the full disk took 40,000 more characters");
        } catch (const storage::DaoException& full) {
            QCOMPARE(full.number(), storage::DaoError::DiskFull);
        }
        db.exec(QStringLiteral("UPDATE Recipes SET RecipeName = ? WHERE RecipeBatchNo = 3"),
                {QStringLiteral("After")});
        try {
            db.commitTrans();
            QFAIL("a transaction the engine undid was committed in part");
        } catch (const storage::DaoException& refused) {
            QVERIFY2(refused.description().contains(QLatin1String("nothing of them was saved")),
                     qPrintable(refused.description()));
        }
        db.rollback();
        QCOMPARE(db.transactionDepth(), 0);
        db.close();
        storage::Database::setConnectionHook({});
        QCOMPARE(hashOf(file), before);
    }
};

MW_REGISTER_TEST(TestDamagedFiles)
#include "tst_damaged_files.moc"
