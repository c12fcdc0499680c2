#include "recipe_form/recipe_ingredients_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "recipe_form/record_exchange.h"
#include "resources/help_service.h"
#include "storage/catalogue_string.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {
constexpr int kTipBoilTime = 137;
}

CRecipeIngredientsPage::CRecipeIngredientsPage(HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Ingredients"), kHelpTopic, parent), m_help(help) {
    setObjectName(QStringLiteral("ingredientsPage"));
    auto* label = new QLabel(QStringLiteral("Total B&oil Time (Min)"), this);
    m_boilTime = new QLineEdit(this);
    m_boilTime->setObjectName(QStringLiteral("boilTime"));
    m_boilTime->setAccessibleName(QStringLiteral("Total Boil Time (Min)"));
    m_boilTime->setMaximumWidth(60);
    label->setBuddy(m_boilTime);
    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_helpButton->setObjectName(QStringLiteral("ingredientsPageHelp"));
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_help != nullptr) {
            m_help->showHelp(kHelpTopic);
        }
    });

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_boilTime);
    top->addStretch();
    top->addWidget(m_helpButton);
    m_layout = new QVBoxLayout(this);
    m_layout->addLayout(top);
    m_layout->addStretch();
    // Before the grid arrives: its own edits are not the page's.
    trackChanges(m_helpButton);
}

void CRecipeIngredientsPage::setGrid(QWidget* grid) {
    m_grid = grid;
    // The grid takes the stretch's place.
    delete m_layout->takeAt(m_layout->count() - 1);
    m_layout->addWidget(grid, 1);
}

void CRecipeIngredientsPage::setHintsActive(bool active) {
    m_boilTime->setToolTip(active ? storage::catalogueString(kTipBoilTime) : QString());
}

void CRecipeIngredientsPage::doShowRecord(storage::CRecordSetRecipe& record) {
    RecordExchange::show(m_boilTime, record.m_RecipeBoilLth);
}

bool CRecipeIngredientsPage::doReadRecord(storage::CRecordSetRecipe& record,
                                          RecordExchange& exchange) {
    return exchange.read(m_boilTime, record.m_RecipeBoilLth);
}

}  // namespace mw::recipe_form
