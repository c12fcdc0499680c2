#include "grid/grid_settings.h"

#include <QFile>
#include <QFileInfo>

#include "resources/message_catalogue.h"
#include "resources/prompt_service.h"

namespace mw::grid {

namespace {

constexpr int kMaxDecimals = 15;

// Splits a line into words; quoted words may hold blanks. False when a quote
// is not closed.
bool tokenize(const QString& line, QStringList& words) {
    words.clear();
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i].isSpace()) {
            ++i;
        }
        if (i >= line.size()) {
            break;
        }
        QString word;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                        word += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                word += line[i++];
            }
            if (!closed) {
                return false;
            }
        } else {
            while (i < line.size() && !line[i].isSpace()) {
                word += line[i++];
            }
        }
        words << word;
    }
    return true;
}

QString quote(const QString& word) {
    QString escaped = word;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

GridSettingsRead failure(int line, const QString& reason) {
    GridSettingsRead r;
    r.errorLine = line;
    r.error = reason;
    return r;
}

bool readInt(const QString& word, int& out) {
    bool ok = false;
    out = word.toInt(&ok);
    return ok;
}

}  // namespace

int GridSettings::pixels(int widthTenths, double pixelsPerInch) {
    return static_cast<int>(pixelsPerInch) / 10 * widthTenths;
}

GridSettingsRead parseGridSettings(const QString& text) {
    GridSettings settings;
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList words;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = static_cast<int>(n) + 1;
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (!tokenize(line, words)) {
            return failure(lineNumber, QStringLiteral("a quote is not closed"));
        }
        const QString keyword = words.takeFirst();
        if (keyword == QLatin1String("grid") && words.size() == 1) {
            settings.title = words[0];
        } else if ((keyword == QLatin1String("font") || keyword == QLatin1String("font2")) &&
                   words.size() == 2) {
            int points = 0;
            if (!readInt(words[1], points) || points <= 0) {
                return failure(lineNumber, QStringLiteral("the font size is not a number"));
            }
            if (keyword == QLatin1String("font")) {
                settings.fontFamily = words[0];
                settings.fontPoints = points;
            } else {
                settings.secondFontFamily = words[0];
                settings.secondFontPoints = points;
            }
        } else if (keyword == QLatin1String("sheet") && words.size() == 1) {
            settings.sheets.push_back({words[0], {}, {}});
        } else if (keyword == QLatin1String("rows") && !settings.sheets.empty()) {
            settings.sheets.back().rowHeadings = words;
        } else if (keyword == QLatin1String("column") && words.size() >= 3) {
            if (settings.sheets.empty()) {
                return failure(lineNumber, QStringLiteral("a column comes before any sheet"));
            }
            ColumnSettings column;
            column.heading = words[0];
            const auto kind = cellKindFromName(words[1]);
            if (!kind) {
                return failure(lineNumber,
                               QStringLiteral("\"%1\" is not a kind of cell").arg(words[1]));
            }
            column.kind = *kind;
            if (!readInt(words[2], column.widthTenths) || column.widthTenths < 0) {
                return failure(lineNumber, QStringLiteral("the column width is not a number"));
            }
            for (qsizetype i = 3; i < words.size(); ++i) {
                if (words[i].startsWith(QLatin1String("decimals="))) {
                    if (!readInt(words[i].mid(9), column.decimals)) {
                        return failure(lineNumber, QStringLiteral("decimals is not a number"));
                    }
                    // A double holds no more than 15 decimals worth showing.
                    if (column.decimals > kMaxDecimals) {
                        return failure(
                            lineNumber,
                            QStringLiteral("decimals is more than %1").arg(kMaxDecimals));
                    }
                } else {
                    column.items << words[i];
                }
            }
            settings.sheets.back().columns.push_back(column);
        } else {
            return failure(lineNumber, QStringLiteral("\"%1\" is not understood").arg(keyword));
        }
    }
    if (settings.sheets.empty()) {
        return failure(static_cast<int>(lines.size()), QStringLiteral("there is no sheet"));
    }
    GridSettingsRead r;
    r.settings = settings;
    return r;
}

QString writeGridSettings(const GridSettings& settings) {
    QString out = QStringLiteral("# Maltwise Calculator grid settings\n");
    out += QStringLiteral("grid %1\n").arg(quote(settings.title));
    out += QStringLiteral("font %1 %2\n").arg(quote(settings.fontFamily)).arg(settings.fontPoints);
    out += QStringLiteral("font2 %1 %2\n")
               .arg(quote(settings.secondFontFamily))
               .arg(settings.secondFontPoints);
    for (const SheetSettings& sheet : settings.sheets) {
        out += QStringLiteral("\nsheet %1\n").arg(quote(sheet.title));
        for (const ColumnSettings& c : sheet.columns) {
            out += QStringLiteral("column %1 %2 %3")
                       .arg(quote(c.heading), cellKindName(c.kind))
                       .arg(c.widthTenths);
            for (const QString& item : c.items) {
                out += QLatin1Char(' ') + quote(item);
            }
            if (c.decimals >= 0) {
                out += QStringLiteral(" decimals=%1").arg(c.decimals);
            }
            out += QLatin1Char('\n');
        }
        if (!sheet.rowHeadings.isEmpty()) {
            out += QStringLiteral("rows");
            for (const QString& heading : sheet.rowHeadings) {
                out += QLatin1Char(' ') + quote(heading);
            }
            out += QLatin1Char('\n');
        }
    }
    return out;
}

GridSettings loadGridSettings(const QString& path, const QString& builtInName, QString* problem) {
    QFile file(path);
    QString reason;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        const GridSettingsRead read = parseGridSettings(QString::fromUtf8(file.readAll()));
        if (read.settings) {
            return *read.settings;
        }
        reason = QStringLiteral("line %1: %2").arg(read.errorLine).arg(read.error);
    } else {
        reason = QStringLiteral("the file is missing");
    }
    if (problem != nullptr) {
        // A file not found at all has no path: name the file that was looked for.
        const QString shown = path.isEmpty() ? builtInName : QFileInfo(path).fileName();
        *problem = QStringLiteral("%1 (%2)").arg(shown, reason);
    }
    QFile builtIn(QStringLiteral(":/grid/") + builtInName);
    builtIn.open(QIODevice::ReadOnly);
    const GridSettingsRead fallback = parseGridSettings(QString::fromUtf8(builtIn.readAll()));
    return fallback.settings.value_or(GridSettings{});
}

}  // namespace mw::grid

namespace mw::grid {

GridSettings loadGridSettings(const QString& path, const QString& builtInName,
                              PromptService& prompts) {
    constexpr int kMsgSettingsFallback = 1053;
    QString problem;
    GridSettings settings = loadGridSettings(path, builtInName, &problem);
    if (!problem.isEmpty()) {
        prompts.show(kMsgSettingsFallback,
                     formatMessage(kMsgSettingsFallback, problem.toStdString()),
                     PromptIcon::Exclamation);
    }
    return settings;
}

}  // namespace mw::grid
