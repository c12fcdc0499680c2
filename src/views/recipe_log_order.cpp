#include "views/recipe_log_order.h"

#include <QDate>
#include <QStringView>
#include <utility>

namespace mw::views {

namespace {

// The whole number a text starts with, as the C library reads one: blanks,
// an optional sign, then digits; 0 when there is none.
qint64 leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value < (qint64(1) << 40)) {  // far beyond any batch number; no overflow
            value = value * 10 + (text[i].unicode() - u'0');
        }
    }
    return negative ? -value : value;
}

// A "month/day/year" text as a day number; an empty text is 1 January of
// the year 1. False when the text names no date.
bool dayNumber(const QString& text, qint64& day) {
    if (text.isEmpty()) {
        day = QDate(1, 1, 1).toJulianDay();
        return true;
    }
    const QList<QStringView> parts = QStringView(text).split(u'/');
    if (parts.size() != 3) {
        return false;
    }
    bool okMonth = false;
    bool okDay = false;
    bool okYear = false;
    const QDate date(parts[2].toInt(&okYear), parts[0].toInt(&okMonth), parts[1].toInt(&okDay));
    if (!okMonth || !okDay || !okYear || !date.isValid()) {
        return false;
    }
    day = date.toJulianDay();
    return true;
}

int sign(qint64 difference) {
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

}  // namespace

QString brewDateText(int year, int month, int day) {
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

int compareLogTexts(int column, const QString& a, const QString& b) {
    const QString* texts[] = {&a, &b};
    return LogColumnKeys(column, {texts[0], texts[1]}).compare(0, 1);
}

LogColumnKeys::LogColumnKeys(int column, const std::vector<const QString*>& texts)
    : m_column(column) {
    const std::size_t n = texts.size();
    if (column == ColumnBatch) {
        m_numbers.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            m_numbers[i] = leadingNumber(*texts[i]);
        }
    } else if (column == ColumnBrewDate) {
        m_numbers.resize(n);
        m_valid.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            m_valid[i] = dayNumber(*texts[i], m_numbers[i]);
        }
    } else {
        m_bytes.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            m_bytes[i] = texts[i]->toUtf8();
        }
    }
}

int LogColumnKeys::compare(int a, int b) const {
    if (m_column == ColumnBatch) {
        return sign(m_numbers[a] - m_numbers[b]);
    }
    if (m_column == ColumnBrewDate) {
        if (!m_valid[a] || !m_valid[b]) {
            return 0;
        }
        return sign(m_numbers[a] - m_numbers[b]);
    }
    // Byte values, unsigned, as strcmp compares them.
    const int c = m_bytes[a].compare(m_bytes[b], Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

namespace {

void sortRange(std::vector<int>& order, const LogColumnKeys& keys, bool ascending, int lo, int hi) {
    // The smaller part is sorted by recursion and the larger one by the loop,
    // so the depth stays small; the parts are disjoint, so the order in which
    // they are sorted changes nothing.
    while (lo < hi) {
        const int pivot = order[static_cast<std::size_t>((lo + hi) / 2)];
        const auto before = [&](int row) {
            const int c = keys.compare(row, pivot);
            return ascending ? c < 0 : c > 0;
        };
        const auto after = [&](int row) {
            const int c = keys.compare(row, pivot);
            return ascending ? c > 0 : c < 0;
        };
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (i < hi && before(order[static_cast<std::size_t>(i)])) {
                ++i;
            }
            while (j > lo && after(order[static_cast<std::size_t>(j)])) {
                --j;
            }
            if (i <= j) {
                int& left = order[static_cast<std::size_t>(i)];
                int& right = order[static_cast<std::size_t>(j)];
                if (keys.compare(left, right) != 0) {
                    std::swap(left, right);
                }
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            if (lo < j) {
                sortRange(order, keys, ascending, lo, j);
            }
            lo = i;
        } else {
            if (i < hi) {
                sortRange(order, keys, ascending, i, hi);
            }
            hi = j;
        }
    }
}

}  // namespace

bool sortLogRows(std::vector<int>& order, const LogColumnKeys& keys, bool ascending) {
    const int hi = static_cast<int>(order.size()) - 1;
    if (hi <= 0) {
        return false;
    }
    sortRange(order, keys, ascending, 0, hi);
    return true;
}

}  // namespace mw::views
