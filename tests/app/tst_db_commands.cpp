#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
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

    // The predictions of every sample recipe and the texts each hop row is
    // given. A figure is the text the plain output prints; the JSON value must
    // lie within half a unit of its last printed decimal.
    //
    // Batches 2 and 3 are worked out by hand from resources/seed/samples:
    //
    // Batch 2, English, batch 5 gal, boil 3.5 gal, efficiency 80:
    //   OG  = 1 + 0.036 x 6.6 / 5 (extract) + 0.034 x 0.5 / 5 x 0.80 (crystal)
    //       = 1 + 0.04752 + 0.00272 = 1.05024
    //   the utilization column of 1.050: 60 min 0.231, 15 min 0.114, 5 min (read
    //   as the 3-minute row) 0.029 (Tinseth, to three decimals)
    //   IBU = A x 0.01 x W x U x 7490 / 3.5: 10.5 x 0.5 oz x 0.231 = 25.95 -> 26,
    //         5.8 x 1 oz x 0.114 = 14.15 -> 14, 5.8 x 1 oz x 0.029 = 3.60 -> 4; total 44
    //   HBU = minutes / 60 x W x A: 5.25 -> 5.3 (a half rounds up), 1.45 -> 1.4
    //         (held in binary just below the half), 0.48 -> 0.5; total 7.2
    //   alcohol = 0.75 x 50.24 x 0.1275 + 0.5 (Corn sugar primes) = 5.3042
    //   colour  = (6.6 x 3.5 + 0.5 x 40) / 5 = 8.62
    //
    // Batch 3, metric, batch 22 l, two kits of 1.027 and colour 22, no hops:
    //   OG  = 1 + (0.027 + 0.027) x 18.92706 / 22 = 1.046457
    //   HBU = the kits' 6.0 + 6.0; IBU 0
    //   alcohol = 0.685 x 46.457 x 0.1275 + 0.5 (Cane sugar) = 4.5575
    //   colour  = (22 + 22) x 18.92706 / 22 = 37.854
    //
    // The other batches follow the same formulas; their figures were worked
    // out by a separate script over the seed files and agree with the output.
    void recalcPredictsEverySample_data() {
        QTest::addColumn<int>("batch");
        QTest::addColumn<QString>("og");
        QTest::addColumn<QString>("ibu");
        QTest::addColumn<QString>("hbu");
        QTest::addColumn<QString>("alcohol");
        QTest::addColumn<QString>("color");
        // "IBU/HBU" of each hop row in grid order
        QTest::addColumn<QStringList>("hopRows");
        QTest::newRow("1 Fireside Best Bitter") << 1 << "1.043"
                                                << "12.0"
                                                << "7.6"
                                                << "4.24"
                                                << "11.2" << QStringList{"12/0.6"};
        QTest::newRow("2 Backyard Pale Ale") << 2 << "1.050"
                                             << "44.0"
                                             << "7.2"
                                             << "5.30"
                                             << "8.6" << QStringList{"26/5.3", "14/1.4", "4/0.5"};
        QTest::newRow("3 Velvet Sweet Stout") << 3 << "1.046"
                                              << "0.0"
                                              << "12.0"
                                              << "4.56"
                                              << "37.9" << QStringList{};
        QTest::newRow("4 Old Oak Brown Ale") << 4 << "1.048"
                                             << "24.0"
                                             << "5.1"
                                             << "4.20"
                                             << "21.5" << QStringList{"19/4.5", "5/0.6"};
        QTest::newRow("5 Golden Meadow Pilsner")
            << 5 << "1.049"
            << "35.0"
            << "16.1"
            << "5.01"
            << "3.9" << QStringList{"23/13.1", "10/2.6", "2/0.4"};
        // The Simcoe row boils 0 minutes: message 233, and it keeps its stored texts.
        QTest::newRow("6 Ridgeline IPA")
            << 6 << "1.063"
            << "63.0"
            << "21.2"
            << "6.64"
            << "9.9" << QStringList{"38/15.5", "10/2.6", "13/2.6", "2/0.5", "0/0"};
        QTest::newRow("7 Summer Weissbier") << 7 << "1.049"
                                            << "12.0"
                                            << "4.3"
                                            << "5.16"
                                            << "3.8" << QStringList{"12/4.3"};
        QTest::newRow("8 Harbour Dry Stout") << 8 << "1.041"
                                             << "35.0"
                                             << "10.4"
                                             << "4.34"
                                             << "37.7" << QStringList{"31/9.8", "4/0.6"};
    }
    void recalcPredictsEverySample() {
        QFETCH(int, batch);
        QFETCH(QString, og);
        QFETCH(QString, ibu);
        QFETCH(QString, hbu);
        QFETCH(QString, alcohol);
        QFETCH(QString, color);
        QFETCH(QStringList, hopRows);
        const QString batchText = QString::number(batch);

        const Run text = run({"recalc", m_samples, "--batch", batchText, "--data", m_data});
        QCOMPARE(text.status, 0);
        const QStringList lines = text.out.split(QLatin1Char('\n'));
        QVERIFY(lines.size() > 6);
        QCOMPARE(lines[1], QStringLiteral("Original gravity  ") + og);
        QCOMPARE(lines[2], QStringLiteral("IBU               ") + ibu);
        QCOMPARE(lines[3], QStringLiteral("HBU               ") + hbu);
        QCOMPARE(lines[4], QStringLiteral("Alcohol           ") + alcohol);
        QCOMPARE(lines[5], QStringLiteral("Color             ") + color);

        const Run json =
            run({"recalc", m_samples, "--batch", batchText, "--data", m_data, "--json"});
        QCOMPARE(json.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        const std::pair<const char*, const QString*> figures[] = {{"original_gravity", &og},
                                                                  {"ibu", &ibu},
                                                                  {"hbu", &hbu},
                                                                  {"alcohol", &alcohol},
                                                                  {"color", &color}};
        for (const auto& [key, printed] : figures) {
            const qsizetype point = printed->indexOf(QLatin1Char('.'));
            const int decimals = point < 0 ? 0 : static_cast<int>(printed->size() - point - 1);
            const double tolerance = 0.5 * std::pow(10.0, -decimals);
            const double value = o.value(QLatin1String(key)).toDouble();
            QVERIFY2(std::abs(value - printed->toDouble()) <= tolerance,
                     qPrintable(QStringLiteral("%1 %2, printed %3")
                                    .arg(QLatin1String(key))
                                    .arg(value, 0, 'g', 17)
                                    .arg(*printed)));
        }
        QStringList shownRows;
        for (const QJsonValue& hop : o.value(QStringLiteral("hops")).toArray()) {
            shownRows << hop.toObject().value(QStringLiteral("ibu")).toString() + QLatin1Char('/') +
                             hop.toObject().value(QStringLiteral("hbu")).toString();
        }
        QCOMPARE(shownRows, hopRows);
        // The plain output lists the same rows by name.
        for (int row = 1; row <= hopRows.size(); ++row) {
            const QStringList cells = hopRows[row - 1].split(QLatin1Char('/'));
            const QRegularExpression line(QStringLiteral("^Hops %1: .+  IBU %2  HBU %3$")
                                              .arg(row)
                                              .arg(QRegularExpression::escape(cells[0]),
                                                   QRegularExpression::escape(cells[1])));
            QVERIFY2(lines.indexOf(line) > 0, qPrintable(text.out));
        }
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
