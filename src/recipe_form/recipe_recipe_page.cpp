#include "recipe_form/recipe_recipe_page.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "recipe_form/form_pictures.h"
#include "recipe_form/recipe_summary.h"
#include "resources/help_service.h"
#include "shell/override_cursor.h"
#include "storage/catalogue_string.h"
#include "storage/dao_exception.h"
#include "storage/error_report.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {
constexpr int kHeadings = 186;  // "Ingredients", one heading per comma
constexpr int kTipDisplayOnly = 197;
// The list's column is 0.3 inch of screen, twelve times over.
constexpr double kColumnInches = 0.3;
constexpr int kColumnUnits = 12;

}  // namespace

CRecipeRecipePage::CRecipeRecipePage(storage::Database& recipes, PromptService& prompts,
                                     HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Recipe"), kHelpTopic, parent),
      m_recipes(recipes),
      m_prompts(prompts),
      m_help(help) {
    setObjectName(QStringLiteral("recipePage"));
    const shell::OverrideCursor wait;
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ingredientSummary"));
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(false);
    m_list->header()->setSectionsClickable(false);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QStringList headings = storage::catalogueString(kHeadings).split(QLatin1Char(','));
    m_list->setHeaderLabels(headings);
    m_list->setColumnWidth(0, static_cast<int>(logicalDpiX() * kColumnInches) * kColumnUnits);
    m_list->setAccessibleName(headings.value(0));
    m_list->setToolTip(storage::catalogueString(kTipDisplayOnly));

    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_helpButton->setObjectName(QStringLiteral("recipePageHelp"));
    m_printButton = new QPushButton(QStringLiteral("P&rint"), this);
    m_printButton->setObjectName(QStringLiteral("recipePagePrint"));
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_help != nullptr) {
            m_help->showHelp(kHelpTopic);
        }
    });
    connect(m_printButton, &QPushButton::clicked, this, [this] {
        if (m_print) {
            m_print();
        }
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addWidget(m_printButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

QStringList CRecipeRecipePage::lines() const {
    QStringList texts;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        texts << m_list->topLevelItem(i)->text(0);
    }
    return texts;
}

void CRecipeRecipePage::doShowRecord(storage::CRecordSetRecipe& record) {
    m_list->clear();
    std::vector<SummaryLine> summary;
    try {
        summary = recipeSummary(m_recipes, record.m_RecipeID);
    } catch (const storage::DaoException& error) {
        storage::ReportDaoException(error, m_prompts, m_help);
    }
    for (const SummaryLine& line : summary) {
        auto* item = new QTreeWidgetItem(m_list, QStringList{line.text});
        item->setIcon(0, QIcon(ingredientPicture(line.icon)));
    }
}

bool CRecipeRecipePage::doReadRecord(storage::CRecordSetRecipe&, RecordExchange&) {
    return true;  // nothing on the page is input
}

}  // namespace mw::recipe_form
