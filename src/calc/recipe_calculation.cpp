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

// Numbers in the assumption report: up to 10 significant digits, no trailing zeros.
std::string num(double value) {
    return formatNumber("%.10g", value);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string rowName(const char* kind, int row) {
    return std::string(kind) + " row " + std::to_string(row);
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

void RecipeCalculation::note(Figure figure, std::string text) const {
    m_report->note(figure, std::move(text));
}

const char* RecipeCalculation::volumeUnit() const {
    return m_recipe.isMetric() ? "litres" : "US gallons";
}

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

std::optional<double> RecipeCalculation::amount(const AmountColumns& columns, int row,
                                                Figure figure) {
    double w = number(columns.sheet, row, columns.amount);
    const bool converted = columns.convertedUnit != nullptr &&
                           text(columns.sheet, row, columns.units) == columns.convertedUnit;
    if (converted) {
        w *= columns.factor;
    }
    if (w == 0.0) {
        appendRow(columns.missingMessage, columns.kind, rowText(row), row);
        if (m_report) {
            note(figure, rowName(columns.kind, row) + ": " +
                             (columns.missingMessage == kMsgWeightMissing ? "weight" : "amount") +
                             " is zero or missing (" +
                             quoted(text(columns.sheet, row, columns.amount)) + "); left out.");
        }
        return std::nullopt;
    }
    if (m_report) {
        const std::string entered = text(columns.sheet, row, columns.amount);
        const std::string unit = text(columns.sheet, row, columns.units);
        if (converted) {
            note(figure, rowName(columns.kind, row) + ": " + num(leadingNumber(entered)) + " " +
                             unit + " x " + num(columns.factor) + " = " + num(w) + " pounds.");
        } else if (columns.convertedUnit == nullptr) {
            note(figure, rowName(columns.kind, row) + ": weight " + num(w) + " " + quoted(unit) +
                             " used as entered; the gravity converts no extract unit.");
        } else {
            note(figure, rowName(columns.kind, row) + ": weight " + num(w) + " " + quoted(unit) +
                             " used as entered (only " + quoted(columns.convertedUnit) +
                             " is converted).");
        }
    }
    return w;
}

double RecipeCalculation::potentialPoints(Sheet sheet, int row, int column, const char* kind,
                                          const char* assumedText, double assumedPoints,
                                          const char* assumedReason) {
    const std::string entered = text(sheet, row, column);
    const double s = leadingNumber(entered);
    if (validGravity(s)) {
        if (m_report) {
            note(Figure::OriginalGravity, rowName(kind, row) + ": extract potential " + entered +
                                              " gives " + num(s - 1.0) + " points.");
        }
        return s - 1.0;
    }
    appendRow(kMsgGravityInvalid, entered, kind, row);
    appendRow(kMsgAssumedPotential, assumedText, kind, row);
    if (m_report) {
        note(Figure::OriginalGravity,
             rowName(kind, row) + ": extract potential " + quoted(entered) +
                 " is not between 1.000 and 1.200; the default " + assumedText +
                 " points is assumed (" + assumedReason + ").");
    }
    return assumedPoints;
}

void RecipeCalculation::CalcOriginalGravity() {
    double& gravity = m_results.originalGravity;
    gravity = 0.0;
    const double batch = m_recipe.batchSize();
    if (batch == 0.0) {
        append(kMsgBatchZeroInGravity);
        if (m_report) {
            note(Figure::OriginalGravity,
                 "Batch size is 0: no ingredient is looked at and the gravity stays 0.");
        }
        return;
    }
    if (m_report) {
        note(Figure::OriginalGravity,
             "Batch size " + num(batch) + " " + volumeUnit() + " divides every contribution.");
    }

    // Kits: a kit's gravity is the gravity it gives in the kit volume; an
    // invalid one is left out, nothing is assumed for it.
    for (int r = 1; r <= m_cells.rowCount(Sheet::Kits); ++r) {
        const std::string entered = text(Sheet::Kits, r, KitCol::StartSpGrav);
        const double s = leadingNumber(entered);
        if (validGravity(s)) {
            gravity += s - 1.0;
            if (m_report) {
                note(Figure::OriginalGravity, rowName("Kit", r) + ": starting gravity " + entered +
                                                  " gives " + num(s - 1.0) + " points.");
            }
        } else {
            appendRow(kMsgGravityInvalid, entered, "Kit", r);
            if (m_report) {
                note(Figure::OriginalGravity,
                     rowName("Kit", r) + ": starting gravity " + quoted(entered) +
                         " is not between 1.000 and 1.200; the kit is left out (no gravity is "
                         "assumed for a kit).");
            }
        }
    }
    const double kitPoints = gravity;
    gravity = gravity * (m_recipe.isMetric() ? kKitVolumeLitres : kKitVolumeGallons) / batch;
    if (m_report && m_cells.rowCount(Sheet::Kits) > 0) {
        note(Figure::OriginalGravity,
             "Kits: their gravity is stated for the kit volume of " +
                 (m_recipe.isMetric() ? num(kKitVolumeLitres) + " litres (metric measures)"
                                      : num(kKitVolumeGallons) + " US gallons (English measures)") +
                 ", so " + num(kitPoints) + " points x kit volume / batch " + num(batch) + " = " +
                 num(gravity) + ".");
    }

    // Extracts count in full, their weight as entered whatever its unit.
    double sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Extracts); ++r) {
        if (const auto w = amount(kExtractsAsEntered, r, Figure::OriginalGravity)) {
            const bool dry = text(Sheet::Extracts, r, ExtractCol::Form) == "Dry";
            sum += potentialPoints(Sheet::Extracts, r, ExtractCol::SpGrav, "Extract",
                                   dry ? ".045" : ".037", dry ? 0.045 : 0.037,
                                   dry ? "the form is \"Dry\"" : "the form is not \"Dry\"") *
                   *w;
        }
    }
    gravity += sum / batch;
    if (m_report && m_cells.rowCount(Sheet::Extracts) > 0) {
        note(Figure::OriginalGravity, "Extracts count in full: " + num(sum) + " / batch " +
                                          num(batch) + " = " + num(sum / batch) + ".");
    }

    // Grains: the system efficiency applies to them only.
    sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Grains); ++r) {
        if (const auto w = amount(kGrainsInPounds, r, Figure::OriginalGravity)) {
            sum += potentialPoints(Sheet::Grains, r, GrainCol::SpGrav, "Grain", ".028", 0.028,
                                   "the default for a grain") *
                   *w;
        }
    }
    double efficiency = m_recipe.systemEfficiencyExpected() * 0.01;
    if (m_recipe.systemEfficiencyExpected() == 0.0) {
        efficiency = 0.8;
        m_messages.append(formatMessage(kMsgAssumedEfficiency, "80%"));
        if (m_report) {
            note(Figure::OriginalGravity,
                 "System efficiency not entered on the Mash tab: 80 % is assumed; it applies "
                 "to the grains only.");
        }
    } else if (m_report) {
        note(Figure::OriginalGravity, "System efficiency " +
                                          num(m_recipe.systemEfficiencyExpected()) +
                                          " % applies to the grains only (not range-checked).");
    }
    gravity += (sum / batch) * efficiency;
    if (m_report && m_cells.rowCount(Sheet::Grains) > 0) {
        note(Figure::OriginalGravity, "Grains: " + num(sum) + " / batch " + num(batch) + " x " +
                                          num(efficiency) + " = " +
                                          num((sum / batch) * efficiency) + ".");
    }

    sum = 0.0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Adjuncts); ++r) {
        if (fermentable(r)) {
            if (const auto w = amount(kAdjunctsInPounds, r, Figure::OriginalGravity)) {
                sum += potentialPoints(Sheet::Adjuncts, r, AdjunctCol::SpGrav, "Adjunct", ".042",
                                       0.042, "the default for an adjunct") *
                       *w;
            }
        } else if (m_report) {
            note(Figure::OriginalGravity,
                 rowName("Adjunct", r) + ": not fermentable (flag \"0\"); left out.");
        }
    }
    if (m_report && m_cells.rowCount(Sheet::Adjuncts) > 0) {
        note(Figure::OriginalGravity, "Fermentable adjuncts count in full: " + num(sum) +
                                          " / batch " + num(batch) + " = " + num(sum / batch) +
                                          ".");
    }
    gravity = sum / batch + gravity + 1.0;
    if (m_report) {
        note(Figure::OriginalGravity,
             "Original gravity = 1 + the contributions above = " + num(gravity) + ".");
    }
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
    const std::string hopRow = rowName("Hop", row);
    const auto keepsItsTexts = [&] {
        return "; the row keeps its IBU " + quoted(text(Sheet::Hops, row, HopCol::Ibu)) +
               " and HBU " + quoted(text(Sheet::Hops, row, HopCol::Hbu)) +
               ", which count in the totals as they stand.";
    };
    if (boil == 0.0) {
        append(kMsgBoilSizeZero);
        if (m_report) {
            note(Figure::Ibu,
                 hopRow + ": the boil size is 0, so the row is not worked out" + keepsItsTexts());
        }
        return;
    }
    CalcOriginalGravity();

    const std::string timeText = text(Sheet::Hops, row, HopCol::Time);
    const int minutes = leadingInteger(timeText);
    const double utilization = GetHopUtilization(m_utilization, minutes, m_results.originalGravity,
                                                 false, m_messages, m_prompts);
    if (m_report) {
        const double g = m_results.originalGravity;
        const std::string at = std::to_string(minutes) + " minutes (boil time " + quoted(timeText) +
                               ") and " + formatNumber("%.3f", g) +
                               " (the predicted original gravity)";
        const bool gravityInside =
            g >= HopUtilizationTable::kMinGravity && g <= HopUtilizationTable::kMaxGravity;
        const bool timeInside = minutes >= HopUtilizationTable::kMinBoilMinutes &&
                                minutes <= HopUtilizationTable::kMaxBoilMinutes;
        if (gravityInside && timeInside) {
            const int group = HopUtilizationTable::boilGroup(minutes);
            const int column = HopUtilizationTable::gravityColumn(g);
            note(Figure::Ibu, hopRow + ": utilization " + formatNumber("%.3f", utilization) +
                                  " at " + at + ", from the table's boil-time group " +
                                  std::to_string(group) + " (" +
                                  std::to_string(HopUtilizationTable::groupBoilMinutes(group)) +
                                  " minutes) and gravity column " + std::to_string(column) + " (" +
                                  formatNumber("%.3f", HopUtilizationTable::columnGravity(column)) +
                                  "), without interpolation.");
        }
        if (minutes == 0) {
            note(Figure::Ibu, hopRow +
                                  ": boil time 0, taken as a finishing hop that adds no "
                                  "bitterness; no IBU is worked out" +
                                  keepsItsTexts());
        } else if (!timeInside) {
            note(Figure::Ibu, hopRow + ": boil time " + std::to_string(minutes) +
                                  " minutes is outside the utilization table (3 to 120); no IBU "
                                  "is worked out" +
                                  keepsItsTexts());
        }
        if (!gravityInside) {
            note(Figure::Ibu, hopRow + ": gravity " + formatNumber("%.3f", g) +
                                  " is outside the utilization table (1.030 to 1.130); no IBU "
                                  "is worked out" +
                                  keepsItsTexts());
        }
        if (gravityInside && timeInside && utilization == 0.0) {
            note(Figure::Ibu,
                 hopRow + ": the table holds 0 there; no IBU is worked out" + keepsItsTexts());
        }
    }
    if (utilization == 0.0) {
        return;  // the row keeps the texts it has
    }

    const double alpha = number(Sheet::Hops, row, HopCol::Alpha);
    double weight = number(Sheet::Hops, row, HopCol::Weight);
    // While the unit drop-down changes, the cell still shows the old unit: a
    // change away from "oz" means the weight is now in grams.
    const std::string unit = text(Sheet::Hops, row, HopCol::Units);
    const bool grams = unitChanging ? unit == "oz" : unit == "g";
    if (grams) {
        weight *= kGramsFactor;
    }
    const double ibu = alpha * 0.01 * weight * utilization * kAlphaMgPerLitre / boil;
    const double hbu = static_cast<double>(minutes) * (1.0 / 60.0) * weight * alpha;
    if (!std::isfinite(ibu) || !std::isfinite(hbu)) {
        appendRow(kMsgHopRowTooLarge, "", "", row);
        if (m_report) {
            note(Figure::Ibu,
                 hopRow + ": the IBU or HBU is too large to show; not written" + keepsItsTexts());
        }
        return;
    }

    const std::string newIbu = formatNumber(msg::FormatWhole, ibu);
    const std::string newHbu = formatNumber(msg::FormatOneDecimal, hbu);
    if (m_report) {
        const std::string entered = num(number(Sheet::Hops, row, HopCol::Weight));
        const std::string weighed = grams
                                        ? entered + " g x " + num(kGramsFactor) +
                                              " (the program's grams factor) = " + num(weight)
                                        : entered + " taken as ounces (unit " + quoted(unit) + ")";
        if (unitChanging) {
            note(Figure::Ibu, hopRow + ": the unit is being changed from " + quoted(unit) +
                                  ", so the weight is read in the new unit.");
        }
        note(Figure::Ibu, hopRow + ": IBU = alpha " + num(alpha) + " x 0.01 x weight " + weighed +
                              " x " + formatNumber("%.3f", utilization) + " x " +
                              num(kAlphaMgPerLitre) + " (mg/l for 1 ounce in 1 US gallon" +
                              (m_recipe.isMetric() ? ", used for metric recipes too" : "") +
                              ") / boil size " + num(boil) + " " + volumeUnit() + " = " + num(ibu) +
                              ", written " + quoted(newIbu) + ".");
        note(Figure::Hbu, hopRow + ": HBU = " + std::to_string(minutes) + " / 60 x weight " +
                              num(weight) + " x alpha " + num(alpha) + " = " + num(hbu) +
                              ", written " + quoted(newHbu) + ".");
    }
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
        if (m_report) {
            note(Figure::Hbu, rowName("Kit", r) + ": its HBU " +
                                  quoted(text(Sheet::Kits, r, KitCol::Hbu)) +
                                  " counts in the total HBU.");
        }
    }
    for (int r = 1; r <= m_cells.rowCount(Sheet::Extracts); ++r) {
        m_results.totalHbu += number(Sheet::Extracts, r, ExtractCol::Hbu);
        if (m_report) {
            note(Figure::Hbu, rowName("Extract", r) + ": its HBU " +
                                  quoted(text(Sheet::Extracts, r, ExtractCol::Hbu)) +
                                  " counts in the total HBU.");
        }
    }
    if (m_report) {
        note(Figure::Ibu,
             "Total IBU = the sum of the hop rows' IBU texts as written (whole "
             "numbers) = " +
                 num(m_results.totalIbu) + ".");
        note(Figure::Hbu,
             "Total HBU = the hop rows' HBU texts as written plus the kits' and "
             "extracts' HBU = " +
                 num(m_results.totalHbu) + ".");
    }
}

void RecipeCalculation::CalcAlcohol() {
    int validYeasts = 0;
    double attenuation = 0.0;
    int attenuationRow = 0;
    for (int r = 1; r <= m_cells.rowCount(Sheet::Yeasts); ++r) {
        if (number(Sheet::Yeasts, r, YeastCol::Amount) == 0.0) {
            appendRow(kMsgAmountMissing, "Yeast", rowText(r), r);
            if (m_report) {
                note(Figure::Alcohol, rowName("Yeast", r) + ": amount is zero or missing (" +
                                          quoted(text(Sheet::Yeasts, r, YeastCol::Amount)) +
                                          "); left out.");
            }
            continue;
        }
        const std::string entered = text(Sheet::Yeasts, r, YeastCol::Attenuation);
        const double a = leadingNumber(entered);
        if (a >= 1.0 && a < 100.0) {
            ++validYeasts;
            attenuation = a;
            attenuationRow = r;
        } else {
            appendRow(kMsgAttenuationInvalid, entered, "Yeast", r);
            appendRow(kMsgAssumedAttenuation, "75", "Yeast", r);
            if (m_report) {
                note(Figure::Alcohol, rowName("Yeast", r) + ": attenuation " + quoted(entered) +
                                          " is not from 1 up to 100; the row does not count "
                                          "as a yeast with a valid attenuation.");
            }
        }
    }
    double fraction = 0.75;
    if (validYeasts == 1) {
        fraction = attenuation * 0.01;
        if (m_report) {
            note(Figure::Alcohol, "Attenuation " + num(attenuation) + " % from " +
                                      rowName("Yeast", attenuationRow) +
                                      ", the one yeast with a valid attenuation.");
        }
    } else {
        append(kMsgDefaultAttenuation);
        if (m_report) {
            note(Figure::Alcohol,
                 "Default attenuation 75 % used: " +
                     (validYeasts == 0
                          ? std::string("no yeast with a valid attenuation")
                          : std::to_string(validYeasts) + " yeasts with a valid attenuation (their "
                                                          "attenuations are not used)") +
                     ".");
        }
    }
    m_attenuationUsed = fraction;

    // Priming with a sugar adds half a percent; the word must follow other
    // text ("Corn sugar"), a name that begins with it does not count.
    const std::size_t sugarAt = m_recipe.fermPrimingName().find("sugar");
    const double bonus = (sugarAt != std::string::npos && sugarAt > 0) ? kPrimingBonus : 0.0;

    const double gravity = m_results.originalGravity;
    m_results.alcohol =
        gravity <= 1.0 ? 0.0 : fraction * (gravity - 1.0) * 1000.0 * kAlcoholPerPoint + bonus;
    if (m_report) {
        const std::string priming = m_recipe.fermPrimingName();
        if (bonus != 0.0) {
            note(Figure::Alcohol,
                 "Priming " + quoted(priming) + " names a sugar after other text: 0.5 % is added.");
        } else {
            note(Figure::Alcohol,
                 "Priming " + quoted(priming) +
                     ": nothing is added (only a name with \"sugar\" after other text adds "
                     "0.5 %).");
        }
        if (gravity <= 1.0) {
            note(Figure::Alcohol, "The predicted original gravity " + num(gravity) +
                                      " is not above 1: the alcohol is 0, with no priming "
                                      "bonus.");
        } else {
            note(Figure::Alcohol, "Alcohol = " + num(fraction) + " x " +
                                      num((gravity - 1.0) * 1000.0) + " points x " +
                                      num(kAlcoholPerPoint) + " % per point + " + num(bonus) +
                                      " = " + num(m_results.alcohol) + " % by volume.");
        }
    }
}

void RecipeCalculation::CalcColor() {
    double& color = m_results.color;
    color = 0.0;
    const double batch = m_recipe.batchSize();
    if (batch == 0.0) {
        append(kMsgBatchZero);
        if (m_report) {
            note(Figure::Color, "Batch size is 0: the colour is not worked out and stays 0.");
        }
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
            if (m_report) {
                note(Figure::Color, rowName("Kit", r) + ": colour " + entered + " counts.");
            }
        } else {
            appendRow(kMsgColorInvalid, entered, "Kit", r);
            if (m_report) {
                note(Figure::Color, rowName("Kit", r) + ": colour " + quoted(entered) +
                                        " is outside 1 to " + num(maxColor) + "; left out.");
            }
        }
    }
    if (m_report) {
        note(Figure::Color, std::string("Colours are valid from 1 to ") + num(maxColor) +
                                (metric ? " (metric measures)" : " (English measures)") +
                                "; batch size " + num(batch) + " " + volumeUnit() +
                                " divides every contribution; no efficiency is applied.");
    }
    const double kitColors = color;
    color = kitVolume / batch * color;
    if (m_report && m_cells.rowCount(Sheet::Kits) > 0) {
        note(Figure::Color, "Kits: their colour is stated for the kit volume of " + num(kitVolume) +
                                " " + volumeUnit() + ", so " + num(kitColors) + " x " +
                                num(kitVolume) + " / " + num(batch) + " = " + num(color) + ".");
    }

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
                if (m_report) {
                    note(Figure::Color,
                         rowName("Adjunct", r) + ": not fermentable (flag \"0\"); adds no colour.");
                }
                continue;  // non-fermentable adjuncts add no colour
            }
            const auto w = amount(source.amount, r, Figure::Color);
            if (!w) {
                continue;
            }
            const std::string entered = text(sheet, r, source.colorColumn);
            const double c = leadingNumber(entered);
            if (validColor(c)) {
                sum += *w * c;
                if (m_report) {
                    note(Figure::Color, rowName(source.amount.kind, r) + ": colour " + entered +
                                            " x weight " + num(*w) + " = " + num(*w * c) + ".");
                }
            } else {
                appendRow(kMsgColorInvalid, entered, source.amount.kind, r);
                if (m_report) {
                    note(Figure::Color, rowName(source.amount.kind, r) + ": colour " +
                                            quoted(entered) + " is outside 1 to " + num(maxColor) +
                                            "; left out.");
                }
            }
        }
    }
    const double kitPart = color;
    color = sum / batch + color;
    if (m_report) {
        note(Figure::Color, "Color = " + num(sum) + " / batch " + num(batch) + " + kits " +
                                num(kitPart) + " = " + num(color) + " (degrees Lovibond x weight " +
                                "per volume, with no further conversion).");
    }
}

void RecipeCalculation::RecalculateRecipe(bool announce) {
    m_messages.clear();
    if (m_report) {
        m_report->clear();
    }
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
