#include "reports/report_data.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <memory>

#include "calc/hop_utilization.h"
#include "calc/recipe_calculation.h"
#include "reports/report_failure.h"
#include "resources/prompt_service.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/hop_utilization_reader.h"
#include "storage/ingredient_loader.h"

namespace mw::reports {

namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The calculations may raise messages; a report never asks anything.
class SilentPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
};

// The recipe columns the predictions read besides the layout's own.
const QStringList& predictionColumns() {
    static const QStringList columns{QStringLiteral("RecipeID"),
                                     QStringLiteral("RecipeBatchSize"),
                                     QStringLiteral("RecipeBoilSize"),
                                     QStringLiteral("RecipeMeasureEnglish"),
                                     QStringLiteral("RecipeSystemEfficiencyExpected"),
                                     QStringLiteral("RecipeFermPrimingName")};
    return columns;
}

// One open database file of the report, read-only.
class Source {
public:
    explicit Source(const QString& path) : m_path(path) {
        if (path.isEmpty()) {
            fail(error::kDatabaseUnopened,
                 {QStringLiteral("\"\""), QStringLiteral("no database file is named.")});
        }
        try {
            m_database.open(path, storage::Database::Access::ReadOnly);
        } catch (const storage::DaoException& e) {
            fail(error::kDatabaseUnopened, {shown(path), e.description().trimmed()});
        }
    }

    storage::Database& database() { return m_database; }

    // Checks that `table` holds every column; returns the table's columns.
    void require(const QString& table, const QStringList& columns) {
        QSqlRecord record;
        try {
            QSqlQuery probe =
                m_database.exec(QStringLiteral("SELECT * FROM %1 WHERE 0").arg(quoted(table)));
            record = probe.record();
        } catch (const storage::DaoException&) {
            fail(error::kTableMissing, {table, shown(m_path)});
        }
        for (const QString& column : columns) {
            bool found = false;
            for (int i = 0; i < record.count() && !found; ++i) {
                found = record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0;
            }
            if (!found) {
                fail(error::kColumnMissing, {column, table, shown(m_path)});
            }
        }
    }

    QSqlQuery select(const QString& table, const QStringList& columns, const QString& where,
                     const QVariantList& values, const QStringList& order) {
        QStringList names;
        for (const QString& c : columns) {
            names.append(quoted(c));
        }
        QString sql =
            QStringLiteral("SELECT %1 FROM %2").arg(names.join(QLatin1Char(',')), quoted(table));
        if (!where.isEmpty()) {
            sql += QStringLiteral(" WHERE ") + where;
        }
        if (!order.isEmpty()) {
            QStringList keys;
            for (const QString& o : order) {
                keys.append(quoted(o));
            }
            sql += QStringLiteral(" ORDER BY ") + keys.join(QLatin1Char(','));
        }
        try {
            return m_database.exec(sql, values);
        } catch (const storage::DaoException& e) {
            fail(error::kDatabaseUnread, {shown(m_path), e.description().trimmed()});
        }
    }

    const QString& path() const { return m_path; }

private:
    QString m_path;
    storage::Database m_database;
};

QStringList subreportColumns(const SubreportLayout& sub) {
    QStringList names{sub.childKey};
    for (const ReportColumn& c : sub.columns) {
        for (const QString& name : c.field.columns) {
            if (!names.contains(name)) {
                names.append(name);
            }
        }
    }
    for (const QString& o : sub.order) {
        if (!names.contains(o)) {
            names.append(o);
        }
    }
    return names;
}

RowColumns indexOf(const QStringList& names) {
    RowColumns columns;
    for (int i = 0; i < names.size(); ++i) {
        columns.index.insert(names[i], i);
    }
    return columns;
}

calc::HopUtilizationTable utilization(const QString& reference) {
    if (!reference.isEmpty()) {
        try {
            storage::Database data;
            data.open(reference, storage::Database::Access::ReadOnly);
            storage::CRecordSetHopsUtilization records(&data);
            records.open(storage::OpenType::Table,
                         storage::OpenOption::ReadOnly | storage::OpenOption::ForwardOnly);
            calc::HopUtilizationTable table;
            if (storage::readUtilizationGrid(records, table) ==
                calc::HopUtilizationTable::kEntries) {
                return table;
            }
        } catch (const storage::DaoException&) {
            // The built-in table stands in for a reference database that cannot be read.
        }
    }
    return calc::HopUtilizationTable::tinsethDefaults();
}

void predict(ReportRecord& record, const RowColumns& columns, Source& source,
             const calc::HopUtilizationTable& table) {
    const auto value = [&](const char* name) {
        return record.values.value(columns.of(QLatin1String(name)));
    };
    calc::RecipeFieldValues fields;
    fields.batch = value("RecipeBatchSize").toDouble();
    fields.boil = value("RecipeBoilSize").toDouble();
    fields.measure = value("RecipeMeasureEnglish").toInt();
    fields.efficiency = value("RecipeSystemEfficiencyExpected").toDouble();
    fields.primingName = value("RecipeFermPrimingName").toString().toStdString();
    storage::LoadedIngredients ingredients;
    try {
        ingredients = storage::loadIngredients(source.database(), value("RecipeID").toInt());
    } catch (const storage::DaoException& e) {
        fail(error::kDatabaseUnread, {shown(source.path()), e.description().trimmed()});
    }
    SilentPrompts prompts;
    calc::RecipeCalculation calculation(fields, ingredients.rows, table, prompts);
    calculation.RecalculateRecipe(false);
    const calc::CalcResults& r = calculation.results();
    record.predictions = {r.originalGravity, r.totalIbu, r.totalHbu, r.alcohol, r.color};
}

}  // namespace

std::optional<RecordFilter> parseFilterFormula(const QString& formula, const QString& table) {
    if (formula.trimmed().isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*\{\s*([A-Za-z_][A-Za-z0-9_]*)\.([A-Za-z_][A-Za-z0-9_]*)\s*\}\s*=\s*)"
                       R"((-?[0-9]+(?:\.[0-9]+)?|"[^"]*"|'[^']*')\s*$)"));
    const QRegularExpressionMatch m = re.match(formula);
    if (!m.hasMatch() || m.captured(1).compare(table, Qt::CaseInsensitive) != 0) {
        fail(error::kFilterNotUnderstood, {QLatin1Char('"') + formula + QLatin1Char('"'), table});
    }
    RecordFilter filter{m.captured(1), m.captured(2), QVariant()};
    const QString value = m.captured(3);
    if (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) {
        filter.value = value.mid(1, value.size() - 2);
    } else if (value.contains(QLatin1Char('.'))) {
        filter.value = value.toDouble();
    } else {
        filter.value = value.toLongLong();
    }
    return filter;
}

ReportData readReportData(const ReportLayout& layout, const ReportSources& sources) {
    ReportData data;
    Source main(sources.main.location);

    QStringList names = layout.mainColumns();
    const bool predictions = layout.usesPredictions();
    if (predictions) {
        for (const QString& c : predictionColumns()) {
            if (!names.contains(c)) {
                names.append(c);
            }
        }
    }
    if (sources.filter && !names.contains(sources.filter->column)) {
        main.require(layout.table, {sources.filter->column});
    }
    main.require(layout.table, names);
    data.columns = indexOf(names);

    QString where;
    QVariantList values;
    if (sources.filter) {
        where = quoted(sources.filter->column) + QStringLiteral(" = ?");
        values.append(sources.filter->value);
    }
    QSqlQuery query = main.select(layout.table, names, where, values, layout.order);
    const int width = static_cast<int>(names.size());
    while (query.next()) {
        ReportRecord record;
        record.values.reserve(width);
        for (int i = 0; i < width; ++i) {
            record.values.append(query.value(i));
        }
        data.records.append(std::move(record));
    }

    // Subreports: each reads its own database when it has been given one.
    std::vector<std::unique_ptr<Source>> own;
    for (qsizetype s = 0; s < layout.subreports.size(); ++s) {
        const SubreportLayout& sub = layout.subreports[s];
        const QString location = sources.subreports.value(s).location;
        Source* source = &main;
        if (!location.isEmpty() && storage::canonicalDatabasePath(location) !=
                                       storage::canonicalDatabasePath(main.path())) {
            own.push_back(std::make_unique<Source>(location));
            source = own.back().get();
        }
        const QStringList subNames = subreportColumns(sub);
        source->require(sub.table, subNames);
        data.subColumns.append(indexOf(subNames));
        const int parent = data.columns.of(sub.parentKey);
        for (ReportRecord& record : data.records) {
            QSqlQuery rows =
                source->select(sub.table, subNames, quoted(sub.childKey) + QStringLiteral(" = ?"),
                               {record.values.value(parent)}, sub.order);
            QVector<QVector<QVariant>> list;
            while (rows.next()) {
                QVector<QVariant> row;
                row.reserve(subNames.size());
                for (int i = 0; i < subNames.size(); ++i) {
                    row.append(rows.value(i));
                }
                list.append(std::move(row));
            }
            record.subRows.append(std::move(list));
        }
    }

    if (predictions) {
        const calc::HopUtilizationTable table = utilization(sources.referenceDatabase);
        for (ReportRecord& record : data.records) {
            predict(record, data.columns, main, table);
        }
    }
    return data;
}

}  // namespace mw::reports
