#include "calculators/variable_calculator_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calculators/calculator_support.h"
#include "shell/hint_balloon.h"

namespace mw::calculators {

VariableCalculatorDlg::VariableCalculatorDlg(calc::VariableSolver& solver, PromptService& prompts,
                                             QWidget* parent)
    : QDialog(parent), m_solver(solver), m_prompts(prompts) {
    m_hints = new shell::CHintBalloon(this);
}

void VariableCalculatorDlg::bindField(int solverField, QLineEdit* edit) {
    m_fields[solverField] = edit;
    onTextChange(edit, [this, solverField](const QString& text) {
        m_solver.editText(solverField, text.toStdString());
    });
}

QListWidget* VariableCalculatorDlg::makeSolvingForList(const QStringList& items,
                                                       std::vector<QLabel*> labels) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("solvingFor"));
    m_list->addItems(items);
    m_list->setMaximumHeight(m_list->sizeHintForRow(0) * (items.size() + 1));
    m_listLabel = new QLabel(QStringLiteral("Currently solving for:"), this);
    m_listLabel->setBuddy(m_list);
    // A list view takes no name from its label.
    m_list->setAccessibleName(m_listLabel->text());
    m_labels = std::move(labels);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            apply(m_solver.chooseVariable(row));
        }
    });
    return m_list;
}

void VariableCalculatorDlg::makeActionButtons(const QString& calculate, const QString& recalculate,
                                              const QString& clear) {
    m_calculate = new QPushButton(calculate, this);
    m_recalculate = new QPushButton(recalculate, this);
    m_clear = new QPushButton(clear, this);
    m_calculate->setDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, [this] { apply(m_solver.calculate()); });
    connect(m_recalculate, &QPushButton::clicked, this, [this] { apply(m_solver.recalculate()); });
    connect(m_clear, &QPushButton::clicked, this, [this] { apply(m_solver.clear()); });
}

QLabel* VariableCalculatorDlg::buddyLabel(const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    return label;
}

void VariableCalculatorDlg::arrange(QLayout* inputs, QLayout* results,
                                    const std::vector<QWidget*>& below,
                                    const std::vector<QPushButton*>& extraButtons) {
    auto* right = new QVBoxLayout;
    right->addWidget(m_listLabel);
    right->addWidget(m_list);
    right->addLayout(results);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs, 3);
    top->addLayout(right, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_calculate, m_recalculate, m_clear}) {
        buttons->addWidget(b);
    }
    for (QPushButton* b : extraButtons) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    for (QWidget* w : below) {
        layout->addWidget(w);
    }
    layout->addLayout(buttons);
    tabInLayoutOrder(this);
}

void VariableCalculatorDlg::apply(const calc::SolveOutcome& outcome) {
    showMessages(m_prompts, outcome);
    refresh();
    if (outcome.focusField) {
        const auto it = m_fields.find(*outcome.focusField);
        if (it != m_fields.end()) {
            focusAndSelect(it->second);
        }
    }
}

void VariableCalculatorDlg::refresh() {
    for (const auto& [f, edit] : m_fields) {
        showText(edit, QString::fromStdString(m_solver.text(f)));
    }
    const int solving = m_solver.solvingFor();
    colorSolvedLabel(m_labels, solving);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(solving < m_solver.noneVariable() ? solving : -1);
        if (solving >= m_solver.noneVariable()) {
            m_list->clearSelection();
        }
    }
    const bool enabled = m_solver.resultsEnabled();
    m_recalculate->setEnabled(enabled);
    m_clear->setEnabled(enabled);
    m_list->setEnabled(enabled);
    m_listLabel->setEnabled(enabled);
}

}  // namespace mw::calculators
