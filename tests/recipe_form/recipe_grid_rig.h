#pragma once

#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "grid/dao_data_source.h"
#include "grid/gw_grid_ctrl.h"
#include "grid/sheet_model.h"
#include "recipe_form/lookup_fixture.h"
#include "recipe_form/recipe_grid1.h"
#include "recipe_form/recipe_grid_host.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "storage/seed_data.h"

namespace mw::test {

// The recipe form as the ingredients grid sees it: it records what the grid
// asks of it.
class FakeGridHost final : public recipe_form::RecipeGridHost {
public:
    qint32 recipeId = 0;
    bool adding = false;
    bool deleteWarnings = true;
    int modified = 0;
    int recipesStored = 0;
    std::vector<int> progress;
    // (row, unit changing) of each hop row calculated, and the unit cell's
    // text at that moment.
    std::vector<std::pair<int, bool>> hopRows;
    QStringList unitsWhileCalculating;
    std::function<qint32()> storeRecipe;
    std::function<QString(int row)> unitOfHopRow;

    qint32 currentRecipeId() const override { return recipeId; }
    bool isAdding() const override { return adding; }
    bool displayDeleteWarnings() const override { return deleteWarnings; }
    void setModified() override { ++modified; }
    qint32 storeNewRecipe() override {
        ++recipesStored;
        return storeRecipe ? storeRecipe() : 0;
    }
    void calcHopRow(int row, bool unitChanging) override {
        hopRows.emplace_back(row, unitChanging);
        if (unitOfHopRow) {
            unitsWhileCalculating << unitOfHopRow(row);
        }
    }
    void showProgress(int percent) override { progress.push_back(percent); }
};

// What a test's lookup does when the grid opens it: pick a row by its list
// texts and press Select, or press Cancel.
struct LookupScript {
    QStringList pick;  // empty: Cancel
    int opened = 0;
    // Whether the grid row stayed highlighted while the lookup was open.
    bool rowHighlighted = false;
};

// Sample recipes in a recipe database of their own, the seeded data database
// for the lookups, and the grid on them inside the form's open transaction.
class GridRig {
public:
    static constexpr int kBackyardPaleAle = 2;  // batch number of a sample with three hops

    GridRig(LookupFixture& f, const QString& samples, const QString& name) : m_fixture(f) {
        m_path = f.path(name);
        QFile::remove(m_path);
        if (samples.isEmpty()) {
            storage::createDatabase(m_path, storage::DatabaseKind::Recipe);
        } else {
            QFile::copy(samples, m_path);
        }
        db.open(m_path);
        db.beginTrans();
    }
    ~GridRig() {
        grid.reset();
        if (db.transactionDepth() > 0) {
            db.rollback();
        }
    }

    qint32 recipeOfBatch(int batch) {
        return db
            .scalar(QStringLiteral("SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = ?"), {batch})
            .toInt();
    }

    // Makes the grid on the host's current recipe and shows it.
    recipe_form::CRecipeGrid1& make() {
        grid = std::make_unique<recipe_form::CRecipeGrid1>(host, db, *m_fixture.settings,
                                                           m_fixture.prompts, &m_fixture.help);
        host.unitOfHopRow = [this](int row) {
            return grid->cellText(calc::Sheet::Hops, row, calc::HopCol::Units);
        };
        grid->setLookupRunner([this](recipe_form::CLookupDlg& lookup) {
            ++lookupScript.opened;
            grid::CGWGridCtrl* view = grid->sheetGrid(grid->currentSheetKind());
            lookupScript.rowHighlighted =
                view->selectionModel()->isRowSelected(view->currentRowIndex(), QModelIndex());
            if (!lookup.load()) {
                return false;
            }
            if (lookupScript.pick.isEmpty() ||
                !LookupFixture::selectRow(lookup, lookupScript.pick)) {
                lookup.cancelButton()->click();
            } else {
                lookup.selectButton()->click();
            }
            return lookup.result() == QDialog::Accepted;
        });
        grid->resize(900, 320);
        grid->show();
        return *grid;
    }

    // The grid on the sample recipe with three hops.
    recipe_form::CRecipeGrid1& makeOnBackyardPaleAle() {
        host.recipeId = recipeOfBatch(kBackyardPaleAle);
        return make();
    }

    // Whether the current cell's editor is open.
    static bool isEditing(const grid::CGWGridCtrl* view) {
        return view->indexWidget(view->currentIndex()) != nullptr;
    }
    grid::CGWGridCtrl* view(calc::Sheet sheet) const { return grid->sheetGrid(sheet); }
    grid::CGWSheetModel* model(calc::Sheet sheet) const { return grid->dataSource().model(sheet); }
    // Shows a sheet and makes a cell current (rows from 0 as the view counts).
    grid::CGWGridCtrl* goTo(calc::Sheet sheet, int viewRow, int column) {
        grid->setCurrentIndex(static_cast<int>(sheet));
        grid::CGWGridCtrl* v = view(sheet);
        v->setCurrentCell(viewRow, column);
        v->setFocus();
        return v;
    }
    QPoint cellCenter(calc::Sheet sheet, int viewRow, int column) const {
        return view(sheet)->visualRect(model(sheet)->index(viewRow, column)).center();
    }
    QStringList rowTexts(calc::Sheet sheet, int viewRow) const {
        return model(sheet)->rowTexts(viewRow);
    }

    // Commits the form's transaction and reads from the file with a
    // connection of its own.
    void save() { db.commitTrans(); }
    const QString& path() const { return m_path; }

    storage::Database db;
    FakeGridHost host;
    LookupScript lookupScript;
    std::unique_ptr<recipe_form::CRecipeGrid1> grid;

private:
    LookupFixture& m_fixture;
    QString m_path;
};

// A database file opened afresh, to read back what was saved.
class Reopened {
public:
    explicit Reopened(const QString& path) { m_db.open(path); }
    QVariant scalar(const QString& sql, std::initializer_list<QVariant> values = {}) {
        return m_db.scalar(sql, values);
    }
    // One column of a query's rows, as texts.
    QStringList column(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery query = m_db.exec(sql, values);
        QStringList texts;
        while (query.next()) {
            texts << query.value(0).toString();
        }
        return texts;
    }

private:
    storage::Database m_db;
};

}  // namespace mw::test

Q_DECLARE_METATYPE(mw::calc::Sheet)
