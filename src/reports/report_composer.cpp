#include "reports/report_composer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QTextLayout>
#include <cmath>

#include "reports/field_text.h"
#include "reports/report_failure.h"

namespace mw::reports {

namespace {

constexpr double kMmToPt = 72.0 / 25.4;
constexpr double kPad = 2.0;  // points above and below a row's text, and beside it
constexpr double kGap = 6.0;  // points before a block's heading
constexpr int kStyles = 5;

// Measures text in points: a 72 dpi image stands in for every device.
class Measure {
public:
    explicit Measure(double fontSize) : m_device(1, 1, QImage::Format_RGB32) {
        m_device.setDotsPerMeterX(qRound(72.0 / 0.0254));
        m_device.setDotsPerMeterY(qRound(72.0 / 0.0254));
        for (int s = 0; s < kStyles; ++s) {
            m_fonts[s] = reportFont(static_cast<TextStyle>(s), fontSize, 72.0);
            m_metrics[s].emplace(m_fonts[s], &m_device);
        }
    }

    double lineHeight(TextStyle s) const { return m_metrics[index(s)]->lineSpacing(); }
    double advance(TextStyle s, const QString& text) const {
        return m_metrics[index(s)]->horizontalAdvance(text);
    }

    // The lines of `text` within `width`: breaks at its own line ends, then
    // between words, and inside a word too long for the width.
    QStringList wrap(const QString& text, TextStyle s, double width) {
        QStringList lines;
        if (text.isEmpty()) {
            return lines;
        }
        QString normal = text;
        normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        normal.replace(QLatin1Char('\t'), QLatin1Char(' '));
        for (const QString& paragraph : normal.split(QLatin1Char('\n'))) {
            if (fits(s, paragraph, width)) {
                lines.append(paragraph);
                continue;
            }
            QTextLayout layout(paragraph, m_fonts[index(s)], &m_device);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
            }
            layout.endLayout();
        }
        return lines;
    }

private:
    static int index(TextStyle s) { return static_cast<int>(s); }

    // Short texts repeat down a list (brewers, styles, units, dates): their
    // widths are measured once.
    bool fits(TextStyle s, const QString& text, double width) {
        if (text.size() > 48) {
            return m_metrics[index(s)]->horizontalAdvance(text) <= width;
        }
        QHash<QString, double>& known = m_widths[index(s)];
        auto it = known.constFind(text);
        if (it == known.constEnd()) {
            it = known.insert(text, m_metrics[index(s)]->horizontalAdvance(text));
        }
        return *it <= width;
    }

    QImage m_device;
    QFont m_fonts[kStyles];
    std::optional<QFontMetricsF> m_metrics[kStyles];
    QHash<QString, double> m_widths[kStyles];
};

// One cell of a row: its wrapped lines, where it sits and how it is drawn.
struct Cell {
    QStringList lines;
    double x = 0;
    double width = 0;
    TextStyle style = TextStyle::Body;
    bool alignRight = false;
};

bool isNumeric(const FieldFormat& f) {
    return f.kind == FormatKind::Integer || f.kind == FormatKind::Number;
}

class Composer {
public:
    Composer(const ReportLayout& layout, const ReportData& data, PaperSize paper)
        : m_layout(layout), m_data(data), m_measure(layout.fontSize) {
        const QPageSize size(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
        const QPageLayout::Orientation orientation = layout.orientation == Orientation::Landscape
                                                         ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait;
        m_doc.pageLayout =
            QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        m_doc.title = layout.title;
        m_doc.fontSize = layout.fontSize;
        const QSizeF page = m_doc.pageLayout.fullRectPoints().size();
        const QMarginsF& mm = layout.marginsMm;
        m_content = QRectF(mm.left() * kMmToPt, mm.top() * kMmToPt,
                           page.width() - (mm.left() + mm.right()) * kMmToPt,
                           page.height() - (mm.top() + mm.bottom()) * kMmToPt);
        m_footer = m_measure.lineHeight(TextStyle::Small) + kPad * 2;
        m_bottom = m_content.bottom() - m_footer;
    }

    ReportDocument run() {
        if (m_layout.kind == LayoutKind::List) {
            composeList();
        } else {
            composeRecords();
        }
        addFooters();
        return std::move(m_doc);
    }

private:
    // ---- pages

    void newPage() {
        m_doc.pages.append(ReportPage{});
        m_y = m_content.top();
        const TextStyle style =
            m_layout.kind == LayoutKind::List ? TextStyle::Title : TextStyle::Heading;
        for (const QString& line : m_measure.wrap(m_layout.title, style, m_content.width())) {
            text(m_content.left(), m_y, m_content.width(), line, style, false);
            m_y += m_measure.lineHeight(style);
        }
        m_y += kPad;
        rule(m_y);
        m_y += kPad * 2;
        if (m_repeat) {
            m_repeat();
        }
    }

    ReportPage& page() { return m_doc.pages.last(); }

    void text(double x, double y, double width, const QString& t, TextStyle style, bool right) {
        page().items.append(DrawItem{DrawItem::Kind::Text,
                                     QRectF(x, y, width, m_measure.lineHeight(style)), t, style,
                                     right});
    }
    void rule(double y) {
        page().items.append(DrawItem{DrawItem::Kind::Rule,
                                     QRectF(m_content.left(), y, m_content.width(), 0), QString(),
                                     TextStyle::Body, false});
    }
    void shade(double y, double height, int grey) {
        page().items.append(DrawItem{DrawItem::Kind::Shade,
                                     QRectF(m_content.left(), y, m_content.width(), height),
                                     QString::number(grey), TextStyle::Body, false});
    }

    double room() const { return m_bottom - m_y; }

    // Starts a new page unless `height` fits below.
    void keep(double height) {
        if (room() < height) {
            newPage();
        }
    }

    // Draws a row of cells, shaded when `grey` > 0. A row that fits on a
    // page is never split; a longer one goes on over the next pages.
    void row(const QVector<Cell>& cells, int grey) {
        qsizetype total = 0;
        TextStyle tallest = TextStyle::Body;
        for (const Cell& c : cells) {
            total = std::max(total, c.lines.size());
            if (m_measure.lineHeight(c.style) > m_measure.lineHeight(tallest)) {
                tallest = c.style;
            }
        }
        total = std::max<qsizetype>(total, 1);
        const double lh = m_measure.lineHeight(tallest);
        const double pageRoom = m_bottom - m_content.top() - 60.0;
        qsizetype done = 0;
        bool fresh = false;
        while (done < total) {
            qsizetype fit = static_cast<qsizetype>(std::floor((room() - 2 * kPad) / lh));
            const qsizetype remaining = total - done;
            const bool wholeFitsFresh = remaining * lh + 2 * kPad <= pageRoom;
            if (!fresh && (fit < 1 || (fit < remaining && done == 0 && wholeFitsFresh))) {
                newPage();
                fresh = true;
                continue;
            }
            fit = std::max<qsizetype>(fit, 1);
            fresh = false;
            const qsizetype n = std::min(fit, remaining);
            const double height = n * lh + 2 * kPad;
            if (grey > 0) {
                shade(m_y, height, grey);
            }
            for (const Cell& c : cells) {
                for (qsizetype i = done; i < done + n && i < c.lines.size(); ++i) {
                    text(c.x + kPad, m_y + kPad + (i - done) * lh, c.width - 2 * kPad, c.lines[i],
                         c.style, c.alignRight);
                }
            }
            m_y += height;
            done += n;
            if (done < total) {
                newPage();
                fresh = true;
            }
        }
    }

    // A block's heading with a rule, kept together with room for a line.
    void heading(const QString& title) {
        const double lh = m_measure.lineHeight(TextStyle::Heading);
        keep(kGap + lh + kPad * 3 + m_measure.lineHeight(TextStyle::Body) * 2);
        m_y += kGap;
        text(m_content.left(), m_y, m_content.width(), title, TextStyle::Heading, false);
        m_y += lh + kPad;
        rule(m_y);
        m_y += kPad;
    }

    // ---- tables (the list and the subreports)

    struct Table {
        const QVector<ReportColumn>* columns = nullptr;
        QVector<double> xs;
        QVector<double> widths;
    };

    Table table(const QVector<ReportColumn>& columns) const {
        Table t;
        t.columns = &columns;
        double sum = 0;
        for (const ReportColumn& c : columns) {
            sum += c.width;
        }
        double x = m_content.left();
        for (const ReportColumn& c : columns) {
            const double w = m_content.width() * c.width / sum;
            t.xs.append(x);
            t.widths.append(w);
            x += w;
        }
        return t;
    }

    void columnHeadings(const Table& t) {
        QVector<Cell> cells;
        for (qsizetype i = 0; i < t.columns->size(); ++i) {
            const ReportColumn& c = (*t.columns)[i];
            cells.append(Cell{m_measure.wrap(c.heading, TextStyle::Bold, t.widths[i] - 2 * kPad),
                              t.xs[i], t.widths[i], TextStyle::Bold, isNumeric(c.format)});
        }
        row(cells, 215);
    }

    template <typename ValueOf>
    void tableRow(const Table& t, const ValueOf& valueOf, bool odd) {
        QVector<Cell> cells;
        for (qsizetype i = 0; i < t.columns->size(); ++i) {
            const ReportColumn& c = (*t.columns)[i];
            const QString value = fieldText(c.field, c.format, valueOf);
            cells.append(Cell{m_measure.wrap(value, TextStyle::Body, t.widths[i] - 2 * kPad),
                              t.xs[i], t.widths[i], TextStyle::Body, isNumeric(c.format)});
        }
        row(cells, odd ? 242 : 0);
    }

    std::function<QVariant(const QString&)> mainValues(const ReportRecord& record) const {
        return [this, &record](const QString& column) -> QVariant {
            if (column.startsWith(QLatin1Char('='))) {
                const qsizetype p = predictionNames().indexOf(column.mid(1));
                return p >= 0 ? QVariant(record.predictions[static_cast<std::size_t>(p)])
                              : QVariant();
            }
            return record.values.value(m_data.columns.of(column));
        };
    }

    void noRecords() {
        keep(m_measure.lineHeight(TextStyle::Body) + kPad * 2);
        m_y += kPad;
        text(m_content.left(), m_y, m_content.width(), reportText(text::kNoRecords),
             TextStyle::Body, false);
        m_y += m_measure.lineHeight(TextStyle::Body);
    }

    void composeList() {
        const Table t = table(m_layout.columns);
        m_repeat = [this, &t] { columnHeadings(t); };
        newPage();
        if (m_data.records.isEmpty()) {
            noRecords();
            return;
        }
        const int group = m_layout.group.isEmpty() ? -1 : m_data.columns.of(m_layout.group);
        QVariant lastGroup;
        bool first = true;
        int n = 0;
        for (const ReportRecord& record : m_data.records) {
            if (group >= 0) {
                const QVariant value = record.values.value(group);
                if (first || value != lastGroup) {
                    const QString title =
                        value.toString().isEmpty() ? QStringLiteral("\u2013") : value.toString();
                    groupHeading(title);
                    lastGroup = value;
                    n = 0;
                }
            }
            first = false;
            tableRow(t, mainValues(record), (n++ % 2) == 1);
        }
    }

    void groupHeading(const QString& title) {
        const double lh = m_measure.lineHeight(TextStyle::Heading);
        keep(lh + kPad * 4 + m_measure.lineHeight(TextStyle::Body) * 2);
        m_y += kPad * 2;
        text(m_content.left(), m_y, m_content.width(), title, TextStyle::Heading, false);
        m_y += lh + kPad;
    }

    void composeRecords() {
        if (m_data.records.isEmpty()) {
            newPage();
            noRecords();
            return;
        }
        for (const ReportRecord& record : m_data.records) {
            m_repeat = nullptr;
            newPage();
            if (!m_layout.heading.isEmpty()) {
                const QString title =
                    record.values.value(m_data.columns.of(m_layout.heading)).toString();
                for (const QString& line :
                     m_measure.wrap(title, TextStyle::Title, m_content.width())) {
                    text(m_content.left(), m_y, m_content.width(), line, TextStyle::Title, false);
                    m_y += m_measure.lineHeight(TextStyle::Title);
                }
            }
            const auto valueOf = mainValues(record);
            for (const RecordBlock& block : m_layout.blocks) {
                switch (block.kind) {
                    case RecordBlock::Kind::Fields:
                        fields(block, valueOf);
                        break;
                    case RecordBlock::Kind::Paragraph:
                        paragraph(block, valueOf(block.paragraphColumn).toString());
                        break;
                    case RecordBlock::Kind::Subreport:
                        subreport(block.subreport, record);
                        break;
                }
                m_repeat = nullptr;
            }
        }
    }

    void fields(const RecordBlock& block, const std::function<QVariant(const QString&)>& valueOf) {
        heading(block.title);
        const int perRow = block.fieldColumns;
        const double cellWidth = m_content.width() / perRow;
        const double labelWidth = cellWidth * 0.42;
        for (qsizetype i = 0; i < block.fields.size(); i += perRow) {
            QVector<Cell> cells;
            for (int k = 0; k < perRow && i + k < block.fields.size(); ++k) {
                const ReportField& f = block.fields[i + k];
                const double x = m_content.left() + k * cellWidth;
                cells.append(Cell{m_measure.wrap(f.label, TextStyle::Bold, labelWidth - 2 * kPad),
                                  x, labelWidth, TextStyle::Bold, false});
                const QString value = fieldText(f.field, f.format, valueOf);
                cells.append(
                    Cell{m_measure.wrap(value, TextStyle::Body, cellWidth - labelWidth - 2 * kPad),
                         x + labelWidth, cellWidth - labelWidth, TextStyle::Body, false});
            }
            row(cells, 0);
        }
    }

    void paragraph(const RecordBlock& block, const QString& value) {
        if (value.trimmed().isEmpty()) {
            return;
        }
        heading(block.title);
        row({Cell{m_measure.wrap(value, TextStyle::Body, m_content.width() - 2 * kPad),
                  m_content.left(), m_content.width(), TextStyle::Body, false}},
            0);
    }

    void subreport(int index, const ReportRecord& record) {
        const QVector<QVector<QVariant>>& rows = record.subRows.value(index);
        if (rows.isEmpty()) {
            return;
        }
        const SubreportLayout& sub = m_layout.subreports[index];
        const RowColumns& columns = m_data.subColumns[index];
        const Table t = table(sub.columns);
        heading(sub.name);
        columnHeadings(t);
        m_repeat = [this, &t, &sub] {
            text(m_content.left(), m_y, m_content.width(), reportText(text::kContinued, {sub.name}),
                 TextStyle::Heading, false);
            m_y += m_measure.lineHeight(TextStyle::Heading) + kPad;
            columnHeadings(t);
        };
        int n = 0;
        for (const QVector<QVariant>& r : rows) {
            tableRow(
                t, [&r, &columns](const QString& column) { return r.value(columns.of(column)); },
                (n++ % 2) == 1);
        }
        m_repeat = nullptr;
    }

    void addFooters() {
        const int count = static_cast<int>(m_doc.pages.size());
        const double y = m_content.bottom() - m_measure.lineHeight(TextStyle::Small);
        for (int i = 0; i < count; ++i) {
            ReportPage& p = m_doc.pages[i];
            p.items.append(DrawItem{DrawItem::Kind::Rule,
                                    QRectF(m_content.left(), y - kPad, m_content.width(), 0),
                                    QString(), TextStyle::Body, false});
            p.items.append(DrawItem{DrawItem::Kind::Text,
                                    QRectF(m_content.left(), y, m_content.width() * 0.6,
                                           m_measure.lineHeight(TextStyle::Small)),
                                    m_layout.title, TextStyle::Small, false});
            p.items.append(DrawItem{
                DrawItem::Kind::Text,
                QRectF(m_content.left() + m_content.width() * 0.6, y, m_content.width() * 0.4,
                       m_measure.lineHeight(TextStyle::Small)),
                reportText(text::kPageOf, {QString::number(i + 1), QString::number(count)}),
                TextStyle::Small, true});
        }
    }

    const ReportLayout& m_layout;
    const ReportData& m_data;
    Measure m_measure;
    ReportDocument m_doc;
    QRectF m_content;
    double m_footer = 0;
    double m_bottom = 0;
    double m_y = 0;
    std::function<void()> m_repeat;  // what every new page repeats below its title
};

}  // namespace

ReportDocument composeReport(const ReportLayout& layout, const ReportData& data,
                             std::optional<PaperSize> paper) {
    return Composer(layout, data, paper.value_or(layout.paper)).run();
}

}  // namespace mw::reports
