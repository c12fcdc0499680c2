#include "storage/seed_data.h"

#include <QFile>
#include <QSqlQuery>
#include <cmath>
#include <functional>

#include "calc/hop_utilization.h"
#include "calc/recipe_calculation.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "storage/csv_reader.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/ingredient_loader.h"
#include "storage/ingredient_queries.h"
#include "storage/recipe_record_fields.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/sql_names.h"

namespace mw::storage {

namespace {

// The sample recipes are calculated without anyone to answer a message box.
class NoPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
};

QString readResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        throw DaoException(DaoError::FileNotFound,
                           QStringLiteral("The shipped seed file '%1' is missing from the "
                                          "program.")
                               .arg(name));
    }
    return QString::fromUtf8(file.readAll());
}

DaoException badValue(const QString& source, int line, const QString& column, const QString& value,
                      const char* expected) {
    return DaoException(DaoError::EngineError,
                        QStringLiteral("%1, line %2: the %3 '%4' is not %5.")
                            .arg(source)
                            .arg(line)
                            .arg(column, value, QString::fromLatin1(expected)));
}

QVariant convert(const FieldBinding& field, const QString& raw, const QString& source, int line) {
    const QString value = raw.trimmed();
    bool ok = true;
    switch (field.type) {
        case FieldType::Long:
        case FieldType::Short: {
            if (value.isEmpty()) {
                return 0;
            }
            const int n = value.toInt(&ok);
            if (!ok) {
                throw badValue(source, line, field.column, value, "a whole number");
            }
            return n;
        }
        case FieldType::Double: {
            if (value.isEmpty()) {
                return 0.0;
            }
            const auto n = parseNumber(value.toStdString());
            if (!n) {
                throw badValue(source, line, field.column, value, "a number");
            }
            return *n;
        }
        case FieldType::Bool: {
            const QString v = value.toLower();
            if (v.isEmpty() || v == QLatin1String("0") || v == QLatin1String("no") ||
                v == QLatin1String("false")) {
                return 0;
            }
            if (v == QLatin1String("1") || v == QLatin1String("-1") || v == QLatin1String("yes") ||
                v == QLatin1String("true")) {
                return 1;
            }
            throw badValue(source, line, field.column, value, "yes or no");
        }
        case FieldType::DateTime: {
            if (value.isEmpty()) {
                return QVariant();
            }
            if (!QDate::fromString(value, Qt::ISODate).isValid() &&
                !QDateTime::fromString(value, Qt::ISODate).isValid()) {
                throw badValue(source, line, field.column, value, "a date (YYYY-MM-DD)");
            }
            return value;
        }
        case FieldType::Text:
            return raw;
    }
    return raw;
}

void seedUtilization(Database& database) {
    const calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    for (int g = 0; g < calc::HopUtilizationTable::kGroups; ++g) {
        for (int c = 0; c < calc::HopUtilizationTable::kColumns; ++c) {
            database.exec(
                QStringLiteral("INSERT INTO HopsUtilization (HopsUtil_BoilIndex, "
                               "HopsUtil_BoilTime, HopsUtil_OriginalGravity, "
                               "HopsUtil_Utilization) VALUES (?, ?, ?, ?)"),
                {g, calc::HopUtilizationTable::groupBoilMinutes(g),
                 std::round(calc::HopUtilizationTable::columnGravity(c) * 1000.0) / 1000.0,
                 table.at(g, c)});
        }
    }
}

// Works out the IBU and HBU of every hop addition of every recipe and
// stores them, as the recipe form does when a recipe is recalculated.
void calculateSampleHops(Database& database) {
    const calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    NoPrompts prompts;
    CRecordSetRecipe recipe(&database);
    recipe.open();
    while (!recipe.isEOF()) {
        LoadedIngredients loaded = loadIngredients(database, recipe.m_RecipeID);
        const RecipeRecordFields fields(recipe);
        calc::RecipeCalculation calculation(fields, loaded.rows, table, prompts);
        calculation.RecalculateRecipe(false);
        const auto& hopIds = loaded.rowIds[static_cast<std::size_t>(calc::Sheet::Hops)];
        for (std::size_t i = 0; i < hopIds.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            database.exec(
                QStringLiteral("UPDATE Ingredients_Hops SET IngHopsIBU = ?, IngHopsHBU "
                               "= ? WHERE IngHopsID = ?"),
                {leadingNumber(loaded.rows.cellText(calc::Sheet::Hops, row, calc::HopCol::Ibu)),
                 leadingNumber(loaded.rows.cellText(calc::Sheet::Hops, row, calc::HopCol::Hbu)),
                 hopIds[i]});
        }
        recipe.moveNext();
    }
}

}  // namespace

int importCsvRows(Database& database, const Recordset& record, const QString& csvText,
                  const QString& sourceName, const QString& linkColumn,
                  const std::function<QVariant(const QString&)>& linkValue) {
    const std::vector<QStringList> rows = parseCsv(csvText);
    if (rows.empty()) {
        return 0;
    }
    const QStringList& header = rows.front();
    std::vector<const FieldBinding*> fieldOfColumn;
    int linkIndex = -1;
    QStringList columns;
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed();
        if (!linkColumn.isEmpty() && name == linkColumn) {
            linkIndex = i;
            fieldOfColumn.push_back(nullptr);
            continue;
        }
        const FieldBinding* found = nullptr;
        for (const FieldBinding& f : record.fields()) {
            if (f.column == name) {
                found = &f;
            }
        }
        if (found == nullptr) {
            throw DaoException(DaoError::ItemNotFound,
                               QStringLiteral("%1: the column '%2' is not in the table '%3'.")
                                   .arg(sourceName, name, record.sourceName()));
        }
        fieldOfColumn.push_back(found);
        columns << name;
    }
    if (linkIndex >= 0) {
        columns << QStringLiteral("IngRecipeID");
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    const QString insert =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quoted(record.sourceName()), quotedList(columns), marks.join(QLatin1Char(',')));
    int added = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int line = static_cast<int>(r) + 1;
        QVariantList values;
        QVariant link;
        for (int i = 0; i < header.size(); ++i) {
            const QString cell = i < cells.size() ? cells[i] : QString();
            if (i == linkIndex) {
                link = linkValue(cell.trimmed());
                if (!link.isValid()) {
                    throw badValue(sourceName, line, linkColumn, cell, "a known batch number");
                }
                continue;
            }
            values << convert(*fieldOfColumn[static_cast<std::size_t>(i)], cell, sourceName, line);
        }
        if (linkIndex >= 0) {
            values << link;
        }
        database.exec(insert, values);
        ++added;
    }
    return added;
}

void createSeededDataDatabase(const QString& path) {
    createDatabase(path, DatabaseKind::Data, [](Database& database) {
        for (const auto& record : tableRecords(DatabaseKind::Data)) {
            if (record->sourceName() == QLatin1String("HopsUtilization")) {
                seedUtilization(database);
                continue;
            }
            const QString name = QStringLiteral(":/seed/data/%1.csv").arg(record->sourceName());
            importCsvRows(database, *record, readResource(name), name);
        }
    });
}

void createSampleRecipeDatabase(const QString& path) {
    createDatabase(path, DatabaseKind::Recipe, [](Database& database) {
        const auto records = tableRecords(DatabaseKind::Recipe);
        const QString recipes = QStringLiteral(":/seed/samples/Recipes.csv");
        importCsvRows(database, *records.front(), readResource(recipes), recipes);
        const auto recipeIdOfBatch = [&database](const QString& batch) {
            return database.scalar(
                QStringLiteral("SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = ?"),
                {batch.toInt()});
        };
        for (std::size_t i = 1; i < records.size(); ++i) {
            const QString name =
                QStringLiteral(":/seed/samples/%1.csv").arg(records[i]->sourceName());
            importCsvRows(database, *records[i], readResource(name), name,
                          QStringLiteral("RecipeBatchNo"), recipeIdOfBatch);
        }
        calculateSampleHops(database);
    });
}

}  // namespace mw::storage
