#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace mw {
class HelpService;
}

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

// F1 in a dialog, or in any window but the main window (whose F1 is a
// command of its own), opens the help topic of the focused widget's window.
// A window without a topic keeps F1 for its own use. Watches the whole
// application while it lives.
class HelpKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit HelpKeyFilter(HelpService& help, QWidget* mainWindow = nullptr,
                           QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpService& m_help;
    QPointer<QWidget> m_mainWindow;
};

}  // namespace mw::shell
