#include "shell/qt_prompt_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "resources/help_service.h"

namespace mw::shell {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Stop:
            return QMessageBox::Critical;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case PromptButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

PromptAnswer answerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Retry:
            return PromptAnswer::Retry;
        default:
            return PromptAnswer::Ok;
    }
}

}  // namespace

PromptAnswer QtPromptService::ask(const Prompt& prompt) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    QMessageBox box(iconOf(prompt.icon), QStringLiteral("Maltwise Calculator"),
                    QString::fromStdString(prompt.text), buttonsOf(prompt.buttons), parent);
    QPushButton* help = nullptr;
    if (m_help != nullptr && prompt.helpContext != 0) {
        help = box.addButton(QMessageBox::Help);
        // Help opens the topic and leaves the question open.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, &box,
                         [this, context = prompt.helpContext] { m_help->showHelp(context); });
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::NoButton) {
        // Closed with Escape or the close box: the cancelling answer.
        switch (prompt.buttons) {
            case PromptButtons::YesNo:
                return PromptAnswer::No;
            case PromptButtons::Ok:
                return PromptAnswer::Ok;
            default:
                return PromptAnswer::Cancel;
        }
    }
    return answerOf(clicked);
}

}  // namespace mw::shell
