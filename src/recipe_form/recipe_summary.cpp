#include "recipe_form/recipe_summary.h"

#include <algorithm>
#include <functional>

#include "calc/sheets.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "storage/catalogue_string.h"
#include "storage/ingredient_store.h"

namespace mw::recipe_form {

namespace {

using calc::Sheet;

constexpr int kWordAroma = 1134;
constexpr int kWordFlavoring = 1135;
constexpr int kWordBittering = 1136;

const QString kComma = QStringLiteral(", ");
const QString kBlank = QStringLiteral(" ");

QString number(const QString& cell, int format) {
    return QString::fromStdString(formatNumber(format, leadingNumber(cell.toStdString())));
}

void addLines(storage::IngredientStore& store, qint32 recipeId, Sheet sheet,
              std::vector<SummaryLine>& lines,
              const std::function<QString(const QStringList&)>& line) {
    for (const QStringList& cells : store.load(sheet, recipeId).cells) {
        lines.push_back({static_cast<int>(sheet), line(cells)});
    }
}

}  // namespace

QString hopUse(double boilMinutes) {
    if (boilMinutes <= 15.0) {
        return storage::catalogueString(kWordAroma);
    }
    if (boilMinutes <= 30.0) {
        return storage::catalogueString(kWordFlavoring);
    }
    return storage::catalogueString(kWordBittering);
}

std::vector<SummaryLine> recipeSummary(storage::Database& database, qint32 recipeId) {
    storage::IngredientStore store(database);
    std::vector<SummaryLine> lines;
    using namespace calc;
    addLines(store, recipeId, Sheet::Kits, lines, [](const QStringList& c) {
        return number(c[KitCol::Weight], msg::FormatOneDecimal) + kBlank + c[KitCol::Units] +
               kComma + c[KitCol::Manufacturer] + kComma + c[KitCol::Style];
    });
    addLines(store, recipeId, Sheet::Extracts, lines, [](const QStringList& c) {
        return number(c[ExtractCol::Weight], msg::FormatOneDecimal) + kBlank +
               c[ExtractCol::Units] + kComma + c[ExtractCol::Manufacturer] + kComma +
               c[ExtractCol::Name];
    });
    addLines(store, recipeId, Sheet::Grains, lines, [](const QStringList& c) {
        return number(c[GrainCol::Weight], msg::FormatThreeDecimals) + kBlank + c[GrainCol::Units] +
               kComma + c[GrainCol::Name];
    });
    addLines(store, recipeId, Sheet::Adjuncts, lines, [](const QStringList& c) {
        return c[AdjunctCol::Amount] + kBlank + c[AdjunctCol::Units] + kComma + c[AdjunctCol::Name];
    });

    // Hops by boil time, shortest first; additions of the same time in the
    // order they were entered.
    storage::SheetRows hops = store.load(Sheet::Hops, recipeId);
    std::vector<const QStringList*> byTime;
    for (const QStringList& cells : hops.cells) {
        byTime.push_back(&cells);
    }
    const auto time = [](const QStringList* c) {
        return leadingNumber((*c)[HopCol::Time].toStdString());
    };
    std::stable_sort(
        byTime.begin(), byTime.end(),
        [&time](const QStringList* a, const QStringList* b) { return time(a) < time(b); });
    for (const QStringList* c : byTime) {
        lines.push_back({static_cast<int>(Sheet::Hops),
                         number((*c)[HopCol::Weight], msg::FormatOneDecimal) + kBlank +
                             (*c)[HopCol::Units] + kComma + (*c)[HopCol::Name] + kComma +
                             number((*c)[HopCol::Alpha], msg::FormatOneDecimal) + kComma +
                             number((*c)[HopCol::Time], msg::FormatWhole) + kBlank +
                             hopUse(time(c))});
    }

    addLines(store, recipeId, Sheet::Yeasts, lines, [](const QStringList& c) {
        return number(c[YeastCol::Amount], msg::FormatOneDecimal) + kBlank + c[YeastCol::Units] +
               kComma + c[YeastCol::Manufacturer] + kComma + c[YeastCol::Name] + kComma +
               c[YeastCol::Type];
    });
    return lines;
}

}  // namespace mw::recipe_form
