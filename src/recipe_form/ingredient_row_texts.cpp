#include "recipe_form/ingredient_row_texts.h"

#include <array>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"

namespace mw::recipe_form {

namespace {

QString number(int format, double value) {
    return QString::fromStdString(formatNumber(format, value));
}
QString oneDecimal(double value) {
    return number(msg::FormatOneDecimal, value);
}
QString threeDecimals(double value) {
    return number(msg::FormatThreeDecimals, value);
}
QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The texts of a new row, column by column, without the recipe column.
const char* const kNewKit[] = {"<new>", "<new>", "0.0", "0.0", "lbs", "0.000", "0.0"};
const char* const kNewExtract[] = {"<new>", "<new>", "0.0",   "0.0", "lbs",
                                   "Syrup", "0",     "1.000", "0.0"};
const char* const kNewGrain[] = {"<new>", "0.0", "lbs", "1.000", "0.0"};
const char* const kNewAdjunct[] = {"<new>", "0.0", "oz", "0", "0.000", "0.0"};
const char* const kNewHop[] = {"<new>", "0.0", "0.0", "oz", "0", "0", "0.0"};
const char* const kNewYeast[] = {"<new>", "<new>", "Ale", "Dry", "0", "pkg", "75.0"};

template <std::size_t N>
QString pick(const char* const (&texts)[N], int column) {
    return column >= 0 && column < static_cast<int>(N) ? QString::fromLatin1(texts[column])
                                                       : QString();
}

// Extract gravities for an extract the data base gives none.
constexpr double kDryExtractGravity = 1.045;
constexpr double kSyrupExtractGravity = 1.037;

}  // namespace

QString newRowText(calc::Sheet sheet, int column, qint32 recipeId) {
    const int recipeColumn = calc::columnCount(sheet) - 1;
    if (column == recipeColumn) {
        return QString::number(recipeId);
    }
    if (column > recipeColumn) {
        return QString();
    }
    switch (sheet) {
        case calc::Sheet::Kits:
            return pick(kNewKit, column);
        case calc::Sheet::Extracts:
            return pick(kNewExtract, column);
        case calc::Sheet::Grains:
            return pick(kNewGrain, column);
        case calc::Sheet::Adjuncts:
            return pick(kNewAdjunct, column);
        case calc::Sheet::Hops:
            return pick(kNewHop, column);
        case calc::Sheet::Yeasts:
            return pick(kNewYeast, column);
    }
    return QString();
}

QStringList rowTexts(const KitChoice& kit) {
    return {kit.manufacturer,       kit.style, oneDecimal(kit.hbu),
            oneDecimal(kit.weight), kit.units, threeDecimals(kit.startSpecificGravity),
            oneDecimal(kit.color)};
}

QStringList rowTexts(const ExtractChoice& extract) {
    double gravity = extract.specificGravity;
    if (gravity == 0.0) {
        gravity = extract.form == QLatin1String("Dry") ? kDryExtractGravity : kSyrupExtractGravity;
    }
    return {extract.manufacturer,       extract.name,           oneDecimal(extract.hbu),
            oneDecimal(extract.weight), extract.units,          extract.form,
            flag(extract.hopped),       threeDecimals(gravity), oneDecimal(extract.color)};
}

QStringList rowTexts(const GrainChoice& grain) {
    return {grain.name, QStringLiteral("0.0"), QStringLiteral("lbs"),
            threeDecimals(grain.specificGravity), oneDecimal(grain.color)};
}

QStringList rowTexts(const AdjunctChoice& adjunct) {
    return {adjunct.name,
            QStringLiteral("0.0"),
            QStringLiteral("(other)"),
            flag(adjunct.fermentable),
            threeDecimals(adjunct.specificGravity),
            oneDecimal(adjunct.color)};
}

QStringList rowTexts(const HopChoice& hop) {
    return {hop.name,
            oneDecimal(hop.alpha),
            QStringLiteral("0.0"),
            QStringLiteral("oz"),
            QStringLiteral("0"),
            QStringLiteral("0"),
            QStringLiteral("0.0")};
}

QStringList rowTexts(const YeastChoice& yeast) {
    const double attenuation = yeast.attenuation > 0.0 ? yeast.attenuation : kDefaultAttenuation;
    return {yeast.manufacturer,
            yeast.strain,
            yeast.typeText(),
            yeast.formText(),
            QStringLiteral("0.0"),
            QStringLiteral("pkg"),
            number(msg::FormatTwoDecimals, attenuation)};
}

int ingredientTypeNumber(calc::Sheet sheet) {
    static constexpr std::array<int, calc::kSheetCount> kTypeNumbers{84, 21, 24, 154, 20, 22};
    return kTypeNumbers[static_cast<std::size_t>(sheet)];
}

}  // namespace mw::recipe_form
