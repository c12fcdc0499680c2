#pragma once

#include <QStringList>

namespace mw::storage {

// The folders where the files that travel with the program (help pages,
// tips, credits, grid settings, report layouts) are looked for, in order:
//   1. the running program's own folder (a build, or a copy run in place);
//   2. the installed share folder beside it, <program>/../share/maltwise-calculator,
//      so an installation under any prefix finds its files;
//   3. the source tree's resources, only for a program that runs inside the
//      build tree it was built in (a developer's build and the tests).
QStringList programFolders();

}  // namespace mw::storage
