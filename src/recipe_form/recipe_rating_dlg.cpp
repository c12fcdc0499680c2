#include "recipe_form/recipe_rating_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "recipe_form/competition_results_dlg.h"
#include "recipe_form/date_picker.h"
#include "recipe_form/field_reader.h"
#include "recipe_form/recipe_page_controls.h"
#include "recipe_form/record_exchange.h"
#include "recipe_form/score_spin_box.h"
#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"
#include "storage/recipe_records.h"

namespace mw::recipe_form {

namespace {

constexpr int kHintDescription = 130;
constexpr int kHintDate = 196;

// The total's font: 32 pixels high, three weights bolder than the page's.
QFont totalFont(QFont font) {
    font.setPixelSize(32);
    font.setWeight(QFont::Weight(std::min(font.weight() + 300, 900)));
    return font;
}

QLabel* muted(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

}  // namespace

CRecipeRatingDlg::CRecipeRatingDlg(PromptService& prompts, HelpService* help, QWidget* parent)
    : CRecipePage(QStringLiteral("Rating"), kHelpTopic, parent),
      m_prompts(prompts),
      m_helpService(help),
      m_runCompetition([](CCompetitionResultsDlg& dialog) { return dialog.exec(); }) {
    setObjectName(QStringLiteral("recipeRating"));
    shell::setHelpTopic(this, kHelpTopic);

    QWidget* scores = buildScores();
    QWidget* guide = buildGuide();
    m_notes = makeTextBox(this);
    QLabel* notesLabel = buddyLabel(QStringLiteral("Tasting N&otes"), m_notes);
    QWidget* dates = buildDates();
    m_competition = new QPushButton(QStringLiteral("Competition Results..."), this);
    m_competition->setAutoDefault(false);
    m_help = makeHelpButton(this, m_helpService);

    auto* right = new QGridLayout;
    right->addWidget(notesLabel, 0, 0);
    right->addWidget(m_notes, 1, 0, 1, 2);
    right->addWidget(dates, 2, 0);
    right->addWidget(guide, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_competition);
    buttons->addStretch();
    buttons->addWidget(m_help);
    right->addLayout(buttons, 3, 0, 1, 2);
    right->setRowStretch(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scores);
    layout->addLayout(right, 1);

    m_hints = new shell::CHintBalloon(this);
    setHintBalloon(m_hints);
    addHint(*m_hints, m_notes, kHintDescription);
    for (CDatePicker* date : m_sampled) {
        addHint(*m_hints, date, kHintDate);
    }

    trackChanges(m_help);
    // The dialog's OK is the change, not the click that opens it.
    disconnect(m_competition, nullptr, this, nullptr);
    connect(m_competition, &QPushButton::clicked, this, [this] { openCompetitionResults(); });
    for (CScoreSpinBox* score : m_score) {
        connect(score->edit(), &QLineEdit::textChanged, this, [this] { scoreChanged(); });
    }
    showTotal();
}

QWidget* CRecipeRatingDlg::buildScores() {
    auto* box = new QGroupBox(QStringLiteral("20 Point Scale"), this);
    auto* grid = new QGridLayout(box);
    m_score[0] = new CScoreSpinBox(0, 3, box);
    m_score[1] = new CScoreSpinBox(0, 4, box);
    m_score[2] = new CScoreSpinBox(0, 10, box);
    m_score[3] = new CScoreSpinBox(1, 3, box);
    const QString captions[4] = {
        QStringLiteral("&Appearance (15%)"), QStringLiteral("A&roma Bouquet (20%)"),
        QStringLiteral("Ta&ste (50%)"), QStringLiteral("Overall &Impression (15%)")};
    const QString ranges[4] = {QStringLiteral("0-3"), QStringLiteral("0-4"), QStringLiteral("0-10"),
                               QStringLiteral("1-3")};
    int row = 0;
    for (std::size_t i = 0; i < m_score.size(); ++i, ++row) {
        m_score[i]->setMaximumWidth(60);
        grid->addWidget(buddyLabel(captions[i], m_score[i]), row, 0);
        // Messages about the typed score name it as the caption does.
        m_score[i]->edit()->setAccessibleName(QString(captions[i]).remove(QLatin1Char('&')));
        grid->addWidget(m_score[i], row, 1);
        grid->addWidget(muted(ranges[i], box), row, 2);
        if (i == 2) {
            // What the taste score weighs.
            for (const QString& part :
                 {QStringLiteral("Hop/Malt Balance (4)"), QStringLiteral("Aftertaste (3)"),
                  QStringLiteral("Mouth-feel (3)")}) {
                ++row;
                grid->addWidget(muted(QStringLiteral("    ") + part, box), row, 0);
            }
        }
    }
    m_total = new QLabel(box);
    m_total->setFont(totalFont(m_total->font()));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setMinimumWidth(60);
    auto* totalCaption = new QLabel(QStringLiteral("Total ="), box);
    grid->addWidget(totalCaption, row, 0, Qt::AlignRight);
    grid->addWidget(m_total, row, 1);
    grid->setRowStretch(row + 1, 1);
    return box;
}

QWidget* CRecipeRatingDlg::buildGuide() {
    auto* box = new QGroupBox(QStringLiteral("Scoring Guide"), this);
    auto* grid = new QGridLayout(box);
    const QString grades[3][2] = {{QStringLiteral("Excellent"), QStringLiteral("18-20")},
                                  {QStringLiteral("Very Good"), QStringLiteral("15-17")},
                                  {QStringLiteral("Good"), QStringLiteral("12-14")}};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(grades[i][0], box), i, 0);
        grid->addWidget(new QLabel(grades[i][1], box), i, 1);
    }
    grid->setRowStretch(3, 1);
    return box;
}

QWidget* CRecipeRatingDlg::buildDates() {
    auto* box = new QGroupBox(QStringLiteral("&Dates Sampled"), this);
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < m_sampled.size(); ++i) {
        m_sampled[i] = new CDatePicker(box);
        const int row = static_cast<int>(i);
        grid->addWidget(dateLabel(QString::number(row + 1), m_sampled[i]), row, 0);
        m_sampled[i]->setFieldName(QStringLiteral("Date sampled %1").arg(row + 1));
        grid->addWidget(m_sampled[i], row, 1);
    }
    return box;
}

void CRecipeRatingDlg::setHintsActive(bool active) {
    // The competition results dialog follows too.
    m_hintsActive = active;
    CRecipePage::setHintsActive(active);
}

void CRecipeRatingDlg::openCompetitionResults() {
    if (record() == nullptr) {
        return;
    }
    CCompetitionResultsDlg dialog(*record(), m_prompts, this);
    dialog.hintBalloon()->setActive(m_hintsActive);
    if (m_runCompetition(dialog) == QDialog::Accepted) {
        noteChange();
    }
}

void CRecipeRatingDlg::scoreChanged() {
    if (m_initialising || isShowingRecord()) {
        return;
    }
    if (record() != nullptr) {
        readFields(*record(), nullptr);
    }
    showTotal();
}

void CRecipeRatingDlg::showTotal() {
    long sum = 0;
    if (const storage::CRecordSetRecipe* recipe = record()) {
        sum = static_cast<long>(recipe->m_RecipeRatingAppearance) + recipe->m_RecipeRatingAroma +
              recipe->m_RecipeRatingTaste + recipe->m_RecipeRatingImpression;
    }
    m_total->setText(
        QString::fromStdString(formatNumber(msg::FormatUnsigned, static_cast<double>(sum))));
}

void CRecipeRatingDlg::enterRecord() {
    showTotal();
}

void CRecipeRatingDlg::activate() {
    showTotal();
}

void CRecipeRatingDlg::doShowRecord(storage::CRecordSetRecipe& record) {
    RecordExchange::show(m_score[0]->edit(), record.m_RecipeRatingAppearance);
    RecordExchange::show(m_score[1]->edit(), record.m_RecipeRatingAroma);
    RecordExchange::show(m_score[2]->edit(), record.m_RecipeRatingTaste);
    RecordExchange::show(m_score[3]->edit(), record.m_RecipeRatingImpression);
    m_notes->setPlainText(record.m_RecipeRatingNotes);
    m_sampled[0]->setDateTime(record.m_RecipeRatingDateSampled1);
    m_sampled[1]->setDateTime(record.m_RecipeRatingDateSampled2);
    m_sampled[2]->setDateTime(record.m_RecipeRatingDateSampled3);
    showTotal();
    m_initialising = false;
}

bool CRecipeRatingDlg::readFields(storage::CRecordSetRecipe& record, RecordExchange* exchange) {
    FieldReader reader(exchange);
    reader.read(m_score[0]->edit(), record.m_RecipeRatingAppearance);
    reader.read(m_score[1]->edit(), record.m_RecipeRatingAroma);
    reader.read(m_score[2]->edit(), record.m_RecipeRatingTaste);
    reader.read(m_score[3]->edit(), record.m_RecipeRatingImpression);
    record.m_RecipeRatingNotes = m_notes->toPlainText();
    record.m_RecipeRatingDateSampled1 = m_sampled[0]->dateTime();
    record.m_RecipeRatingDateSampled2 = m_sampled[1]->dateTime();
    record.m_RecipeRatingDateSampled3 = m_sampled[2]->dateTime();
    return reader.ok();
}

bool CRecipeRatingDlg::doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) {
    return readFields(record, &exchange);
}

}  // namespace mw::recipe_form
