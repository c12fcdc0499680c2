#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace mw {
class PromptService;
}

namespace mw::recipe_form {

// Moves values between a form's controls and the columns of its record.
//
// To the controls: text columns as stored, whole numbers in decimal, doubles
// in their shortest form with up to 15 significant digits, check boxes as
// booleans, radio groups as the index of the checked button.
//
// From the controls: a text that is not wholly a number of the column's kind
// is refused with a message naming the field (its accessible name, else its
// label), the focus goes to that control, and the column keeps its value.
class RecordExchange {
public:
    explicit RecordExchange(PromptService& prompts) : m_prompts(prompts) {}

    static void show(QLineEdit* edit, const QString& text);
    static void show(QLineEdit* edit, qint32 value);
    static void show(QLineEdit* edit, double value);
    static void show(QAbstractButton* check, bool value);
    // Checks the button at `index`; -1 (or any index outside the group)
    // leaves every button unchecked.
    static void showRadio(const QList<QAbstractButton*>& group, int index);

    static void read(QLineEdit* edit, QString& value);
    bool read(QLineEdit* edit, qint32& value);
    bool read(QLineEdit* edit, qint16& value);
    bool read(QLineEdit* edit, double& value);
    static void read(QAbstractButton* check, bool& value);
    // The index of the checked button, -1 when none is checked.
    static int radioIndex(const QList<QAbstractButton*>& group);

    // The name a message uses for a field.
    static QString fieldName(const QWidget* field);

private:
    bool refuse(QLineEdit* edit, int messageNumber);

    PromptService& m_prompts;
};

}  // namespace mw::recipe_form
