#pragma once

#include <QStringList>
#include <cstdio>

namespace mw::app {

// maltwise-db import-beerxml RECIPES.mdb FILE.xml [--metric | --english]
// Prints each imported recipe's new batch number and its loss report.
int importBeerXmlCommand(const QStringList& args, std::FILE* out, std::FILE* err);

// maltwise-db export-beerxml RECIPES.mdb (--batch N | --all) OUT.xml
int exportBeerXmlCommand(const QStringList& args, std::FILE* out, std::FILE* err);

}  // namespace mw::app
