#include "recipe_form/recipe_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "shell/hint_balloon.h"

namespace mw::recipe_form {

CRecipePage::CRecipePage(QString title, int helpTopic, QWidget* parent)
    : QWidget(parent), m_title(std::move(title)), m_helpTopic(helpTopic) {}

void CRecipePage::showRecord() {
    if (m_record == nullptr) {
        return;
    }
    m_showing = true;
    doShowRecord(*m_record);
    m_showing = false;
}

bool CRecipePage::readRecord(RecordExchange& exchange) {
    return m_record == nullptr || doReadRecord(*m_record, exchange);
}

void CRecipePage::noteChange() {
    if (!m_showing && isVisible()) {
        emit modified();
    }
}

void CRecipePage::trackChanges(const QWidget* except) {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        // A combo box's own line edit reports through the combo box.
        if (qobject_cast<QComboBox*>(edit->parentWidget()) == nullptr &&
            qobject_cast<QDateTimeEdit*>(edit->parentWidget()) == nullptr) {
            connect(edit, &QLineEdit::textChanged, this, [this] { noteChange(); });
        }
    }
    for (QTextEdit* edit : findChildren<QTextEdit*>()) {
        connect(edit, &QTextEdit::textChanged, this, [this] { noteChange(); });
    }
    for (QPlainTextEdit* edit : findChildren<QPlainTextEdit*>()) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this] { noteChange(); });
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        connect(box, &QComboBox::currentTextChanged, this, [this] { noteChange(); });
    }
    for (QDateTimeEdit* date : findChildren<QDateTimeEdit*>()) {
        connect(date, &QDateTimeEdit::dateTimeChanged, this, [this] { noteChange(); });
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button != except) {
            connect(button, &QAbstractButton::clicked, this, [this] { noteChange(); });
        }
    }
}

void CRecipePage::setHintsActive(bool active) {
    if (m_hintBalloon != nullptr) {
        m_hintBalloon->setActive(active);
    }
}

}  // namespace mw::recipe_form
