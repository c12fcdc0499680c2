#include "storage/database.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringList>
#include <atomic>

#include <sqlite3.h>

#include "storage/dao_exception.h"

namespace mw::storage {

namespace {

std::atomic<int> g_connectionCounter{0};

// The files open in this program, for the checks that refuse to compact or
// repair a database in use.
QMutex g_openMutex;
QStringList g_openPaths;

Database::ConnectionHook& connectionHook() {
    static Database::ConnectionHook hook;
    return hook;
}

// A file whose permission bits let no one write it. (The bits, not whether
// this user may write: an administrator may write any file.)
bool markedReadOnly(const QString& path) {
    const QFileDevice::Permissions writers =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (QFile::permissions(path) & writers) == 0;
}

void registerOpen(const QString& path) {
    QMutexLocker lock(&g_openMutex);
    g_openPaths.append(canonicalDatabasePath(path));
}

void unregisterOpen(const QString& path) {
    QMutexLocker lock(&g_openMutex);
    g_openPaths.removeOne(canonicalDatabasePath(path));
}

}  // namespace

QString canonicalDatabasePath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

Database::Database() : m_connectionName(QStringLiteral("mw-db-%1").arg(++g_connectionCounter)) {}

Database::~Database() {
    try {
        close();
    } catch (const DaoException&) {
        // A failing rollback while closing leaves nothing to keep.
    }
}

void Database::setConnectionHook(ConnectionHook hook) {
    connectionHook() = std::move(hook);
}

void Database::openConnection(const QString& path, bool readOnlyFile) {
    close();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (readOnlyFile) {
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        }
        db.setConnectOptions(options);
        if (!db.open()) {
            const DaoException error = DaoException::fromSqlError(db.lastError(), path);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw error;
        }
    }
    m_path = path;
    m_open = true;
    registerOpen(path);
    try {
        // Reading the schema proves the file is a database at all.
        scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (connectionHook()) {
            connectionHook()(*this);
        }
    } catch (...) {
        close();
        throw;
    }
}

void Database::open(const QString& path, Access access) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        throw DaoException(DaoError::FileNotFound,
                           QStringLiteral("Could not find file '%1'.").arg(path));
    }
    if (!info.isFile()) {
        throw DaoException(DaoError::CannotOpen,
                           QStringLiteral("'%1' is a folder, not a database file.").arg(path));
    }
    openConnection(path, markedReadOnly(path));
    if (access == Access::ReadOnly) {
        exec(QStringLiteral("PRAGMA query_only = ON"));
        m_readOnly = true;
    }
}

void Database::create(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw DaoException(DaoError::ObjectExists,
                           QStringLiteral("The file '%1' already exists.").arg(path));
    }
    openConnection(path);
}

void Database::close() {
    if (!m_open) {
        return;
    }
    if (m_depth > 0) {
        QSqlQuery(QSqlDatabase::database(m_connectionName, false)).exec(QStringLiteral("ROLLBACK"));
        m_depth = 0;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    unregisterOpen(m_path);
    m_open = false;
    m_readOnly = false;
}

QString Database::firstTableName() {
    return scalar(QStringLiteral(
                      "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid LIMIT 1"))
        .toString();
}

namespace {
// Whether a statement writes to the file (as opposed to reading it or
// steering a transaction).
bool changesData(const QString& sql) {
    static const QStringList writers{QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
                                     QStringLiteral("DELETE"), QStringLiteral("REPLACE"),
                                     QStringLiteral("CREATE"), QStringLiteral("DROP"),
                                     QStringLiteral("ALTER")};
    const QString statement = sql.trimmed();
    for (const QString& writer : writers) {
        if (statement.startsWith(writer, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}
}  // namespace

bool Database::refusedWithoutWaiting(const QSqlError& error, qint64 elapsedMs) const {
    // The engine refuses a first write at once, without the busy wait, when
    // waiting could not help: the transaction's view of the file is older
    // than another connection's commit (SQLITE_BUSY_SNAPSHOT), or waiting
    // would deadlock. A refusal after the whole wait means another program
    // still holds the lock; trying again would only make the user wait twice
    // as long for the same answer.
    constexpr int kSqliteBusySnapshot = 517;
    if (DaoException::fromSqlError(error, m_path).number() != DaoError::Locked) {
        return false;
    }
    return error.nativeErrorCode().toInt() == kSqliteBusySnapshot || elapsedMs < m_busyTimeoutMs;
}

QSqlQuery Database::exec(const QString& sql, std::initializer_list<QVariant> values) {
    return exec(sql, QVariantList(values));
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& values) {
    if (!m_open) {
        throw DaoException(DaoError::CannotOpen, QStringLiteral("The database is not open."));
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        throw DaoException::fromSqlError(query.lastError(), m_path);
    }
    for (const QVariant& v : values) {
        query.addBindValue(v);
    }
    QElapsedTimer attempt;
    attempt.start();
    bool executed = query.exec();
    if (!executed && m_depth == 1 && !m_wroteInTransaction && changesData(sql) &&
        refusedWithoutWaiting(query.lastError(), attempt.elapsed())) {
        // A transaction that has only read sees the file as it was when it
        // began; another connection's commit since then refuses its first
        // write. With nothing of its own to lose it starts afresh and tries
        // once more, so the write meets the file as it is now (and a record
        // that changed meanwhile is found changed).
        query.finish();
        QSqlQuery restart(QSqlDatabase::database(m_connectionName, false));
        if (restart.exec(QStringLiteral("ROLLBACK")) && restart.exec(QStringLiteral("BEGIN"))) {
            executed = query.exec();
        }
    }
    if (executed && m_depth > 0 && changesData(sql)) {
        m_wroteInTransaction = true;
    }
    if (!executed) {
        DaoException error = DaoException::fromSqlError(query.lastError(), m_path);
        if (m_depth > 0) {
            query.finish();
            recoverLostTransaction();
        }
        if (m_readOnly && error.number() == DaoError::ReadOnly) {
            error = DaoException(DaoError::ReadOnly,
                                 QStringLiteral("Cannot update. The database '%1' is open for "
                                                "reading only here; nothing was written.")
                                     .arg(m_path));
        }
        throw error;
    }
    return query;
}

QVariant Database::scalar(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery query = exec(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

// After some failures (a full disk, an I/O error, no memory) SQLite undoes
// the whole transaction itself, and the connection has none open though its
// owner still counts on one. A new one takes its place, so the owner's
// rollback, or a retry once there is room, works as usual; but when the lost
// one had written something, its commit is refused rather than saving only
// the part that came after.
void Database::recoverLostTransaction() {
    QSqlQuery probe(QSqlDatabase::database(m_connectionName, false));
    if (!probe.exec(QStringLiteral("BEGIN"))) {
        return;  // the transaction is still open
    }
    for (int level = 1; level < m_depth; ++level) {
        probe.exec(QStringLiteral("SAVEPOINT level%1").arg(level));
    }
    if (m_wroteInTransaction) {
        m_transactionLost = true;
    }
}

void Database::beginTrans() {
    exec(m_depth == 0 ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT level%1").arg(m_depth));
    if (m_depth == 0) {
        m_wroteInTransaction = false;
        m_transactionLost = false;
    }
    ++m_depth;
}

void Database::commitTrans() {
    if (m_depth == 0) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("Commit without a transaction in progress."));
    }
    const int level = m_depth - 1;
    if (level == 0 && m_transactionLost) {
        throw DaoException(DaoError::EngineError,
                           QStringLiteral("The database engine undid these changes after an "
                                          "earlier error in '%1'; nothing of them was saved. "
                                          "Discard the changes and make them again.")
                               .arg(m_path));
    }
    exec(level == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE level%1").arg(level));
    m_depth = level;
}

void Database::rollback() {
    if (m_depth == 0) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("Rollback without a transaction in progress."));
    }
    const int level = m_depth - 1;
    if (level == 0) {
        exec(QStringLiteral("ROLLBACK"));
        m_transactionLost = false;
    } else {
        exec(QStringLiteral("ROLLBACK TO level%1").arg(level));
        exec(QStringLiteral("RELEASE level%1").arg(level));
    }
    m_depth = level;
}

void Database::setFullSync() {
    exec(QStringLiteral("PRAGMA synchronous = FULL"));
}

void Database::setBusyTimeout(int milliseconds) {
    exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
    m_busyTimeoutMs = milliseconds;
}

namespace {

// The engine's own connection under a Qt connection.
sqlite3* engineHandle(const QString& connectionName) {
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    const QVariant handle = db.driver() != nullptr ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("The database connection is not an SQLite one."));
    }
    sqlite3* engine = *static_cast<sqlite3* const*>(handle.constData());
    if (engine == nullptr) {
        throw DaoException(DaoError::CannotOpen, QStringLiteral("The database is not open."));
    }
    return engine;
}

// Copies every page of one open database into another in a single step,
// waiting (as every statement does) for another connection's lock.
void copyAllPages(sqlite3* from, sqlite3* to, const QString& what) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr) {
        throw DaoException(DaoError::EngineError, QStringLiteral("%1: %2").arg(
                                                      what, QString::fromUtf8(sqlite3_errmsg(to))));
    }
    int status = SQLITE_OK;
    for (int waited = 0; waited < Database::kBusyTimeoutMs; waited += 50) {
        status = sqlite3_backup_step(backup, -1);
        if (status != SQLITE_BUSY && status != SQLITE_LOCKED) {
            break;
        }
        sqlite3_sleep(50);
    }
    sqlite3_backup_finish(backup);
    if (status != SQLITE_DONE) {
        const int number = status == SQLITE_BUSY || status == SQLITE_LOCKED ? DaoError::Locked
                                                                            : DaoError::EngineError;
        throw DaoException(
            number, QStringLiteral("%1: %2").arg(what, QString::fromUtf8(sqlite3_errstr(status))));
    }
}

}  // namespace

void Database::writeCopyTo(const QString& targetPath) {
    if (!m_open) {
        throw DaoException(DaoError::CannotOpen, QStringLiteral("The database is not open."));
    }
    Database copy;
    copy.create(targetPath);
    copyAllPages(engineHandle(m_connectionName), engineHandle(copy.m_connectionName),
                 QStringLiteral("Could not copy '%1' to '%2'").arg(m_path, targetPath));
    // The copy took the original's write-ahead mode with its pages; a copy
    // kept aside is a single file.
    copy.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
}

void Database::replaceContentsWith(const QString& sourcePath) {
    if (!m_open) {
        throw DaoException(DaoError::CannotOpen, QStringLiteral("The database is not open."));
    }
    Database source;
    source.open(sourcePath, Access::ReadOnly);
    copyAllPages(engineHandle(source.m_connectionName), engineHandle(m_connectionName),
                 QStringLiteral("Could not put '%1' in the place of '%2'").arg(sourcePath, m_path));
}

bool Database::passesIntegrityCheck() {
    try {
        QSqlQuery check = exec(QStringLiteral("PRAGMA integrity_check"));
        return check.next() && check.value(0).toString() == QLatin1String("ok") && !check.next();
    } catch (const DaoException&) {
        return false;
    }
}

bool Database::isOpenInProcess(const QString& path) {
    QMutexLocker lock(&g_openMutex);
    return g_openPaths.contains(canonicalDatabasePath(path));
}

Transaction::Transaction(Database& database) : m_database(database) {
    m_database.beginTrans();
}

Transaction::~Transaction() {
    if (!m_finished) {
        try {
            m_database.rollback();
        } catch (const DaoException&) {
            // The connection is gone; SQLite has rolled back already.
        }
    }
}

void Transaction::commit() {
    m_database.commitTrans();
    m_finished = true;
}

}  // namespace mw::storage
