#include "calc/recipe_calculation.h"

#include <cmath>

#include "calc/hop_utilization.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"

namespace mw::calc {

namespace {

// Catalogue numbers of the calculation messages.
constexpr int kMsgGravityInvalid = 149;
constexpr int kMsgWeightMissing = 285;
constexpr int kMsgAmountMissing = 213;
constexpr int kMsgAssumedPotential = 286;
constexpr int kMsgAssumedEfficiency = 288;
constexpr int kMsgBatchZeroInGravity = 289;
constexpr int kMsgBoilSizeZero = 210;
constexpr int kMsgAttenuationInvalid = 236;
constexpr int kMsgAssumedAttenuation = 287;
constexpr int kMsgDefaultAttenuation = 237;
constexpr int kMsgBatchZero = 212;
constexpr int kMsgColorInvalid = 234;
constexpr int kMsgHopRowTooLarge = 1006;
constexpr int kMsgCalculationProblems = 12;
constexpr int kMsgNoMoreMessages = 13;

// A kit's stated gravity and colour refer to this volume.
constexpr double kKitVolumeGallons = 5.0;
constexpr double kKitVolumeLitres = 18.92706;

constexpr double kOuncesToPounds = 0.0625;
constexpr double kKilogramsToPounds = 2.2;
// The factor applied to a hop weight in grams (0.35, as the program has always
// used it, not 0.035).
constexpr double kGramsFactor = 0.35;
// mg/l of alpha acid for 1 ounce in 1 US gallon, used for every recipe.
constexpr double kAlphaMgPerLitre = 7490.0;
constexpr double kAlcoholPerPoint = 0.1275;
constexpr double kPrimingBonus = 0.5;

bool validGravity(double value) {
    return value >= 1.0 && value <= 1.2;
}

std::string rowText(int row) {
    return formatNumber(msg::FormatUnsigned, row);
}

}  // namespace

// Where each sheet keeps its amount and unit, the unit that is converted to
// pounds and the message for a missing amount.
const RecipeCalculation::AmountColumns RecipeCalculation::kExtractsAsEntered{
    Sheet::Extracts,   ExtractCol::Weight, ExtractCol::Units, nullptr, 1.0,
    kMsgWeightMissing, "Extract"};
const RecipeCalculation::AmountColumns RecipeCalculation::kExtractsInPounds{
    Sheet::Extracts,    ExtractCol::Weight, ExtractCol::Units, "kg",
    kKilogramsToPounds, kMsgWeightMissing,  "Extract"};
const RecipeCalculation::AmountColumns RecipeCalculation::kGrainsInPounds{
    Sheet::Grains,   GrainCol::Weight,  GrainCol::Units, "oz",
    kOuncesToPounds, kMsgWeightMissing, "Grain"};
const RecipeCalculation::AmountColumns RecipeCalculation::kAdjunctsInPounds{
    Sheet::Adjuncts, AdjunctCol::Amount, AdjunctCol::Units, "oz",
    kOuncesToPounds, kMsgAmountMissing,  "Adjunct"};

bool RecipeCalculation::fermentable(int adjunctRow) const {
    // Only a flag that reads exactly "0" marks an adjunct as not fermenting.
    return text(Sheet::Adjuncts, adjunctRow, AdjunctCol::Fermentable) != "0";
}

RecipeCalculation::RecipeCalculation(const RecipeFields& recipe, IngredientCells& cells,
                                     const HopUtilizationTable& utilization, PromptService& prompts)
    : m_recipe(recipe), m_cells(cells), m_utilization(utilization), m_prompts(prompts) {}

double RecipeCalculation::number(Sheet sheet, int row, int column) const {
    return leadingNumber(m_cells.cellText(sheet, row, column));
}

std::string RecipeCalculation::text(Sheet sheet, int row, int column) const {
    return m_cells.cellText(sheet, row, column);
}

void RecipeCalculation::append(int messageNumber) {
    m_messages.append(std::string(catalogueText(messageNumber)));
}

void RecipeCalculation::appendRow(int messageNumber, std::string_view arg1, std::string_view arg2,
                                  int row) {
    m_messages.append(formatRowMessage(messageNumber, arg1, arg2, row));
}

std::optional<double> RecipeCalculation::amount(const AmountColumns& columns, int row) {
    double w = number(columns.sheet, row, columns.amount);
    if (columns.convertedUnit != nullptr &&
        text(columns.sheet, row, columns.units) == columns.convertedUnit) {
        w *= columns.factor;
    }
    if (w == 0.0) {
        appendRow(columns.missingMessage, columns.kind, rowText(row), row);
        return std::nullopt;
    }
    return w;
}

double RecipeCalculation::potentialPoints(Sheet sheet, int row, int column, const char* kind,
                                          const char* assumedText, double assumedPoints) {
    const std::string entered = text(sheet, row, column);
    const double s = leadingNumber(entered);
    if (validGravity(s)) {
        return s - 1.0;
    }
    appendRow(kMsgGravityInvalid, entered, kind, row);
    appendRow(kMsgAssumedPotential, assumedText, kind, row);
    return assumedPoints;
}

void RecipeCalculation::CalcOriginalGravity() {
    double& gravity = m_results.originalGravity;
    gravity = 0.0;
    const double batch = m_recipe.batchSize();
    if (batch == 0.0) {
        append(kMsgBatchZeroInGravity);
        return;
    }

    // Kits: a kit's gravity is the gravity it gives in the kit volume; an
    // invalid one is left out, nothing is assumed for it.
    for (int r = 1; r <= m_cells.rowCount(Sheet::Kits); ++r) {
        const std::string entered = text(Sheet::Kits, r, KitCol::StartSpGrav);
        const double s = leadingNumber(entered);
        if (validGravity(s)) {
            gravity += s - 1.0;
        } else {
            appendRow(kMsgGravityInvalid, entered, "Kit", r);
        }
    }
    gravity = gravity * (m_recipe.isMetric() ? kKitVolumeLitres : kKitVolumeGallons) / batch;

    // Extracts count in full, their weight as entered whatever its unit.
    double sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Extracts); ++r) {
        if (const auto w = amount(kExtractsAsEntered, r)) {
            const bool dry = text(Sheet::Extracts, r, ExtractCol::Form) == "Dry";
            sum += potentialPoints(Sheet::Extracts, r, ExtractCol::SpGrav, "Extract",
                                   dry ? ".045" : ".037", dry ? 0.045 : 0.037) *
                   *w;
        }
    }
    gravity += sum / batch;

    // Grains: the system efficiency applies to them only.
    sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Grains); ++r) {
        if (const auto w = amount(kGrainsInPounds, r)) {
            sum += potentialPoints(Sheet::Grains, r, GrainCol::SpGrav, "Grain", ".028", 0.028) * *w;
        }
    }
    double efficiency = m_recipe.systemEfficiencyExpected() * 0.01;
    if (m_recipe.systemEfficiencyExpected() == 0.0) {
        efficiency = 0.8;
        m_messages.append(formatMessage(kMsgAssumedEfficiency, "80%"));
    }
    gravity += (sum / batch) * efficiency;

    sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Adjuncts); ++r) {
        if (fermentable(r)) {
            if (const auto w = amount(kAdjunctsInPounds, r)) {
                sum += potentialPoints(Sheet::Adjuncts, r, AdjunctCol::SpGrav, "Adjunct", ".042",
                                       0.042) *
                       *w;
            }
        }
    }
    gravity = sum / batch + gravity + 1.0;
}

bool RecipeCalculation::writeIfChanged(int row, int column, const std::string& newText,
                                       const std::string& oldText) {
    if (newText == oldText) {
        return false;
    }
    m_cells.setCellText(Sheet::Hops, row, column, newText);
    if (m_onModified) {
        m_onModified();
    }
    return true;
}

void RecipeCalculation::CalcHopRow(int row, bool unitChanging) {
    const double boil = m_recipe.boilSize();
    if (boil == 0.0) {
        append(kMsgBoilSizeZero);
        return;
    }
    CalcOriginalGravity();

    const int minutes = leadingInteger(text(Sheet::Hops, row, HopCol::Time));
    const double utilization = GetHopUtilization(m_utilization, minutes, m_results.originalGravity,
                                                 false, m_messages, m_prompts);
    if (utilization == 0.0) {
        return;  // the row keeps the texts it has
    }

    const double alpha = number(Sheet::Hops, row, HopCol::Alpha);
    double weight = number(Sheet::Hops, row, HopCol::Weight);
    // While the unit drop-down changes, the cell still shows the old unit: a
    // change away from "oz" means the weight is now in grams.
    const std::string unit = text(Sheet::Hops, row, HopCol::Units);
    if (unitChanging ? unit == "oz" : unit == "g") {
        weight *= kGramsFactor;
    }
    const double ibu = alpha * 0.01 * weight * utilization * kAlphaMgPerLitre / boil;
    const double hbu = static_cast<double>(minutes) * (1.0 / 60.0) * weight * alpha;
    if (!std::isfinite(ibu) || !std::isfinite(hbu)) {
        appendRow(kMsgHopRowTooLarge, "", "", row);
        return;
    }

    const std::string newIbu = formatNumber(msg::FormatWhole, ibu);
    const std::string newHbu = formatNumber(msg::FormatOneDecimal, hbu);
    // A stored HBU of 5 must compare equal to a computed 5.0.
    std::string oldHbu = text(Sheet::Hops, row, HopCol::Hbu);
    if (oldHbu.find('.') == std::string::npos) {
        oldHbu += ".0";
    }
    writeIfChanged(row, HopCol::Ibu, newIbu, text(Sheet::Hops, row, HopCol::Ibu));
    writeIfChanged(row, HopCol::Hbu, newHbu, oldHbu);
}

void RecipeCalculation::CalcBitterness() {
    m_results.totalIbu = 0.0;
    m_results.totalHbu = 0.0;
    // The totals read the cells after each row's run, so a row the run left
    // alone counts with the texts it holds.
    for (int r = 1; r <= m_cells.rowCount(Sheet::Hops); ++r) {
        CalcHopRow(r, false);
        m_results.totalIbu += number(Sheet::Hops, r, HopCol::Ibu);
        m_results.totalHbu += number(Sheet::Hops, r, HopCol::Hbu);
    }
    for (int r = 1; r <= m_cells.rowCount(Sheet::Kits); ++r) {
        m_results.totalHbu += number(Sheet::Kits, r, KitCol::Hbu);
    }
    for (int r = 1; r <= m_cells.rowCount(Sheet::Extracts); ++r) {
        m_results.totalHbu += number(Sheet::Extracts, r, ExtractCol::Hbu);
    }
}

void RecipeCalculation::CalcAlcohol() {
    int validYeasts = 0;
    double attenuation = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Yeasts); ++r) {
        if (number(Sheet::Yeasts, r, YeastCol::Amount) == 0.0) {
            appendRow(kMsgAmountMissing, "Yeast", rowText(r), r);
            continue;
        }
        const std::string entered = text(Sheet::Yeasts, r, YeastCol::Attenuation);
        const double a = leadingNumber(entered);
        if (a >= 1.0 && a < 100.0) {
            ++validYeasts;
            attenuation = a;
        } else {
            appendRow(kMsgAttenuationInvalid, entered, "Yeast", r);
            appendRow(kMsgAssumedAttenuation, "75", "Yeast", r);
        }
    }
    double fraction = 0.75;
    if (validYeasts == 1) {
        fraction = attenuation * 0.01;
    } else {
        append(kMsgDefaultAttenuation);
    }

    // Priming with a sugar adds half a percent; the word must follow other
    // text ("Corn sugar"), a name that begins with it does not count.
    const std::size_t sugarAt = m_recipe.fermPrimingName().find("sugar");
    const double bonus = (sugarAt != std::string::npos && sugarAt > 0) ? kPrimingBonus : 0.0;

    const double gravity = m_results.originalGravity;
    m_results.alcohol =
        gravity <= 1.0 ? 0.0 : fraction * (gravity - 1.0) * 1000.0 * kAlcoholPerPoint + bonus;
}

void RecipeCalculation::CalcColor() {
    double& color = m_results.color;
    color = 0.0;
    const double batch = m_recipe.batchSize();
    if (batch == 0.0) {
        append(kMsgBatchZero);
        return;
    }
    const bool metric = m_recipe.isMetric();
    const double kitVolume = metric ? kKitVolumeLitres : kKitVolumeGallons;
    const double maxColor = metric ? 2000.0 : 500.0;
    const auto validColor = [maxColor](double c) { return c >= 1.0 && c <= maxColor; };

    for (int r = 1; r <= m_cells.rowCount(Sheet::Kits); ++r) {
        const std::string entered = text(Sheet::Kits, r, KitCol::Color);
        const double c = leadingNumber(entered);
        if (validColor(c)) {
            color += c;
        } else {
            appendRow(kMsgColorInvalid, entered, "Kit", r);
        }
    }
    color = kitVolume / batch * color;

    // Extracts, grains and fermentable adjuncts, weighted by their amounts; the
    // extract weight turns from kilograms into pounds here only.
    struct ColorSource {
        const AmountColumns& amount;
        int colorColumn;
    };
    const ColorSource sources[] = {{kExtractsInPounds, ExtractCol::Color},
                                   {kGrainsInPounds, GrainCol::Color},
                                   {kAdjunctsInPounds, AdjunctCol::Color}};
    double sum = 0.0;
    for (const ColorSource& source : sources) {
        const Sheet sheet = source.amount.sheet;
        for (int r = 1; r <= m_cells.rowCount(sheet); ++r) {
            if (sheet == Sheet::Adjuncts && !fermentable(r)) {
                continue;  // non-fermentable adjuncts add no colour
            }
            const auto w = amount(source.amount, r);
            if (!w) {
                continue;
            }
            const std::string entered = text(sheet, r, source.colorColumn);
            const double c = leadingNumber(entered);
            if (validColor(c)) {
                sum += *w * c;
            } else {
                appendRow(kMsgColorInvalid, entered, source.amount.kind, r);
            }
        }
    }
    color = sum / batch + color;
}

void RecipeCalculation::RecalculateRecipe(bool announce) {
    m_messages.clear();
    // With hop rows and a boil size, the bitterness computes the gravity at
    // the start of every hop row; otherwise it is computed once here.
    if (m_cells.rowCount(Sheet::Hops) == 0 || m_recipe.boilSize() == 0.0) {
        CalcOriginalGravity();
    }
    CalcBitterness();
    CalcAlcohol();
    CalcColor();

    if (m_messages.count() > 0) {
        m_status = CalcStatus::Errors;
        if (m_displayWarnings && announce) {
            m_prompts.show(kMsgCalculationProblems, PromptIcon::Information);
        }
    } else {
        m_status = CalcStatus::NoErrors;
    }
}

bool RecipeCalculation::ShowCalcMessages() {
    RecalculateRecipe(false);
    if (m_messages.count() > 0) {
        return true;
    }
    if (m_displayWarnings) {
        m_prompts.show(kMsgNoMoreMessages, PromptIcon::Information);
    }
    return false;
}

}  // namespace mw::calc
