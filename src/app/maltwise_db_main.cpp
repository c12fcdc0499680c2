// maltwise-db: the command-line companion of Maltwise Calculator. It creates,
// checks, compacts and repairs databases, lists the recipe log, and
// recalculates a stored recipe exactly as the recipe form does.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "db_commands.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return mw::app::runDbCommand(arguments, stdout, stderr);
}
