#pragma once

#include <QStringList>
#include <cstdio>

namespace mw::app {

// maltwise-db report NAME [RECIPES.mdb] [--data DATA.mdb] [--batch N]
//                    [--paper A4|Letter] --pdf OUT.pdf
// Renders one of the twelve reports to a PDF file through the report
// engine. Returns 0 on success, 1 when the report failed, 2 for a wrong call.
int reportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

// The usage lines of the command.
extern const char* const kReportUsage;

}  // namespace mw::app
