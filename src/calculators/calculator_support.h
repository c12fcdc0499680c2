#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <optional>
#include <vector>

#include "calc/solver_support.h"

namespace mw {
class PromptService;
}
namespace mw::shell {
class CHintBalloon;
}

namespace mw::calculators {

// What a calculator asks of the ingredient lookups: a chosen hop's name and
// alpha, or a fermentable's name and specific gravity; nothing when the user
// cancelled. The desktop program wires the lookup dialogs in; tests answer
// directly.
struct NamedValue {
    QString name;
    double value = 0.0;
};
struct CalculatorLookups {
    std::function<std::optional<NamedValue>(QWidget* parent)> hop;
    std::function<std::optional<NamedValue>(QWidget* parent)> extract;
    std::function<std::optional<NamedValue>(QWidget* parent)> fermentableAdjunct;
    std::function<std::optional<NamedValue>(QWidget* parent)> grain;
};

// The large bold result field of a calculator: the dialog's font, 32 pixels
// high and 300 heavier.
QLineEdit* makeResultField(QWidget* parent, bool readOnly);

// Shows an action's messages in order through the prompt service.
void showMessages(PromptService& prompts, const calc::SolveOutcome& outcome);

// The label of the variable being solved for is blue, the others black.
void colorSolvedLabel(const std::vector<QLabel*>& labels, int solvingFor);

// Moves the focus to a field and selects its text.
void focusAndSelect(QLineEdit* field);

// Calls `changed` with the text whenever a field's text changes other than
// through showText: typed, pasted, undone, or set through the accessibility
// interface by a screen reader, voice control or an on-screen keyboard.
void onTextChange(QLineEdit* field, std::function<void(const QString&)> changed);

// Puts the program's own text into a field without reporting it as a change.
void showText(QLineEdit* field, const QString& text);

// Registers a field's hint balloon text, which is also the field's accessible
// description.
void addHint(shell::CHintBalloon& hints, QWidget* field, int stringNumber);

// Sets the Tab order of a window's focusable widgets to the order of its
// layout: boxes first to last, grids row by row, nested layouts and the
// layouts of child widgets (group boxes) where they stand.
void tabInLayoutOrder(QWidget* window);

}  // namespace mw::calculators
