#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "recipe_form/recipe_form_fixture.h"
#include "storage/data_records.h"
#include "views/target_style_dlg.h"
#include "views/target_style_windows.h"

namespace mw::test {

// The program on a copy of the sample recipes with the real recipe form,
// given the Target Style and Calculation Messages windows as the program
// gives them.
class TargetStyleFixture : public RecipeFormFixture {
public:
    using RecipeFormFixture::RecipeFormFixture;

    void start() {
        app = std::make_unique<shell::CMwcalcApp>(*settings, prompts, help, files,
                                                  path(QStringLiteral("appdata")));
        recipe_form::installRecipeForm(
            *app, *settings, prompts, &help, [this](recipe_form::CRecipeFormSheet& form) {
                views::attachTargetStyleWindows(form, {*settings, prompts, &help});
            });
        app->InitInstance({QStringLiteral("-s"), recipes});
        app->document()->addView(&log);
        shell::CMainFrame* frame = app->mainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
    }

    views::TargetStyleServices services() { return {*settings, prompts, &help}; }
};

// Runs `act` on the modal window of type W that the next step opens, once
// its event loop runs. A window still open after `act` is closed, so a
// failing test cannot hang; `ran` tells whether the window came at all.
template <typename W>
class OnModal {
public:
    explicit OnModal(std::function<void(W&)> act) {
        QTimer::singleShot(0, [this, act = std::move(act)] {
            auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
            if (window == nullptr) {
                return;
            }
            ran = true;
            act(*window);
            if (window->isVisible()) {
                stillOpen = true;
                window->done(QDialog::Rejected);
            }
        });
    }
    bool ran = false;
    bool stillOpen = false;
};

// A style's row read from the data database with a connection of its own.
inline views::StyleLimits storedStyleLimits(const QString& dataFile, const QString& name,
                                            const QString& category, const QString& subcategory) {
    storage::Database database;
    database.open(dataFile, storage::Database::Access::ReadOnly);
    storage::CRecordSetStyles styles(&database);
    styles.open();
    styles.setCurrentIndex(QStringLiteral("IndexStylesNameCatSubcat"));
    if (!styles.seek(QStringLiteral("="), {name, category, subcategory})) {
        return {};
    }
    return {styles.m_StylesGravityLo, styles.m_StylesGravityHi, styles.m_StylesAlcoLo,
            styles.m_StylesAlcoHi,    styles.m_StylesIBULo,     styles.m_StylesIBUHi,
            styles.m_StylesColorLo,   styles.m_StylesColorHi};
}

}  // namespace mw::test
