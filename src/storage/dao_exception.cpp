#include "storage/dao_exception.h"

namespace mw::storage {

namespace {

// The help page that explains database errors.
constexpr int kDatabaseErrorHelp = 1010;

// SQLite result codes (the primary code is the low byte of an extended one).
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteConstraint = 19;
constexpr int kSqliteNotADb = 26;

}  // namespace

DaoException::DaoException(int number, QString description)
    : m_number(number),
      m_description(std::move(description)),
      m_helpContext(kDatabaseErrorHelp),
      m_what(m_description.toStdString() + " (" + std::to_string(number) + ")") {}

DaoException DaoException::fromStatus(qint32 statusCode) {
    DaoException e;
    e.m_hasErrorInfo = false;
    e.m_statusCode = statusCode;
    e.m_what = "database status " + std::to_string(statusCode);
    return e;
}

DaoException DaoException::fromSqlError(const QSqlError& error, const QString& context) {
    const QString engineText =
        error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (!ok && engineText.isEmpty()) {
        return fromStatus(static_cast<qint32>(0x80004005));  // unspecified failure
    }
    const int primary = code & 0xff;
    const QString where = context.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(context);

    if (primary == kSqliteConstraint && engineText.contains(QLatin1String("UNIQUE"))) {
        return DaoException(
            DaoError::DuplicateKey,
            QStringLiteral("The changes were not saved because they would create duplicate "
                           "values in a unique index%1. Change the value that duplicates "
                           "another record's and try again.")
                .arg(where));
    }
    switch (primary) {
        case kSqliteBusy:
        case kSqliteLocked:
            return DaoException(DaoError::Locked,
                                QStringLiteral("The database is in use by another program or "
                                               "window and could not be changed%1. Try again in "
                                               "a moment.")
                                    .arg(where));
        case kSqliteReadOnly:
            return DaoException(
                DaoError::ReadOnly,
                QStringLiteral("Cannot update. The database%1 is read-only; nothing was "
                               "written.")
                    .arg(where));
        case kSqliteFull:
            return DaoException(DaoError::DiskFull,
                                QStringLiteral("There is not enough space on the disk for the "
                                               "database%1; nothing was written. Make room on "
                                               "the disk and try again.")
                                    .arg(where));
        case kSqliteNotADb:
        case kSqliteCorrupt:
            return DaoException(DaoError::NotADatabase,
                                QStringLiteral("The file%1 is not a database this program can "
                                               "read, or it is damaged (%2).")
                                    .arg(where, engineText));
        case kSqliteCantOpen:
            return DaoException(
                DaoError::CannotOpen,
                QStringLiteral("The database%1 could not be opened (%2).").arg(where, engineText));
        default:
            break;
    }
    if (engineText.contains(QLatin1String("no such table"))) {
        return DaoException(DaoError::TableNotFound,
                            QStringLiteral("The database engine cannot find the table or "
                                           "query%1 (%2).")
                                .arg(where, engineText));
    }
    return DaoException(
        DaoError::EngineError,
        QStringLiteral("The database engine reported an error%1: %2").arg(where, engineText));
}

}  // namespace mw::storage
