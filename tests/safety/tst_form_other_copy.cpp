#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlError>
#include <QtTest>

#include "recipe_form/recipe_form_fixture.h"
#include "recipe_form/recipe_lifecycle.h"
#include "resources/message_catalogue.h"
#include "safety_child_process.h"
#include "storage/dao_exception.h"
#include "storage/seed_data.h"
#include "support/test_registry.h"

using namespace mw;
namespace DaoError = storage::DaoError;
using test::RecipeFormFixture;
using test::SafetyChild;
using test::StoredRecipes;
namespace cmd = shell::cmd;

// The recipe form while another running copy of the program (a child
// process) works on the same file: a save the database refuses, because the
// other copy saved the recipe first or holds the file locked, is told in the
// database error box, and the brewer's typing stays on the form, unsaved,
// ready to be saved once the way is clear.
class TestFormOtherCopy : public QObject {
    Q_OBJECT

    QTemporaryDir m_shared;
    QString m_data;

    static constexpr int kDatabaseErrorBox = 1010;

    static QString errorBoxText(const QString& description, int number) {
        return QString::fromStdString(
            formatMessage(kDatabaseErrorBox, description.toStdString(), std::to_string(number)));
    }
    static QString storedName(const QString& file) {
        StoredRecipes stored(file);
        return stored.batch(1)->m_RecipeName;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_shared.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    // The other copy saved the recipe on screen after the form read it.
    void saveRefusedWhenTheOtherCopySavedFirst() {
        RecipeFormFixture f(m_data);
        f.start();
        const QString mine = QStringLiteral("Fireside Session Bitter");
        f.typeInto(f.controls().name, mine);
        SafetyChild other({QStringLiteral("save-recipe"), f.recipes, m_data, QStringLiteral("1"),
                           QStringLiteral("Theirs")});
        QVERIFY(!other.waitFor(QStringLiteral("SAVED")).isEmpty());
        QVERIFY(other.finish());

        f.press(Qt::Key_S);
        QCOMPARE(f.shown(), std::vector<int>{kDatabaseErrorBox});
        const QString told = QString::fromStdString(f.prompts.shown().front().text);
        QVERIFY2(told.contains(QStringLiteral("(%1)").arg(DaoError::WriteConflict)),
                 qPrintable(told));
        QCOMPARE(f.controls().name->text(), mine);
        QVERIFY(f.form()->lifecycle().isModified());
        QCOMPARE(storedName(f.recipes), QStringLiteral("Theirs"));
    }

    // The other copy holds the file's write lock while the brewer saves:
    // after the bounded wait the error box says the file is in use, the
    // typing stays; once the other copy lets go, Save stores it.
    void saveAgainstAFileTheOtherCopyHolds() {
        RecipeFormFixture f(m_data);
        f.start();
        const QString before = storedName(f.recipes);
        const QString mine = QStringLiteral("Fireside Winter Bitter");
        f.typeInto(f.controls().name, mine);
        SafetyChild other({QStringLiteral("hold"), f.recipes});
        QVERIFY(!other.waitFor(QStringLiteral("HOLDING")).isEmpty());

        QElapsedTimer waited;
        waited.start();
        f.press(Qt::Key_S);
        const qint64 ms = waited.elapsed();
        qInfo("a save against a locked file was refused after %lld ms", ms);
        QVERIFY2(ms < SafetyChild::kGuardMs, "the save hung on the locked file");
        QCOMPARE(f.shown(), std::vector<int>{kDatabaseErrorBox});
        const QString locked = storage::DaoException::fromSqlError(
                                   QSqlError(QString(), QStringLiteral("database is locked"),
                                             QSqlError::StatementError, QStringLiteral("5")),
                                   f.recipes)
                                   .description();
        QCOMPARE(QString::fromStdString(f.prompts.shown().front().text),
                 errorBoxText(locked, DaoError::Locked));
        QCOMPARE(f.controls().name->text(), mine);
        QVERIFY(f.form()->lifecycle().isModified());
        QCOMPARE(storedName(f.recipes), before);

        other.tell("release");
        QVERIFY(!other.waitFor(QStringLiteral("RELEASED")).isEmpty());
        QVERIFY(other.finish());
        f.prompts.clear();
        f.press(Qt::Key_S);
        QVERIFY(f.shown().empty());
        QVERIFY(!f.form()->lifecycle().isModified());
        QCOMPARE(storedName(f.recipes), mine);
    }
};

MW_REGISTER_TEST(TestFormOtherCopy)

#include "tst_form_other_copy.moc"
