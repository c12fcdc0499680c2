#pragma once

// What the crash-safety child writes and what the parent finds in the file,
// in one canonical text form, so that the two can be compared exactly: a
// recipe with every one of its grain and hop rows, a hop of the reference
// data. Both sides read the file only through the storage layer.

#include <QCryptographicHash>
#include <QString>
#include <QStringList>
#include <map>

#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/recipe_records.h"

namespace mw::test {

// Every double as the shortest text that reads back as the same double.
inline QString exact(double value) {
    return QString::number(value, 'g', 17);
}

inline QString digestOf(const QString& canonical) {
    return QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// A recipe as the child meant it: its row and its ingredient rows by row
// identifier, each row's cells in the grid's column order (without the
// owning recipe).
struct RecipeImage {
    qint32 recipeId = 0;
    qint32 batch = 0;
    QString name;
    QString brewer;
    QString comments;
    double batchSize = 0.0;
    double boilSize = 0.0;
    std::map<qint64, QStringList> grains;  // name, weight, units, gravity, colour
    std::map<qint64, QStringList> hops;    // name, alpha, weight, units, time, IBU, HBU

    QString canonical() const {
        QStringList lines{QStringList{QString::number(batch), name, brewer, comments,
                                      exact(batchSize), exact(boilSize)}
                              .join(QLatin1Char('|'))};
        for (const auto& [id, cells] : grains) {
            lines << QStringLiteral("G%1|").arg(id) + cells.join(QLatin1Char('|'));
        }
        for (const auto& [id, cells] : hops) {
            lines << QStringLiteral("H%1|").arg(id) + cells.join(QLatin1Char('|'));
        }
        return lines.join(QLatin1Char('\n'));
    }
    QString key() const { return QStringLiteral("recipe:%1").arg(batch); }
    QString digest() const { return digestOf(canonical()); }
};

// A hop of the reference data as the child meant it.
struct HopImage {
    QString name;
    QString origin;
    QString comments;
    double alpha = 0.0;
    double alphaLo = 0.0;
    double alphaHi = 0.0;
    qint32 stability = 0;

    QString canonical() const {
        return QStringList{name,
                           origin,
                           comments,
                           exact(alpha),
                           exact(alphaLo),
                           exact(alphaHi),
                           QString::number(stability)}
            .join(QLatin1Char('|'));
    }
    QString key() const { return QStringLiteral("hop:%1").arg(name); }
    QString digest() const { return digestOf(canonical()); }
};

// What the file holds, each key with its digest. Ingredient rows whose recipe
// is not in the file count under "orphans:<table>", rows of the sheets the
// child never writes under "unexpected:<table>".
using StoredDigests = std::map<QString, QString>;

// Every recipe of the file with its grain and hop rows, by RecipeID.
inline std::map<qint32, RecipeImage> readRecipes(storage::Database& db,
                                                 StoredDigests* strays = nullptr) {
    std::map<qint32, RecipeImage> recipes;
    storage::CRecordSetRecipe recipe(&db);
    recipe.open(storage::OpenType::Snapshot);
    for (; !recipe.isEOF(); recipe.moveNext()) {
        RecipeImage& r = recipes[recipe.m_RecipeID];
        r.recipeId = recipe.m_RecipeID;
        r.batch = recipe.m_RecipeBatchNo;
        r.name = recipe.m_RecipeName;
        r.brewer = recipe.m_RecipeBrewer;
        r.comments = recipe.m_RecipeComments;
        r.batchSize = recipe.m_RecipeBatchSize;
        r.boilSize = recipe.m_RecipeBoilSize;
    }
    const auto stray = [strays](const QString& what) {
        if (strays != nullptr) {
            QString& count = (*strays)[what];
            count = QString::number(count.toInt() + 1);
        }
    };
    storage::CRecordSetRecIngGrains grain(&db);
    grain.open(storage::OpenType::Snapshot);
    for (; !grain.isEOF(); grain.moveNext()) {
        const auto it = recipes.find(grain.m_IngRecipeID);
        if (it == recipes.end()) {
            stray(QStringLiteral("orphans:Ingredients_Grains"));
            continue;
        }
        it->second.grains[grain.m_IngGrainsID] = {
            grain.m_IngGrainsName, exact(grain.m_IngGrainsWeight), grain.m_IngGrainsUnits,
            exact(grain.m_IngGrainsSPGrav), exact(grain.m_IngGrainsColor)};
    }
    storage::CRecordSetRecIngHops hop(&db);
    hop.open(storage::OpenType::Snapshot);
    for (; !hop.isEOF(); hop.moveNext()) {
        const auto it = recipes.find(hop.m_IngRecipeID);
        if (it == recipes.end()) {
            stray(QStringLiteral("orphans:Ingredients_Hops"));
            continue;
        }
        it->second.hops[hop.m_IngHopsID] = {hop.m_IngHopsName,          exact(hop.m_IngHopsAlpha),
                                            exact(hop.m_IngHopsWeight), hop.m_IngHopsUnits,
                                            exact(hop.m_IngHopsTime),   exact(hop.m_IngHopsIBU),
                                            exact(hop.m_IngHopsHBU)};
    }
    for (const char* table : {"Ingredients_Kits", "Ingredients_Extracts", "Ingredients_Adjuncts",
                              "Ingredients_Yeasts"}) {
        const int rows =
            db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QString::fromLatin1(table)))
                .toInt();
        for (int i = 0; i < rows; ++i) {
            stray(QStringLiteral("unexpected:") + QString::fromLatin1(table));
        }
    }
    return recipes;
}

inline StoredDigests storedRecipeDigests(storage::Database& db) {
    StoredDigests digests;
    for (const auto& [id, recipe] : readRecipes(db, &digests)) {
        digests[recipe.key()] = recipe.digest();
    }
    return digests;
}

// Every hop of the file, by name.
inline std::map<QString, HopImage> readHops(storage::Database& db) {
    std::map<QString, HopImage> hops;
    storage::CRecordSetHops hop(&db);
    hop.open(storage::OpenType::Snapshot);
    for (; !hop.isEOF(); hop.moveNext()) {
        HopImage h;
        h.name = hop.m_HopsName;
        h.origin = hop.m_HopsOrigin;
        h.comments = hop.m_HopsComments;
        h.alpha = hop.m_HopsAlpha;
        h.alphaLo = hop.m_HopsAlphaLo;
        h.alphaHi = hop.m_HopsAlphaHi;
        h.stability = hop.m_HopsStability;
        hops[h.name] = h;
    }
    return hops;
}

inline StoredDigests storedHopDigests(storage::Database& db) {
    StoredDigests digests;
    for (const auto& [name, hop] : readHops(db)) {
        digests[hop.key()] = hop.digest();
    }
    return digests;
}

}  // namespace mw::test
