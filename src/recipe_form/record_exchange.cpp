#include "recipe_form/record_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"

namespace mw::recipe_form {

namespace {

// "Data Error: The %1 entered (%2) is not a number." and "... a whole number."
constexpr int kMsgNotANumber = 1001;
constexpr int kMsgNotAWholeNumber = 1002;

QString withoutMnemonic(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' '))) {
        caption.chop(1);
    }
    return caption;
}

}  // namespace

void RecordExchange::show(QLineEdit* edit, const QString& text) {
    edit->setText(text);
}

void RecordExchange::show(QLineEdit* edit, qint32 value) {
    edit->setText(QString::number(value));
}

void RecordExchange::show(QLineEdit* edit, double value) {
    edit->setText(QString::fromStdString(fieldText(value)));
}

void RecordExchange::show(QAbstractButton* check, bool value) {
    check->setChecked(value);
}

void RecordExchange::showRadio(const QList<QAbstractButton*>& group, int index) {
    // Exclusive groups refuse to uncheck their last checked button.
    for (QAbstractButton* button : group) {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        if (QButtonGroup* g = button->group()) {
            g->setExclusive(false);
        }
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
    if (index >= 0 && index < group.size()) {
        group[index]->setChecked(true);
    }
    for (QAbstractButton* button : group) {
        if (QButtonGroup* g = button->group()) {
            g->setExclusive(true);
        }
    }
}

void RecordExchange::read(QLineEdit* edit, QString& value) {
    value = edit->text();
}

bool RecordExchange::read(QLineEdit* edit, qint32& value) {
    const std::optional<int> number = parseInteger(edit->text().toStdString());
    if (!number) {
        return refuse(edit, kMsgNotAWholeNumber);
    }
    value = *number;
    return true;
}

bool RecordExchange::read(QLineEdit* edit, qint16& value) {
    const std::optional<int> number = parseInteger(edit->text().toStdString());
    if (!number || *number < std::numeric_limits<qint16>::min() ||
        *number > std::numeric_limits<qint16>::max()) {
        return refuse(edit, kMsgNotAWholeNumber);
    }
    value = static_cast<qint16>(*number);
    return true;
}

bool RecordExchange::read(QLineEdit* edit, double& value) {
    const std::optional<double> number = parseNumber(edit->text().toStdString());
    if (!number) {
        return refuse(edit, kMsgNotANumber);
    }
    value = *number;
    return true;
}

void RecordExchange::read(QAbstractButton* check, bool& value) {
    value = check->isChecked();
}

int RecordExchange::radioIndex(const QList<QAbstractButton*>& group) {
    for (int i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked()) {
            return i;
        }
    }
    return -1;
}

QString RecordExchange::fieldName(const QWidget* field) {
    if (!field->accessibleName().isEmpty()) {
        return field->accessibleName();
    }
    if (const QWidget* window = field->window()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                return withoutMnemonic(label->text());
            }
        }
    }
    return field->objectName();
}

bool RecordExchange::refuse(QLineEdit* edit, int messageNumber) {
    m_prompts.show(
        messageNumber,
        formatMessage(messageNumber, fieldName(edit).toStdString(), edit->text().toStdString()),
        PromptIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
    return false;
}

}  // namespace mw::recipe_form
