#include "beerxml/recipe_data.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "calc/hop_utilization.h"
#include "calc/ingredient_rows.h"
#include "calc/recipe_calculation.h"
#include "calc/recipe_fields.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "storage/database.h"
#include "storage/ingredient_loader.h"
#include "storage/ingredient_queries.h"
#include "storage/recordset.h"
#include "storage/schema.h"
#include "storage/sql_names.h"

namespace mw::beerxml {

namespace {

// Nobody answers a message while a file is imported; the calculation's
// messages stay in its list.
class NoPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
};

void insertRow(storage::Database& database, const QString& table, const QVariantHash& values) {
    QStringList columns;
    QStringList marks;
    QVariantList bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << it.key();
        marks << QStringLiteral("?");
        bound << it.value();
    }
    database.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(storage::quoted(table), storage::quotedList(columns),
                           marks.join(QLatin1Char(','))),
                  bound);
}

QVariantHash rowValues(const QSqlQuery& query) {
    QVariantHash values;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        values.insert(record.fieldName(i), query.value(i));
    }
    return values;
}

}  // namespace

bool RecipeData::hasIngredients() const {
    for (const auto& sheet : ingredients) {
        if (!sheet.empty()) {
            return true;
        }
    }
    return false;
}

QVariantHash newRecipeValues() {
    static const QVariantHash values = [] {
        // Every column starts as a new recipe holds it: numbers 0, texts empty,
        // dates null; then the columns that start otherwise.
        QVariantHash all;
        const auto records = storage::tableRecords(storage::DatabaseKind::Recipe);
        for (const auto& record : records) {
            if (record->sourceName() != QLatin1String("Recipes")) {
                continue;
            }
            for (const storage::FieldBinding& f : record->fields()) {
                if (f.identity) {
                    continue;
                }
                switch (f.type) {
                    case storage::FieldType::Text:
                        all.insert(f.column, QString());
                        break;
                    case storage::FieldType::DateTime:
                        all.insert(f.column, QVariant());
                        break;
                    default:
                        all.insert(f.column, 0);
                        break;
                }
            }
        }
        const QVariantHash starts = {
            {QStringLiteral("RecipeBatchSize"), 5.0},
            {QStringLiteral("RecipeBoilSize"), 5.0},
            {QStringLiteral("RecipeFermConditioningUnits"), QStringLiteral("Days")},
            {QStringLiteral("RecipeMeasureEnglish"), 0},
            {QStringLiteral("RecipeSGFinal"), 1.0},
            {QStringLiteral("RecipeSGOriginal"), 1.0},
            {QStringLiteral("RecipeSGRacking"), 1.0},
            {QStringLiteral("RecipeTargetSpGravHi"), 1.0},
            {QStringLiteral("RecipeTargetSpGravLo"), 1.0},
            {QStringLiteral("RecipeMashType"), -1},
            {QStringLiteral("RecipeSystemEfficiencyExpected"), 80.0}};
        for (auto it = starts.cbegin(); it != starts.cend(); ++it) {
            all.insert(it.key(), it.value());
        }
        return all;
    }();
    return values;
}

qint32 insertRecipe(storage::Database& database, const RecipeData& recipe) {
    insertRow(database, QStringLiteral("Recipes"), recipe.recipe);
    const qint32 id = database
                          .scalar(QStringLiteral(
                              "SELECT RecipeID FROM Recipes WHERE rowid = last_insert_rowid()"))
                          .toInt();
    for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
        for (QVariantHash row : recipe.rows(q.sheet)) {
            row.insert(QStringLiteral("IngRecipeID"), id);
            insertRow(database, q.table, row);
        }
    }
    return id;
}

RecipeData readRecipe(storage::Database& database, qint32 recipeId) {
    RecipeData data;
    QSqlQuery recipe =
        database.exec(QStringLiteral("SELECT * FROM Recipes WHERE RecipeID = ?"), {recipeId});
    if (recipe.next()) {
        data.recipe = rowValues(recipe);
    }
    for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
        QSqlQuery rows =
            database.exec(QStringLiteral("SELECT * FROM %1 WHERE IngRecipeID = ? "
                                         "ORDER BY %2")
                              .arg(storage::quoted(q.table), storage::quoted(q.idColumn)),
                          {recipeId});
        while (rows.next()) {
            data.rows(q.sheet).push_back(rowValues(rows));
        }
    }
    return data;
}

Prediction calculateHops(RecipeData& recipe) {
    calc::IngredientRows rows;
    for (const storage::IngredientQuery& q : storage::ingredientQueries()) {
        for (const QVariantHash& row : recipe.rows(q.sheet)) {
            calc::IngredientRows::Row cells;
            for (const QString& column : q.columns) {
                cells.push_back(storage::cellText(row.value(column)).toStdString());
            }
            rows.addRow(q.sheet, std::move(cells));
        }
    }
    const QVariantHash& r = recipe.recipe;
    calc::RecipeFieldValues fields;
    fields.batch = r.value(QStringLiteral("RecipeBatchSize")).toDouble();
    fields.boil = r.value(QStringLiteral("RecipeBoilSize")).toDouble();
    fields.measure = r.value(QStringLiteral("RecipeMeasureEnglish")).toInt();
    fields.efficiency = r.value(QStringLiteral("RecipeSystemEfficiencyExpected")).toDouble();
    fields.primingName = r.value(QStringLiteral("RecipeFermPrimingName")).toString().toStdString();
    const calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    NoPrompts prompts;
    calc::RecipeCalculation calculation(fields, rows, table, prompts);
    calculation.RecalculateRecipe(false);
    auto& hops = recipe.rows(calc::Sheet::Hops);
    for (std::size_t i = 0; i < hops.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        hops[i].insert(QStringLiteral("IngHopsIBU"),
                       leadingNumber(rows.cellText(calc::Sheet::Hops, row, calc::HopCol::Ibu)));
        hops[i].insert(QStringLiteral("IngHopsHBU"),
                       leadingNumber(rows.cellText(calc::Sheet::Hops, row, calc::HopCol::Hbu)));
    }
    return {calculation.results().originalGravity, calculation.results().totalIbu};
}

}  // namespace mw::beerxml
