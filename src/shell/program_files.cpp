#include "shell/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "storage/program_folders.h"

namespace mw::shell {

QString GetProgramDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString findProgramFile(const QString& relativePath) {
    for (const QString& folder : storage::programFolders()) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return QString();
}

}  // namespace mw::shell
