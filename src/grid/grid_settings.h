#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "grid/cell_kind.h"

namespace mw {
class PromptService;
}

namespace mw::grid {

// How a grid looks: its title and fonts, and per sheet its tab title and
// columns (heading, cell kind, width, list items, decimals).
//
// The ".gws" settings file is plain UTF-8 text, one statement a line; "#"
// starts a comment line; words with blanks are written in double quotes
// ("" inside quotes is a quote):
//
//   grid "Recipe Ingredients"
//   font "Arial" 9
//   font2 "MS San Serif" 8
//   sheet "Kits"
//   column "Units" dropdown 5 "lbs" "kg"
//   column "HBU" float 5 decimals=1
//   rows "Original Gravity" "Alcohol"      (a fixed table's row headings)
//
// A column's width is in tenths of an inch (0 hides the column); the grid
// turns it into pixels with the screen's pixels per inch. A `sheet` line starts a sheet; the
// `column` lines after it are its columns, left to right.
struct ColumnSettings {
    QString heading;
    CellKind kind = CellKind::Edit;
    int widthTenths = 10;
    QStringList items;  // choices of a combo or drop-down column
    int decimals = -1;  // shown decimals of a float column; -1 as typed

    bool operator==(const ColumnSettings&) const = default;
};

struct SheetSettings {
    QString title;
    std::vector<ColumnSettings> columns;
    QStringList rowHeadings;  // a fixed-size sheet's headings of rows 1, 2, ...

    bool operator==(const SheetSettings&) const = default;
};

struct GridSettings {
    QString title;
    QString fontFamily = QStringLiteral("Arial");
    int fontPoints = 9;
    QString secondFontFamily = QStringLiteral("MS San Serif");
    int secondFontPoints = 8;
    std::vector<SheetSettings> sheets;

    bool operator==(const GridSettings&) const = default;

    // Width in pixels: (pixels per inch / 10, a whole number) x tenths.
    static int pixels(int widthTenths, double pixelsPerInch);
};

// The result of reading a settings file: the settings, or the line and the
// reason it could not be read.
struct GridSettingsRead {
    std::optional<GridSettings> settings;
    int errorLine = 0;
    QString error;
};

GridSettingsRead parseGridSettings(const QString& text);
QString writeGridSettings(const GridSettings& settings);

// Reads a settings file. A missing or damaged file gives the built-in copy
// shipped inside the program (":/grid/<name>") and sets `problem` to a clear
// description for the user.
GridSettings loadGridSettings(const QString& path, const QString& builtInName, QString* problem);

// The same, telling the user through the prompt service when the file could
// not be used.
GridSettings loadGridSettings(const QString& path, const QString& builtInName,
                              PromptService& prompts);

}  // namespace mw::grid
