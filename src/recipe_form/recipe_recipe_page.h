#pragma once

#include <functional>

#include "recipe_form/recipe_page.h"

class QPushButton;
class QTreeWidget;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::storage {
class Database;
}

namespace mw::recipe_form {

// The "Recipe" page: the recipe's ingredients at a glance, one line each
// with its picture, rebuilt from the ingredient tables every time the page
// shows the record. Nothing on it can be changed.
class CRecipeRecipePage final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 194;

    CRecipeRecipePage(storage::Database& recipes, PromptService& prompts, HelpService* help,
                      QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* helpButton() const { return m_helpButton; }
    QPushButton* printButton() const { return m_printButton; }
    // The texts of the list, top to bottom.
    QStringList lines() const;

    // "&Print": the recipe report of the current recipe (until reports are
    // built, the form decides what it does).
    void setPrintHandler(std::function<void()> handler) { m_print = std::move(handler); }

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;

private:
    storage::Database& m_recipes;
    PromptService& m_prompts;
    HelpService* m_help;
    QTreeWidget* m_list;
    QPushButton* m_helpButton;
    QPushButton* m_printButton;
    std::function<void()> m_print;
};

}  // namespace mw::recipe_form
