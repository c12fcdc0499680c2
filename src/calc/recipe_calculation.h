#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/assumption_report.h"
#include "calc/calc_message_list.h"
#include "calc/calc_results.h"
#include "calc/calc_status.h"
#include "calc/ingredient_cells.h"
#include "calc/recipe_fields.h"

namespace mw {
class PromptService;
}

namespace mw::calc {

class HopUtilizationTable;

// The recipe form's calculations: the five predictions of the current recipe,
// the calculation message list they fill and the status they leave. It reads
// the recipe through its fields and its ingredient cells, looks hop
// utilization up in the document's table, and raises message boxes through
// the prompt service.
class RecipeCalculation {
public:
    RecipeCalculation(const RecipeFields& recipe, IngredientCells& cells,
                      const HopUtilizationTable& utilization, PromptService& prompts);

    // The "DisplayWarnings" setting, read when the form is created.
    void setDisplayWarnings(bool display) { m_displayWarnings = display; }
    // Called whenever a calculation changes a cell of the recipe.
    void setModifiedHandler(std::function<void()> handler) { m_onModified = std::move(handler); }
    // Attaches a report that the calculations fill with every assumption they
    // make (nullptr detaches it). The recalculation clears it first. The
    // predictions are the same with or without one.
    void setAssumptionReport(AssumptionReport* report) { m_report = report; }

    const CalcResults& results() const { return m_results; }
    const CalcMessageList& messages() const { return m_messages; }
    CalcStatus status() const { return m_status; }
    // The attenuation fraction the last alcohol prediction used.
    double attenuationUsed() const { return m_attenuationUsed; }
    // How the status label and the "Msgs" button show the status.
    CalcStatusLook statusLook() const { return calcStatusLook(m_status); }

    // A recipe was entered: the status reads "Not Done" until the next full
    // recalculation. The results are kept.
    void enterRecipe() { m_status = CalcStatus::NotDone; }
    // A new recipe was started or changes were discarded.
    void clearResults() { m_results.clear(); }

    // Predicted original gravity from kits, extracts, grains and fermentable
    // adjuncts; efficiency applies to grains only.
    void CalcOriginalGravity();
    // IBU and HBU of one hop row (numbered from 1), written into its cells when
    // their texts change. `unitChanging`: the row's unit cell still shows the
    // unit being replaced.
    void CalcHopRow(int row, bool unitChanging);
    // Every hop row, then the totals (kit and extract HBU count in the HBU).
    void CalcBitterness();
    void CalcAlcohol();
    void CalcColor();

    // Clears the message list, runs gravity, bitterness, alcohol and colour in
    // this order and sets the status; with `announce`, message 12 when there
    // are messages and warnings are displayed.
    void RecalculateRecipe(bool announce);
    // The "Msgs" button: recalculates; true when the messages window should
    // open, otherwise message 13 (when warnings are displayed).
    bool ShowCalcMessages();

private:
    struct AmountColumns {
        Sheet sheet;
        int amount;
        int units;
        const char* convertedUnit;  // the unit text that is converted, or none
        double factor;
        int missingMessage;
        const char* kind;
    };
    static const AmountColumns kExtractsAsEntered;
    static const AmountColumns kExtractsInPounds;
    static const AmountColumns kGrainsInPounds;
    static const AmountColumns kAdjunctsInPounds;

    // A row's amount, converted to pounds where its unit asks; a zero amount
    // appends the missing-amount message and yields nothing.
    std::optional<double> amount(const AmountColumns& columns, int row, Figure figure);
    // The row's extract potential in points, or the assumed points with
    // messages 149 and 286 when it is not a valid gravity.
    double potentialPoints(Sheet sheet, int row, int column, const char* kind,
                           const char* assumedText, double assumedPoints,
                           const char* assumedReason);
    // Adds an entry to the attached assumption report.
    void note(Figure figure, std::string text) const;
    // "US gallons" or "litres".
    const char* volumeUnit() const;
    bool fermentable(int adjunctRow) const;
    double number(Sheet sheet, int row, int column) const;
    std::string text(Sheet sheet, int row, int column) const;
    void append(int messageNumber);
    void appendRow(int messageNumber, std::string_view arg1, std::string_view arg2, int row);
    // Writes a cell only when its text differs from `oldText`; true if written.
    bool writeIfChanged(int row, int column, const std::string& newText,
                        const std::string& oldText);

    const RecipeFields& m_recipe;
    IngredientCells& m_cells;
    const HopUtilizationTable& m_utilization;
    PromptService& m_prompts;
    std::function<void()> m_onModified;
    bool m_displayWarnings = true;
    AssumptionReport* m_report = nullptr;
    double m_attenuationUsed = 0.0;

    CalcResults m_results;
    CalcMessageList m_messages;
    CalcStatus m_status = CalcStatus::NotDone;
};

}  // namespace mw::calc
