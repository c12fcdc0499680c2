#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace mw::views {

// The log's columns, in the order of their captions (string 79).
enum LogColumn {
    ColumnBatch,
    ColumnName,
    ColumnBrewDate,
    ColumnStyle,
    ColumnCategory,
    ColumnSubcategory,
    LogColumnCount
};

// How the log compares two texts of a column: below, at or above zero.
//  - "Batch": by the whole number each text starts with (a text that is no
//    number counts as 0), so 9 comes before 10;
//  - "Brew Date": by the date a "month/day/year" text names, an empty text
//    being 1/1/0001 so undated recipes come first; 0 when either text is no
//    date;
//  - every other column: byte by byte over the UTF-8 texts, so capitals come
//    before small letters.
int compareLogTexts(int column, const QString& a, const QString& b);

// "3/7/2001" for 7 March 2001: no leading zeros, four-digit year.
QString brewDateText(int year, int month, int day);

// One column's texts read once into what the comparison looks at, so that a
// sort of thousands of rows compares numbers and bytes, never re-reading a
// date. Rows are addressed by their index in the texts handed in.
class LogColumnKeys {
public:
    LogColumnKeys(int column, const std::vector<const QString*>& texts);

    // The comparison of `compareLogTexts` between rows a and b.
    int compare(int a, int b) const;

private:
    int m_column;
    std::vector<qint64> m_numbers;  // batch numbers, or day numbers of dates
    std::vector<bool> m_valid;      // false for a text that is no date
    std::vector<QByteArray> m_bytes;
};

// The log's sort: a partition sort on a middle pivot that exchanges two rows
// only when their texts differ. `order` holds row indices (into the keys) by
// position and is rearranged in place; rows that compare equal keep the
// places this algorithm gives them, which is the order the user has always
// seen. Does nothing for fewer than two rows; returns whether it sorted.
bool sortLogRows(std::vector<int>& order, const LogColumnKeys& keys, bool ascending);

}  // namespace mw::views
