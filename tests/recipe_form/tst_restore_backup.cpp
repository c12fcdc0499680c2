#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "recipe_form_fixture.h"
#include "shell/command_ids.h"
#include "shell/restore_backup_dialog.h"
#include "storage/recipe_backups.h"
#include "storage/seed_data.h"
#include "support/test_registry.h"

using namespace mw;
using test::RecipeFormFixture;
using test::StoredRecipes;

Q_DECLARE_METATYPE(mw::PromptAnswer)

// Tools > Database > Restore Backup... on the open recipe database, the way
// the brewer meets it: the list of backups, the question, the form's own
// save question on the way out, and the database open again afterwards.
class TestRestoreBackup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_data;

    static constexpr int kRestoreQuestion = 1470;
    static constexpr int kSaveChanges = 68;
    static constexpr int kRestored = 1474;

    static long storedCount(const QString& file) {
        StoredRecipes stored(file);
        return stored.count();
    }

    // Yesterday's backup holds all eight sample recipes; since then six were
    // deleted, so the program's backup of today, made as it opens the
    // file, holds two.
    static storage::BackupCopy prepareYesterday(RecipeFormFixture& f) {
        storage::RecipeBackups yesterday(f.path(QStringLiteral("appdata/Backups")), [] {
            return QDateTime(QDate::currentDate().addDays(-1), QTime(20, 15));
        });
        const storage::BackupCopy copy = yesterday.backUpFile(f.recipes, 5).copy;
        storage::Database db;
        db.open(f.recipes);
        db.exec(QStringLiteral("DELETE FROM Recipes WHERE RecipeBatchNo > 2"));
        return copy;
    }

    static shell::RestoreBackupDialog* openDialog(RecipeFormFixture& f) {
        f.command(shell::cmd::DatabaseRestoreBackup)->trigger();
        auto* dialog = f.app->mainFrame()->findChild<shell::RestoreBackupDialog*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    }

    // The recipe form on the open database, whichever window is active.
    static recipe_form::CRecipeFormSheet* formOf(RecipeFormFixture& f) {
        for (QMdiSubWindow* sub : f.app->mainFrame()->mdiArea()->subWindowList()) {
            if (auto* form = qobject_cast<recipe_form::CRecipeFormSheet*>(sub->widget())) {
                return form;
            }
        }
        return nullptr;
    }

private slots:
    void initTestCase() {
        m_data = m_dir.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    void listsTheBackupsNewestFirst() {
        RecipeFormFixture f(m_data);
        const storage::BackupCopy yesterday = prepareYesterday(f);
        f.start();
        shell::RestoreBackupDialog* dialog = openDialog(f);
        QVERIFY(dialog != nullptr);
        QTreeWidget* list = dialog->list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(1)->text(0),
                 shell::RestoreBackupDialog::shownTime(yesterday.madeAt));
        QVERIFY(list->topLevelItem(0)->text(0).startsWith(
            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QVERIFY(list->topLevelItem(0)->text(1).endsWith(QStringLiteral(" KB")));
        QVERIFY(dialog->restoreButton()->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.shown().empty());
    }

    // Restoring yesterday's backup: No to the question changes nothing; Yes
    // closes the database through the form's leave check (a changed recipe
    // gets the save question, where Cancel stops the restore), keeps the file
    // as it is as a backup, restores, and opens the database again.
    void restoresThroughTheDialog_data() {
        QTest::addColumn<bool>("changeRecipe");
        QTest::addColumn<QList<PromptAnswer>>("answers");
        QTest::addColumn<bool>("restored");
        QTest::addColumn<std::vector<int>>("messages");
        using A = PromptAnswer;
        QTest::newRow("No to the question")
            << false << QList<A>{A::No} << false << std::vector<int>{kRestoreQuestion};
        QTest::newRow("Yes") << false << QList<A>{A::Yes} << true
                             << std::vector<int>{kRestoreQuestion, kRestored};
        QTest::newRow("Yes, the changed recipe discarded")
            << true << QList<A>{A::Yes, A::No} << true
            << std::vector<int>{kRestoreQuestion, kSaveChanges, kRestored};
        QTest::newRow("Yes, then Cancel to the save question")
            << true << QList<A>{A::Yes, A::Cancel} << false
            << std::vector<int>{kRestoreQuestion, kSaveChanges};
    }
    void restoresThroughTheDialog() {
        QFETCH(bool, changeRecipe);
        QFETCH(QList<PromptAnswer>, answers);
        QFETCH(bool, restored);
        QFETCH(std::vector<int>, messages);
        RecipeFormFixture f(m_data);
        const storage::BackupCopy yesterday = prepareYesterday(f);
        f.start();
        if (changeRecipe) {
            f.typeInto(f.controls().name, QStringLiteral("Never Saved Stout"));
        }
        storage::RecipeBackups& backups = *f.app->backups();
        QCOMPARE(backups.copiesOf(f.recipes).size(), std::size_t(2));

        shell::RestoreBackupDialog* dialog = openDialog(f);
        QVERIFY(dialog != nullptr);
        QTreeWidget* list = dialog->list();
        QTreeWidgetItem* older = list->topLevelItem(1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(older).center());
        QCOMPARE(list->currentItem(), older);
        for (PromptAnswer answer : answers) {
            f.prompts.answerNext(answer);
        }
        QTest::mouseClick(dialog->restoreButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();

        QCOMPARE(f.shown(), messages);
        QVERIFY(f.app->document() != nullptr);
        QCOMPARE(f.app->document()->pathName(), f.recipes);
        recipe_form::CRecipeFormSheet* form = formOf(f);
        QVERIFY(form != nullptr);
        const auto copies = backups.copiesOf(f.recipes);
        if (!restored) {
            QCOMPARE(storedCount(f.recipes), 2L);
            QCOMPARE(copies.size(), std::size_t(2));
            if (changeRecipe) {
                QCOMPARE(form->controls().name->text(), QStringLiteral("Never Saved Stout"));
            }
            return;
        }
        // The file holds yesterday's recipes, and the form shows them.
        QCOMPARE(storedCount(f.recipes), 8L);
        QVERIFY(form->controls().name->text() != QStringLiteral("Never Saved Stout"));
        // The file as it was before is the newest backup, beside the other two.
        QCOMPARE(copies.size(), std::size_t(3));
        QCOMPARE(storedCount(copies.front().path), 2L);
        QCOMPARE(copies.back().path, yesterday.path);
        QVERIFY(f.prompts.shown().back().text.find(
                    shell::RestoreBackupDialog::shownTime(yesterday.madeAt).toStdString()) !=
                std::string::npos);
    }

    // A backup damaged since it was made is found by the check: the open
    // database stays open and unchanged.
    void aDamagedBackupIsRefused() {
        RecipeFormFixture f(m_data);
        const storage::BackupCopy yesterday = prepareYesterday(f);
        {
            QFile file(yesterday.path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(file.size() / 2);
            file.write(QByteArray(8192, '\x55'));
        }
        f.start();
        shell::RestoreBackupDialog* dialog = openDialog(f);
        QVERIFY(dialog != nullptr);
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        f.prompts.answerNext(PromptAnswer::Yes);
        QTest::mouseClick(dialog->restoreButton(), Qt::LeftButton);
        QCOMPARE(f.shown(), (std::vector<int>{kRestoreQuestion, 1473}));
        QVERIFY(f.app->document() != nullptr);
        QCOMPARE(storedCount(f.recipes), 2L);
        QCOMPARE(f.app->backups()->copiesOf(f.recipes).size(), std::size_t(2));
    }
};

MW_REGISTER_TEST(TestRestoreBackup)
#include "tst_restore_backup.moc"
