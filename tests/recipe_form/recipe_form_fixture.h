#pragma once

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlQuery>
#include <QtTest>
#include <memory>
#include <vector>

#include "recipe_form/recipe_form_factory.h"
#include "recipe_form/recipe_form_sheet.h"
#include "shell/application.h"
#include "shell/command_ids.h"
#include "shell/command_set.h"
#include "shell/main_frame.h"
#include "shell/shell_fixture.h"
#include "storage/database.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "support/shared_databases.h"

namespace mw::test {

// Tells what the recipe form announced to the other views.
class RecordingView final : public storage::DocumentView {
public:
    void OnUpdate(DocumentView*, long hint) override { hints.push_back(hint); }
    std::vector<long> hints;
};

// The program as a brewer starts it on a copy of the sample recipe database
// (eight recipes, batches 1 to 8), with the real recipe form.
class RecipeFormFixture : public ShellFixture {
public:
    RecipeFormFixture(const QString& dataFile,
                      const std::function<void(storage::Database&)>& prepare = {}) {
        recipes = path(QStringLiteral("recipes.mdb"));
        QFile::copy(sharedSampleRecipes(), recipes);
        if (prepare) {
            storage::Database database;
            database.open(recipes);
            prepare(database);
        }
        settings->setString(storage::Setting::DefaultDataFile, dataFile);
        settings->setString(storage::Setting::DefaultRecipeFile, recipes);
    }

    ~RecipeFormFixture() { app.reset(); }

    // Starts the program on the recipe database; the form shows batch 1.
    void start() {
        app = std::make_unique<shell::CMwcalcApp>(*settings, prompts, help, files,
                                                  path(QStringLiteral("appdata")));
        recipe_form::installRecipeForm(*app, *settings, prompts, &help);
        app->InitInstance({QStringLiteral("-s"), recipes});
        app->document()->addView(&log);
        shell::CMainFrame* frame = app->mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
    }

    recipe_form::CRecipeFormSheet* form() const {
        QMdiSubWindow* sub = app->mainFrame()->mdiArea()->activeSubWindow();
        return qobject_cast<recipe_form::CRecipeFormSheet*>(sub ? sub->widget() : nullptr);
    }
    const recipe_form::RecipeFormControls& controls() const { return form()->controls(); }
    QWidget* frame() const { return app->mainFrame(); }
    QAction* command(int id) const { return app->mainFrame()->commands().action(id); }

    // Presses a key where the focus is, as the brewer does.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : frame(), key, modifiers);
    }
    // Replaces the text of a box by typing.
    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
    }
    // What the recipe log asks for.
    void showBatch(long batch) { app->document()->GoToBatch(&log, batch); }

    // File Close, as the user chooses it.
    void closeDatabase() {
        if (app->document() != nullptr) {
            app->document()->removeView(&log);
        }
        command(shell::cmd::FileClose)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    std::vector<int> shown() const { return prompts.shownNumbers(); }

    QString recipes;
    std::unique_ptr<shell::CMwcalcApp> app;
    RecordingView log;
};

// The file read with a connection of its own.
class StoredRecipes {
public:
    explicit StoredRecipes(const QString& file) {
        m_database.open(file);
        m_record = std::make_unique<storage::CRecordSetRecipe>(&m_database);
        m_record->open();
        m_record->setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    }
    // The recipe of a batch, or null.
    const storage::CRecordSetRecipe* batch(long number) {
        return m_record->seek(QStringLiteral("="), {static_cast<qlonglong>(number)})
                   ? m_record.get()
                   : nullptr;
    }
    long count() { return m_record->recordCount(); }
    int ingredientRows(const QString& table, qint32 recipeId) {
        return m_database
            .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE IngRecipeID = ?").arg(table),
                    {recipeId})
            .toInt();
    }
    storage::Database& database() { return m_database; }

private:
    storage::Database m_database;
    std::unique_ptr<storage::CRecordSetRecipe> m_record;
};

inline const QStringList kIngredientTables{
    QStringLiteral("Ingredients_Kits"),   QStringLiteral("Ingredients_Extracts"),
    QStringLiteral("Ingredients_Grains"), QStringLiteral("Ingredients_Adjuncts"),
    QStringLiteral("Ingredients_Hops"),   QStringLiteral("Ingredients_Yeasts")};

}  // namespace mw::test
