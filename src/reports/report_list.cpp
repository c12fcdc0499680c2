#include "reports/report_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "storage/program_folders.h"

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
    // The layouts lie directly in the program's folder in a build, and in a
    // "reports" folder of the installed share folder and the source tree.
    for (const QString& folder : storage::programFolders()) {
        for (const QString& candidate :
             {folder, QDir(folder).filePath(QStringLiteral("reports"))}) {
            if (QFileInfo::exists(reportPath(candidate, QLatin1String(kCurrentRecipeReport)))) {
                return QDir::cleanPath(candidate);
            }
        }
    }
    return QCoreApplication::applicationDirPath();
}

}  // namespace mw::reports
