// The layout parser against golden files: each layouts/NAME.rpt is read and
// what the parser made of it (or why it refused it) must match
// layouts/NAME.expected.

#include <QDir>
#include <QFile>
#include <QtTest>

#include "reports/report_layout.h"
#include "support/test_registry.h"

using namespace mw::reports;

namespace mw::test {

namespace {

QString layoutFolder() {
    return QStringLiteral(MW_TEST_LAYOUTS);
}

QString formatText(const FieldRef& ref, const FieldFormat& format) {
    switch (ref.join) {
        case FieldJoin::Flags:
            return QStringLiteral("flags ") + ref.flagNames.join(QLatin1Char('|'));
        case FieldJoin::Pattern:
            return QStringLiteral("pattern ") + ref.pattern;
        default:
            break;
    }
    switch (format.kind) {
        case FormatKind::Text:
            return QStringLiteral("text");
        case FormatKind::Integer:
            return QStringLiteral("integer");
        case FormatKind::Number:
            return QStringLiteral("number %1").arg(format.decimals);
        case FormatKind::Date:
            return QStringLiteral("date");
        case FormatKind::YesNo:
            return QStringLiteral("yesno");
        case FormatKind::Choice:
            return QStringLiteral("choice ") + format.choices.join(QLatin1Char('|'));
    }
    return QString();
}

QString refText(const FieldRef& ref) {
    const char* joins[] = {"", "..", "+", ";", ","};
    return ref.columns.join(QLatin1String(joins[static_cast<int>(ref.join)]));
}

QString columnText(const ReportColumn& c) {
    return QStringLiteral("column %1 \"%2\" %3 %4")
        .arg(refText(c.field), c.heading)
        .arg(c.width)
        .arg(formatText(c.field, c.format));
}

// What the parser understood, one statement a line.
QStringList dump(const ReportLayout& l) {
    QStringList out;
    out << QStringLiteral("title: ") + l.title;
    out << QStringLiteral("paper: %1 %2, margins %3 %4 %5 %6, font %7")
               .arg(l.paper == PaperSize::A4 ? QStringLiteral("A4") : QStringLiteral("Letter"),
                    l.orientation == Orientation::Portrait ? QStringLiteral("portrait")
                                                           : QStringLiteral("landscape"))
               .arg(l.marginsMm.left())
               .arg(l.marginsMm.top())
               .arg(l.marginsMm.right())
               .arg(l.marginsMm.bottom())
               .arg(l.fontSize);
    if (l.kind == LayoutKind::List) {
        QString line = QStringLiteral("list of ") + l.table;
        if (!l.order.isEmpty()) {
            line += QStringLiteral(" by ") + l.order.join(QStringLiteral(", "));
        }
        if (!l.group.isEmpty()) {
            line += QStringLiteral(", grouped by ") + l.group;
        }
        out << line;
        for (const ReportColumn& c : l.columns) {
            out << columnText(c);
        }
        return out;
    }
    out << QStringLiteral("record of %1, heading %2").arg(l.table, l.heading);
    for (const RecordBlock& b : l.blocks) {
        switch (b.kind) {
            case RecordBlock::Kind::Fields:
                out << QStringLiteral("section \"%1\" in %2 columns")
                           .arg(b.title)
                           .arg(b.fieldColumns);
                for (const ReportField& field : b.fields) {
                    out << QStringLiteral("  field %1 \"%2\" %3")
                               .arg(refText(field.field), field.label,
                                    formatText(field.field, field.format));
                }
                break;
            case RecordBlock::Kind::Paragraph:
                out << QStringLiteral("paragraph \"%1\" %2").arg(b.title, b.paragraphColumn);
                break;
            case RecordBlock::Kind::Subreport: {
                const SubreportLayout& s = l.subreports[b.subreport];
                out << QStringLiteral("subreport \"%1\" %2 %3 = %4 by %5")
                           .arg(s.name, s.table, s.childKey, s.parentKey,
                                s.order.join(QLatin1Char(',')));
                for (const ReportColumn& c : s.columns) {
                    out << QStringLiteral("  ") + columnText(c);
                }
                break;
            }
        }
    }
    out << QStringLiteral("predictions: ") +
               (l.usesPredictions() ? QStringLiteral("yes") : QStringLiteral("no"));
    return out;
}

QString outcome(const QByteArray& bytes) {
    try {
        return dump(parseLayout(QString::fromUtf8(bytes))).join(QLatin1Char('\n'));
    } catch (const LayoutError& e) {
        switch (e.kind) {
            case LayoutError::Kind::NotALayout:
                return QStringLiteral("error: not a layout");
            case LayoutError::Kind::UnknownVersion:
                return QStringLiteral("error: version ") + e.detail;
            case LayoutError::Kind::Damaged:
                return QStringLiteral("error: damaged at line %1: %2").arg(e.line).arg(e.detail);
        }
    }
    return QString();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestLayoutParser : public QObject {
    Q_OBJECT

private slots:
    void goldenFiles_data() {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(layoutFolder()).entryList({QStringLiteral("*.rpt")});
        QVERIFY(files.size() >= 15);
        for (const QString& file : files) {
            const QString name = file.chopped(4);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void goldenFiles() {
        QFETCH(QString, name);
        const QDir dir(layoutFolder());
        const QString expected =
            QString::fromUtf8(readAll(dir.filePath(name + QStringLiteral(".expected")))).trimmed();
        QVERIFY2(!expected.isEmpty(), "every layout has its expected outcome");
        QCOMPARE(outcome(readAll(dir.filePath(name + QStringLiteral(".rpt")))), expected);
    }

    // The twelve shipped layouts are all good.
    void shippedLayoutsParse_data() {
        QTest::addColumn<QString>("file");
        const QDir dir(QStringLiteral(MW_SOURCE_RESOURCES "/reports"));
        for (const QString& file : dir.entryList({QStringLiteral("*.rpt")})) {
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
        }
    }
    void shippedLayoutsParse() {
        QFETCH(QString, file);
        QVERIFY2(!outcome(readAll(file)).startsWith(QLatin1String("error")),
                 qPrintable(outcome(readAll(file))));
    }

    // Cutting a shipped layout anywhere never passes for a whole one.
    void everyCutIsRefused() {
        const QByteArray whole = readAll(QStringLiteral(MW_SOURCE_RESOURCES "/reports/Recipe.rpt"));
        QVERIFY(whole.size() > 1000);
        for (qsizetype cut = 0; cut < whole.size() - 5; cut += 97) {
            QVERIFY2(outcome(whole.left(cut)).startsWith(QLatin1String("error")),
                     qPrintable(QString::number(cut)));
        }
    }
};

MW_REGISTER_TEST(TestLayoutParser)

}  // namespace mw::test

#include "tst_layout_parser.moc"
