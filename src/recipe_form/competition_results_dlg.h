#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mw {
class PromptService;
}
namespace mw::shell {
class CHintBalloon;
}
namespace mw::storage {
class CRecordSetRecipe;
}

namespace mw::recipe_form {

class CDatePicker;

// "Competition Results": the competition the beer was entered in, the prizes
// it won, the judge's score, the judge's comments and the date. Opened from
// the Rating page on the current recipe. OK refuses a judge's score above 50
// and otherwise writes the fields into the record; Cancel leaves the record
// as it was.
class CCompetitionResultsDlg final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 200;
    static constexpr double kHighestScore = 50.0;

    CCompetitionResultsDlg(storage::CRecordSetRecipe& record, PromptService& prompts,
                           QWidget* parent = nullptr);

    void accept() override;

    shell::CHintBalloon* hintBalloon() const { return m_hints; }

    QLineEdit* nameField() const { return m_name; }
    QPlainTextEdit* prizesBox() const { return m_prizes; }
    QLineEdit* scoreField() const { return m_score; }
    QPlainTextEdit* commentsBox() const { return m_comments; }
    CDatePicker* dateField() const { return m_date; }
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

private:
    void showRecord();

    storage::CRecordSetRecipe& m_record;
    PromptService& m_prompts;
    QLineEdit* m_name;
    QPlainTextEdit* m_prizes;
    QLineEdit* m_score;
    QPlainTextEdit* m_comments;
    CDatePicker* m_date;
    QDialogButtonBox* m_buttons;
    shell::CHintBalloon* m_hints;
};

}  // namespace mw::recipe_form
