#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "db_commands.h"

namespace mw::test {

// What a maltwise-db command line gave: its exit status and both outputs.
struct DbCommandRun {
    int status = -1;
    QString out;
    QString err;
};

// Reads a temporary file from its start and closes it.
inline QString drainFile(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

// Runs a maltwise-db command line in this process, its output caught.
inline DbCommandRun runDbCommand(const QStringList& arguments) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    DbCommandRun r;
    r.status = app::runDbCommand(arguments, out, err);
    r.out = drainFile(out);
    r.err = drainFile(err);
    return r;
}

}  // namespace mw::test
