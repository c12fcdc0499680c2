#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>
#include <cstdio>
#include <set>

#include "safety_child_process.h"
#include "safety_options.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "stored_state.h"
#include "support/test_registry.h"

using namespace mw;
using test::SafetyChild;
using test::StoredDigests;

namespace {

// What a series of kills found.
struct KillTally {
    int kills = 0;
    int killsInsideTransaction = 0;  // after OPEN, before the save or discard ended
    int killsDuringCommit = 0;       // after SAVING, before COMMITTED
    int savesCommitted = 0;          // COMMITTED lines the children printed
    int savesChecked = 0;            // ... found whole in the file after the kill
    int lost = 0;                    // a committed save missing or not whole
    int torn = 0;                    // something in the file no save accounts for
    int integrityFailures = 0;
    int inFlightFoundCommitted = 0;  // killed between SAVING and COMMITTED, save in the file
    int inFlightFoundAbsent = 0;     // ... save not in the file (rolled back whole)
    int discardsChecked = 0;
    int childFailures = 0;
    QStringList problems;

    QString summary(const char* what) const {
        return QStringLiteral(
                   "crash safety, %1: kills %2, committed saves checked %3 of %4, lost %5, "
                   "torn %6, integrity failures %7; kills inside a transaction %8 (during the "
                   "commit %9: found committed %10, rolled back %11); discarded edits checked "
                   "%12; child failures %13")
            .arg(QString::fromLatin1(what))
            .arg(kills)
            .arg(savesChecked)
            .arg(savesCommitted)
            .arg(lost)
            .arg(torn)
            .arg(integrityFailures)
            .arg(killsInsideTransaction)
            .arg(killsDuringCommit)
            .arg(inFlightFoundCommitted)
            .arg(inFlightFoundAbsent)
            .arg(discardsChecked)
            .arg(childFailures);
    }
};

// Starts the child on one database again and again, kills it with SIGKILL at
// a random moment, reopens the file through the storage layer and holds it
// against everything the child reported committed.
class CrashRig {
public:
    enum class Kind { Recipes, Hops };

    CrashRig(Kind kind, const QString& folder, const QString& dataFile)
        : m_kind(kind), m_folder(folder), m_dataFile(dataFile) {}

    // The child reports each save committed just before its commit.
    void reportEarly() { m_reportEarly = true; }

    KillTally run(int kills, quint32 seed) {
        KillTally tally;
        QRandomGenerator random(seed);
        for (int i = 0; i < kills; ++i) {
            // A fresh file now and then keeps each check short.
            if (i % kKillsPerFile == 0 || m_needFreshFile) {
                freshFile(i / kKillsPerFile);
            }
            const quint32 childSeed = random.generate();
            // Mostly while saving; one kill in five while the file is being
            // opened (and a hot log recovered).
            const bool whileOpening = random.bounded(5u) == 0;
            const int delayMs = whileOpening ? static_cast<int>(random.bounded(40u))
                                             : static_cast<int>(random.bounded(150u));
            killOnce(childSeed, whileOpening, delayMs, tally);
        }
        return tally;
    }

private:
    static constexpr int kKillsPerFile = 50;

    QString file() const {
        return m_folder + (m_kind == Kind::Recipes ? QStringLiteral("/crash-recipes.mdb")
                                                   : QStringLiteral("/crash-data.mdb"));
    }

    void freshFile(int generation) {
        storage::removeDatabaseFiles(file());
        QFile::remove(file() + QStringLiteral(".child.ini"));
        storage::createDatabase(file(), m_kind == Kind::Recipes ? storage::DatabaseKind::Recipe
                                                                : storage::DatabaseKind::Data);
        m_expected.clear();
        m_needFreshFile = false;
        Q_UNUSED(generation);
    }

    QStringList childArguments(quint32 seed) const {
        if (m_kind == Kind::Recipes) {
            QStringList arguments{QStringLiteral("crash-recipes"), file(), m_dataFile,
                                  QString::number(seed)};
            if (m_reportEarly) {
                arguments << QStringLiteral("--report-early");
            }
            return arguments;
        }
        return {QStringLiteral("crash-hops"), file(), QString::number(seed)};
    }

    void killOnce(quint32 seed, bool whileOpening, int delayMs, KillTally& tally) {
        SafetyChild child(childArguments(seed));
        if (!whileOpening) {
            const QString ready = child.waitFor(QStringLiteral("READY"));
            if (ready.isEmpty()) {
                ++tally.childFailures;
                tally.problems << QStringLiteral("child did not start: %1 %2")
                                      .arg(child.lines().join(QLatin1Char('|')), child.errors());
                m_needFreshFile = true;
                return;
            }
            // The connection the saves run on: write-ahead log, every commit
            // synced, a bounded wait for locks.
            if (ready != QLatin1String("READY journal=wal synchronous=2 busy=5000")) {
                tally.problems << QStringLiteral("connection not as promised: ") + ready;
            }
        }
        QThread::msleep(static_cast<unsigned long>(delayMs));
        child.kill();
        ++tally.kills;
        if (child.process().exitStatus() != QProcess::CrashExit) {
            ++tally.childFailures;
            tally.problems << QStringLiteral("child ended by itself: %1 %2")
                                  .arg(child.lines().join(QLatin1Char('|')), child.errors());
        }
        check(child.lines(), tally);
    }

    // Holds the file, as the next start of the program finds it, against
    // what the child reported.
    void check(const QStringList& lines, KillTally& tally) {
        std::map<QString, QString> inFlight;  // SAVING without COMMITTED
        std::set<QString> committedNow;
        bool inside = false;
        for (const QString& line : lines) {
            const QStringList words = line.split(QLatin1Char(' '));
            const QString& word = words.front();
            const QString key = words.value(1);
            const QString digest =
                words.value(2) == QLatin1String("-") ? QString() : words.value(2);
            if (word == QLatin1String("OPEN")) {
                inside = true;
            } else if (word == QLatin1String("SAVING")) {
                inFlight[key] = digest;
            } else if (word == QLatin1String("COMMITTED")) {
                inFlight.erase(key);
                m_expected[key] = digest;
                committedNow.insert(key);
                ++tally.savesCommitted;
                inside = false;
            } else if (word == QLatin1String("DISCARDED")) {
                ++tally.discardsChecked;
                inside = false;
            }
        }
        if (inside) {
            ++tally.killsInsideTransaction;
        }
        if (!inFlight.empty()) {
            ++tally.killsDuringCommit;
        }

        StoredDigests found;
        try {
            storage::Database db;
            db.open(file());
            QSqlQuery check = db.exec(QStringLiteral("PRAGMA integrity_check"));
            QStringList verdict;
            while (check.next()) {
                verdict << check.value(0).toString();
            }
            check.finish();
            if (verdict != QStringList{QStringLiteral("ok")}) {
                ++tally.integrityFailures;
                tally.problems << QStringLiteral("integrity: ") + verdict.join(QLatin1Char(';'));
                m_needFreshFile = true;
            }
            found = m_kind == Kind::Recipes ? test::storedRecipeDigests(db)
                                            : test::storedHopDigests(db);
        } catch (const storage::DaoException& error) {
            ++tally.integrityFailures;
            tally.problems << QStringLiteral("reopening failed: ") + error.description();
            m_needFreshFile = true;
            return;
        }

        std::set<QString> keys;
        for (const auto& [key, digest] : m_expected) {
            keys.insert(key);
        }
        for (const auto& [key, digest] : found) {
            keys.insert(key);
        }
        for (const auto& [key, digest] : inFlight) {
            keys.insert(key);
        }
        for (const QString& key : keys) {
            const QString expected = m_expected.count(key) ? m_expected[key] : QString();
            const QString actual = found.count(key) ? found[key] : QString();
            const auto flight = inFlight.find(key);
            if (key.startsWith(QLatin1String("orphans:")) ||
                key.startsWith(QLatin1String("unexpected:"))) {
                ++tally.torn;
                tally.problems << QStringLiteral("%1 rows: %2").arg(key, actual);
                m_needFreshFile = true;
                continue;
            }
            if (actual == expected) {
                if (flight != inFlight.end()) {
                    ++tally.inFlightFoundAbsent;
                }
                if (committedNow.count(key)) {
                    ++tally.savesChecked;
                }
                continue;
            }
            if (flight != inFlight.end() && actual == flight->second) {
                // Committed to the file; killed before it could say so.
                ++tally.inFlightFoundCommitted;
                m_expected[key] = actual;
                continue;
            }
            if (!expected.isEmpty()) {
                ++tally.lost;
                tally.problems << QStringLiteral("%1: committed %2, found %3")
                                      .arg(key, expected,
                                           actual.isEmpty() ? QStringLiteral("none") : actual);
            } else {
                ++tally.torn;
                tally.problems << QStringLiteral("%1: found %2, never saved").arg(key, actual);
            }
            m_expected[key] = actual;  // go on from what is there
        }
    }

    Kind m_kind;
    QString m_folder;
    QString m_dataFile;
    bool m_needFreshFile = true;
    bool m_reportEarly = false;
    // What each key holds by the children's word ("" for nothing).
    std::map<QString, QString> m_expected;
};

}  // namespace

// A running copy of the program is killed (SIGKILL) at random moments while
// it saves recipes with their ingredient rows, or hops as the Hops dialog
// does; every save the storage layer reported committed is found whole when
// the file is opened again, nothing half-written is, and the file passes
// the engine's integrity check every time. `--kills N` sets the number of
// kills per database (50 here; the long form runs 1,000).
class TestCrashSafety : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_data;

    static void report(const KillTally& tally, const char* what) {
        const QString summary = tally.summary(what);
        std::printf("%s\n", qPrintable(summary));
        std::fflush(stdout);
        for (const QString& problem : tally.problems.mid(0, 20)) {
            qWarning("%s", qPrintable(problem));
        }
    }

    static void verify(const KillTally& tally) {
        QCOMPARE(tally.kills, test::safetyOptions().kills);
        QCOMPARE(tally.childFailures, 0);
        QCOMPARE(tally.integrityFailures, 0);
        QCOMPARE(tally.lost, 0);
        QCOMPARE(tally.torn, 0);
        QVERIFY(tally.savesCommitted > 0);
        QCOMPARE(tally.savesChecked, tally.savesCommitted);
        QVERIFY2(tally.problems.isEmpty(), qPrintable(tally.problems.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_folder.filePath(QStringLiteral("data.mdb"));
        storage::createSeededDataDatabase(m_data);
    }

    void committedRecipesSurviveKills() {
        CrashRig rig(CrashRig::Kind::Recipes, m_folder.path(), m_data);
        const KillTally tally = rig.run(test::safetyOptions().kills, test::safetyOptions().seed);
        report(tally, "recipe database");
        verify(tally);
    }

    void committedReferenceRowsSurviveKills() {
        CrashRig rig(CrashRig::Kind::Hops, m_folder.path(), m_data);
        const KillTally tally =
            rig.run(test::safetyOptions().kills, test::safetyOptions().seed + 1);
        report(tally, "data database");
        verify(tally);
    }

    // The check itself: a child that reports its saves committed a moment
    // before it commits them is caught losing one within a few kills.
    void theCheckCatchesASaveReportedBeforeItsCommit() {
        CrashRig rig(CrashRig::Kind::Recipes, m_folder.path(), m_data);
        rig.reportEarly();
        QRandomGenerator random(test::safetyOptions().seed + 2);
        KillTally total;
        for (int round = 0; round < 50 && total.lost == 0; ++round) {
            const KillTally tally = rig.run(1, random.generate());
            total.kills += tally.kills;
            total.lost += tally.lost;
        }
        qInfo("a save reported before its commit was caught lost after %d kills", total.kills);
        QVERIFY(total.lost > 0);
    }
};

MW_REGISTER_TEST(TestCrashSafety)

#include "tst_crash_safety.moc"
