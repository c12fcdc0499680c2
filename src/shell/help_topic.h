#pragma once

#include <QVariant>
#include <QWidget>
#include <optional>

namespace mw::shell {

// A window's help topic: the help context F1 opens while the window, or a
// widget inside it, has the focus. A widget inside a window may carry a
// topic of its own (a page of a sheet); the nearest one wins.
inline constexpr char kHelpTopicProperty[] = "helpTopic";

inline void setHelpTopic(QWidget* widget, int topic) {
    widget->setProperty(kHelpTopicProperty, topic);
}

// The topic of the widget or of the nearest of its parents that has one,
// looking no further than its window.
inline std::optional<int> helpTopicOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant topic = w->property(kHelpTopicProperty);
        if (topic.isValid()) {
            return topic.toInt();
        }
        if (w->isWindow()) {
            break;
        }
    }
    return std::nullopt;
}

}  // namespace mw::shell
