#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "db_commands.h"
#include "storage/database.h"

using namespace mw;

namespace {

struct Run {
    int status = 0;
    QString out;
    QString err;
};

QString readAll(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

Run run(const QStringList& arguments) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Run r;
    r.status = app::runDbCommand(arguments, out, err);
    r.out = readAll(out);
    r.err = readAll(err);
    return r;
}

int count(const QString& path, const QString& sql) {
    storage::Database db;
    db.open(path);
    return db.scalar(sql).toInt();
}

}  // namespace

// The command-line companion end to end, in a temporary folder.
class TestDbCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_data;
    QString m_samples;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_data = m_dir.filePath(QStringLiteral("data.mdb"));
        m_samples = m_dir.filePath(QStringLiteral("recipes.mdb"));
        QCOMPARE(run({"create-data", m_data}).status, 0);
        QCOMPARE(run({"create-samples", m_samples}).status, 0);
    }

    void checkNamesTheKind() {
        QCOMPARE(run({"check", m_data}).out, QStringLiteral("data\n"));
        QCOMPARE(run({"check", m_samples}).out, QStringLiteral("recipe\n"));
        const QString empty = m_dir.filePath(QStringLiteral("empty.mdb"));
        QCOMPARE(run({"create-recipes", empty}).status, 0);
        QCOMPARE(run({"check", empty}).out, QStringLiteral("recipe\n"));
    }

    // Enough to brew from: the full style guide and dozens of ingredients.
    void seededDataIsRich() {
        QVERIFY(count(m_data, QStringLiteral("SELECT count(*) FROM Styles")) >= 100);
        QVERIFY(count(m_data, QStringLiteral("SELECT count(*) FROM Hops")) >= 40);
        QVERIFY(count(m_data, QStringLiteral("SELECT count(*) FROM Grains")) >= 40);
        QVERIFY(count(m_data, QStringLiteral("SELECT count(*) FROM Yeast")) >= 30);
        QCOMPARE(count(m_data, QStringLiteral("SELECT count(*) FROM HopsUtilization")), 275);
        QCOMPARE(count(m_data, QStringLiteral("SELECT count(*) FROM Brewer")), 1);
        QVERIFY(count(m_data, QStringLiteral("SELECT count(*) FROM Adjuncts WHERE "
                                             "AdjunctsPriming <> 0")) >= 2);
        QCOMPARE(count(m_data, QStringLiteral("SELECT count(*) FROM Hops WHERE HopsAlpha <> "
                                              "round(HopsAlpha, 1)")),
                 0);
    }

    // Every sample ingredient is a row of the reference data.
    void samplesComeFromTheReferenceData_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("grains") << "SELECT count(*) FROM Ingredients_Grains g WHERE NOT EXISTS "
                                   "(SELECT 1 FROM d.Grains r WHERE r.GrainsName = g.IngGrainsName "
                                   "AND r.GrainsSPGrav = g.IngGrainsSPGrav)";
        QTest::newRow("hops") << "SELECT count(*) FROM Ingredients_Hops h WHERE NOT EXISTS "
                                 "(SELECT 1 FROM d.Hops r WHERE r.HopsName = h.IngHopsName AND "
                                 "r.HopsAlpha = h.IngHopsAlpha)";
        QTest::newRow("yeasts") << "SELECT count(*) FROM Ingredients_Yeasts y WHERE NOT EXISTS "
                                   "(SELECT 1 FROM d.Yeast r WHERE r.YeastStrain = y.IngYeastName)";
        QTest::newRow("extracts") << "SELECT count(*) FROM Ingredients_Extracts e WHERE NOT "
                                     "EXISTS (SELECT 1 FROM d.Extracts r WHERE r.ExtractsName = "
                                     "e.IngExtractsName)";
        QTest::newRow("adjuncts") << "SELECT count(*) FROM Ingredients_Adjuncts a WHERE NOT "
                                     "EXISTS (SELECT 1 FROM d.Adjuncts r WHERE r.AdjunctsName = "
                                     "a.IngAdjunctsName)";
        QTest::newRow("kits") << "SELECT count(*) FROM Ingredients_Kits k WHERE NOT EXISTS "
                                 "(SELECT 1 FROM d.Kits r WHERE r.KitsStyle = k.IngKitsStyle)";
        QTest::newRow("styles") << "SELECT count(*) FROM Recipes x WHERE NOT EXISTS (SELECT 1 "
                                   "FROM d.Styles s WHERE s.StylesName = x.RecipeTargetStyle)";
    }
    void samplesComeFromTheReferenceData() {
        QFETCH(QString, sql);
        storage::Database db;
        db.open(m_samples);
        db.exec(QStringLiteral("ATTACH DATABASE ? AS d"), {m_data});
        QCOMPARE(db.scalar(sql).toInt(), 0);
    }

    void samplesCoverEveryWayOfBrewing() {
        QCOMPARE(count(m_samples, QStringLiteral("SELECT count(*) FROM Recipes")), 8);
        for (const char* process : {"RecipeProcessKit", "RecipeProcessExtract",
                                    "RecipeProcessPartial", "RecipeProcessAllGrain"}) {
            QVERIFY2(count(m_samples, QStringLiteral("SELECT count(*) FROM Recipes WHERE %1 <> 0")
                                          .arg(QLatin1String(process))) > 0,
                     process);
        }
        QVERIFY(count(m_samples, QStringLiteral("SELECT count(*) FROM Recipes WHERE "
                                                "RecipeMeasureEnglish <> 0")) > 0);
        QVERIFY(count(m_samples, QStringLiteral("SELECT count(*) FROM Recipes WHERE "
                                                "RecipeRatingCompScore > 0")) > 0);
        // The hop additions carry the bitterness the recipe form would write.
        QVERIFY(count(m_samples, QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                                "IngHopsIBU > 0")) > 0);
    }

    void logListsByBatch() {
        const Run r = run({"log", m_samples});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(),
                 QStringLiteral("Batch\tRecipe Name\tBrew Date\tStyle\tCategory\tSubcategory"));
        QCOMPARE(lines.size(), 9);
        int previous = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 6);
            QVERIFY(fields[0].toInt() > previous);
            previous = fields[0].toInt();
            // Month/day/year without leading zeros, or nothing for an undated recipe.
            QVERIFY2(fields[2].isEmpty() ||
                         QRegularExpression(QStringLiteral("^[1-9]\\d?/[1-9]\\d?/\\d{4}$"))
                             .match(fields[2])
                             .hasMatch(),
                     qPrintable(fields[2]));
        }
    }

    void recalcAsJson() {
        const Run r = run({"recalc", m_samples, "--batch", "2", "--data", m_data, "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        for (const char* key : {"original_gravity", "ibu", "hbu", "alcohol", "color"}) {
            QVERIFY2(o.value(QLatin1String(key)).isDouble(), key);
        }
        QVERIFY(o.value(QStringLiteral("original_gravity")).toDouble() > 1.02);
        QVERIFY(o.value(QStringLiteral("ibu")).toDouble() > 5.0);
        const QJsonArray hops = o.value(QStringLiteral("hops")).toArray();
        QCOMPARE(hops.size(),
                 count(m_samples, QStringLiteral("SELECT count(*) FROM Ingredients_Hops h JOIN "
                                                 "Recipes r ON r.RecipeID = h.IngRecipeID WHERE "
                                                 "r.RecipeBatchNo = 2")));
        double ibu = 0.0;
        for (const QJsonValue& hop : hops) {
            ibu += hop.toObject().value(QStringLiteral("ibu")).toString().toDouble();
        }
        QCOMPARE(ibu, o.value(QStringLiteral("ibu")).toDouble());
        QVERIFY(o.value(QStringLiteral("messages")).isArray());
    }

    void recalcAsText() {
        const Run r = run({"recalc", m_samples, "--batch", "1", "--data", m_data});
        QCOMPARE(r.status, 0);
        QVERIFY(
            r.out.contains(QRegularExpression(QStringLiteral("Original gravity  1\\.\\d{3}\\n"))));
        QVERIFY(r.out.contains(
            QRegularExpression(QStringLiteral("Alcohol           \\d+\\.\\d{2}\\n"))));
    }

    // Every failure is one clear line on stderr and a non-zero status.
    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing file")
            << QStringList{"check", "nowhere.mdb"} << 1 << "Could not find file";
        QTest::newRow("data database as recipes")
            << QStringList{"log", "DATA"} << 1 << "not a Maltwise Calculator recipe data base";
        QTest::newRow("recipes as data")
            << QStringList{"recalc", "SAMPLES", "--batch", "1", "--data", "SAMPLES"} << 1
            << "not the right type";
        QTest::newRow("no such batch")
            << QStringList{"recalc", "SAMPLES", "--batch", "99", "--data", "DATA"} << 1
            << "Seek failed on batch number 99.";
        QTest::newRow("batch missing") << QStringList{"recalc", "SAMPLES"} << 2 << "--batch";
        QTest::newRow("unknown command") << QStringList{"brew"} << 2 << "unknown command";
        QTest::newRow("create over a file")
            << QStringList{"create-data", "SAMPLES"} << 1 << "already exists";
        QTest::newRow("no file given") << QStringList{"compact"} << 2 << "needs a FILE";
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        arguments.replaceInStrings(QStringLiteral("SAMPLES"), m_samples);
        arguments.replaceInStrings(QStringLiteral("DATA"), m_data);
        const qint64 samplesSize = QFileInfo(m_samples).size();
        const Run r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QFileInfo(m_samples).size(), samplesSize);
    }

    void compactAndRepairFromTheCommandLine() {
        const QString copy = m_dir.filePath(QStringLiteral("copy.mdb"));
        QVERIFY(QFile::copy(m_samples, copy));
        const Run compact = run({"compact", copy});
        QCOMPARE(compact.status, 0);
        QVERIFY(compact.out.startsWith(QStringLiteral("Support Program Message: The compress of")));
        QCOMPARE(run({"repair", copy}).status, 0);
        QCOMPARE(run({"log", copy}).out, run({"log", m_samples}).out);
    }
};

QTEST_GUILESS_MAIN(TestDbCommands)
#include "tst_db_commands.moc"
