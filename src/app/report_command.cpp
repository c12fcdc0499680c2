#include "report_command.h"

#include <QDir>
#include <QFileInfo>

#include "reports/report_engine.h"
#include "reports/report_list.h"
#include "storage/dao_exception.h"
#include "storage/database.h"
#include "storage/settings.h"

namespace mw::app {

const char* const kReportUsage =
    "  report NAME [RECIPES] [--data FILE] [--batch N] [--paper A4|Letter] --pdf OUT\n"
    "                        render a report to a PDF file; NAME is Recipe (the recipe\n"
    "                        of batch N), Recipes, Styles, Kits, Extracts, Grains, Hops,\n"
    "                        Yeasts, Waters, Adjuncts, Glossary or Suppliers; the data\n"
    "                        database defaults to the DefaultDataFile setting\n";

namespace {

struct Refusal {
    QString message;
    int status = 1;
};

QString option(const QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    if (i < 0) {
        return QString();
    }
    if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
        throw Refusal{QStringLiteral("%1 needs a value").arg(name), 2};
    }
    return args[i + 1];
}

QString reportNames() {
    QStringList names;
    for (const reports::ReportEntry& entry : reports::kReports) {
        names.append(QLatin1String(entry.baseName));
    }
    return names.join(QStringLiteral(", "));
}

void line(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

int run(const QStringList& args, std::FILE* out) {
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--"))) {
        throw Refusal{QStringLiteral("report needs a NAME: one of %1").arg(reportNames()), 2};
    }
    const reports::ReportEntry* entry = reports::findReport(args[1]);
    if (entry == nullptr) {
        throw Refusal{QStringLiteral("there is no report \"%1\"; the reports are %2")
                          .arg(args[1], reportNames()),
                      2};
    }
    const QString recipes =
        args.size() > 2 && !args[2].startsWith(QLatin1String("--")) ? args[2] : QString();
    const QString pdf = option(args, QStringLiteral("--pdf"));
    if (pdf.isEmpty()) {
        throw Refusal{QStringLiteral("report needs --pdf OUT.pdf"), 2};
    }
    std::optional<reports::PaperSize> paper;
    const QString paperName = option(args, QStringLiteral("--paper"));
    if (paperName.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
        paper = reports::PaperSize::A4;
    } else if (paperName.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) {
        paper = reports::PaperSize::Letter;
    } else if (!paperName.isEmpty()) {
        throw Refusal{QStringLiteral("--paper is A4 or Letter, not \"%1\"").arg(paperName), 2};
    }
    QString data = option(args, QStringLiteral("--data"));
    if (data.isEmpty()) {
        storage::Settings settings(storage::Settings::openUserStore());
        data = settings.string(storage::Setting::DefaultDataFile);
    }
    const bool current =
        QLatin1String(entry->baseName) == QLatin1String(reports::kCurrentRecipeReport);
    QString filter;
    if (current) {
        bool ok = false;
        const QString batchText = option(args, QStringLiteral("--batch"));
        const qint64 batch = batchText.toLongLong(&ok);
        if (!ok || batch < 0) {
            throw Refusal{QStringLiteral("report Recipe needs --batch N with a batch number"), 2};
        }
        filter = QStringLiteral("{Recipes.RecipeBatchNo} = %1").arg(batch);
    }
    QString location;
    if (entry->kind == reports::ReportKind::Data) {
        location = data.isEmpty() ? recipes : data;
        if (location.isEmpty()) {
            throw Refusal{QStringLiteral("no data database: give --data FILE or choose one on "
                                         "the program's options sheet"),
                          2};
        }
    } else {
        if (recipes.isEmpty()) {
            throw Refusal{QStringLiteral("report %1 needs the RECIPES database").arg(args[1]), 2};
        }
        location = recipes;
    }
    if (current) {
        // The filter of a batch that is not there gives a page with no recipe;
        // the command says so instead.
        try {
            storage::Database database;
            database.open(recipes, storage::Database::Access::ReadOnly);
            const QVariant count = database.scalar(
                QStringLiteral("SELECT COUNT(*) FROM \"Recipes\" WHERE \"RecipeBatchNo\" = ?"),
                {filter.section(QLatin1Char('='), 1).trimmed().toLongLong()});
            if (count.toLongLong() == 0) {
                throw Refusal{QStringLiteral("no recipe in %1 has the batch number %2")
                                  .arg(QDir::toNativeSeparators(recipes),
                                       filter.section(QLatin1Char('='), 1).trimmed())};
            }
        } catch (const storage::DaoException&) {
            // The engine reports a database it cannot read, in its own words.
        }
    }

    reports::CReportEngine engine;
    if (!engine.Open()) {
        throw Refusal{engine.GetErrorText()};
    }
    reports::CReportJob* job = engine.OpenJob(
        reports::reportPath(reports::reportFolder(), QLatin1String(entry->baseName)));
    if (job == nullptr) {
        throw Refusal{oneLine(engine.GetErrorText())};
    }
    job->SetTableLocation(0, reports::TableLocation{location, {}, {}});
    for (int i = 1; i <= 12; ++i) {
        const int handle = job->GetSubreport(
            reports::CReportJob::kFirstSection + reports::CReportJob::kSectionStep * i, 0);
        if (const auto info = job->GetSubreportInfo(handle)) {
            if (reports::CReportJob* sub = job->OpenSubreport(info->name)) {
                sub->SetTableLocation(0, reports::TableLocation{location, {}, {}});
                job->CloseSubreport(sub);
            }
        }
    }
    if (!filter.isEmpty() && !job->SetFilterFormula(filter)) {
        throw Refusal{oneLine(job->GetErrorText())};
    }
    job->setReferenceDatabase(data);
    job->setPaper(paper);
    job->SetFileOutput(pdf);
    if (!job->Run()) {
        throw Refusal{oneLine(job->GetErrorText())};
    }
    const qsizetype pages = job->document()->pages.size();
    line(out,
         QStringLiteral("%1: %2 page%3 written to %4")
             .arg(QLatin1String(entry->listText))
             .arg(pages)
             .arg(pages == 1 ? QString() : QStringLiteral("s"), QDir::toNativeSeparators(pdf)));
    return 0;
}

}  // namespace

int reportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    try {
        return run(arguments, out);
    } catch (const Refusal& refusal) {
        line(err, QStringLiteral("maltwise-db: ") + refusal.message);
        return refusal.status;
    }
}

}  // namespace mw::app
