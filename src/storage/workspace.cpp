#include "storage/workspace.h"

#include <algorithm>

namespace mw::storage {

Workspace::Workspace(QString name, QString user, QString password)
    : m_name(std::move(name)), m_user(std::move(user)), m_password(std::move(password)) {}

Workspace::~Workspace() {
    closeAll();
}

Database& Workspace::openDatabase(const QString& path, Database::Access access) {
    auto database = std::make_unique<Database>();
    database->open(path, access);
    m_databases.push_back(std::move(database));
    return *m_databases.back();
}

Database& Workspace::adopt(std::unique_ptr<Database> database) {
    m_databases.push_back(std::move(database));
    return *m_databases.back();
}

Database* Workspace::database() const {
    return m_databases.empty() ? nullptr : m_databases.front().get();
}

void Workspace::closeDatabase(Database* database) {
    const auto it = std::find_if(m_databases.begin(), m_databases.end(),
                                 [database](const auto& d) { return d.get() == database; });
    if (it != m_databases.end()) {
        m_databases.erase(it);
    }
}

void Workspace::closeAll() {
    m_databases.clear();
}

void Workspace::beginTrans() {
    for (auto& d : m_databases) {
        if (!d->isReadOnly()) {
            d->beginTrans();
        }
    }
}

void Workspace::commitTrans() {
    for (auto& d : m_databases) {
        if (!d->isReadOnly()) {
            d->commitTrans();
        }
    }
}

void Workspace::rollback() {
    for (auto& d : m_databases) {
        if (!d->isReadOnly()) {
            d->rollback();
        }
    }
}

}  // namespace mw::storage
