#include "reports/report_layout.h"

#include <QRegularExpression>
#include <optional>

namespace mw::reports {

namespace {

const QString kMagic = QStringLiteral("maltwise-report");

// A line split into words; a word in double quotes keeps its blanks, and \"
// and \\ stand for a quote and a backslash inside it. '#' outside quotes
// begins a comment.
struct Token {
    QString text;
    bool quoted = false;
};

[[noreturn]] void damaged(int line, const QString& detail) {
    throw LayoutError{LayoutError::Kind::Damaged, line, detail};
}

QVector<Token> tokenize(const QString& line, int number) {
    QVector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const QChar c = line[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#')) {
            break;
        }
        Token token;
        if (c == QLatin1Char('"')) {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar q = line[i];
                if (q == QLatin1Char('\\') && i + 1 < n) {
                    token.text += line[i + 1];
                    i += 2;
                    continue;
                }
                ++i;
                if (q == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                token.text += q;
            }
            if (!closed) {
                damaged(number, QStringLiteral("a quoted text has no closing quote"));
            }
        } else {
            while (i < n && !line[i].isSpace() && line[i] != QLatin1Char('"')) {
                token.text += line[i++];
            }
        }
        tokens.append(token);
    }
    return tokens;
}

bool isIdentifier(const QString& word) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(word).hasMatch();
}

QString identifier(const Token& token, int line, const char* what) {
    if (token.quoted || !isIdentifier(token.text)) {
        damaged(
            line,
            QStringLiteral("\"%1\" is not a valid %2 name").arg(token.text, QLatin1String(what)));
    }
    return token.text;
}

double numberIn(const Token& token, int line, double low, double high, const char* what) {
    bool ok = false;
    const double value = token.text.toDouble(&ok);
    if (!ok || value < low || value > high) {
        damaged(line, QStringLiteral("the %1 \"%2\" is not a number from %3 to %4")
                          .arg(QLatin1String(what), token.text)
                          .arg(low)
                          .arg(high));
    }
    return value;
}

// The tokens of a line with its keyword removed, checked for a count.
class Words {
public:
    Words(QVector<Token> tokens, int line) : m_t(std::move(tokens)), m_line(line) {}
    const QString& keyword() const { return m_t[0].text; }
    qsizetype count() const { return m_t.size() - 1; }
    const Token& at(qsizetype i) const { return m_t[i + 1]; }
    void need(qsizetype low, qsizetype high = -1) const {
        const qsizetype high2 = high < 0 ? low : high;
        if (count() < low || count() > high2) {
            damaged(m_line, QStringLiteral("\"%1\" takes %2 value(s), found %3")
                                .arg(keyword(),
                                     low == high2 ? QString::number(low)
                                                  : QStringLiteral("%1 to %2").arg(low).arg(high2))
                                .arg(count()));
        }
    }
    int line() const { return m_line; }

private:
    QVector<Token> m_t;
    int m_line;
};

FieldRef parseFieldRef(const Token& token, int line) {
    if (token.quoted) {
        damaged(line, QStringLiteral("a field is named without quotes"));
    }
    FieldRef ref;
    const QString& text = token.text;
    if (text.contains(QLatin1String(".."))) {
        ref.join = FieldJoin::Range;
        ref.columns = text.split(QLatin1String(".."));
    } else if (text.contains(QLatin1Char('+'))) {
        ref.join = FieldJoin::Flags;
        ref.columns = text.split(QLatin1Char('+'));
    } else if (text.contains(QLatin1Char(';'))) {
        ref.join = FieldJoin::List;
        ref.columns = text.split(QLatin1Char(';'));
    } else if (text.contains(QLatin1Char(','))) {
        ref.join = FieldJoin::Pattern;
        ref.columns = text.split(QLatin1Char(','));
    } else {
        ref.columns = QStringList{text};
    }
    if (ref.join == FieldJoin::Range && ref.columns.size() != 2) {
        damaged(line, QStringLiteral("a range names two columns: \"%1\"").arg(text));
    }
    for (const QString& column : std::as_const(ref.columns)) {
        if (column.startsWith(QLatin1Char('='))) {
            if (!predictionNames().contains(column.mid(1))) {
                damaged(line, QStringLiteral("\"%1\" is not a prediction (one of %2)")
                                  .arg(column, predictionNames().join(QStringLiteral(", "))));
            }
        } else if (!isIdentifier(column)) {
            damaged(line, QStringLiteral("\"%1\" is not a valid column name").arg(column));
        }
    }
    return ref;
}

// The format words from `first` on; flags and patterns complete `ref`.
FieldFormat parseFormat(const Words& w, qsizetype first, FieldRef& ref) {
    if (first >= w.count()) {
        damaged(w.line(), QStringLiteral("\"%1\" needs a format").arg(w.keyword()));
    }
    const QString kind = w.at(first).text;
    const qsizetype rest = w.count() - first - 1;
    const auto quotedRest = [&] {
        QStringList texts;
        for (qsizetype i = first + 1; i < w.count(); ++i) {
            texts.append(w.at(i).text);
        }
        return texts;
    };
    const auto noMore = [&] {
        if (rest != 0) {
            damaged(w.line(), QStringLiteral("the format \"%1\" takes no values").arg(kind));
        }
    };
    FieldFormat format;
    if (ref.join == FieldJoin::Flags) {
        if (kind != QLatin1String("flags") || rest != ref.columns.size()) {
            damaged(w.line(), QStringLiteral("columns joined with + need the format flags "
                                             "with one text per column"));
        }
        ref.flagNames = quotedRest();
        return format;
    }
    if (ref.join == FieldJoin::Pattern) {
        if (kind != QLatin1String("pattern") || rest != 1 ||
            !w.at(first + 1).text.contains(QLatin1String("%1"))) {
            damaged(w.line(), QStringLiteral("columns joined with , need the format pattern "
                                             "with one text holding %1"));
        }
        ref.pattern = w.at(first + 1).text;
        return format;
    }
    if (kind == QLatin1String("text")) {
        noMore();
    } else if (kind == QLatin1String("integer")) {
        noMore();
        format.kind = FormatKind::Integer;
    } else if (kind == QLatin1String("date")) {
        noMore();
        format.kind = FormatKind::Date;
    } else if (kind == QLatin1String("yesno")) {
        noMore();
        format.kind = FormatKind::YesNo;
    } else if (kind == QLatin1String("number")) {
        if (rest != 1) {
            damaged(w.line(), QStringLiteral("the format number takes its decimals"));
        }
        format.kind = FormatKind::Number;
        format.decimals = static_cast<int>(numberIn(w.at(first + 1), w.line(), 0, 6, "decimals"));
    } else if (kind == QLatin1String("choice")) {
        if (rest < 1) {
            damaged(w.line(), QStringLiteral("the format choice needs the texts of its codes"));
        }
        format.kind = FormatKind::Choice;
        format.choices = quotedRest();
    } else {
        damaged(w.line(), QStringLiteral("\"%1\" is not a format (text, integer, number, date, "
                                         "yesno, choice, flags, pattern)")
                              .arg(kind));
    }
    return format;
}

QStringList identifiers(const Words& w, qsizetype first, const char* what) {
    QStringList names;
    for (qsizetype i = first; i < w.count(); ++i) {
        names.append(identifier(w.at(i), w.line(), what));
    }
    return names;
}

QString quotedText(const Words& w, qsizetype i) {
    if (!w.at(i).quoted) {
        damaged(w.line(), QStringLiteral("\"%1\" wants a text in quotes, found %2")
                              .arg(w.keyword(), w.at(i).text));
    }
    return w.at(i).text;
}

ReportColumn parseColumn(const Words& w) {
    if (w.count() < 4) {
        damaged(w.line(), QStringLiteral("a column reads: column FIELD \"Heading\" WIDTH FORMAT"));
    }
    ReportColumn column;
    column.field = parseFieldRef(w.at(0), w.line());
    column.heading = quotedText(w, 1);
    column.width = numberIn(w.at(2), w.line(), 0.1, 100, "width");
    column.format = parseFormat(w, 3, column.field);
    return column;
}

}  // namespace

const QStringList& predictionNames() {
    static const QStringList names{QStringLiteral("OriginalGravity"), QStringLiteral("IBU"),
                                   QStringLiteral("HBU"), QStringLiteral("Alcohol"),
                                   QStringLiteral("Color")};
    return names;
}

QStringList ReportLayout::mainColumns() const {
    QStringList names;
    const auto add = [&names](const FieldRef& ref) {
        for (const QString& c : ref.columns) {
            if (!c.startsWith(QLatin1Char('=')) && !names.contains(c)) {
                names.append(c);
            }
        }
    };
    for (const ReportColumn& c : columns) {
        add(c.field);
    }
    for (const RecordBlock& b : blocks) {
        for (const ReportField& f : b.fields) {
            add(f.field);
        }
        if (!b.paragraphColumn.isEmpty()) {
            add(FieldRef{{b.paragraphColumn}, FieldJoin::Single, {}, {}});
        }
    }
    for (const SubreportLayout& s : subreports) {
        add(FieldRef{{s.parentKey}, FieldJoin::Single, {}, {}});
    }
    for (const QString& extra : {group, heading}) {
        if (!extra.isEmpty()) {
            add(FieldRef{{extra}, FieldJoin::Single, {}, {}});
        }
    }
    for (const QString& o : order) {
        add(FieldRef{{o}, FieldJoin::Single, {}, {}});
    }
    return names;
}

bool ReportLayout::usesPredictions() const {
    for (const RecordBlock& b : blocks) {
        for (const ReportField& f : b.fields) {
            for (const QString& c : f.field.columns) {
                if (c.startsWith(QLatin1Char('='))) {
                    return true;
                }
            }
        }
    }
    return false;
}

ReportLayout parseLayout(const QString& text) {
    ReportLayout layout;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool sawMagic = false;
    bool sawEnd = false;
    bool kindGiven = false;
    enum class Context { Top, Section, Subreport } context = Context::Top;
    int lastLine = 0;

    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (!sawMagic) {
            const QString trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
                continue;
            }
            const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.value(0) != kMagic) {
                throw LayoutError{LayoutError::Kind::NotALayout, number, trimmed.left(40)};
            }
            bool ok = false;
            const int version = words.value(1).toInt(&ok);
            if (!ok || words.size() != 2) {
                damaged(number, QStringLiteral("the first line reads \"%1 VERSION\"").arg(kMagic));
            }
            if (version != kLayoutVersion) {
                throw LayoutError{LayoutError::Kind::UnknownVersion, number,
                                  QString::number(version)};
            }
            layout.version = version;
            sawMagic = true;
            continue;
        }
        QVector<Token> tokens = tokenize(line, number);
        if (tokens.isEmpty()) {
            continue;
        }
        if (sawEnd) {
            damaged(number, QStringLiteral("text follows the line \"end\""));
        }
        lastLine = number;
        const Words w(std::move(tokens), number);
        const QString& key = w.keyword();
        if (key == QLatin1String("end")) {
            w.need(0);
            sawEnd = true;
        } else if (key == QLatin1String("title")) {
            w.need(1);
            layout.title = quotedText(w, 0);
        } else if (key == QLatin1String("paper")) {
            w.need(1);
            const QString paper = w.at(0).text;
            if (paper == QLatin1String("A4")) {
                layout.paper = PaperSize::A4;
            } else if (paper == QLatin1String("Letter")) {
                layout.paper = PaperSize::Letter;
            } else {
                damaged(number, QStringLiteral("the paper is A4 or Letter, not \"%1\"").arg(paper));
            }
        } else if (key == QLatin1String("orientation")) {
            w.need(1);
            const QString o = w.at(0).text;
            if (o == QLatin1String("portrait")) {
                layout.orientation = Orientation::Portrait;
            } else if (o == QLatin1String("landscape")) {
                layout.orientation = Orientation::Landscape;
            } else {
                damaged(
                    number,
                    QStringLiteral("the orientation is portrait or landscape, not \"%1\"").arg(o));
            }
        } else if (key == QLatin1String("margins")) {
            w.need(4);
            layout.marginsMm = QMarginsF(numberIn(w.at(0), number, 0, 60, "margin"),
                                         numberIn(w.at(1), number, 0, 60, "margin"),
                                         numberIn(w.at(2), number, 0, 60, "margin"),
                                         numberIn(w.at(3), number, 0, 60, "margin"));
        } else if (key == QLatin1String("font-size")) {
            w.need(1);
            layout.fontSize = numberIn(w.at(0), number, 5, 30, "font size");
        } else if (key == QLatin1String("layout")) {
            w.need(1);
            const QString k = w.at(0).text;
            if (kindGiven || context != Context::Top || !layout.columns.isEmpty()) {
                damaged(number, QStringLiteral("\"layout\" comes once, before any column"));
            }
            if (k == QLatin1String("list")) {
                layout.kind = LayoutKind::List;
            } else if (k == QLatin1String("record")) {
                layout.kind = LayoutKind::Record;
            } else {
                damaged(number, QStringLiteral("the layout is list or record, not \"%1\"").arg(k));
            }
            kindGiven = true;
        } else if (key == QLatin1String("table")) {
            w.need(1);
            layout.table = identifier(w.at(0), number, "table");
        } else if (key == QLatin1String("order")) {
            if (w.count() < 1) {
                damaged(number, QStringLiteral("\"order\" names at least one column"));
            }
            layout.order = identifiers(w, 0, "column");
        } else if (key == QLatin1String("group")) {
            w.need(1);
            layout.group = identifier(w.at(0), number, "column");
        } else if (key == QLatin1String("heading")) {
            w.need(1);
            layout.heading = identifier(w.at(0), number, "column");
        } else if (key == QLatin1String("column")) {
            if (context == Context::Subreport) {
                layout.subreports.last().columns.append(parseColumn(w));
            } else if (context == Context::Top && layout.kind == LayoutKind::List) {
                layout.columns.append(parseColumn(w));
            } else {
                damaged(number, QStringLiteral("a column belongs to a list or a subreport"));
            }
        } else if (key == QLatin1String("section")) {
            if (layout.kind != LayoutKind::Record) {
                damaged(number, QStringLiteral("sections belong to a record layout"));
            }
            if (w.count() != 1 && w.count() != 3) {
                damaged(number, QStringLiteral("a section reads: section \"Title\" [columns N]"));
            }
            RecordBlock block;
            block.title = quotedText(w, 0);
            if (w.count() == 3) {
                if (w.at(1).text != QLatin1String("columns")) {
                    damaged(number,
                            QStringLiteral("a section reads: section \"Title\" [columns N]"));
                }
                block.fieldColumns = static_cast<int>(numberIn(w.at(2), number, 1, 4, "columns"));
            }
            layout.blocks.append(block);
            context = Context::Section;
        } else if (key == QLatin1String("field")) {
            if (context != Context::Section) {
                damaged(number, QStringLiteral("a field belongs to a section"));
            }
            if (w.count() < 3) {
                damaged(number, QStringLiteral("a field reads: field FIELD \"Label\" FORMAT"));
            }
            ReportField field;
            field.field = parseFieldRef(w.at(0), number);
            field.label = quotedText(w, 1);
            field.format = parseFormat(w, 2, field.field);
            layout.blocks.last().fields.append(field);
        } else if (key == QLatin1String("paragraph")) {
            if (layout.kind != LayoutKind::Record) {
                damaged(number, QStringLiteral("paragraphs belong to a record layout"));
            }
            w.need(2);
            RecordBlock block;
            block.kind = RecordBlock::Kind::Paragraph;
            block.title = quotedText(w, 0);
            block.paragraphColumn = identifier(w.at(1), number, "column");
            layout.blocks.append(block);
            context = Context::Top;
        } else if (key == QLatin1String("subreport")) {
            if (layout.kind != LayoutKind::Record) {
                damaged(number, QStringLiteral("subreports belong to a record layout"));
            }
            if (w.count() < 4 || (w.count() > 4 && w.at(4).text != QLatin1String("order")) ||
                w.count() == 5) {
                damaged(number, QStringLiteral("a subreport reads: subreport \"Name\" TABLE "
                                               "CHILDKEY PARENTKEY [order COLUMN...]"));
            }
            SubreportLayout sub;
            sub.name = quotedText(w, 0);
            sub.table = identifier(w.at(1), number, "table");
            sub.childKey = identifier(w.at(2), number, "column");
            sub.parentKey = identifier(w.at(3), number, "column");
            if (w.count() > 5) {
                sub.order = identifiers(w, 5, "column");
            }
            for (const SubreportLayout& other : std::as_const(layout.subreports)) {
                if (other.name == sub.name) {
                    damaged(number,
                            QStringLiteral("two subreports are named \"%1\"").arg(sub.name));
                }
            }
            layout.subreports.append(sub);
            RecordBlock block;
            block.kind = RecordBlock::Kind::Subreport;
            block.title = sub.name;
            block.subreport = static_cast<int>(layout.subreports.size() - 1);
            layout.blocks.append(block);
            context = Context::Subreport;
        } else {
            damaged(number, QStringLiteral("\"%1\" is not a layout word").arg(key));
        }
    }

    if (!sawMagic) {
        throw LayoutError{LayoutError::Kind::NotALayout, 1, QString()};
    }
    const int at = lastLine > 0 ? lastLine : 1;
    if (!sawEnd) {
        damaged(at, QStringLiteral("the layout stops before its last line \"end\" "
                                   "(the file is cut short)"));
    }
    if (layout.title.isEmpty()) {
        damaged(at, QStringLiteral("the layout has no title"));
    }
    if (layout.table.isEmpty()) {
        damaged(at, QStringLiteral("the layout names no table"));
    }
    if (layout.kind == LayoutKind::List && layout.columns.isEmpty()) {
        damaged(at, QStringLiteral("the list has no columns"));
    }
    if (layout.kind == LayoutKind::Record && layout.blocks.isEmpty()) {
        damaged(at, QStringLiteral("the record layout has no sections"));
    }
    for (const SubreportLayout& sub : std::as_const(layout.subreports)) {
        if (sub.columns.isEmpty()) {
            damaged(at, QStringLiteral("the subreport \"%1\" has no columns").arg(sub.name));
        }
    }
    for (const RecordBlock& block : std::as_const(layout.blocks)) {
        if (block.kind == RecordBlock::Kind::Fields && block.fields.isEmpty()) {
            damaged(at, QStringLiteral("the section \"%1\" has no fields").arg(block.title));
        }
    }
    return layout;
}

}  // namespace mw::reports
