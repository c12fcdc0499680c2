#include "shell/help_topic.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "resources/help_service.h"

namespace mw::shell {

HelpKeyFilter::HelpKeyFilter(HelpService& help, QWidget* mainWindow, QObject* parent)
    : QObject(parent), m_help(help), m_mainWindow(mainWindow) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (m_mainWindow != nullptr && widget->window() == m_mainWindow) {
        return false;
    }
    const auto topic = helpTopicOf(widget);
    if (!topic) {
        return false;
    }
    m_help.showHelp(*topic);
    return true;
}

}  // namespace mw::shell
