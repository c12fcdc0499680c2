#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace mw::storage {
class Database;
}

namespace mw::recipe_form {

// One line of the Recipe page's ingredient list and the picture beside it
// (0 kit, 1 extract, 2 grain, 3 adjunct, 4 hop, 5 yeast).
struct SummaryLine {
    int icon = 0;
    QString text;

    bool operator==(const SummaryLine&) const = default;
};

// What a hop is added for: up to 15 minutes of boil "(Aroma)", up to 30
// "(Flavoring)", longer "(Bittering)".
QString hopUse(double boilMinutes);

// A recipe's ingredients, one line each, kits first, then extracts, grains,
// adjuncts, hops (shortest boil first) and yeasts:
//   kits       "3.3 lbs, Maker, Style"
//   extracts   "6.0 lbs, Maker, Name"
//   grains     "2.500 lbs, Name"
//   adjuncts   "<amount as stored> tsp, Name"
//   hops       "1.0 oz, Name, 5.5, 60 (Bittering)"
//   yeasts     "1.0 pkg, Maker, Name, Ale"
// Throws DaoException.
std::vector<SummaryLine> recipeSummary(storage::Database& database, qint32 recipeId);

}  // namespace mw::recipe_form
