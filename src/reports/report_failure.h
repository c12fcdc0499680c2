#pragma once

#include <QString>
#include <initializer_list>
#include <string_view>

namespace mw::reports {

// A report that cannot be opened, read or written: the engine's error code
// (the catalogue number of its text, or kOutOfMemory) and the text.
struct ReportFailure {
    int code = 0;
    QString text;
};

// The engine's error codes are the catalogue numbers of their texts.
namespace error {
inline constexpr int kOutOfMemory = 500;
inline constexpr int kLayoutMissing = 1302;
inline constexpr int kLayoutUnreadable = 1303;
inline constexpr int kNotALayout = 1304;
inline constexpr int kLayoutVersion = 1305;
inline constexpr int kLayoutDamaged = 1306;
inline constexpr int kDatabaseUnopened = 1307;
inline constexpr int kTableMissing = 1308;
inline constexpr int kColumnMissing = 1309;
inline constexpr int kFilterNotUnderstood = 1310;
inline constexpr int kOutputUnwritable = 1311;
inline constexpr int kDatabaseUnread = 1312;
inline constexpr int kNoOutput = 1313;
inline constexpr int kNoSuchSubreport = 1314;
inline constexpr int kNoGraphics = 1315;
}  // namespace error

// Texts the reports print (catalogue numbers).
namespace text {
inline constexpr int kNoRecords = 1316;
inline constexpr int kPageOf = 1317;
inline constexpr int kContinued = 1318;
inline constexpr int kYes = 1319;
inline constexpr int kNo = 1320;
}  // namespace text

// The catalogue text `number` with %1, %2, ... replaced.
QString reportText(int number, std::initializer_list<QString> args = {});

[[noreturn]] void fail(int code, std::initializer_list<QString> args = {});

}  // namespace mw::reports
