#include "calculators/converter_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/calculator_support.h"
#include "shell/help_topic.h"
#include "shell/hint_balloon.h"

namespace mw::calculators {

namespace {

struct Texts {
    const char* title;
    const char* labels[2];
    const char* ranges[2];
    const char* formulas;
    const char* example;
    int hints[2];
    const char* buttons[3];
};

const Texts kSgBalling{"Specific Gravity to/from Balling Converter",
                       {"&Specific Gravity", "&Balling"},
                       {"1.000 - 1.200", "0 - 50"},
                       "SG = (B\u00b0)(.004) + 1.0\nB\u00b0 = (SG - 1.0) / .004",
                       "For example, leave Balling blank and enter a Specific Gravity of 1.048 "
                       "to get 12 degrees Balling.",
                       {148, 269},
                       {"&Calculate", "&Recalculate", "C&lear"}};

const Texts kAbvAbw{"Alcohol by Volume to/from Alcohol by Weight",
                    {"By &Volume", "By &Weight"},
                    {"0.5 - 20.00%", "0.4 - 16.00%"},
                    "ABV = ABW * 1.25\nABW = ABV * 0.8",
                    "For example, leave By Weight blank and enter 5.00 By Volume to get 4.00 "
                    "By Weight.",
                    {273, 272},
                    {"&Calculate", "&Recalculate", "C&lear"}};

}  // namespace

CConverterDlg::CConverterDlg(Kind kind, PromptService& prompts, QWidget* parent)
    : QDialog(parent),
      m_solver(kind == Kind::SgBalling ? calc::kSgBallingConverter : calc::kAbvAbwConverter),
      m_prompts(prompts) {
    const Texts& t = kind == Kind::SgBalling ? kSgBalling : kAbvAbw;
    setWindowTitle(QString::fromUtf8(t.title));
    setObjectName(kind == Kind::SgBalling ? QStringLiteral("sgBallingConverter")
                                          : QStringLiteral("abvAbwConverter"));
    shell::setHelpTopic(this, kind == Kind::SgBalling ? 217 : 218);
    auto* hints = new shell::CHintBalloon(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Valid values:"), this), 0, 2);
    for (int i = 0; i < 2; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QStringLiteral("field%1").arg(i));
        m_labels[i] = new QLabel(QString::fromUtf8(t.labels[i]), this);
        m_labels[i]->setBuddy(m_fields[i]);
        grid->addWidget(m_labels[i], i + 1, 0);
        grid->addWidget(m_fields[i], i + 1, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(t.ranges[i]), this), i + 1, 2);
        addHint(*hints, m_fields[i], t.hints[i]);
        onTextChange(m_fields[i],
                     [this, i](const QString& text) { m_solver.editText(i, text.toStdString()); });
    }
    auto* formulas = new QLabel(QString::fromUtf8(t.formulas), this);
    auto* hint = new QLabel(QStringLiteral("To calculate a value leave it blank and enter the "
                                           "other.\n") +
                                QString::fromUtf8(t.example),
                            this);
    hint->setWordWrap(true);
    hint->setMinimumWidth(360);
    m_calculate = new QPushButton(QString::fromUtf8(t.buttons[0]), this);
    m_recalculate = new QPushButton(QString::fromUtf8(t.buttons[1]), this);
    m_clear = new QPushButton(QString::fromUtf8(t.buttons[2]), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    m_calculate->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_recalculate);
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(formulas);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    tabInLayoutOrder(this);
    connect(m_calculate, &QPushButton::clicked, this, [this] { apply(m_solver.calculate()); });
    connect(m_recalculate, &QPushButton::clicked, this, [this] { apply(m_solver.recalculate()); });
    connect(m_clear, &QPushButton::clicked, this, [this] { apply(m_solver.clear()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    focusAndSelect(m_fields[0]);
}

void CConverterDlg::apply(const calc::SolveOutcome& outcome) {
    showMessages(m_prompts, outcome);
    refresh();
    if (outcome.focusField && (*outcome.focusField == 0 || *outcome.focusField == 1)) {
        focusAndSelect(m_fields[*outcome.focusField]);
    }
}

void CConverterDlg::refresh() {
    for (int i = 0; i < 2; ++i) {
        showText(m_fields[i], QString::fromStdString(m_solver.text(i)));
    }
    colorSolvedLabel({m_labels[0], m_labels[1]}, m_solver.solvedFor());
    m_recalculate->setEnabled(m_solver.recalculateEnabled());
}

}  // namespace mw::calculators
