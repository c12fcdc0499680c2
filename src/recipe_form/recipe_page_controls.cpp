#include "recipe_form/recipe_page_controls.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "recipe_form/date_picker.h"
#include "recipe_form/recipe_page.h"
#include "resources/help_service.h"
#include "shell/hint_balloon.h"
#include "storage/catalogue_string.h"

namespace mw::recipe_form {

namespace {

QString withoutAccessKey(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption.remove(QLatin1Char('\t'));
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption.trimmed();
}

}  // namespace

QLabel* buddyLabel(const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    return label;
}

QLabel* dateLabel(const QString& caption, CDatePicker* picker) {
    auto* label = new QLabel(caption, picker->parentWidget());
    label->setBuddy(picker->checkBox());
    picker->setFieldName(withoutAccessKey(caption));
    return label;
}

QPlainTextEdit* makeTextBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    return box;
}

void addHint(shell::CHintBalloon& hints, QWidget* field, int stringNumber) {
    hints.AddTool(field, stringNumber);
    field->setAccessibleDescription(storage::catalogueString(stringNumber));
}

void addHint(shell::CHintBalloon& hints, CDatePicker* picker, int stringNumber) {
    addHint(hints, picker->checkBox(), stringNumber);
    addHint(hints, picker->dateEdit(), stringNumber);
}

QPushButton* makeHelpButton(CRecipePage* page, HelpService* help) {
    auto* button = new QPushButton(QStringLiteral("&Help"), page);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, page, [page, help] {
        if (help != nullptr) {
            help->showHelp(page->helpTopic());
        }
    });
    return button;
}

}  // namespace mw::recipe_form
