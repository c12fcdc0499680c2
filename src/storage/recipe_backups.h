#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

namespace mw::storage {

class Database;

// One kept copy of a recipe database.
struct BackupCopy {
    QString path;
    QDateTime madeAt;  // local time
    qint64 size = 0;   // bytes
};

// What became of a copy that was asked for.
enum class BackupOutcome {
    Made,              // a new copy passed its check and is kept
    AlreadyMadeToday,  // the file has a copy of today already; nothing was made
    Damaged,           // the new copy failed its check and was deleted; older ones kept
};

struct BackupResult {
    BackupOutcome outcome = BackupOutcome::AlreadyMadeToday;
    BackupCopy copy;  // the new copy when one was made
};

// The kept copies of recipe databases, all in one folder. A copy's name
// holds the recipe file's base name, a hash of its full path (so that two
// "Recipes.mdb" in different folders never mix) and the time it was made:
// "Recipes-0123456789abcdef-20261206-081500.mdb". Every new copy passes the
// engine's integrity check before an older one is dropped.
class RecipeBackups {
public:
    using Clock = std::function<QDateTime()>;

    // The program's default number of copies kept of each recipe database.
    static constexpr int kDefaultCopiesKept = 5;

    explicit RecipeBackups(QString folder, Clock clock = &QDateTime::currentDateTime);

    const QString& folder() const { return m_folder; }

    // The copies of a recipe file, newest first.
    std::vector<BackupCopy> copiesOf(const QString& recipePath) const;

    // Copies an open recipe database unless a copy of it was made today.
    BackupResult backUpOncePerDay(Database& recipes, int copiesKept);
    // Copies an open recipe database now. When the copy passes its check,
    // the oldest copies beyond `copiesKept` are deleted (never `spare`).
    BackupResult backUpNow(Database& recipes, int copiesKept, const QString& spare = QString());
    // Copies a closed recipe database file now.
    BackupResult backUpFile(const QString& recipePath, int copiesKept,
                            const QString& spare = QString());

    // Puts a copy's contents in the place of a closed recipe file: the copy
    // is checked first (a damaged one throws and changes nothing), then the
    // file as it is is kept as a copy of its own, then replaced. Returns the
    // copy of the file as it was before. Throws DaoException.
    BackupCopy restore(const QString& recipePath, const BackupCopy& copy, int copiesKept);

    // True when the file is a database that passes the integrity check.
    static bool isSound(const QString& path);

private:
    QString prefixFor(const QString& recipePath) const;
    QString newCopyPath(const QString& recipePath, const QDateTime& now) const;
    void dropOldCopies(const QString& recipePath, int copiesKept, const QString& spare);

    QString m_folder;
    Clock m_clock;
};

}  // namespace mw::storage
