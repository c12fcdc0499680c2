#include "beerxml_commands.h"

#include <optional>

#include "beerxml/beerxml_error.h"
#include "beerxml/beerxml_export.h"
#include "beerxml/beerxml_import.h"
#include "resources/message_catalogue.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/schema.h"

namespace mw::app {

namespace {

void print(std::FILE* file, const QString& text) {
    std::fputs(text.toUtf8().constData(), file);
    std::fputc('\n', file);
}

// A catalogue message on one line: its category prefix and text.
QString oneLine(QString text) {
    text.replace(QLatin1String("\n\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

int usageError(std::FILE* err, const char* usage) {
    print(err, QStringLiteral("maltwise-db: usage: maltwise-db %1").arg(QLatin1String(usage)));
    return 2;
}

// Opens a recipe database; false (with the message printed) for any other file.
bool openRecipes(storage::Database& database, const QString& path, std::FILE* err) {
    database.open(path);
    if (database.firstTableName() != storage::kRecipeMarker) {
        print(err, QStringLiteral("maltwise-db: ") +
                       oneLine(QString::fromStdString(formatMessage(168, path.toStdString()))));
        return false;
    }
    return true;
}

template <typename Run>
int guarded(std::FILE* err, Run run) {
    try {
        return run();
    } catch (const beerxml::BeerXmlError& e) {
        print(err, QStringLiteral("maltwise-db: ") + oneLine(e.text()));
    } catch (const storage::DaoException& e) {
        print(err, QStringLiteral("maltwise-db: ") + e.description().simplified() +
                       QStringLiteral(" (%1)").arg(e.number()));
    }
    return 1;
}

}  // namespace

int importBeerXmlCommand(const QStringList& args, std::FILE* out, std::FILE* err) {
    const char* const usage = "import-beerxml RECIPES.mdb FILE.xml [--metric | --english]";
    QStringList files;
    beerxml::Measures measures = beerxml::Measures::FromFile;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--metric")) {
            measures = beerxml::Measures::Metric;
        } else if (args[i] == QLatin1String("--english")) {
            measures = beerxml::Measures::English;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usageError(err, usage);
        } else {
            files << args[i];
        }
    }
    if (files.size() != 2) {
        return usageError(err, usage);
    }
    return guarded(err, [&] {
        storage::Database database;
        if (!openRecipes(database, files[0], err)) {
            return 1;
        }
        const beerxml::ImportResult result = beerxml::importBeerXml(database, files[1], measures);
        for (const beerxml::ImportedRecipe& r : result.recipes) {
            print(out, QStringLiteral("Batch %1: %2").arg(r.batchNumber).arg(r.name));
            for (const QString& line : r.report) {
                print(out, QStringLiteral("  ") + line);
            }
        }
        for (const QString& line : result.fileReport) {
            print(out, line);
        }
        print(out, beerxml::catalogueText(beerxml::bxmsg::ImportSummary,
                                          {QString::number(result.recipes.size()), files[1]}));
        return 0;
    });
}

int exportBeerXmlCommand(const QStringList& args, std::FILE* out, std::FILE* err) {
    const char* const usage = "export-beerxml RECIPES.mdb (--batch N | --all) OUT.xml";
    QStringList files;
    std::optional<qint32> batch;
    bool all = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--all")) {
            all = true;
        } else if (args[i] == QLatin1String("--batch") && i + 1 < args.size()) {
            bool ok = false;
            batch = args[++i].toInt(&ok);
            if (!ok) {
                return usageError(err, usage);
            }
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usageError(err, usage);
        } else {
            files << args[i];
        }
    }
    if (files.size() != 2 || all == batch.has_value()) {
        return usageError(err, usage);
    }
    return guarded(err, [&] {
        storage::Database database;
        if (!openRecipes(database, files[0], err)) {
            return 1;
        }
        const int written = beerxml::exportBeerXml(database, batch, files[1]);
        print(out, beerxml::catalogueText(beerxml::bxmsg::ExportSummary,
                                          {QString::number(written), files[1]}));
        return 0;
    });
}

}  // namespace mw::app
