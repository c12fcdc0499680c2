#pragma once

#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace mw {
class HelpService;
}
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

class CDatePicker;
class CRecipePage;

// Pieces the recipe pages build their controls from.

// A caption whose access key moves to `field`, and whose text (without the
// '&' and a trailing colon) names the field for screen readers and messages.
QLabel* buddyLabel(const QString& caption, QWidget* field);

// A caption for a date picker: its access key moves to the picker's check
// box, and both parts of the picker are named by it.
QLabel* dateLabel(const QString& caption, CDatePicker* picker);

// A text of several lines. Tab moves on to the next field; Return starts a
// new line.
QPlainTextEdit* makeTextBox(QWidget* parent);

// Registers the field's hint (a catalogue text) with the balloon, and gives
// screen readers the same text as the field's description.
void addHint(shell::CHintBalloon& hints, QWidget* field, int stringNumber);

// The same hint for both parts of a date picker.
void addHint(shell::CHintBalloon& hints, CDatePicker* picker, int stringNumber);

// The page's "&Help" button: opens the page's help topic.
QPushButton* makeHelpButton(CRecipePage* page, HelpService* help);

}  // namespace mw::recipe_form
