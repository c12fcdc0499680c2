// maltwise-db: the command-line companion of Maltwise Calculator. It creates,
// checks, compacts and repairs databases, lists the recipe log, and
// recalculates a stored recipe exactly as the recipe form does.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string_view>

#include "db_commands.h"

int main(int argc, char** argv) {
    // Reports are painted with fonts, which needs the window system's part of
    // Qt; without a display it draws off screen.
    const bool report = argc > 1 && std::string_view(argv[1]) == "report";
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::unique_ptr<QCoreApplication> application;
    if (report) {
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same data folder as the program's, where the backups are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("Wortline"));
    QCoreApplication::setApplicationName(QStringLiteral("Maltwise Calculator"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return mw::app::runDbCommand(arguments, stdout, stderr);
}
