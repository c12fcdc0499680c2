#pragma once

#include <QMarginsF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace mw::reports {

// What a report layout file describes: the page, the title, the main table
// with its order and filterable columns, and either one line per record
// (a list, optionally grouped) or a page per record made of field blocks,
// paragraphs and subreports (the ingredient lists of a recipe). The file
// format is documented in docs/report-layouts.md.

inline constexpr int kLayoutVersion = 1;

enum class PaperSize { A4, Letter };
enum class Orientation { Portrait, Landscape };
enum class LayoutKind { List, Record };

// How one value is written.
enum class FormatKind { Text, Integer, Number, Date, YesNo, Choice };
struct FieldFormat {
    FormatKind kind = FormatKind::Text;
    int decimals = 0;     // Number
    QStringList choices;  // Choice: the text of code 0, 1, ...
};

// How the values of a field's columns make one text: one column; a range
// "lo – hi"; the names of the set flags; the values that are not empty,
// separated by commas; or a pattern with %1, %2, ...
enum class FieldJoin { Single, Range, Flags, List, Pattern };

// A column of the record's table, or a prediction worked out from the
// recipe ("=OriginalGravity", "=IBU", "=HBU", "=Alcohol", "=Color").
struct FieldRef {
    QStringList columns;
    FieldJoin join = FieldJoin::Single;
    QStringList flagNames;  // Flags: the text shown for each set column
    QString pattern;        // Pattern
};

struct ReportColumn {
    FieldRef field;
    QString heading;
    double width = 1.0;  // share of the line's width
    FieldFormat format;
};

struct ReportField {
    FieldRef field;
    QString label;
    FieldFormat format;
};

// One block of a record page.
struct RecordBlock {
    enum class Kind { Fields, Paragraph, Subreport };
    Kind kind = Kind::Fields;
    QString title;
    int fieldColumns = 2;         // Fields: label/value pairs side by side
    QVector<ReportField> fields;  // Fields
    QString paragraphColumn;      // Paragraph: a long text, full width
    int subreport = -1;           // Subreport: index into subreports
};

// A list of rows of another table that belong to the record: rows whose
// `childKey` equals the record's `parentKey`.
struct SubreportLayout {
    QString name;
    QString table;
    QString childKey;
    QString parentKey;
    QStringList order;
    QVector<ReportColumn> columns;
};

struct ReportLayout {
    int version = kLayoutVersion;
    QString title;
    PaperSize paper = PaperSize::A4;
    Orientation orientation = Orientation::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};
    double fontSize = 9.0;
    LayoutKind kind = LayoutKind::List;
    QString table;
    QStringList order;
    QString group;                  // List: a heading whenever this column changes
    QVector<ReportColumn> columns;  // List
    QString heading;                // Record: the column shown as each record's heading
    QVector<RecordBlock> blocks;    // Record
    QVector<SubreportLayout> subreports;

    // Every column of the main table the report reads (predictions excluded).
    QStringList mainColumns() const;
    // True when a field shows a prediction worked out from the recipe.
    bool usesPredictions() const;
};

// The prediction names a field may show.
const QStringList& predictionNames();

// Why a layout file could not be read.
struct LayoutError {
    enum class Kind { NotALayout, UnknownVersion, Damaged };
    Kind kind = Kind::Damaged;
    int line = 0;    // Damaged: the line that is wrong (from 1)
    QString detail;  // Damaged: what is wrong; UnknownVersion: the version found
};

// Reads a layout from its text; throws LayoutError.
ReportLayout parseLayout(const QString& text);

}  // namespace mw::reports
