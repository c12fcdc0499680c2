#include "reports/field_text.h"

#include <QDate>
#include <QDateTime>

#include "reports/report_failure.h"
#include "resources/number_text.h"

namespace mw::reports {

namespace {

QString number(double value, int decimals) {
    const std::string format = "%." + std::to_string(decimals) + "f";
    return QString::fromStdString(formatNumber(format, value));
}

// A number with no more decimals than it needs ("1.5", "17").
QString plainNumber(const QVariant& value) {
    if (value.typeId() == QMetaType::Double) {
        QString text = number(value.toDouble(), 3);
        while (text.contains(QLatin1Char('.')) &&
               (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.')))) {
            text.chop(1);
        }
        return text;
    }
    return value.toString();
}

QString dateText(const QVariant& value) {
    const QString text = value.toString();
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid()) {
        date = QDateTime::fromString(text, Qt::ISODate).date();
    }
    return date.isValid() ? date.toString(Qt::ISODate) : text;
}

bool isNumber(const QVariant& value) {
    bool ok = false;
    value.toString().toDouble(&ok);
    return ok;
}

}  // namespace

QString formatValue(const QVariant& value, const FieldFormat& format) {
    if (value.isNull()) {
        return QString();
    }
    switch (format.kind) {
        case FormatKind::Text:
            return value.typeId() == QMetaType::Double ? plainNumber(value) : value.toString();
        case FormatKind::Integer:
            return isNumber(value) ? QString::number(qRound64(value.toDouble())) : value.toString();
        case FormatKind::Number:
            return isNumber(value) ? number(value.toDouble(), format.decimals) : value.toString();
        case FormatKind::Date:
            return dateText(value);
        case FormatKind::YesNo:
            return reportText(value.toDouble() != 0.0 ? text::kYes : text::kNo);
        case FormatKind::Choice: {
            bool ok = false;
            const int code = value.toString().toInt(&ok);
            if (ok && code >= 0 && code < format.choices.size()) {
                return format.choices[code];
            }
            if (ok && code < 0) {
                return QString();  // none chosen
            }
            return value.toString();
        }
    }
    return value.toString();
}

QString fieldText(const FieldRef& field, const FieldFormat& format,
                  const std::function<QVariant(const QString&)>& valueOf) {
    switch (field.join) {
        case FieldJoin::Single:
            return formatValue(valueOf(field.columns.value(0)), format);
        case FieldJoin::Range: {
            const QString low = formatValue(valueOf(field.columns[0]), format);
            const QString high = formatValue(valueOf(field.columns[1]), format);
            if (low.isEmpty() && high.isEmpty()) {
                return QString();
            }
            return low + QStringLiteral(" \u2013 ") + high;
        }
        case FieldJoin::Flags: {
            QStringList set;
            for (qsizetype i = 0; i < field.columns.size(); ++i) {
                if (valueOf(field.columns[i]).toDouble() != 0.0) {
                    set.append(field.flagNames.value(i));
                }
            }
            return set.join(QStringLiteral(", "));
        }
        case FieldJoin::List: {
            QStringList values;
            for (const QString& column : field.columns) {
                const QString value = formatValue(valueOf(column), format);
                if (!value.trimmed().isEmpty()) {
                    values.append(value);
                }
            }
            return values.join(QStringLiteral(", "));
        }
        case FieldJoin::Pattern: {
            QString out;
            const QString& p = field.pattern;
            for (qsizetype i = 0; i < p.size(); ++i) {
                if (p[i] == QLatin1Char('%') && i + 1 < p.size()) {
                    const int digit = p[i + 1].digitValue();
                    if (digit >= 1 && digit <= field.columns.size()) {
                        const QVariant v = valueOf(field.columns[digit - 1]);
                        out += v.isNull() ? QStringLiteral("\u2013") : plainNumber(v);
                        ++i;
                        continue;
                    }
                }
                out += p[i];
            }
            return out;
        }
    }
    return QString();
}

}  // namespace mw::reports
