#pragma once

#include <QStringList>
#include <cstdio>

namespace mw::app {

// Runs one maltwise-db command line (without the program name), writing its
// results to `out` and any error as one clear line to `err`. Returns the
// exit status: 0 on success, 1 when the command failed, 2 for a wrong call.
int runDbCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace mw::app
