#pragma once

// Lets QCOMPARE print standard strings and vectors of them when they differ.

#include <QString>
#include <QStringList>
#include <QtTest>
#include <string>
#include <vector>

namespace QTest {
template <>
inline char* toString(const std::string& s) {
    return QTest::toString(QString::fromStdString(s));
}
template <>
inline char* toString(const std::vector<std::string>& list) {
    QStringList items;
    for (const std::string& s : list) {
        items << QString::fromStdString(s);
    }
    return QTest::toString(items.join(QStringLiteral(" | ")));
}
template <>
inline char* toString(const std::vector<int>& list) {
    QStringList items;
    for (int n : list) {
        items << QString::number(n);
    }
    return QTest::toString(items.join(QStringLiteral(", ")));
}
}  // namespace QTest

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<std::string>)
Q_DECLARE_METATYPE(std::vector<int>)
