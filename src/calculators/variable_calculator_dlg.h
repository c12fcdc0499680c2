#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "calc/variable_solver.h"

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mw {
class PromptService;
}
namespace mw::shell {
class CHintBalloon;
}

namespace mw::calculators {

// What the bitterness, original gravity and alcohol calculators share on the
// screen: their fields mirror the solver's texts, the "Currently solving
// for:" list and the variables' labels (blue for the one solved for),
// Calculate, Recalculate and Clear with their enabling, and after each action
// its messages and the focus on the field the solver names.
class VariableCalculatorDlg : public QDialog {
    Q_OBJECT

public:
    QLineEdit* field(int solverField) const { return m_fields.at(solverField); }
    QListWidget* solvingForList() const { return m_list; }
    QLabel* variableLabel(int variable) const {
        return m_labels.at(static_cast<std::size_t>(variable));
    }
    QPushButton* calculateButton() const { return m_calculate; }
    QPushButton* recalculateButton() const { return m_recalculate; }
    QPushButton* clearButton() const { return m_clear; }

protected:
    VariableCalculatorDlg(calc::VariableSolver& solver, PromptService& prompts, QWidget* parent);

    // A field shows the solver's text of `solverField` and hands user edits back.
    void bindField(int solverField, QLineEdit* edit);
    // The list's items and each variable's label, in the list's order.
    QListWidget* makeSolvingForList(const QStringList& items, std::vector<QLabel*> labels);
    // The three action buttons with their captions.
    void makeActionButtons(const QString& calculate, const QString& recalculate,
                           const QString& clear);
    // A label naming a field, its access key moving to the field.
    QLabel* buddyLabel(const QString& caption, QWidget* field);
    // Lays the window out: the inputs on the left, the "Currently solving
    // for:" list and the results on the right, what goes below them (the
    // formula), then Calculate, Recalculate, Clear, the extra buttons and Close.
    void arrange(QLayout* inputs, QLayout* results, const std::vector<QWidget*>& below,
                 const std::vector<QPushButton*>& extraButtons);
    // Shows an action's result: messages, texts, colours, enabling, focus.
    void apply(const calc::SolveOutcome& outcome);
    // Copies the solver's state onto the window; subclasses add their own parts.
    virtual void refresh();

    calc::VariableSolver& m_solver;
    PromptService& m_prompts;
    shell::CHintBalloon* m_hints;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_recalculate = nullptr;
    QPushButton* m_clear = nullptr;

private:
    std::map<int, QLineEdit*> m_fields;
    QListWidget* m_list = nullptr;
    QLabel* m_listLabel = nullptr;
    std::vector<QLabel*> m_labels;
};

}  // namespace mw::calculators
