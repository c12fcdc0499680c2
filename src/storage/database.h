#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>

namespace mw::storage {

// One open database file: an SQLite connection of its own, so that its
// transactions are isolated from every other connection, in this program or
// in another running copy of it. Every value reaches SQL as a bound
// parameter. Failures throw DaoException.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file, shared. A missing file, a directory, or a file
    // that is not a database is refused. A read-only connection refuses
    // every write with error 3027 and takes no part in its workspace's
    // transactions. A file marked read-only (no one may write it) is opened
    // for reading only whoever runs the program, an administrator included,
    // so every write to it is refused with error 3027 as well. Opening
    // writes nothing to the file.
    void open(const QString& path, Access access = Access::ReadWrite);
    // Creates a new, empty file (refused when the file exists) and opens it.
    void create(const QString& path);
    void close();
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_readOnly; }
    // Expires when this object is destroyed, so that record objects opened
    // on it can tell instead of touching freed memory.
    std::weak_ptr<const void> lifetime() const { return m_lifetime; }
    const QString& path() const { return m_path; }

    // The name of the first table the file lists among its table definitions.
    QString firstTableName();

    // Runs one statement with positional values; the query is positioned
    // before its first row.
    QSqlQuery exec(const QString& sql, std::initializer_list<QVariant> values = {});
    QSqlQuery exec(const QString& sql, const QVariantList& values);
    // Runs one statement and returns the first column of its first row.
    QVariant scalar(const QString& sql, std::initializer_list<QVariant> values = {});

    // Transactions; a begin inside a transaction opens a nested level.
    void beginTrans();
    void commitTrans();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // Makes crash safety as strong as the file system allows: every commit
    // reaches the disk before it returns.
    void setFullSync();
    // How long a statement waits for another connection's lock before it
    // fails with error 3260.
    void setBusyTimeout(int milliseconds);

    // Writes a consistent copy of the whole database to a new file while this
    // connection stays open and usable (SQLite's online backup). The copy is
    // one self-contained file, without a write-ahead log beside it.
    void writeCopyTo(const QString& targetPath);
    // Replaces everything in this database by the contents of another
    // database file, in one transaction: the file holds either all of its
    // old contents or all of the new ones.
    void replaceContentsWith(const QString& sourcePath);
    // Runs the engine's full integrity check; true when it finds nothing wrong.
    bool passesIntegrityCheck();

    // True when some Database object of this program has the file open.
    static bool isOpenInProcess(const QString& path);

    // How long a statement waits for another connection's lock, in ms.
    static constexpr int kBusyTimeoutMs = 5000;

    // Runs on every connection right after it opens (empty: nothing). Tests
    // inject failures through it, such as a full disk.
    using ConnectionHook = std::function<void(Database&)>;
    static void setConnectionHook(ConnectionHook hook);

private:
    // Whether a refused write may be tried again in a fresh transaction.
    bool refusedWithoutWaiting(const QSqlError& error, qint64 elapsedMs) const;
    void openConnection(const QString& path, bool readOnlyFile = false);
    void recoverLostTransaction();

    QString m_connectionName;
    QString m_path;
    bool m_open = false;
    bool m_readOnly = false;
    std::shared_ptr<const int> m_lifetime = std::make_shared<const int>(0);
    int m_depth = 0;
    // The open transaction has written something (it cannot start afresh).
    bool m_wroteInTransaction = false;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    // The engine undid a transaction that had written something; the one
    // that took its place must not be committed as if it held that work.
    bool m_transactionLost = false;
};

// A transaction that rolls back unless it is committed.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_database;
    bool m_finished = false;
};

// Canonical form of a path, to compare files.
QString canonicalDatabasePath(const QString& path);

}  // namespace mw::storage
