#pragma once

#include "recipe_form/recipe_page.h"

class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace mw {
class HelpService;
}

namespace mw::recipe_form {

// The "Ingredients" page: the total boil time and, below it, the
// ingredients grid the form places there. The grid reports its own changes;
// only the page's own fields count here.
class CRecipeIngredientsPage final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 193;

    explicit CRecipeIngredientsPage(HelpService* help, QWidget* parent = nullptr);

    // Puts the grid in its place on the page (the page takes it as a child).
    void setGrid(QWidget* grid);
    QWidget* grid() const { return m_grid; }

    QLineEdit* boilTimeEdit() const { return m_boilTime; }
    QPushButton* helpButton() const { return m_helpButton; }
    // "DisplayToolTips".
    void setHintsActive(bool active) override;

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;

private:
    HelpService* m_help;
    QLineEdit* m_boilTime;
    QPushButton* m_helpButton;
    QVBoxLayout* m_layout;
    QWidget* m_grid = nullptr;
};

}  // namespace mw::recipe_form
