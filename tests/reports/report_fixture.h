#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "reports/report_engine.h"
#include "reports/report_list.h"
#include "storage/seed_data.h"

namespace mw::test {

// The shipped layouts of the source tree.
inline QString shippedLayouts() {
    return QStringLiteral(MW_SOURCE_RESOURCES "/reports");
}

// What a PDF says, read back with the poppler tools.
struct PdfText {
    int pages = 0;
    QString text;
    QString fonts;
};

inline QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfText readPdf(const QString& path) {
    PdfText pdf;
    const QString info = runTool(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            pdf.pages = line.mid(6).trimmed().toInt();
        }
    }
    pdf.text = runTool(QStringLiteral("pdftotext"),
                       {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdf.fonts = runTool(QStringLiteral("pdffonts"), {path});
    return pdf;
}

// A temporary folder with the seeded data database and the sample recipes.
class ReportFixture {
public:
    ReportFixture() {
        QStandardPaths::setTestModeEnabled(true);
        data = dir.filePath(QStringLiteral("data.mdb"));
        recipes = dir.filePath(QStringLiteral("recipes.mdb"));
        storage::createSeededDataDatabase(data);
        storage::createSampleRecipeDatabase(recipes);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Opens a shipped layout (or one of `folder`) pointed at `database`,
    // its subreports too.
    reports::CReportJob* open(reports::CReportEngine& engine, const QString& base,
                              const QString& database, const QString& folder = shippedLayouts()) {
        reports::CReportJob* job = engine.OpenJob(reports::reportPath(folder, base));
        if (job == nullptr) {
            return nullptr;
        }
        const reports::TableLocation location{database, {}, {}};
        job->SetTableLocation(0, location);
        for (int i = 1; i <= 12; ++i) {
            const int handle = job->GetSubreport(4000 + 25 * i, 0);
            if (const auto info = job->GetSubreportInfo(handle)) {
                reports::CReportJob* sub = job->OpenSubreport(info->name);
                sub->SetTableLocation(0, location);
                job->CloseSubreport(sub);
            }
        }
        job->setReferenceDatabase(data);
        return job;
    }

    // Writes a text file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return path(name);
    }

    QTemporaryDir dir;
    QString data;
    QString recipes;
};

}  // namespace mw::test
