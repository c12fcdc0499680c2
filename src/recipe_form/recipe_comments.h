#pragma once

#include "recipe_form/recipe_page.h"

class QPlainTextEdit;
class QPushButton;

namespace mw {
class HelpService;
}
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

class CDatePicker;

// The "Comments" page: where the recipe came from, when it was obtained,
// and the brewer's comments.
class CRecipeComments final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 149;

    explicit CRecipeComments(HelpService* help, QWidget* parent = nullptr);

    shell::CHintBalloon* hintBalloon() const { return m_hints; }

    QPlainTextEdit* sourceBox() const { return m_source; }
    CDatePicker* dateObtained() const { return m_dateObtained; }
    QPlainTextEdit* commentsBox() const { return m_comments; }
    QPushButton* helpButton() const { return m_help; }

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;

private:
    QPlainTextEdit* m_source;
    CDatePicker* m_dateObtained;
    QPlainTextEdit* m_comments;
    QPushButton* m_help;
    shell::CHintBalloon* m_hints;
};

}  // namespace mw::recipe_form
