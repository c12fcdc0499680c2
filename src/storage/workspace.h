#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "storage/database.h"

namespace mw::storage {

// A named unit of login and transactions: the document's default workspace
// (no name), one "DAO" workspace per reference-data dialog, the recipe log's
// "LogView", and "Temp1"/"Temp2" for compacting and repairing. Each database
// it opens is a connection of its own, so the transactions of one workspace
// never mix with another's.
class Workspace {
public:
    explicit Workspace(QString name = QString(), QString user = QStringLiteral("Admin"),
                       QString password = QString());
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const QString& name() const { return m_name; }
    const QString& user() const { return m_user; }

    // Opens a database file in this workspace; the workspace owns it.
    Database& openDatabase(const QString& path,
                           Database::Access access = Database::Access::ReadWrite);
    // Takes over a database opened elsewhere.
    Database& adopt(std::unique_ptr<Database> database);
    // The first database opened, or null.
    Database* database() const;
    // Closes and forgets one of this workspace's databases.
    void closeDatabase(Database* database);
    void closeAll();

    // Transactions span every writable database of the workspace; a
    // read-only one cannot take part in a commit, so none can half-commit
    // across files as long as one database only is writable.
    void beginTrans();
    void commitTrans();
    void rollback();

private:
    QString m_name;
    QString m_user;
    QString m_password;
    std::vector<std::unique_ptr<Database>> m_databases;
};

}  // namespace mw::storage
