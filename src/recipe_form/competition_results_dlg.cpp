#include "recipe_form/competition_results_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "recipe_form/date_picker.h"
#include "recipe_form/recipe_page_controls.h"
#include "recipe_form/record_exchange.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

constexpr int kHintName = 131;
constexpr int kHintDescription = 130;
constexpr int kHintScore = 206;
constexpr int kHintDate = 196;
// "Data Error:\nThe Judge's score must be 50 or less."
constexpr int kMsgScoreTooHigh = 209;

}  // namespace

CCompetitionResultsDlg::CCompetitionResultsDlg(storage::CRecordSetRecipe& record,
                                               PromptService& prompts, QWidget* parent)
    : QDialog(parent),
      m_record(record),
      m_prompts(prompts),
      m_name(new QLineEdit(this)),
      m_prizes(makeTextBox(this)),
      m_score(new QLineEdit(this)),
      m_comments(makeTextBox(this)),
      m_date(new CDatePicker(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_hints(new shell::CHintBalloon(this)) {
    setObjectName(QStringLiteral("competitionResults"));
    setWindowTitle(QStringLiteral("Competition Results"));
    shell::setHelpTopic(this, kHelpTopic);
    m_score->setMaximumWidth(60);

    auto* layout = new QGridLayout(this);
    layout->addWidget(buddyLabel(QStringLiteral("&Name"), m_name), 0, 0);
    layout->addWidget(m_name, 0, 1, 1, 3);
    layout->addWidget(buddyLabel(QStringLiteral("&Prizes Won"), m_prizes), 1, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_prizes, 1, 1, 1, 3);
    layout->addWidget(buddyLabel(QStringLiteral("&Judges Score"), m_score), 2, 0);
    layout->addWidget(m_score, 2, 1);
    layout->addWidget(dateLabel(QStringLiteral("&Date"), m_date), 2, 2, Qt::AlignRight);
    layout->addWidget(m_date, 2, 3);
    layout->addWidget(buddyLabel(QStringLiteral("&Comments"), m_comments), 3, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_comments, 3, 1, 1, 3);
    layout->addWidget(m_buttons, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(3, 2);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
    connect(m_buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });

    addHint(*m_hints, m_name, kHintName);
    addHint(*m_hints, m_prizes, kHintDescription);
    addHint(*m_hints, m_score, kHintScore);
    addHint(*m_hints, m_comments, kHintDescription);
    addHint(*m_hints, m_date, kHintDate);

    resize(460, 250);
    showRecord();
}

QPushButton* CCompetitionResultsDlg::okButton() const {
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* CCompetitionResultsDlg::cancelButton() const {
    return m_buttons->button(QDialogButtonBox::Cancel);
}

void CCompetitionResultsDlg::showRecord() {
    RecordExchange::show(m_name, m_record.m_RecipeRatingCompName);
    m_prizes->setPlainText(m_record.m_RecipeRatingCompPrizes);
    RecordExchange::show(m_score, m_record.m_RecipeRatingCompScore);
    m_comments->setPlainText(m_record.m_RecipeRatingCompComments);
    m_date->setDateTime(m_record.m_RecipeRatingCompDate);
}

void CCompetitionResultsDlg::accept() {
    const QString score = m_score->text();
    if (!score.isEmpty() && leadingNumber(score.toStdString()) > kHighestScore) {
        m_prompts.show(kMsgScoreTooHigh, PromptIcon::Information);
        m_score->setFocus();
        m_score->selectAll();
        return;
    }
    // Nothing reaches the record unless every field converts.
    qint32 judged = m_record.m_RecipeRatingCompScore;
    RecordExchange exchange(m_prompts);
    if (!exchange.read(m_score, judged)) {
        return;
    }
    RecordExchange::read(m_name, m_record.m_RecipeRatingCompName);
    m_record.m_RecipeRatingCompPrizes = m_prizes->toPlainText();
    m_record.m_RecipeRatingCompScore = judged;
    m_record.m_RecipeRatingCompComments = m_comments->toPlainText();
    m_record.m_RecipeRatingCompDate = m_date->dateTime();
    QDialog::accept();
}

}  // namespace mw::recipe_form
