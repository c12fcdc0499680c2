#pragma once

#include <QString>

namespace mw::shell {

// The folder of the running program, where the files that travel with it
// (tips, help, report layouts, grid settings) are looked up first.
QString GetProgramDirectory();

// A file that travels with the program: in the program's folder, else in
// the installed share folder, else in the source tree's resources (a
// developer's build). Empty when it is nowhere.
QString findProgramFile(const QString& relativePath);

}  // namespace mw::shell
