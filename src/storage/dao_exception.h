#pragma once

#include <QSqlError>
#include <QString>
#include <exception>
#include <string>

namespace mw::storage {

// Error numbers callers rely on, in the numbering brewers' databases have
// always reported.
namespace DaoError {
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int DuplicateKey = 3022;
inline constexpr int FileNotFound = 3024;
inline constexpr int ReadOnly = 3027;
inline constexpr int DiskFull = 3026;
inline constexpr int CannotOpen = 3049;
inline constexpr int FileInUse = 3051;
inline constexpr int ObjectExists = 3012;
inline constexpr int TableNotFound = 3078;
inline constexpr int NotABookmark = 3159;
inline constexpr int RecordDeleted = 3167;
inline constexpr int WriteConflict = 3197;
inline constexpr int Locked = 3260;
inline constexpr int ItemNotFound = 3265;
inline constexpr int NoUpdateInProgress = 3020;
inline constexpr int NotADatabase = 3343;
inline constexpr int IndexNotFound = 3800;
inline constexpr int OperationNotSupported = 3251;
inline constexpr int EngineError = 3146;
}  // namespace DaoError

// A database failure: the engine's description and error number (and help
// context), or, when the engine said nothing, only a status code.
class DaoException : public std::exception {
public:
    // An error with the engine's information.
    DaoException(int number, QString description);
    // An error that carries only a status code.
    static DaoException fromStatus(qint32 statusCode);
    // A Qt SQL error, its SQLite result mapped onto the error numbers above.
    static DaoException fromSqlError(const QSqlError& error, const QString& context = QString());

    bool hasErrorInfo() const { return m_hasErrorInfo; }
    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    // The help page about database errors; every error has one.
    int helpContext() const { return m_helpContext; }
    qint32 statusCode() const { return m_statusCode; }

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    DaoException() = default;

    bool m_hasErrorInfo = true;
    int m_number = 0;
    QString m_description;
    int m_helpContext = 0;
    qint32 m_statusCode = 0;
    std::string m_what;
};

}  // namespace mw::storage
