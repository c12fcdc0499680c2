#include "storage/compact_repair.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>

#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "storage/sql_names.h"

namespace mw::storage {

namespace {

DaoException inUse(const QString& path) {
    return DaoException(DaoError::FileInUse,
                        QStringLiteral("The database '%1' is in use. Close it in Maltwise "
                                       "Calculator (and in any other copy of the program) and "
                                       "try again.")
                            .arg(path));
}

void refuseExistingTemporary(const QString& temp) {
    if (QFile::exists(temp)) {
        throw DaoException(DaoError::ObjectExists,
                           QStringLiteral("The temporary file '%1' already exists. Remove it and "
                                          "try again.")
                               .arg(temp));
    }
}

// Puts the finished temporary file in the database's place in one rename,
// so that the database is either the old or the new file, never half of one.
void replaceWith(const QString& temp, const QString& path) {
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) !=
        0) {
        removeDatabaseFiles(temp);
        throw DaoException(DaoError::CannotOpen,
                           QStringLiteral("The compacted copy could not replace '%1'.").arg(path));
    }
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
}

bool integrityOk(Database& database) {
    try {
        QSqlQuery check = database.exec(QStringLiteral("PRAGMA integrity_check"));
        return check.next() && check.value(0).toString() == QLatin1String("ok");
    } catch (const DaoException&) {
        return false;
    }
}

struct SchemaObject {
    QString type;
    QString name;
    QString table;
    QString sql;
};

// Copies a table row by row, skipping what cannot be read. Returns the rows lost.
long copyTableRows(Database& source, Database& target, const QString& table) {
    long lost = 0;
    QSqlQuery columnsQuery =
        source.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)));
    QStringList columns;
    while (columnsQuery.next()) {
        columns << columnsQuery.value(1).toString();
    }
    if (columns.isEmpty()) {
        return 0;
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    const QString insert =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quoted(table), quotedList(columns), marks.join(QLatin1Char(',')));
    try {
        QSqlQuery rows = source.exec(
            QStringLiteral("SELECT %1 FROM %2").arg(quotedList(columns), quoted(table)));
        while (rows.next()) {
            QVariantList values;
            for (int i = 0; i < columns.size(); ++i) {
                values << rows.value(i);
            }
            try {
                target.exec(insert, values);
            } catch (const DaoException&) {
                ++lost;  // a row that breaks a unique index in a damaged file
            }
        }
    } catch (const DaoException&) {
        ++lost;  // the rest of the table could not be read
    }
    return lost;
}

}  // namespace

// A file open elsewhere is told by its write-ahead log: a connection that has
// the file open keeps the log in place after ours has checkpointed it and gone.
void requireClosedFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw DaoException(DaoError::FileNotFound,
                           QStringLiteral("Could not find file '%1'.").arg(path));
    }
    if (Database::isOpenInProcess(path)) {
        throw inUse(path);
    }
    {
        Database probe;
        probe.open(path);
        probe.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    if (QFile::exists(path + QStringLiteral("-shm")) ||
        QFile::exists(path + QStringLiteral("-wal"))) {
        throw inUse(path);
    }
}

QString temporaryPathFor(const QString& path) {
    return QFileInfo(path).absoluteDir().filePath(QStringLiteral("temp.mdb"));
}

void compactDatabase(const QString& path) {
    const QString temp = temporaryPathFor(path);
    refuseExistingTemporary(temp);
    requireClosedFile(path);
    {
        Database source;
        source.open(path);
        try {
            source.exec(QStringLiteral("VACUUM INTO ?"), {temp});
        } catch (...) {
            removeDatabaseFiles(temp);
            throw;
        }
    }
    replaceWith(temp, path);
}

long repairDatabase(const QString& path) {
    const QString temp = temporaryPathFor(path);
    refuseExistingTemporary(temp);
    requireClosedFile(path);

    Database source;
    source.open(path);
    if (integrityOk(source)) {
        source.close();
        compactDatabase(path);
        return 0;
    }

    // Rebuild: the schema in its original order (so the marker stays first),
    // then every table's readable rows, then indexes and views.
    std::vector<SchemaObject> objects;
    {
        QSqlQuery schema = source.exec(QStringLiteral(
            "SELECT type, name, tbl_name, sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY "
            "rowid"));
        while (schema.next()) {
            objects.push_back({schema.value(0).toString(), schema.value(1).toString(),
                               schema.value(2).toString(), schema.value(3).toString()});
        }
    }
    long lost = 0;
    Database target;
    target.create(temp);
    try {
        target.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        Transaction transaction(target);
        for (const SchemaObject& o : objects) {
            if (o.type == QLatin1String("table") && !o.name.startsWith(QLatin1String("sqlite_"))) {
                target.exec(o.sql);
                lost += copyTableRows(source, target, o.name);
            }
        }
        // Identifiers are never handed out twice, not even after a repair.
        try {
            QSqlQuery sequence =
                source.exec(QStringLiteral("SELECT name, seq FROM sqlite_sequence"));
            while (sequence.next()) {
                target.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE "
                                           "name = ?"),
                            {sequence.value(1), sequence.value(0)});
                if (target.scalar(QStringLiteral("SELECT changes()")).toInt() == 0) {
                    target.exec(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES "
                                               "(?, ?)"),
                                {sequence.value(0), sequence.value(1)});
                }
            }
        } catch (const DaoException&) {
            // No counters could be read; the copied rows still set them.
        }
        for (const SchemaObject& o : objects) {
            if (o.type == QLatin1String("index") || o.type == QLatin1String("view") ||
                o.type == QLatin1String("trigger")) {
                try {
                    target.exec(o.sql);
                } catch (const DaoException&) {
                    // A unique index the surviving rows no longer satisfy is
                    // rebuilt without its uniqueness rather than lost.
                    QString relaxed = o.sql;
                    relaxed.replace(QStringLiteral("CREATE UNIQUE INDEX"),
                                    QStringLiteral("CREATE INDEX"));
                    target.exec(relaxed);
                }
            }
        }
        transaction.commit();
        target.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    } catch (...) {
        target.close();
        removeDatabaseFiles(temp);
        throw;
    }
    target.close();
    source.close();
    replaceWith(temp, path);
    return lost;
}

}  // namespace mw::storage
