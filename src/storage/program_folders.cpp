#include "storage/program_folders.h"

#include <QCoreApplication>
#include <QDir>

namespace mw::storage {

QStringList programFolders() {
    const QString program = QDir::cleanPath(QCoreApplication::applicationDirPath());
    QStringList folders{
        program,
        QDir::cleanPath(QDir(program).filePath(QStringLiteral(MW_INSTALLED_DATA_FROM_PROGRAM))),
    };
    // An installed copy never reaches into the tree it was built from: it
    // must find everything in its own share folder.
    const QString buildTree = QDir::cleanPath(QStringLiteral(MW_BUILD_TREE));
    if (program == buildTree || program.startsWith(buildTree + QLatin1Char('/'))) {
        folders.append(QDir::cleanPath(QStringLiteral(MW_SOURCE_RESOURCES)));
    }
    return folders;
}

}  // namespace mw::storage
