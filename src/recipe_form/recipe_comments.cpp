#include "recipe_form/recipe_comments.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "recipe_form/date_picker.h"
#include "recipe_form/recipe_page_controls.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

constexpr int kHintDescription = 130;
constexpr int kHintDate = 196;

}  // namespace

CRecipeComments::CRecipeComments(HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Comments"), kHelpTopic, parent),
      m_source(makeTextBox(this)),
      m_dateObtained(new CDatePicker(this)),
      m_comments(makeTextBox(this)),
      m_help(makeHelpButton(this, help)),
      m_hints(new shell::CHintBalloon(this)) {
    setObjectName(QStringLiteral("recipeComments"));
    setHintBalloon(m_hints);
    shell::setHelpTopic(this, kHelpTopic);

    auto* layout = new QGridLayout(this);
    layout->addWidget(buddyLabel(QStringLiteral("&Source of recipe"), m_source), 0, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_source, 0, 1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateObtained);
    dateRow->addStretch();
    layout->addWidget(dateLabel(QStringLiteral("&Date Obtained"), m_dateObtained), 1, 0);
    layout->addLayout(dateRow, 1, 1);
    layout->addWidget(buddyLabel(QStringLiteral("&Comments"), m_comments), 2, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_comments, 2, 1);
    layout->addWidget(m_help, 3, 1, Qt::AlignRight);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 2);
    layout->setColumnStretch(1, 1);

    addHint(*m_hints, m_source, kHintDescription);
    addHint(*m_hints, m_dateObtained, kHintDate);
    addHint(*m_hints, m_comments, kHintDescription);
    trackChanges(m_help);
}

void CRecipeComments::doShowRecord(storage::CRecordSetRecipe& record) {
    m_source->setPlainText(record.m_RecipeSource);
    m_dateObtained->setDateTime(record.m_RecipeDateObtained);
    m_comments->setPlainText(record.m_RecipeComments);
}

bool CRecipeComments::doReadRecord(storage::CRecordSetRecipe& record,
                                   RecordExchange& /*exchange*/) {
    record.m_RecipeSource = m_source->toPlainText();
    record.m_RecipeDateObtained = m_dateObtained->dateTime();
    record.m_RecipeComments = m_comments->toPlainText();
    return true;
}

}  // namespace mw::recipe_form
