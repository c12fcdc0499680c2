#include "storage/recordset.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/sql_names.h"

namespace mw::storage {

namespace {

constexpr int kNoIndex = 3019;
constexpr int kTooFewParameters = 3061;

DaoException readOnlyError() {
    return DaoException(DaoError::ReadOnly,
                        QStringLiteral("Cannot update. The record object is read-only."));
}

DaoException noCurrentRecord() {
    return DaoException(DaoError::NoCurrentRecord, QStringLiteral("No current record."));
}

QDateTime parseDate(const QVariant& value) {
    const QString text = value.toString();
    QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid()) {
            dt = date.startOfDay();
        }
    }
    return dt;
}

}  // namespace

Recordset::Recordset(Database* database)
    : m_database(database), m_databaseAlive(database ? database->lifetime() : Lifetime()) {}

bool Recordset::databaseGone() const {
    return m_database == nullptr || m_databaseAlive.expired();
}

Database* Recordset::database() const {
    return databaseGone() ? nullptr : m_database;
}

Database* Recordset::db() const {
    if (databaseGone()) {
        throw DaoException(DaoError::CannotOpen,
                           QStringLiteral("The database of the record object for %1 has been "
                                          "closed.")
                               .arg(sourceName()));
    }
    return m_database;
}

Recordset::~Recordset() {
    close();
}

QString Recordset::sourceName() const {
    QString name = defaultSource();
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))) {
        name = name.mid(1, name.size() - 2);
    }
    return name;
}

void Recordset::addBinding(const char* column, FieldType type, void* member, bool identity) {
    m_fields.push_back({QString::fromLatin1(column), type, member, identity});
    m_null.push_back(false);
}

void Recordset::bind(const char* column, qint32& member, bool identity) {
    addBinding(column, FieldType::Long, &member, identity);
}
void Recordset::bind(const char* column, qint16& member) {
    addBinding(column, FieldType::Short, &member, false);
}
void Recordset::bind(const char* column, double& member) {
    addBinding(column, FieldType::Double, &member, false);
}
void Recordset::bind(const char* column, QString& member) {
    addBinding(column, FieldType::Text, &member, false);
}
void Recordset::bind(const char* column, bool& member) {
    addBinding(column, FieldType::Bool, &member, false);
}
void Recordset::bind(const char* column, QDateTime& member) {
    addBinding(column, FieldType::DateTime, &member, false);
}

void Recordset::setParameter(const QString& name, const QVariant& value) {
    m_parameters.insert(name.toLower(), value);
}

void Recordset::requireOpen() const {
    db();
    if (!m_open) {
        throw DaoException(
            DaoError::OperationNotSupported,
            QStringLiteral("The record object for %1 is not open.").arg(sourceName()));
    }
}

void Recordset::requireTable(const char* operation) const {
    requireOpen();
    if (m_snapshot) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("%1 needs a table-type record object (%2).")
                               .arg(QString::fromLatin1(operation), sourceName()));
    }
}

void Recordset::requireUpdatable() const {
    requireOpen();
    if (m_snapshot || m_readOnly) {
        throw readOnlyError();
    }
}

void Recordset::requireCurrent() const {
    if (m_currentRowId == 0 || m_currentDeleted) {
        throw noCurrentRecord();
    }
}

int Recordset::fieldIndex(const void* member) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].member == member) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QString Recordset::quotedColumns() const {
    QStringList columns;
    for (const FieldBinding& f : m_fields) {
        columns << f.column;
    }
    return quotedList(columns);
}

// ---------------------------------------------------------------- opening

void Recordset::resolveSource() {
    const QString name = sourceName();
    const QString type =
        db()->scalar(QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? "
                                    "COLLATE NOCASE AND type IN ('table', 'view')"),
                     {name})
            .toString();
    if (type == QLatin1String("table")) {
        m_kind = SourceKind::Table;
        return;
    }
    if (type == QLatin1String("view")) {
        m_kind = SourceKind::View;
        return;
    }
    const bool hasQueries =
        db()->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                    "name = ?"),
                     {kSavedQueriesTable})
            .toInt() > 0;
    if (hasQueries && db()->scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE QueryName = ?")
                                       .arg(quoted(kSavedQueriesTable)),
                                   {name})
                              .toInt() > 0) {
        m_kind = SourceKind::SavedQuery;
        return;
    }
    throw DaoException(DaoError::TableNotFound,
                       QStringLiteral("The database engine cannot find the table or query '%1'. "
                                      "Make sure it exists and that its name is spelled "
                                      "correctly.")
                           .arg(name));
}

void Recordset::open(OpenType type, int options) {
    if (databaseGone() || !m_database->isOpen()) {
        throw DaoException(
            DaoError::CannotOpen,
            QStringLiteral("The record object for %1 has no open database.").arg(sourceName()));
    }
    close();
    const OpenType effective = type == OpenType::Default ? defaultType() : type;
    m_readOnly = (options & OpenOption::ReadOnly) != 0;
    m_forwardOnly = (options & OpenOption::ForwardOnly) != 0;
    resolveSource();
    if (effective == OpenType::Table && m_kind != SourceKind::Table) {
        throw DaoException(
            DaoError::OperationNotSupported,
            QStringLiteral("'%1' is a query and cannot be opened as a table.").arg(sourceName()));
    }
    m_snapshot = effective == OpenType::Snapshot || m_kind != SourceKind::Table;
    m_source = sourceName();
    m_open = true;
    m_indexName.clear();
    m_indexColumns.clear();
    m_editMode = EditMode::None;
    m_lastModified = 0;
    m_noMatch = false;
    try {
        if (m_snapshot) {
            loadSnapshot();
            position(0);
        } else {
            // The first row only; the full key list is read when a move needs it.
            m_keysValid = false;
            m_keys.clear();
            const QVariant first =
                db()->scalar(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid LIMIT 1")
                                 .arg(quoted(m_source)));
            if (first.isNull()) {
                m_keysValid = true;
                position(0);
            } else {
                m_pos = 0;
                m_currentRowId = first.toLongLong();
                m_currentDeleted = false;
                loadCurrent();
            }
        }
    } catch (...) {
        m_open = false;
        throw;
    }
}

void Recordset::close() {
    m_open = false;
    m_keys.clear();
    m_rows.clear();
    m_keysValid = false;
    m_pos = -1;
    m_currentRowId = 0;
    m_currentDeleted = false;
    m_editMode = EditMode::None;
}

void Recordset::loadSnapshot() {
    QString sql;
    QVariantList values;
    if (m_kind == SourceKind::Table) {
        sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoted(m_source));
    } else if (m_kind == SourceKind::View) {
        sql = QStringLiteral("SELECT * FROM %1").arg(quoted(m_source));
    } else {
        QSqlQuery stored = db()->exec(
            QStringLiteral("SELECT QuerySql, QueryParameters FROM %1 WHERE QueryName = ?")
                .arg(quoted(kSavedQueriesTable)),
            {m_source});
        stored.next();
        sql = stored.value(0).toString();
        requireSelectQuery(m_source, sql);
        const QStringList names =
            stored.value(1).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& name : names) {
            const auto it = m_parameters.constFind(name.trimmed().toLower());
            if (it == m_parameters.constEnd()) {
                throw DaoException(kTooFewParameters,
                                   QStringLiteral("Too few parameters. Expected %1 (%2).")
                                       .arg(names.size())
                                       .arg(name.trimmed()));
            }
            values << *it;
        }
    }
    QSqlQuery query = db()->exec(sql, values);
    const QSqlRecord record = query.record();
    m_rowColumnOfField.assign(m_fields.size(), -1);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        for (int c = 0; c < record.count(); ++c) {
            if (record.fieldName(c).compare(m_fields[i].column, Qt::CaseInsensitive) == 0) {
                m_rowColumnOfField[i] = c;
                break;
            }
        }
        if (m_rowColumnOfField[i] < 0) {
            throw DaoException(DaoError::ItemNotFound,
                               QStringLiteral("The column '%1' is not in '%2'.")
                                   .arg(m_fields[i].column, m_source));
        }
    }
    m_rows.clear();
    while (query.next()) {
        QVariantList row;
        row.reserve(static_cast<qsizetype>(m_fields.size()));
        for (int c : m_rowColumnOfField) {
            row << query.value(c);
        }
        m_rows.push_back(std::move(row));
    }
}

void Recordset::ensureKeys() {
    if (m_snapshot || m_keysValid) {
        return;
    }
    QStringList order = m_indexColumns;
    QString orderBy = quotedList(order);
    orderBy += orderBy.isEmpty() ? QStringLiteral("rowid") : QStringLiteral(", rowid");
    QSqlQuery query = db()->exec(
        QStringLiteral("SELECT rowid FROM %1 ORDER BY %2").arg(quoted(m_source), orderBy));
    m_keys.clear();
    while (query.next()) {
        m_keys.push_back(query.value(0).toLongLong());
    }
    m_keysValid = true;
    if (m_currentRowId != 0 && !m_currentDeleted) {
        const auto it = std::find(m_keys.begin(), m_keys.end(), m_currentRowId);
        m_pos = it == m_keys.end() ? static_cast<int>(m_keys.size())
                                   : static_cast<int>(it - m_keys.begin());
    } else {
        m_pos = std::clamp(m_pos, -1, static_cast<int>(m_keys.size()));
    }
}

// ---------------------------------------------------------------- moving

void Recordset::position(int pos) {
    const int size = static_cast<int>(m_snapshot ? m_rows.size() : m_keys.size());
    m_pos = std::clamp(pos, -1, size);
    m_currentDeleted = false;
    m_editMode = EditMode::None;
    if (m_pos >= 0 && m_pos < size) {
        m_currentRowId = m_snapshot ? m_pos + 1 : m_keys[static_cast<std::size_t>(m_pos)];
        loadCurrent();
    } else {
        m_currentRowId = 0;
    }
}

void Recordset::loadCurrent() {
    if (m_snapshot) {
        assignFields(m_rows[static_cast<std::size_t>(m_pos)]);
        return;
    }
    QSqlQuery query = db()->exec(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(quotedColumns(), quoted(m_source)),
        {m_currentRowId});
    if (!query.next()) {
        throw DaoException(DaoError::RecordDeleted, QStringLiteral("Record is deleted."));
    }
    QVariantList values;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        values << query.value(static_cast<int>(i));
    }
    assignFields(values);
    m_readValues = values;
}

void Recordset::assignFields(const QVariantList& values) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const QVariant& v = values[static_cast<qsizetype>(i)];
        m_null[i] = v.isNull();
        assignField(i, v);
    }
}

// A null value leaves the member at its type's zero.
void Recordset::assignField(std::size_t i, const QVariant& v) {
    const bool null = v.isNull();
    void* member = m_fields[i].member;
    switch (m_fields[i].type) {
        case FieldType::Long:
            *static_cast<qint32*>(member) = null ? 0 : v.toInt();
            break;
        case FieldType::Short:
            *static_cast<qint16*>(member) = static_cast<qint16>(null ? 0 : v.toInt());
            break;
        case FieldType::Double:
            *static_cast<double*>(member) = null ? 0.0 : v.toDouble();
            break;
        case FieldType::Text:
            *static_cast<QString*>(member) = null ? QString() : v.toString();
            break;
        case FieldType::Bool:
            *static_cast<bool*>(member) = !null && v.toLongLong() != 0;
            break;
        case FieldType::DateTime:
            *static_cast<QDateTime*>(member) = null ? QDateTime() : parseDate(v);
            break;
    }
}

void Recordset::zeroField(std::size_t i) {
    assignField(i, QVariant());
}

void Recordset::clearFields() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        zeroField(i);
        m_null[i] = m_fields[i].type == FieldType::DateTime;
    }
}

QVariant Recordset::fieldValue(std::size_t i) const {
    const void* member = m_fields[i].member;
    switch (m_fields[i].type) {
        case FieldType::Long: {
            const qint32 v = *static_cast<const qint32*>(member);
            return m_null[i] && v == 0 ? QVariant() : QVariant(v);
        }
        case FieldType::Short: {
            const int v = *static_cast<const qint16*>(member);
            return m_null[i] && v == 0 ? QVariant() : QVariant(v);
        }
        case FieldType::Double: {
            const double v = *static_cast<const double*>(member);
            return m_null[i] && v == 0.0 ? QVariant() : QVariant(v);
        }
        case FieldType::Text: {
            const QString& v = *static_cast<const QString*>(member);
            return m_null[i] && v.isEmpty() ? QVariant() : QVariant(v);
        }
        case FieldType::Bool: {
            const bool v = *static_cast<const bool*>(member);
            return m_null[i] && !v ? QVariant() : QVariant(v ? 1 : 0);
        }
        case FieldType::DateTime: {
            const QDateTime& v = *static_cast<const QDateTime*>(member);
            if (!v.isValid()) {
                return QVariant();
            }
            // A date without a time of day is stored as a plain date.
            return v.time() == QTime(0, 0) ? v.date().toString(Qt::ISODate)
                                           : v.toString(Qt::ISODate);
        }
    }
    return QVariant();
}

QVariantList Recordset::fieldValues() const {
    QVariantList values;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        values << fieldValue(i);
    }
    return values;
}

void Recordset::setCurrentIndex(const QString& indexName) {
    requireTable("Setting an index");
    const QString table =
        db()->scalar(QStringLiteral("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                                    "name = ?"),
                     {indexName})
            .toString();
    if (table.compare(m_source, Qt::CaseInsensitive) != 0) {
        throw DaoException(
            DaoError::IndexNotFound,
            QStringLiteral("'%1' is not an index in the table '%2'.").arg(indexName, m_source));
    }
    QSqlQuery info = db()->exec(QStringLiteral("PRAGMA index_info(%1)").arg(quoted(indexName)));
    QStringList columns;
    while (info.next()) {
        columns << info.value(2).toString();
    }
    m_indexName = indexName;
    m_indexColumns = columns;
    m_keysValid = false;
    ensureKeys();
    position(0);
}

bool Recordset::seek(const QString& comparison, const QVariantList& keys) {
    requireTable("Seek");
    if (m_indexColumns.isEmpty()) {
        throw DaoException(kNoIndex, QStringLiteral("Seek needs a current index."));
    }
    if (comparison != QLatin1String("=") || keys.isEmpty() || keys.size() > m_indexColumns.size()) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("Seek supports \"=\" with one to %1 key values.")
                               .arg(m_indexColumns.size()));
    }
    QStringList conditions;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        conditions << quoted(m_indexColumns[i]) + QStringLiteral(" = ?");
    }
    QSqlQuery query =
        db()->exec(QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY %3, rowid LIMIT 1")
                       .arg(quoted(m_source), conditions.join(QStringLiteral(" AND ")),
                            quotedList(m_indexColumns)),
                   keys);
    if (!query.next()) {
        m_noMatch = true;
        return false;
    }
    const qint64 rowId = query.value(0).toLongLong();
    m_noMatch = false;
    ensureKeys();
    const auto it = std::find(m_keys.begin(), m_keys.end(), rowId);
    if (it == m_keys.end()) {
        m_keysValid = false;  // added by another workspace since the keys were read
        m_currentRowId = rowId;
        m_currentDeleted = false;
        ensureKeys();
        position(m_pos);
    } else {
        position(static_cast<int>(it - m_keys.begin()));
    }
    return true;
}

void Recordset::moveFirst() {
    requireOpen();
    ensureKeys();
    position(0);
}

void Recordset::moveNext() {
    requireOpen();
    ensureKeys();
    if (m_currentDeleted) {
        position(m_pos);  // the row after the deleted one now stands at its place
        return;
    }
    if (isEOF()) {
        throw noCurrentRecord();
    }
    position(m_pos + 1);
}

void Recordset::movePrev() {
    requireOpen();
    if (m_forwardOnly) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("The record object reads forward only."));
    }
    ensureKeys();
    if (!m_currentDeleted && isBOF()) {
        throw noCurrentRecord();
    }
    position(m_pos - 1);
}

void Recordset::moveLast() {
    requireOpen();
    if (m_forwardOnly) {
        throw DaoException(DaoError::OperationNotSupported,
                           QStringLiteral("The record object reads forward only."));
    }
    ensureKeys();
    position(static_cast<int>(m_snapshot ? m_rows.size() : m_keys.size()) - 1);
}

bool Recordset::isBOF() const {
    if (!isOpen()) {
        return true;
    }
    if (!m_snapshot && !m_keysValid) {
        return m_currentRowId == 0 && !m_currentDeleted;
    }
    const std::size_t size = m_snapshot ? m_rows.size() : m_keys.size();
    return size == 0 || m_pos < 0;
}

bool Recordset::isEOF() const {
    if (!isOpen()) {
        return true;
    }
    if (!m_snapshot && !m_keysValid) {
        return m_currentRowId == 0 && !m_currentDeleted;
    }
    const int size = static_cast<int>(m_snapshot ? m_rows.size() : m_keys.size());
    return size == 0 || m_pos >= size;
}

long Recordset::recordCount() {
    requireOpen();
    ensureKeys();
    return static_cast<long>(m_snapshot ? m_rows.size() : m_keys.size());
}

bool Recordset::canUpdate() const {
    return m_open && !m_snapshot && !m_readOnly;
}

// ---------------------------------------------------------------- writing

void Recordset::addNew() {
    requireUpdatable();
    m_editMode = EditMode::AddNew;
    clearFields();
}

void Recordset::edit() {
    requireUpdatable();
    requireCurrent();
    m_editMode = EditMode::Edit;
}

void Recordset::update() {
    requireUpdatable();
    if (m_editMode == EditMode::None) {
        throw DaoException(DaoError::NoUpdateInProgress,
                           QStringLiteral("Update without AddNew or Edit."));
    }
    QStringList columns;
    QVariantList values;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (!m_fields[i].identity) {
            columns << m_fields[i].column;
            values << fieldValue(i);
        }
    }
    if (m_editMode == EditMode::AddNew) {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i) {
            marks << QStringLiteral("?");
        }
        QSqlQuery query = db()->exec(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(m_source), quotedList(columns), marks.join(QStringLiteral(", "))),
            values);
        const qint64 rowId = query.lastInsertId().toLongLong();
        m_lastModified = rowId;
        m_editMode = EditMode::None;
        m_keysValid = false;
        if (m_currentRowId != 0 && !m_currentDeleted) {
            loadCurrent();  // back on the row that was current before AddNew
        } else {
            for (FieldBinding& f : m_fields) {
                if (f.identity) {
                    *static_cast<qint32*>(f.member) = static_cast<qint32>(rowId);
                }
            }
        }
        return;
    }

    // Edit: the row must still hold what was read, or someone else changed it.
    QStringList sets;
    for (const QString& c : columns) {
        sets << quoted(c) + QStringLiteral(" = ?");
    }
    QVariantList bound = values;
    bound << m_currentRowId << m_readValues;
    QSqlQuery query = db()->exec(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3")
            .arg(quoted(m_source), sets.join(QStringLiteral(", ")), unchangedRowCondition()),
        bound);
    if (query.numRowsAffected() == 0) {
        throw staleRowError(
            QStringLiteral("Your changes were not saved; discard them to see the "
                           "record as it is now."));
    }
    m_editMode = EditMode::None;
    m_lastModified = m_currentRowId;
    m_keysValid = false;  // a changed key column moves the row in index order
    loadCurrent();
}

QString Recordset::unchangedRowCondition() const {
    QStringList unchanged{QStringLiteral("rowid = ?")};
    for (const FieldBinding& f : m_fields) {
        unchanged << quoted(f.column) + QStringLiteral(" IS ? COLLATE BINARY");
    }
    return unchanged.join(QStringLiteral(" AND "));
}

DaoException Recordset::staleRowError(const QString& consequence) const {
    const bool exists =
        db()->scalar(
                QStringLiteral("SELECT count(*) FROM %1 WHERE rowid = ?").arg(quoted(m_source)),
                {m_currentRowId})
            .toInt() > 0;
    if (!exists) {
        return DaoException(DaoError::RecordDeleted, QStringLiteral("Record is deleted."));
    }
    return DaoException(DaoError::WriteConflict,
                        QStringLiteral("The record in '%1' was changed by another window or "
                                       "another user after it was read. %2")
                            .arg(m_source, consequence));
}

void Recordset::deleteRecord() {
    requireUpdatable();
    requireCurrent();
    // The key list must hold the row before it goes, so that the next move
    // steps from its place.
    ensureKeys();
    m_editMode = EditMode::None;
    QVariantList bound{m_currentRowId};
    bound << m_readValues;
    QSqlQuery query = db()->exec(
        QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(m_source), unchangedRowCondition()),
        bound);
    if (query.numRowsAffected() == 0) {
        throw staleRowError(QStringLiteral("It was not deleted."));
    }
    if (m_pos >= 0 && m_pos < static_cast<int>(m_keys.size())) {
        m_keys.erase(m_keys.begin() + m_pos);
    }
    m_currentDeleted = true;
    m_currentRowId = 0;
}

void Recordset::cancelUpdate() {
    requireOpen();
    m_editMode = EditMode::None;
    if (m_currentRowId != 0 && !m_currentDeleted) {
        loadCurrent();
    } else {
        clearFields();
    }
}

Bookmark Recordset::bookmark() const {
    requireCurrent();
    return m_currentRowId;
}

void Recordset::setBookmark(Bookmark bookmark) {
    requireOpen();
    ensureKeys();
    if (m_snapshot) {
        if (bookmark < 1 || bookmark > static_cast<Bookmark>(m_rows.size())) {
            throw DaoException(DaoError::NotABookmark, QStringLiteral("Not a valid bookmark."));
        }
        position(static_cast<int>(bookmark - 1));
        return;
    }
    auto it = std::find(m_keys.begin(), m_keys.end(), bookmark);
    if (it == m_keys.end()) {
        throw DaoException(DaoError::NotABookmark, QStringLiteral("Not a valid bookmark."));
    }
    position(static_cast<int>(it - m_keys.begin()));
}

void Recordset::setFieldNull(void* member, bool isNull) {
    const int i = fieldIndex(member);
    if (i < 0) {
        return;
    }
    m_null[static_cast<std::size_t>(i)] = isNull;
    if (isNull) {
        zeroField(static_cast<std::size_t>(i));
    }
}

bool Recordset::isFieldNull(const void* member) const {
    const int i = fieldIndex(member);
    if (i < 0) {
        return false;
    }
    if (m_fields[static_cast<std::size_t>(i)].type == FieldType::DateTime) {
        return !static_cast<const QDateTime*>(member)->isValid();
    }
    return m_null[static_cast<std::size_t>(i)];
}

void Recordset::requery() {
    requireOpen();
    if (m_snapshot) {
        loadSnapshot();
    } else {
        m_keysValid = false;
        m_currentRowId = 0;
        m_currentDeleted = false;
        ensureKeys();
    }
    position(0);
}

}  // namespace mw::storage
