#include "storage/recipe_backups.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "resources/message_catalogue.h"
#include "storage/compact_repair.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"

namespace mw::storage {

namespace {

constexpr int kMsgDamagedBackup = 1473;
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");
const QString kExtension = QStringLiteral(".mdb");

// A copy's place in time: when it was made, and its number among copies of
// the same second.
struct Stamp {
    QDateTime madeAt;
    int sequence = 1;
};

// Reads the time part of a copy's name ("20261206-081500" or
// "20261206-081500-2"); false for any other name.
bool readStamp(const QString& rest, Stamp& stamp) {
    // Read by hand: a regular expression here would load its engine at start-up.
    const qsizetype stampLength = kStampFormat.size();
    if (!rest.endsWith(kExtension) || rest.size() < stampLength + kExtension.size()) {
        return false;
    }
    const QString sequence = rest.mid(stampLength, rest.size() - stampLength - kExtension.size());
    if (!sequence.isEmpty()) {
        if (sequence.size() < 2 || sequence.front() != QLatin1Char('-')) {
            return false;
        }
        for (qsizetype i = 1; i < sequence.size(); ++i) {
            if (sequence.at(i) < QLatin1Char('0') || sequence.at(i) > QLatin1Char('9')) {
                return false;
            }
        }
    }
    const QString time = rest.left(stampLength);
    for (qsizetype i = 0; i < time.size(); ++i) {
        const bool dash = i == 8;
        const QChar c = time.at(i);
        if (dash ? c != QLatin1Char('-') : (c < QLatin1Char('0') || c > QLatin1Char('9'))) {
            return false;
        }
    }
    stamp.madeAt = QDateTime::fromString(time, kStampFormat);
    stamp.sequence = sequence.isEmpty() ? 1 : sequence.mid(1).toInt();
    return stamp.madeAt.isValid() && stamp.sequence > 0;
}

void removeCopy(const QString& path) {
    removeDatabaseFiles(path);
}

}  // namespace

RecipeBackups::RecipeBackups(QString folder, Clock clock)
    : m_folder(std::move(folder)), m_clock(std::move(clock)) {}

QString RecipeBackups::prefixFor(const QString& recipePath) const {
    const QByteArray hash = QCryptographicHash::hash(canonicalDatabasePath(recipePath).toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return QFileInfo(recipePath).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash) +
           QLatin1Char('-');
}

std::vector<BackupCopy> RecipeBackups::copiesOf(const QString& recipePath) const {
    const QString prefix = prefixFor(recipePath);
    std::vector<std::pair<Stamp, BackupCopy>> found;
    const QDir folder(m_folder);
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name)) {
        const QString name = file.fileName();
        Stamp stamp;
        if (!name.startsWith(prefix) || !readStamp(name.mid(prefix.size()), stamp)) {
            continue;
        }
        found.push_back({stamp, BackupCopy{file.absoluteFilePath(), stamp.madeAt, file.size()}});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first.madeAt != b.first.madeAt) {
            return a.first.madeAt > b.first.madeAt;
        }
        return a.first.sequence > b.first.sequence;
    });
    std::vector<BackupCopy> copies;
    copies.reserve(found.size());
    for (auto& entry : found) {
        copies.push_back(std::move(entry.second));
    }
    return copies;
}

QString RecipeBackups::newCopyPath(const QString& recipePath, const QDateTime& now) const {
    const QString stem =
        QDir(m_folder).filePath(prefixFor(recipePath) + now.toString(kStampFormat));
    QString path = stem + kExtension;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(path + QStringLiteral(".part"));
         ++n) {
        path = stem + QStringLiteral("-%1").arg(n) + kExtension;
    }
    return path;
}

BackupResult RecipeBackups::backUpOncePerDay(Database& recipes, int copiesKept) {
    const QDate today = m_clock().date();
    for (const BackupCopy& copy : copiesOf(recipes.path())) {
        if (copy.madeAt.date() == today) {
            return {BackupOutcome::AlreadyMadeToday, copy};
        }
    }
    return backUpNow(recipes, copiesKept);
}

BackupResult RecipeBackups::backUpNow(Database& recipes, int copiesKept, const QString& spare) {
    if (!QDir().mkpath(m_folder)) {
        throw DaoException(
            DaoError::CannotOpen,
            QStringLiteral("The backup folder '%1' could not be made.").arg(m_folder));
    }
    const QString path = newCopyPath(recipes.path(), m_clock());
    // The copy is written under a name no listing takes for a copy, and
    // named a copy only once it has passed its check.
    const QString partial = path + QStringLiteral(".part");
    try {
        recipes.writeCopyTo(partial);
    } catch (...) {
        removeCopy(partial);
        throw;
    }
    if (!isSound(partial)) {
        removeCopy(partial);
        return {BackupOutcome::Damaged, {}};
    }
    if (!QFile::rename(partial, path)) {
        removeCopy(partial);
        throw DaoException(DaoError::CannotOpen,
                           QStringLiteral("The backup '%1' could not be written.").arg(path));
    }
    dropOldCopies(recipes.path(), copiesKept, spare);
    const QFileInfo made(path);
    Stamp stamp;
    readStamp(made.fileName().mid(prefixFor(recipes.path()).size()), stamp);
    return {BackupOutcome::Made, BackupCopy{made.absoluteFilePath(), stamp.madeAt, made.size()}};
}

BackupResult RecipeBackups::backUpFile(const QString& recipePath, int copiesKept,
                                       const QString& spare) {
    Database recipes;
    recipes.open(recipePath, Database::Access::ReadOnly);
    return backUpNow(recipes, copiesKept, spare);
}

void RecipeBackups::dropOldCopies(const QString& recipePath, int copiesKept, const QString& spare) {
    const std::vector<BackupCopy> copies = copiesOf(recipePath);
    int kept = 0;
    for (const BackupCopy& copy : copies) {
        if (kept < std::max(copiesKept, 1) || copy.path == spare) {
            ++kept;
            continue;
        }
        removeCopy(copy.path);
    }
}

bool RecipeBackups::isSound(const QString& path) {
    try {
        Database copy;
        copy.open(path, Database::Access::ReadOnly);
        return copy.passesIntegrityCheck();
    } catch (const DaoException&) {
        return false;
    }
}

BackupCopy RecipeBackups::restore(const QString& recipePath, const BackupCopy& copy,
                                  int copiesKept) {
    if (!isSound(copy.path) || !isDatabaseOfKind(copy.path, kRecipeMarker)) {
        throw DaoException(DaoError::NotADatabase,
                           QString::fromStdString(formatMessage(
                               kMsgDamagedBackup, QDir::toNativeSeparators(copy.path).toStdString(),
                               QDir::toNativeSeparators(recipePath).toStdString())));
    }
    requireClosedFile(recipePath);

    // The file as it is now is kept first. A file that fails the check itself
    // is still kept, aside under a name of its own that is never offered for
    // restoring nor dropped, so that nothing of it is lost.
    BackupResult before = backUpFile(recipePath, copiesKept, copy.path);
    if (before.outcome == BackupOutcome::Damaged) {
        QDir().mkpath(m_folder);
        QString aside = newCopyPath(recipePath, m_clock());
        aside.insert(aside.size() - kExtension.size(), QStringLiteral("-damaged"));
        if (!QFile::copy(recipePath, aside)) {
            throw DaoException(
                DaoError::CannotOpen,
                QStringLiteral("'%1' could not be kept before the restore.").arg(recipePath));
        }
        before.copy = BackupCopy{aside, m_clock(), QFileInfo(aside).size()};
    }

    Database recipes;
    recipes.open(recipePath);
    recipes.replaceContentsWith(copy.path);
    recipes.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return before.copy;
}

}  // namespace mw::storage
