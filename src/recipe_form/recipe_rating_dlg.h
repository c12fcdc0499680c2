#pragma once

#include <array>
#include <functional>

#include "recipe_form/recipe_page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

class CCompetitionResultsDlg;
class CDatePicker;
class CScoreSpinBox;

// The "Rating" page: the 20-point tasting score in four parts with its
// running total, the tasting notes, three tasting dates, and the button that
// opens the "Competition Results" dialog on the current recipe.
class CRecipeRatingDlg final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 150;

    // Runs the competition dialog modally and returns its result
    // (QDialog::Accepted or Rejected).
    using CompetitionRunner = std::function<int(CCompetitionResultsDlg& dialog)>;

    CRecipeRatingDlg(PromptService& prompts, HelpService* help, QWidget* parent = nullptr);

    // Shows the total of the record's four scores.
    void enterRecord() override;
    // The page became the current tab: the same refresh.
    void activate() override;

    void setCompetitionRunner(CompetitionRunner runner) { m_runCompetition = std::move(runner); }
    // Opens the competition dialog; OK marks the recipe changed.
    void openCompetitionResults();

    // Hints show only while this is on (the "DisplayToolTips" setting); the
    // competition dialog follows it.
    void setHintsActive(bool active) override;
    shell::CHintBalloon* hintBalloon() const { return m_hints; }

    CScoreSpinBox* appearanceBox() const { return m_score[0]; }
    CScoreSpinBox* aromaBox() const { return m_score[1]; }
    CScoreSpinBox* tasteBox() const { return m_score[2]; }
    CScoreSpinBox* impressionBox() const { return m_score[3]; }
    QLabel* total() const { return m_total; }
    QPlainTextEdit* notesBox() const { return m_notes; }
    CDatePicker* dateSampled(int n) const { return m_sampled[static_cast<std::size_t>(n - 1)]; }
    QPushButton* competitionButton() const { return m_competition; }
    QPushButton* helpButton() const { return m_help; }

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;

private:
    QWidget* buildScores();
    QWidget* buildGuide();
    QWidget* buildDates();
    // A score was typed or stepped: the record takes the page's values and
    // the total follows.
    void scoreChanged();
    // Controls to record. Without an exchange, what converts is stored and
    // nothing is refused aloud (the total follows the typing).
    bool readFields(storage::CRecordSetRecipe& record, RecordExchange* exchange);
    void showTotal();

    PromptService& m_prompts;
    HelpService* m_helpService;
    CompetitionRunner m_runCompetition;
    // Set until the page has shown its first record.
    bool m_initialising = true;
    bool m_hintsActive = true;

    // Appearance, aroma, taste, overall impression.
    std::array<CScoreSpinBox*, 4> m_score{};
    QLabel* m_total = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    std::array<CDatePicker*, 3> m_sampled{};
    QPushButton* m_competition = nullptr;
    QPushButton* m_help = nullptr;
    shell::CHintBalloon* m_hints = nullptr;
};

}  // namespace mw::recipe_form
