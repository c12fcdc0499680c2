#include "reports/report_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mw::reports {

const ReportEntry* findReport(const QString& baseName) {
    for (const ReportEntry& entry : kReports) {
        if (baseName.compare(QLatin1String(entry.baseName), Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

QString reportPath(const QString& folder, const QString& baseName) {
    const QDir dir(folder);
    const QString name = baseName + QStringLiteral(".rpt");
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return exact;
}

QString reportFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList folders{
        program,
        QDir(program).filePath(QStringLiteral("../share/maltwise/reports")),
        QStringLiteral(MW_SOURCE_RESOURCES "/reports"),
    };
    for (const QString& folder : folders) {
        if (QFileInfo::exists(reportPath(folder, QLatin1String(kCurrentRecipeReport)))) {
            return QDir::cleanPath(folder);
        }
    }
    return program;
}

}  // namespace mw::reports
