#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace mw::storage {

class Database;
class DaoException;
// Expires when the database it was taken from is destroyed.
using Lifetime = std::weak_ptr<const void>;

enum class FieldType { Long, Short, Double, Text, Bool, DateTime };

// One column bound to a member of a record class.
struct FieldBinding {
    QString column;
    FieldType type;
    void* member;
    bool identity;  // assigned by the database when a row is added
};

enum class OpenType { Default, Table, Dynaset, Snapshot };
namespace OpenOption {
enum : int { None = 0, ReadOnly = 1, ForwardOnly = 2 };
}
enum class EditMode { None, Edit, AddNew };
using Bookmark = qint64;

// A record object over a table or saved query: one member per column, read
// when the current row changes and written back by update.
//
// A table opened as a table-type record object walks its rows in the order
// of its current index (or of its identifiers) and seeks on that index;
// every other source is read whole (snapshot) when it is opened or requeried.
// Updates use optimistic locking: an update or delete refuses (error 3197)
// when the row no longer holds what was read, because another workspace or
// another running copy of the program changed it meanwhile.
class Recordset {
public:
    explicit Recordset(Database* database);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // "[Hops]", "[Recipes Log Query - By Batch Number]", ...
    virtual QString defaultSource() const = 0;
    virtual OpenType defaultType() const = 0;

    void open(OpenType type = OpenType::Default, int options = OpenOption::None);
    void close();
    // False as well once the database has been closed and destroyed.
    bool isOpen() const { return m_open && !databaseGone(); }
    // The database, or null once it has been destroyed.
    Database* database() const;
    const std::vector<FieldBinding>& fields() const { return m_fields; }
    // The source's name without brackets.
    QString sourceName() const;

    // A parameter of a saved query ("RecipeID Needed"), used at open and requery.
    void setParameter(const QString& name, const QVariant& value);

    // Table-type only: the index whose order moves follow and seeks use.
    void setCurrentIndex(const QString& indexName);
    const QString& currentIndex() const { return m_indexName; }
    // Seeks the first row, in index order, whose first keys equal `keys`
    // (only the comparison "=" is supported). Returns false (no match) and
    // leaves the position alone when there is none.
    bool seek(const QString& comparison, const QVariantList& keys);
    bool noMatch() const { return m_noMatch; }

    void moveFirst();
    void moveNext();
    void movePrev();
    void moveLast();
    bool isBOF() const;
    bool isEOF() const;
    long recordCount();
    bool canUpdate() const;

    void addNew();
    void edit();
    void update();
    void deleteRecord();
    void cancelUpdate();
    EditMode editMode() const { return m_editMode; }

    Bookmark bookmark() const;
    void setBookmark(Bookmark bookmark);
    Bookmark lastModified() const { return m_lastModified; }

    void setFieldNull(void* member, bool isNull = true);
    bool isFieldNull(const void* member) const;

    // Reads the source again and moves to its first row.
    void requery();

protected:
    void bind(const char* column, qint32& member, bool identity = false);
    void bind(const char* column, qint16& member);
    void bind(const char* column, double& member);
    void bind(const char* column, QString& member);
    void bind(const char* column, bool& member);
    void bind(const char* column, QDateTime& member);

private:
    enum class SourceKind { Table, View, SavedQuery };

    void addBinding(const char* column, FieldType type, void* member, bool identity);
    // The database, or DaoException when it has been destroyed: a record
    // object may outlive the file it was opened on (File Close).
    Database* db() const;
    bool databaseGone() const;
    void requireOpen() const;
    void requireTable(const char* operation) const;
    void requireUpdatable() const;
    void requireCurrent() const;
    int fieldIndex(const void* member) const;

    // Reading
    void resolveSource();
    void loadSnapshot();
    void ensureKeys();
    void position(int pos);
    void loadCurrent();
    void assignFields(const QVariantList& values);
    void clearFields();
    QVariantList fieldValues() const;
    QVariant fieldValue(std::size_t i) const;
    QString quotedColumns() const;
    void assignField(std::size_t i, const QVariant& v);
    void zeroField(std::size_t i);
    // "rowid = ? AND column IS ? ..." over every column: the current row as it was read.
    QString unchangedRowCondition() const;
    // Why a write that matched no row failed: the row is gone, or changed.
    DaoException staleRowError(const QString& consequence) const;

    Database* m_database;
    Lifetime m_databaseAlive;
    std::vector<FieldBinding> m_fields;
    std::vector<bool> m_null;
    QHash<QString, QVariant> m_parameters;

    bool m_open = false;
    bool m_snapshot = false;
    bool m_readOnly = false;
    bool m_forwardOnly = false;
    SourceKind m_kind = SourceKind::Table;
    QString m_source;

    // Table-type: identifiers in index order; snapshot: the rows themselves.
    QString m_indexName;
    QStringList m_indexColumns;
    std::vector<qint64> m_keys;
    bool m_keysValid = false;
    std::vector<QVariantList> m_rows;
    std::vector<int> m_rowColumnOfField;

    int m_pos = -1;  // -1: BOF; size: EOF
    qint64 m_currentRowId = 0;
    bool m_currentDeleted = false;
    QVariantList m_readValues;  // the current row as read, for optimistic locking
    EditMode m_editMode = EditMode::None;
    Bookmark m_lastModified = 0;
    bool m_noMatch = false;
};

}  // namespace mw::storage
