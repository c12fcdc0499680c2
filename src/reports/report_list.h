#pragma once

#include <QString>
#include <array>

namespace mw::reports {

// Which database a report reads: the open recipe database or the data
// database named in the settings.
enum class ReportKind { Recipes, Data };

// One report the user can choose: its list text, the base name of its
// layout file and its kind.
struct ReportEntry {
    const char* listText;
    const char* baseName;
    ReportKind kind;
};

// The twelve reports, in the order of the Select Report list.
inline constexpr std::array<ReportEntry, 12> kReports{{
    {"Print Current Recipe", "Recipe", ReportKind::Recipes},
    {"List all Recipes", "Recipes", ReportKind::Recipes},
    {"List all Styles", "Styles", ReportKind::Data},
    {"List all Kits", "Kits", ReportKind::Data},
    {"List all Extracts", "Extracts", ReportKind::Data},
    {"List all Grains", "Grains", ReportKind::Data},
    {"List all Hops", "Hops", ReportKind::Data},
    {"List all Yeasts", "Yeasts", ReportKind::Data},
    {"List all Waters", "Waters", ReportKind::Data},
    {"List all Adjuncts", "Adjuncts", ReportKind::Data},
    {"List all Glossary Terms", "Glossary", ReportKind::Data},
    {"List all Suppliers", "Suppliers", ReportKind::Data},
}};

// The base name of the current-recipe report, the one that takes the
// batch-number filter.
inline constexpr const char* kCurrentRecipeReport = "Recipe";

// The report of a base name (compared without case), or null.
const ReportEntry* findReport(const QString& baseName);

// The layout file of a report: `folder` + base name + ".rpt". On a file
// system that tells case apart, a file whose name differs only in case
// ("recipe.rpt" for "Recipe.rpt") is taken too. When none is there the path
// is returned as built, so that opening it reports the missing file.
QString reportPath(const QString& folder, const QString& baseName);

// The folder the program's report layouts are in: the program's own
// folder when they are there, else the installed share folder, else the
// source tree's (a developer's build).
QString reportFolder();

}  // namespace mw::reports
