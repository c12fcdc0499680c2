#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <array>
#include <optional>

#include "reports/report_layout.h"

namespace mw::reports {

// Where a table of a report is read from: the database file in `location`
// (the sub-location and connect text are kept for the program that sets
// them and otherwise unused).
struct TableLocation {
    QString location;
    QString subLocation;
    QString connect;

    bool operator==(const TableLocation&) const = default;
};

// The record filter "{Table.Column} = value": only the main table's records
// whose column holds the value are reported.
struct RecordFilter {
    QString table;
    QString column;
    QVariant value;
};

// Reads a filter formula; an empty formula is no filter. Throws
// ReportFailure when the formula is not of the form above or names another
// table than `table`.
std::optional<RecordFilter> parseFilterFormula(const QString& formula, const QString& table);

// The columns of a set of rows, by name.
struct RowColumns {
    QHash<QString, int> index;
    int of(const QString& column) const { return index.value(column, -1); }
};

// One record of the report's main table with the rows of each subreport
// that belong to it and, when the layout shows them, the recipe's
// predictions (in the order of predictionNames()).
struct ReportRecord {
    QVector<QVariant> values;
    QVector<QVector<QVector<QVariant>>> subRows;
    std::array<double, 5> predictions{};
};

struct ReportData {
    RowColumns columns;
    QVector<RowColumns> subColumns;
    QVector<ReportRecord> records;
};

struct ReportSources {
    TableLocation main;
    QVector<TableLocation> subreports;  // an empty location reads the main database
    // The data database whose hop utilization table the predictions use;
    // without one, the program's built-in table.
    QString referenceDatabase;
    std::optional<RecordFilter> filter;
};

// Reads every record the report shows. Throws ReportFailure when a database
// cannot be opened or read, or lacks a table or column the layout names.
ReportData readReportData(const ReportLayout& layout, const ReportSources& sources);

}  // namespace mw::reports
