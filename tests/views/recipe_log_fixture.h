#pragma once

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "recipe_form/recipe_form_fixture.h"
#include "views/recipe_log_factory.h"
#include "views/recipe_log_model.h"
#include "views/recipe_log_view.h"
#include "views/sort_header_ctrl.h"

namespace mw::test {

// The program on a copy of the sample recipes (batches 1 to 8) with the real
// recipe form and the real recipe log, which View > Recipe Log opens.
class RecipeLogFixture : public RecipeFormFixture {
public:
    using RecipeFormFixture::RecipeFormFixture;

    // Starts on the recipe form and opens the log over it.
    void startWithLog() {
        start();
        views::installRecipeLog(*app, prompts, &help);
        command(shell::cmd::ViewRecipeLog)->trigger();
        QCoreApplication::processEvents();
    }

    views::CRecipeLogView* logView() const {
        for (QMdiSubWindow* sub : app->mainFrame()->mdiArea()->subWindowList()) {
            if (auto* view = qobject_cast<views::CRecipeLogView*>(sub->widget())) {
                return view;
            }
        }
        return nullptr;
    }
    QWidget* activeView() const {
        QMdiSubWindow* sub = app->mainFrame()->mdiArea()->activeSubWindow();
        return sub != nullptr ? sub->widget() : nullptr;
    }

    // A column's texts, top to bottom.
    QStringList column(int c) const {
        QStringList texts;
        const QAbstractItemModel* model = logView()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, c).data().toString();
        }
        return texts;
    }
    int rows() const { return logView()->model()->rowCount(); }
    // The row the list shows selected, or -1.
    int selectedRow() const {
        const QModelIndexList rows = logView()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
    int rowOfBatch(long batch) const { return int(column(0).indexOf(QString::number(batch))); }

    // A left click on a column's header.
    void clickHeader(int c) {
        QHeaderView* header = logView()->header();
        const QPoint at(header->sectionViewportPosition(c) + 6, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Where a row's name cell is, in the list's viewport.
    QPoint rowPoint(int row) const {
        views::CRecipeLogView* view = logView();
        view->scrollTo(view->model()->index(row, 0));
        return view->visualRect(view->model()->index(row, 1)).center();
    }
    void clickRow(int row) {
        QTest::mouseClick(logView()->viewport(), Qt::LeftButton, {}, rowPoint(row));
    }
    void doubleClickRow(int row) {
        const QPoint at = rowPoint(row);
        QTest::mouseClick(logView()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(logView()->viewport(), Qt::LeftButton, {}, at);
    }
    // The batch the recipe form shows.
    long formBatch() const {
        for (QMdiSubWindow* sub : app->mainFrame()->mdiArea()->subWindowList()) {
            if (auto* form = qobject_cast<recipe_form::CRecipeFormSheet*>(sub->widget())) {
                return form->record().m_RecipeBatchNo;
            }
        }
        return -1;
    }
};

}  // namespace mw::test
