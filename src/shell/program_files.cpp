#include "shell/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mw::shell {

QString GetProgramDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString findProgramFile(const QString& relativePath) {
    const QStringList folders{
        GetProgramDirectory(),
        QDir(GetProgramDirectory()).filePath(QStringLiteral("../share/maltwise")),
        QStringLiteral(MW_SOURCE_RESOURCES),
    };
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return QString();
}

}  // namespace mw::shell
