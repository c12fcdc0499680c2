#include "db_commands.h"

#include "beerxml_commands.h"

#include "report_command.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>
#include <functional>
#include <map>

#include "calc/assumption_report.h"
#include "calc/hop_utilization.h"
#include "calc/modern_predictions.h"
#include "calc/recipe_calculation.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "storage/catalogue_string.h"
#include "storage/compact_repair.h"
#include "storage/dao_exception.h"
#include "storage/data_records.h"
#include "storage/database.h"
#include "storage/hop_utilization_reader.h"
#include "storage/ingredient_loader.h"
#include "storage/recipe_backups.h"
#include "storage/recipe_record_fields.h"
#include "storage/recipe_records.h"
#include "storage/schema.h"
#include "storage/seed_data.h"
#include "storage/settings.h"

namespace mw::app {

namespace {

using storage::DaoException;

// A failure that ends the command with a message.
struct CommandError {
    QString message;
    int status = 1;
};

// Messages raised during a recalculation are reported in its output, never
// asked about.
class NoPrompts final : public PromptService {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
};

QString oneLine(const std::string& text) {
    QString line = QString::fromStdString(text);
    line.replace(QLatin1String("\n\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line.simplified();
}

void print(std::FILE* out, const QString& text) {
    std::fputs(text.toUtf8().constData(), out);
    std::fputc('\n', out);
}

const char* const kUsage =
    "Usage: maltwise-db COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  create-recipes FILE   create an empty recipe database\n"
    "  create-data FILE      create a data database with the shipped reference data\n"
    "  create-samples FILE   create a recipe database holding the sample recipes\n"
    "  check FILE            print \"recipe\" or \"data\", or why the file is neither\n"
    "  compact FILE          compact a database file\n"
    "  repair FILE           repair a database file\n"
    "  backup FILE           make a checked backup of a recipe database now; print its path\n"
    "  restore FILE [BACKUP] list the backups of a recipe database, newest first; with\n"
    "                        BACKUP (a path or a listed name) restore it, keeping the\n"
    "                        file as it is as a backup first\n"
    "  log FILE              list the recipes by batch number\n"
    "  recalc FILE --batch N [--data FILE] [--json]\n"
    "                        recalculate a recipe's gravity, bitterness, alcohol and colour;\n"
    "                        the data database defaults to the DefaultDataFile setting;\n"
    "                        present-day predictions and every assumption follow\n"
    "  import-beerxml FILE BEERXML [--metric | --english]\n"
    "                        import the recipes of a BeerXML file, each with the next batch\n"
    "                        number, and print what had no place in the recipe tables\n"
    "  export-beerxml FILE (--batch N | --all) BEERXML\n"
    "                        write a recipe, or every recipe, as a BeerXML 1.0 file\n"
    "  utilization           print the hop utilization table of a new data database\n"
    "  help                  show this text\n";

QString requireFile(const QStringList& args) {
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--"))) {
        throw CommandError{QStringLiteral("%1 needs a FILE").arg(args[0]), 2};
    }
    return args[1];
}

// Opens a database and checks its kind by its first table.
void openOfKind(storage::Database& database, const QString& path, const QString& marker) {
    database.open(path);
    if (database.firstTableName() != marker) {
        const int message = marker == storage::kRecipeMarker ? 168 : 171;
        throw CommandError{oneLine(formatMessage(message, path.toStdString()))};
    }
}

int createCommand(const QStringList& args, std::FILE* out,
                  const std::function<void(const QString&)>& create) {
    const QString path = requireFile(args);
    create(path);
    print(out, QStringLiteral("created %1").arg(path));
    return 0;
}

int checkCommand(const QStringList& args, std::FILE* out) {
    const QString path = requireFile(args);
    storage::Database database;
    database.open(path);
    const QString first = database.firstTableName();
    // The same diagnosis, in the same words, as the program gives on opening.
    if (first == storage::kRecipeMarker) {
        storage::verifyDatabase(database, storage::DatabaseKind::Recipe);
        print(out, QStringLiteral("recipe"));
    } else if (first == storage::kDataMarker) {
        storage::verifyDatabase(database, storage::DatabaseKind::Data);
        print(out, QStringLiteral("data"));
    } else {
        throw CommandError{oneLine(formatMessage(168, path.toStdString()))};
    }
    return 0;
}

// The backups the program keeps, in the data folder the program uses.
storage::RecipeBackups programBackups() {
    return storage::RecipeBackups(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .filePath(QStringLiteral("Backups")));
}

int copiesKept() {
    const storage::Settings settings(storage::Settings::openUserStore());
    return settings.integer(storage::Setting::BackupCopies);
}

int backupCommand(const QStringList& args, std::FILE* out) {
    const QString path = requireFile(args);
    {
        storage::Database recipes;
        openOfKind(recipes, path, storage::kRecipeMarker);
    }
    storage::RecipeBackups backups = programBackups();
    const storage::BackupResult result = backups.backUpFile(path, copiesKept());
    if (result.outcome == storage::BackupOutcome::Damaged) {
        throw CommandError{oneLine(formatMessage(1471, path.toStdString()))};
    }
    print(out, result.copy.path);
    return 0;
}

int restoreCommand(const QStringList& args, std::FILE* out) {
    const QString path = requireFile(args);
    storage::RecipeBackups backups = programBackups();
    const std::vector<storage::BackupCopy> copies = backups.copiesOf(path);
    if (args.size() < 3) {
        for (const storage::BackupCopy& copy : copies) {
            print(out, QStringLiteral("%1  %2 bytes  %3")
                           .arg(copy.madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                           .arg(copy.size, 10)
                           .arg(copy.path));
        }
        if (copies.empty()) {
            print(out, QStringLiteral("no backups of %1 in %2").arg(path, backups.folder()));
        }
        return 0;
    }
    // A backup named as the list shows it, by its path or by its file name.
    const QString wanted = args[2];
    const auto chosen = std::find_if(copies.begin(), copies.end(), [&](const auto& copy) {
        return copy.path == QFileInfo(wanted).absoluteFilePath() ||
               QFileInfo(copy.path).fileName() == wanted;
    });
    storage::BackupCopy copy;
    if (chosen != copies.end()) {
        copy = *chosen;
    } else if (QFileInfo(wanted).isFile()) {
        // A copy kept elsewhere: it passes the same checks before it is used.
        copy = storage::BackupCopy{QFileInfo(wanted).absoluteFilePath(),
                                   QFileInfo(wanted).lastModified(), QFileInfo(wanted).size()};
    } else {
        throw CommandError{QStringLiteral("there is no backup \"%1\" of %2; \"maltwise-db "
                                          "restore %2\" lists them")
                               .arg(wanted, path)};
    }
    const storage::BackupCopy before = backups.restore(path, copy, copiesKept());
    print(out, QStringLiteral("restored %1 from %2").arg(path, copy.path));
    print(out, QStringLiteral("kept as it was before in %1").arg(before.path));
    return 0;
}

int maintainCommand(const QStringList& args, std::FILE* out, bool repair) {
    const QString path = requireFile(args);
    long lost = 0;
    if (repair) {
        lost = storage::repairDatabase(path);
    } else {
        storage::compactDatabase(path);
    }
    print(out, oneLine(formatMessage(4, repair ? "repair" : "compress", path.toStdString())));
    if (lost > 0) {
        print(out, QStringLiteral("%1 damaged rows could not be recovered.").arg(lost));
    }
    return 0;
}

QString brewDate(const QDateTime& date) {
    return date.isValid() ? QStringLiteral("%1/%2/%3")
                                .arg(date.date().month())
                                .arg(date.date().day())
                                .arg(date.date().year())
                          : QString();
}

int logCommand(const QStringList& args, std::FILE* out) {
    const QString path = requireFile(args);
    storage::Database database;
    openOfKind(database, path, storage::kRecipeMarker);
    storage::CRecordSetRecipeLog log(&database);
    log.open();
    QString header = storage::catalogueString(79);
    header.replace(QLatin1Char(','), QLatin1Char('\t'));
    print(out, header);
    while (!log.isEOF()) {
        print(out, QStringList{QString::number(log.m_RecipeBatchNo), log.m_RecipeName,
                               brewDate(log.m_RecipeDateBrewed), log.m_RecipeTargetStyle,
                               log.m_RecipeTargetCategory, log.m_RecipeTargetSubcategory}
                       .join(QLatin1Char('\t')));
        log.moveNext();
    }
    return 0;
}

QString optionValue(const QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    if (i < 0) {
        return QString();
    }
    if (i + 1 >= args.size()) {
        throw CommandError{QStringLiteral("%1 needs a value").arg(name), 2};
    }
    return args[i + 1];
}

QJsonArray textArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& t : texts) {
        array.append(QString::fromStdString(t));
    }
    return array;
}

// The present-day predictions, each figure with its method's name.
QJsonObject modernJson(const calc::ModernPredictions& m) {
    const auto name = [](const calc::MethodFigure& f) { return QString::fromStdString(f.method); };
    QJsonArray ibu;
    for (const calc::MethodFigure& f : m.bitterness.ibu) {
        ibu.append(
            QJsonObject{{QStringLiteral("method"), name(f)}, {QStringLiteral("ibu"), f.value}});
    }
    QJsonArray hops;
    for (const calc::ModernHopAddition& h : m.bitterness.hops) {
        hops.append(
            QJsonObject{{QStringLiteral("row"), h.row},
                        {QStringLiteral("minutes"), h.minutes},
                        {QStringLiteral("grams"), h.grams},
                        {QStringLiteral("counted"), h.counted},
                        {QStringLiteral("tinseth_utilization"), h.tinsethUtilization},
                        {QStringLiteral("tinseth_ibu"), h.tinsethIbu},
                        {QStringLiteral("rager_utilization_percent"), h.ragerUtilizationPercent},
                        {QStringLiteral("rager_ibu"), h.ragerIbu}});
    }
    const QJsonObject bitterness{
        {QStringLiteral("worked"), m.bitterness.worked},
        {QStringLiteral("gravity_used"), QString::fromStdString(m.bitterness.gravityName)},
        {QStringLiteral("gravity"), m.bitterness.gravity},
        {QStringLiteral("boil_litres"), m.bitterness.litres},
        {QStringLiteral("rager_gravity_adjustment"), m.bitterness.ragerAdjustment},
        {QStringLiteral("methods"), ibu},
        {QStringLiteral("hops"), hops},
        {QStringLiteral("notes"), textArray(m.bitterness.notes)}};

    QJsonArray colours;
    for (std::size_t i = 0; i < m.colour.srm.size(); ++i) {
        colours.append(QJsonObject{{QStringLiteral("method"), name(m.colour.srm[i])},
                                   {QStringLiteral("srm"), m.colour.srm[i].value},
                                   {QStringLiteral("ebc"), m.colour.ebc[i].value}});
    }
    const QJsonObject colour{
        {QStringLiteral("worked"), m.colour.worked},
        {QStringLiteral("mcu"), m.colour.mcu},
        {QStringLiteral("methods"), colours},
        {QStringLiteral("display_color"), QString::fromStdString(m.colour.display.hex())},
        {QStringLiteral("display_color_of"), QStringLiteral("Morey")},
        {QStringLiteral("notes"), textArray(m.colour.notes)}};

    QJsonArray alcohols;
    for (std::size_t i = 0; i < m.alcohol.abv.size(); ++i) {
        alcohols.append(QJsonObject{{QStringLiteral("method"), name(m.alcohol.abv[i])},
                                    {QStringLiteral("abv"), m.alcohol.abv[i].value},
                                    {QStringLiteral("abw"), m.alcohol.abw[i].value}});
    }
    const QJsonObject alcohol{{QStringLiteral("worked"), m.alcohol.worked},
                              {QStringLiteral("original_gravity"), m.alcohol.originalGravity},
                              {QStringLiteral("attenuation"), m.alcohol.attenuation},
                              {QStringLiteral("final_gravity"), m.alcohol.finalGravity},
                              {QStringLiteral("methods"), alcohols},
                              {QStringLiteral("notes"), textArray(m.alcohol.notes)}};
    return QJsonObject{{QStringLiteral("bitterness"), bitterness},
                       {QStringLiteral("color"), colour},
                       {QStringLiteral("alcohol"), alcohol}};
}

QJsonArray explainJson(const calc::AssumptionReport& report) {
    QJsonArray entries;
    for (const calc::Assumption& a : report.entries()) {
        entries.append(QJsonObject{
            {QStringLiteral("figure"),
             QString::fromUtf8(calc::figureKey(a.figure).data(),
                               static_cast<qsizetype>(calc::figureKey(a.figure).size()))},
            {QStringLiteral("text"), QString::fromStdString(a.text)}});
    }
    return entries;
}

// The present-day predictions and the assumptions as plain lines.
void printModernAndExplain(std::FILE* out, const calc::ModernPredictions& m,
                           const calc::AssumptionReport& report) {
    const auto number = [](const char* format, double value) {
        return QString::fromStdString(formatNumber(format, value));
    };
    const auto notes = [out](const std::vector<std::string>& texts) {
        for (const std::string& t : texts) {
            print(out, QStringLiteral("  - ") + QString::fromStdString(t));
        }
    };
    print(out, QStringLiteral("Modern predictions:"));
    for (const calc::MethodFigure& f : m.bitterness.ibu) {
        print(out, QStringLiteral("  IBU, %1 at the %2 %3: %4")
                       .arg(QString::fromStdString(f.method),
                            QString::fromStdString(m.bitterness.gravityName),
                            number("%.3f", m.bitterness.gravity), number("%.1f", f.value)));
    }
    notes(m.bitterness.notes);
    if (m.colour.worked) {
        print(out, QStringLiteral("  MCU %1").arg(number("%.2f", m.colour.mcu)));
        for (std::size_t i = 0; i < m.colour.srm.size(); ++i) {
            print(out, QStringLiteral("  Colour, %1: SRM %2, EBC %3")
                           .arg(QString::fromStdString(m.colour.srm[i].method),
                                number("%.2f", m.colour.srm[i].value),
                                number("%.1f", m.colour.ebc[i].value)));
        }
        print(out, QStringLiteral("  Display colour (Morey SRM) %1")
                       .arg(QString::fromStdString(m.colour.display.hex())));
    }
    notes(m.colour.notes);
    if (m.alcohol.worked) {
        print(out,
              QStringLiteral("  Final gravity %1").arg(number("%.3f", m.alcohol.finalGravity)));
        for (std::size_t i = 0; i < m.alcohol.abv.size(); ++i) {
            print(out, QStringLiteral("  Alcohol, %1: ABV %2, ABW %3")
                           .arg(QString::fromStdString(m.alcohol.abv[i].method),
                                number("%.2f", m.alcohol.abv[i].value),
                                number("%.2f", m.alcohol.abw[i].value)));
        }
    }
    notes(m.alcohol.notes);
    print(out, QStringLiteral("Assumptions:"));
    for (const calc::Assumption& a : report.entries()) {
        const std::string_view figure = calc::figureName(a.figure);
        print(out, QStringLiteral("  [%1] %2")
                       .arg(QString::fromUtf8(figure.data(), static_cast<qsizetype>(figure.size())),
                            QString::fromStdString(a.text)));
    }
}

calc::HopUtilizationTable readUtilization(const QString& dataPath, std::FILE* err) {
    storage::Database data;
    openOfKind(data, dataPath, storage::kDataMarker);
    storage::CRecordSetHopsUtilization records(&data);
    records.open(storage::OpenType::Table,
                 storage::OpenOption::ReadOnly | storage::OpenOption::ForwardOnly);
    calc::HopUtilizationTable table;
    const std::size_t read = storage::readUtilizationGrid(records, table);
    if (read < calc::HopUtilizationTable::kEntries) {
        print(err, QStringLiteral("maltwise-db: warning: %1")
                       .arg(oneLine(formatMessage(1021, std::to_string(read)))));
    }
    return table;
}

int recalcCommand(const QStringList& args, std::FILE* out, std::FILE* err) {
    const QString path = requireFile(args);
    const QString batchText = optionValue(args, QStringLiteral("--batch"));
    bool ok = false;
    const int batch = batchText.toInt(&ok);
    if (!ok) {
        throw CommandError{QStringLiteral("recalc needs --batch N with a whole batch number"), 2};
    }
    QString dataPath = optionValue(args, QStringLiteral("--data"));
    if (dataPath.isEmpty()) {
        storage::Settings settings(storage::Settings::openUserStore());
        dataPath = settings.string(storage::Setting::DefaultDataFile);
    }
    if (dataPath.isEmpty()) {
        throw CommandError{
            QStringLiteral("no data database: give --data FILE or choose one on "
                           "the program's options sheet")};
    }
    const calc::HopUtilizationTable utilization = readUtilization(dataPath, err);

    storage::Database database;
    openOfKind(database, path, storage::kRecipeMarker);
    storage::CRecordSetRecipe recipe(&database);
    recipe.open();
    recipe.setCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    if (!recipe.seek(QStringLiteral("="), {batch})) {
        throw CommandError{oneLine(formatMessage(1020, std::to_string(batch)))};
    }
    storage::LoadedIngredients ingredients = storage::loadIngredients(database, recipe.m_RecipeID);
    const storage::RecipeRecordFields fields(recipe);
    NoPrompts prompts;
    calc::RecipeCalculation calculation(fields, ingredients.rows, utilization, prompts);
    calc::AssumptionReport report;
    calculation.setAssumptionReport(&report);
    calculation.RecalculateRecipe(false);
    const calc::CalcResults& r = calculation.results();
    const calc::ModernPredictions modern =
        calc::predictModern(fields, ingredients.rows, r, calculation.attenuationUsed());
    const int hopRows = ingredients.rows.rowCount(calc::Sheet::Hops);
    const auto hopCell = [&](int row, int column) {
        return QString::fromStdString(ingredients.rows.cellText(calc::Sheet::Hops, row, column));
    };

    if (args.contains(QStringLiteral("--json"))) {
        QJsonArray hops;
        for (int row = 1; row <= hopRows; ++row) {
            hops.append(QJsonObject{{QStringLiteral("row"), row},
                                    {QStringLiteral("ibu"), hopCell(row, calc::HopCol::Ibu)},
                                    {QStringLiteral("hbu"), hopCell(row, calc::HopCol::Hbu)}});
        }
        QJsonArray messages;
        for (const std::string& m : calculation.messages().messages()) {
            messages.append(QString::fromStdString(m));
        }
        const QJsonObject result{{QStringLiteral("original_gravity"), r.originalGravity},
                                 {QStringLiteral("ibu"), r.totalIbu},
                                 {QStringLiteral("hbu"), r.totalHbu},
                                 {QStringLiteral("alcohol"), r.alcohol},
                                 {QStringLiteral("color"), r.color},
                                 {QStringLiteral("hops"), hops},
                                 {QStringLiteral("messages"), messages},
                                 {QStringLiteral("modern"), modernJson(modern)},
                                 {QStringLiteral("explain"), explainJson(report)}};
        std::fputs(QJsonDocument(result).toJson(QJsonDocument::Indented).constData(), out);
        return 0;
    }
    const auto number = [](const char* format, double value) {
        return QString::fromStdString(formatNumber(format, value));
    };
    print(out, QStringLiteral("Recipe %1: %2").arg(batch).arg(recipe.m_RecipeName));
    print(out, QStringLiteral("Original gravity  %1").arg(number("%.3f", r.originalGravity)));
    print(out, QStringLiteral("IBU               %1").arg(number("%.1f", r.totalIbu)));
    print(out, QStringLiteral("HBU               %1").arg(number("%.1f", r.totalHbu)));
    print(out, QStringLiteral("Alcohol           %1").arg(number("%.2f", r.alcohol)));
    print(out, QStringLiteral("Color             %1").arg(number("%.1f", r.color)));
    for (int row = 1; row <= hopRows; ++row) {
        print(out, QStringLiteral("Hops %1: %2  IBU %3  HBU %4")
                       .arg(row)
                       .arg(hopCell(row, calc::HopCol::Name), hopCell(row, calc::HopCol::Ibu),
                            hopCell(row, calc::HopCol::Hbu)));
    }
    for (const std::string& m : calculation.messages().messages()) {
        print(out, oneLine(m));
    }
    printModernAndExplain(out, modern, report);
    return 0;
}

int utilizationCommand(std::FILE* out) {
    using calc::HopUtilizationTable;
    const HopUtilizationTable table = HopUtilizationTable::tinsethDefaults();
    QString line = QStringLiteral("minutes");
    for (int c = 0; c < HopUtilizationTable::kColumns; ++c) {
        line += QStringLiteral("  ") +
                QString::fromStdString(formatNumber("%.3f", HopUtilizationTable::columnGravity(c)));
    }
    print(out, line);
    for (int g = 0; g < HopUtilizationTable::kGroups; ++g) {
        line = QStringLiteral("%1").arg(HopUtilizationTable::groupBoilMinutes(g), 7);
        for (int c = 0; c < HopUtilizationTable::kColumns; ++c) {
            line +=
                QStringLiteral("  ") + QString::fromStdString(formatNumber("%.3f", table.at(g, c)));
        }
        print(out, line);
    }
    return 0;
}

}  // namespace

int runDbCommand(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.isEmpty() || arguments[0] == QLatin1String("help") ||
        arguments[0] == QLatin1String("--help") || arguments[0] == QLatin1String("-h")) {
        std::fputs(kUsage, arguments.isEmpty() ? err : out);
        std::fputs(kReportUsage, arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString command = arguments[0];
    try {
        if (command == QLatin1String("create-recipes")) {
            return createCommand(arguments, out, [](const QString& p) {
                storage::createDatabase(p, storage::DatabaseKind::Recipe);
            });
        }
        if (command == QLatin1String("create-data")) {
            return createCommand(arguments, out, storage::createSeededDataDatabase);
        }
        if (command == QLatin1String("create-samples")) {
            return createCommand(arguments, out, storage::createSampleRecipeDatabase);
        }
        if (command == QLatin1String("check")) {
            return checkCommand(arguments, out);
        }
        if (command == QLatin1String("compact") || command == QLatin1String("repair")) {
            return maintainCommand(arguments, out, command == QLatin1String("repair"));
        }
        if (command == QLatin1String("backup")) {
            return backupCommand(arguments, out);
        }
        if (command == QLatin1String("restore")) {
            return restoreCommand(arguments, out);
        }
        if (command == QLatin1String("log")) {
            return logCommand(arguments, out);
        }
        if (command == QLatin1String("recalc")) {
            return recalcCommand(arguments, out, err);
        }
        if (command == QLatin1String("report")) {
            return reportCommand(arguments, out, err);
        }
        if (command == QLatin1String("import-beerxml")) {
            return importBeerXmlCommand(arguments, out, err);
        }
        if (command == QLatin1String("export-beerxml")) {
            return exportBeerXmlCommand(arguments, out, err);
        }
        if (command == QLatin1String("utilization")) {
            return utilizationCommand(out);
        }
        throw CommandError{
            QStringLiteral("unknown command \"%1\"; try \"maltwise-db help\"").arg(command), 2};
    } catch (const CommandError& e) {
        print(err, QStringLiteral("maltwise-db: ") + e.message);
        return e.status;
    } catch (const DaoException& e) {
        print(err, QStringLiteral("maltwise-db: ") + e.description().simplified() +
                       QStringLiteral(" (%1)").arg(e.number()));
        return 1;
    }
}

}  // namespace mw::app
