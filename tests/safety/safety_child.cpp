// The second running copy of the program in the data-safety tests: it writes
// to a recipe or data database through the storage layer with the same calls
// the recipe form and the reference dialogs make, and tells its parent on
// stdout (one flushed line each) what the storage layer reported.
//
//   safety_child crash-recipes RECIPES DATA SEED [--report-early]
//       Adds, edits and discards recipes with grain and hop rows until it is
//       killed. Per save: "OPEN key", "SAVING key digest" just before the
//       commit, "COMMITTED key digest" once the commit returned; a discarded
//       edit ends "DISCARDING key" then "DISCARDED key". --report-early says
//       COMMITTED before the commit (to prove the parent's check catches it).
//   safety_child crash-hops DATA SEED
//       The same with the hops of the data database, as the Hops dialog
//       writes them (added, changed, deleted).
//   safety_child hold FILE [--release-after MS]
//       Takes the file's write lock (BEGIN EXCLUSIVE), says "HOLDING", keeps
//       it until a line arrives on stdin (or for MS milliseconds), then rolls
//       back and says "RELEASED".
//   safety_child save-recipe RECIPES DATA BATCH NAME [--wait]
//       Opens the file as the program does, puts the recipe of BATCH in edit
//       mode, (with --wait: says "READ" and waits for a line on stdin), sets
//       its name and saves. Says "OPENED", then "SAVED in N ms" or
//       "REFUSED in N ms" with the error as "ERROR number description" and
//       "PROMPT context text" (the database error box as the user sees it).
//   safety_child save-hop DATA NAME COMMENTS [--wait]
//       The same with a hop's comments, as the Hops dialog saves.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "resources/prompt_service.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/document_plus.h"
#include "storage/error_report.h"
#include "storage/ingredient_store.h"
#include "storage/recipe_document.h"
#include "storage/recipe_records.h"
#include "storage/settings.h"
#include "storage/workspace.h"
#include "stored_state.h"

using namespace mw;
using storage::DaoException;
using test::exact;
using test::HopImage;
using test::RecipeImage;

namespace {

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void waitForParent() {
    std::string line;
    std::getline(std::cin, line);
}

// Every box the storage layer raises, as one line for the parent.
class PrintingPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        QString text = QString::fromStdString(prompt.text);
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        say(QStringLiteral("PROMPT %1 %2").arg(prompt.helpContext).arg(text));
        return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
};

void sayError(const DaoException& error, PromptService& prompts) {
    say(QStringLiteral("ERROR %1 %2").arg(error.number()).arg(error.description()));
    storage::ReportDaoException(error, prompts);
}

// Settings of this run only, beside the database.
std::unique_ptr<storage::Settings> settingsFor(const QString& file, const QString& dataFile) {
    auto settings = std::make_unique<storage::Settings>(
        std::make_unique<QSettings>(file + QStringLiteral(".child.ini"), QSettings::IniFormat));
    settings->setString(storage::Setting::DefaultDataFile, dataFile);
    return settings;
}

QString pragma(storage::Database& db, const char* name) {
    return db.scalar(QStringLiteral("PRAGMA %1").arg(QString::fromLatin1(name))).toString();
}

// The connection as the crash loop runs on it, for the parent to check.
QString connectionReport(storage::Database& db) {
    return QStringLiteral("journal=%1 synchronous=%2 busy=%3")
        .arg(pragma(db, "journal_mode"), pragma(db, "synchronous"), pragma(db, "busy_timeout"));
}

// ------------------------------------------------------------------ recipes

class RecipeWriter {
public:
    RecipeWriter(storage::CMwcalcDoc& doc, quint32 seed, bool reportEarly)
        : m_doc(doc),
          m_db(*doc.database()),
          m_record(&m_db),
          m_store(m_db),
          m_random(seed),
          m_seed(seed),
          m_reportEarly(reportEarly) {
        m_record.open();
        m_record.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        for (const auto& [id, recipe] : test::readRecipes(m_db)) {
            m_known[recipe.batch] = recipe;
        }
    }

    void saveForever() {
        for (;;) {
            std::vector<qint32> untouched;
            for (const auto& [batch, recipe] : m_known) {
                if (m_touched.count(batch) == 0) {
                    untouched.push_back(batch);
                }
            }
            const quint32 roll = m_random.bounded(100u);
            if (untouched.empty() || roll < 30) {
                addRecipe();
                continue;
            }
            const qint32 batch =
                untouched[m_random.bounded(static_cast<quint32>(untouched.size()))];
            m_touched.insert(batch);
            changeRecipe(batch, roll >= 85);
        }
    }

private:
    // Saves the transaction. With `reportEarly` the save is reported
    // committed before the commit: a false report, which the parent's check
    // must catch.
    void commit(const RecipeImage& image) {
        const QString saved = QStringLiteral("%1 %2").arg(image.key(), image.digest());
        say(QStringLiteral("SAVING ") + saved);
        if (m_reportEarly) {
            say(QStringLiteral("COMMITTED ") + saved);
            // A slow disk: the false report stands long enough for a kill to
            // land on it however fast or slow the build is.
            QThread::msleep(30);
        }
        m_doc.workspace().commitTrans();
        if (!m_reportEarly) {
            say(QStringLiteral("COMMITTED ") + saved);
        }
    }

    double amount(int lowHundredths, int highHundredths) {
        return m_random.bounded(lowHundredths, highHundredths + 1) / 100.0;
    }

    QString someText(int maxLength) {
        static const QString words = QStringLiteral(
            "mash rest at 152F for sixty minutes, sparge slowly, boil hard; whirlpool hops; "
            "pitch at 64F and let it rise to 68F. Notes: crisp, biscuity, citrus. ");
        const int length = static_cast<int>(m_random.bounded(maxLength + 1));
        QString text;
        while (text.size() < length) {
            text += words;
        }
        return text.left(length);
    }

    // New: the form writes the new row at once with its batch number and
    // commits it.
    void addRecipe() {
        RecipeImage image;
        m_doc.workspace().beginTrans();
        m_record.addNew();
        image.batch = static_cast<qint32>(m_doc.GetNextBatchNumber());
        say(QStringLiteral("OPEN recipe:%1").arg(image.batch));
        image.name = QStringLiteral("Batch %1 from run %2").arg(image.batch).arg(m_seed);
        image.batchSize = amount(100, 1500);
        image.boilSize = image.batchSize + amount(50, 300);
        m_record.m_RecipeName = image.name;
        m_record.m_RecipeBatchNo = image.batch;
        m_record.m_RecipeBatchSize = image.batchSize;
        m_record.m_RecipeBoilSize = image.boilSize;
        m_record.update();
        m_record.setBookmark(m_record.lastModified());
        m_record.edit();
        image.recipeId = m_record.m_RecipeID;
        m_record.update();
        commit(image);
        m_known[image.batch] = image;
        m_touched.insert(image.batch);
    }

    // Edit, grid rows added, changed and deleted, Save (or Discard).
    void changeRecipe(qint32 batch, bool discard) {
        RecipeImage image = m_known[batch];
        if (!m_record.seek(QStringLiteral("="), {batch})) {
            say(QStringLiteral("MISSING recipe:%1").arg(batch));
            std::exit(3);
        }
        m_record.edit();
        m_doc.workspace().beginTrans();
        say(QStringLiteral("OPEN %1").arg(image.key()));
        const int grainsToAdd = static_cast<int>(m_random.bounded(1u, 4u));
        for (int i = 0; i < grainsToAdd; ++i) {
            const QStringList cells{QStringLiteral("Pale Malt %1").arg(m_random.bounded(100u)),
                                    exact(amount(25, 1200)), QStringLiteral("lb"),
                                    exact(1.0 + amount(3000, 3800) / 1000.0),
                                    exact(amount(100, 50000))};
            const qint64 id = m_store.insertRow(
                calc::Sheet::Grains, cells + QStringList{QString::number(image.recipeId)});
            image.grains[id] = cells;
        }
        const int hopsToAdd = static_cast<int>(m_random.bounded(3u));
        for (int i = 0; i < hopsToAdd; ++i) {
            const QStringList cells{QStringLiteral("Hop %1").arg(m_random.bounded(100u)),
                                    exact(amount(200, 1600)),
                                    exact(amount(25, 300)),
                                    QStringLiteral("oz"),
                                    exact(m_random.bounded(91)),
                                    exact(amount(0, 6000)),
                                    exact(amount(0, 2000))};
            const qint64 id = m_store.insertRow(
                calc::Sheet::Hops, cells + QStringList{QString::number(image.recipeId)});
            image.hops[id] = cells;
        }
        if (image.grains.size() > 1 && m_random.bounded(2u) == 0) {
            auto it = image.grains.begin();
            std::advance(it, m_random.bounded(static_cast<quint32>(image.grains.size())));
            const QString weight = exact(amount(25, 1200));
            m_store.updateCell(calc::Sheet::Grains, it->first, 1, weight);
            it->second[1] = weight;
        }
        if (image.hops.size() > 1 && m_random.bounded(3u) == 0) {
            auto it = image.hops.begin();
            std::advance(it, m_random.bounded(static_cast<quint32>(image.hops.size())));
            m_store.deleteRow(calc::Sheet::Hops, it->first);
            image.hops.erase(it);
        }
        image.name = QStringLiteral("Batch %1 revised in run %2").arg(batch).arg(m_seed);
        image.brewer = QStringLiteral("Brewer %1").arg(m_random.bounded(1000u));
        image.comments = someText(6000);
        image.batchSize = amount(100, 1500);
        image.boilSize = image.batchSize + amount(50, 300);
        m_record.m_RecipeName = image.name;
        m_record.m_RecipeBrewer = image.brewer;
        m_record.m_RecipeComments = image.comments;
        m_record.m_RecipeBatchSize = image.batchSize;
        m_record.m_RecipeBoilSize = image.boilSize;
        if (discard) {
            say(QStringLiteral("DISCARDING %1").arg(image.key()));
            m_record.cancelUpdate();
            m_doc.workspace().rollback();
            say(QStringLiteral("DISCARDED %1").arg(image.key()));
            return;
        }
        m_record.update();
        commit(image);
        m_known[batch] = image;
    }

    storage::CMwcalcDoc& m_doc;
    storage::Database& m_db;
    storage::CRecordSetRecipe m_record;
    storage::IngredientStore m_store;
    QRandomGenerator m_random;
    quint32 m_seed;
    bool m_reportEarly;
    std::map<qint32, RecipeImage> m_known;
    // Each recipe is saved at most once a run, so that every committed save
    // is the one the parent finds after the kill.
    std::set<qint32> m_touched;
};

int crashRecipes(const QString& file, const QString& dataFile, quint32 seed, bool reportEarly) {
    auto settings = settingsFor(file, dataFile);
    PrintingPrompts prompts;
    storage::CMwcalcDoc doc(*settings, prompts);
    if (!doc.OnOpenDocument(file)) {
        return 2;
    }
    RecipeWriter writer(doc, seed, reportEarly);
    say(QStringLiteral("READY ") + connectionReport(*doc.database()));
    writer.saveForever();
    return 0;
}

// ------------------------------------------------------------------ hops

// The Hops dialog's record: open in its private "DAO" workspace, in the
// order of its index.
struct HopsDialogRecord {
    explicit HopsDialogRecord(storage::CDocumentPlus& documents) {
        if (documents.GetNewWorkspace(workspace, database, QStringLiteral("DAO")) == 0) {
            say(QStringLiteral("NO-WORKSPACE"));
            std::exit(2);
        }
        record = std::make_unique<storage::CRecordSetHops>(database);
        record->open();
        record->setCurrentIndex(QStringLiteral("IndexHopsNameAlpha"));
    }
    // The dialog's save: the transaction starts afresh, writes, commits.
    void write() {
        workspace->rollback();
        workspace->beginTrans();
        record->update();
        workspace->commitTrans();
    }
    bool seek(const QString& name) { return record->seek(QStringLiteral("="), {name}); }

    std::unique_ptr<storage::Workspace> workspace;
    storage::Database* database = nullptr;
    std::unique_ptr<storage::CRecordSetHops> record;
};

void assign(storage::CRecordSetHops& r, const HopImage& h) {
    r.m_HopsName = h.name;
    r.m_HopsOrigin = h.origin;
    r.m_HopsComments = h.comments;
    r.m_HopsAlpha = h.alpha;
    r.m_HopsAlphaLo = h.alphaLo;
    r.m_HopsAlphaHi = h.alphaHi;
    r.m_HopsStability = h.stability;
}

int crashHops(const QString& dataFile, quint32 seed) {
    auto settings = settingsFor(dataFile, dataFile);
    PrintingPrompts prompts;
    storage::CDocumentPlus documents(*settings, prompts);
    HopsDialogRecord dialog(documents);
    QRandomGenerator random(seed);
    std::map<QString, HopImage> known = test::readHops(*dialog.database);
    std::set<QString> touched;
    say(QStringLiteral("READY ") + connectionReport(*dialog.database));
    // The dialog keeps its record in edit mode inside an open transaction.
    dialog.workspace->beginTrans();
    const auto amount = [&random](int low, int high) {
        return random.bounded(low, high + 1) / 100.0;
    };
    const auto fill = [&](HopImage& h) {
        h.origin = QStringLiteral("Origin %1").arg(random.bounded(50u));
        h.comments = QString(static_cast<int>(random.bounded(4000u)),
                             QLatin1Char(static_cast<char>('a' + random.bounded(26u))));
        h.alphaLo = amount(200, 900);
        h.alphaHi = h.alphaLo + amount(0, 600);
        h.alpha = (h.alphaLo + h.alphaHi) / 2.0;
        h.stability = static_cast<qint32>(random.bounded(100u));
    };
    for (int n = 0;; ++n) {
        std::vector<QString> untouched;
        for (const auto& [name, hop] : known) {
            if (touched.count(name) == 0) {
                untouched.push_back(name);
            }
        }
        const quint32 roll = random.bounded(100u);
        if (untouched.empty() || roll < 40) {
            // Add: commit, begin, add new, fill in, save.
            HopImage h;
            h.name = QStringLiteral("Hop-%1-%2").arg(seed).arg(n);
            fill(h);
            say(QStringLiteral("OPEN %1").arg(h.key()));
            dialog.workspace->commitTrans();
            dialog.workspace->beginTrans();
            dialog.record->addNew();
            assign(*dialog.record, h);
            say(QStringLiteral("SAVING %1 %2").arg(h.key(), h.digest()));
            dialog.write();
            say(QStringLiteral("COMMITTED %1 %2").arg(h.key(), h.digest()));
            known[h.name] = h;
            touched.insert(h.name);
            dialog.workspace->beginTrans();
            continue;
        }
        const QString name = untouched[random.bounded(static_cast<quint32>(untouched.size()))];
        touched.insert(name);
        HopImage h = known[name];
        if (!dialog.seek(name)) {
            say(QStringLiteral("MISSING %1").arg(h.key()));
            return 3;
        }
        say(QStringLiteral("OPEN %1").arg(h.key()));
        if (roll < 90 || known.size() < 5) {
            // Change: the record is in edit mode inside the open transaction.
            dialog.record->edit();
            fill(h);
            assign(*dialog.record, h);
            say(QStringLiteral("SAVING %1 %2").arg(h.key(), h.digest()));
            dialog.write();
            say(QStringLiteral("COMMITTED %1 %2").arg(h.key(), h.digest()));
            known[name] = h;
        } else {
            // Delete: commit, then the row goes on its own.
            say(QStringLiteral("SAVING %1 -").arg(h.key()));
            dialog.workspace->commitTrans();
            dialog.record->deleteRecord();
            say(QStringLiteral("COMMITTED %1 -").arg(h.key()));
            known.erase(name);
        }
        dialog.workspace->beginTrans();
    }
}

// ------------------------------------------------------------------ two copies

int hold(const QString& file, int releaseAfterMs) {
    storage::Database db;
    db.open(file);
    db.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    say(QStringLiteral("HOLDING"));
    if (releaseAfterMs > 0) {
        QThread::msleep(static_cast<unsigned long>(releaseAfterMs));
    } else {
        waitForParent();
    }
    db.exec(QStringLiteral("ROLLBACK"));
    say(QStringLiteral("RELEASED"));
    return 0;
}

int saveRecipe(const QString& file, const QString& dataFile, qint32 batch, const QString& name,
               bool wait) {
    auto settings = settingsFor(file, dataFile);
    PrintingPrompts prompts;
    storage::CMwcalcDoc doc(*settings, prompts);
    if (!doc.OnOpenDocument(file)) {
        say(QStringLiteral("NOT-OPENED"));
        return 0;
    }
    say(QStringLiteral("OPENED"));
    QElapsedTimer saving;
    saving.start();
    try {
        storage::CRecordSetRecipe record(doc.database());
        record.open();
        record.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        if (!record.seek(QStringLiteral("="), {batch})) {
            say(QStringLiteral("MISSING"));
            return 3;
        }
        // As the form enters a recipe: edit mode, then the transaction.
        record.edit();
        doc.workspace().beginTrans();
        if (wait) {
            say(QStringLiteral("READ"));
            waitForParent();
        }
        record.m_RecipeName = name;
        saving.start();
        record.update();
        doc.workspace().commitTrans();
        say(QStringLiteral("SAVED in %1 ms").arg(saving.elapsed()));
    } catch (const DaoException& error) {
        say(QStringLiteral("REFUSED in %1 ms").arg(saving.elapsed()));
        sayError(error, prompts);
    }
    return 0;
}

int saveHop(const QString& dataFile, const QString& name, const QString& comments, bool wait) {
    auto settings = settingsFor(dataFile, dataFile);
    PrintingPrompts prompts;
    storage::CDocumentPlus documents(*settings, prompts);
    HopsDialogRecord dialog(documents);
    say(QStringLiteral("OPENED"));
    QElapsedTimer saving;
    saving.start();
    try {
        if (!dialog.seek(name)) {
            say(QStringLiteral("MISSING"));
            return 3;
        }
        dialog.record->edit();
        dialog.workspace->beginTrans();
        if (wait) {
            say(QStringLiteral("READ"));
            waitForParent();
        }
        dialog.record->m_HopsComments = comments;
        saving.start();
        dialog.write();
        say(QStringLiteral("SAVED in %1 ms").arg(saving.elapsed()));
    } catch (const DaoException& error) {
        say(QStringLiteral("REFUSED in %1 ms").arg(saving.elapsed()));
        sayError(error, prompts);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString mode = args.value(0);
    const bool wait = args.contains(QStringLiteral("--wait"));
    try {
        if (mode == QLatin1String("crash-recipes") && args.size() >= 4) {
            return crashRecipes(args[1], args[2], args[3].toUInt(),
                                args.contains(QStringLiteral("--report-early")));
        }
        if (mode == QLatin1String("crash-hops") && args.size() == 3) {
            return crashHops(args[1], args[2].toUInt());
        }
        if (mode == QLatin1String("hold") && args.size() >= 2) {
            const qsizetype after = args.indexOf(QStringLiteral("--release-after"));
            return hold(args[1], after > 0 ? args.value(after + 1).toInt() : 0);
        }
        if (mode == QLatin1String("save-recipe") && args.size() >= 5) {
            return saveRecipe(args[1], args[2], args[3].toInt(), args[4], wait);
        }
        if (mode == QLatin1String("save-hop") && args.size() >= 4) {
            return saveHop(args[1], args[2], args[3], wait);
        }
    } catch (const DaoException& error) {
        say(QStringLiteral("FAILED %1 %2").arg(error.number()).arg(error.description()));
        return 4;
    }
    std::fputs("usage: see the comment at the top of safety_child.cpp\n", stderr);
    return 1;
}
