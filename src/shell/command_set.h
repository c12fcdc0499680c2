#pragma once

#include <QAction>
#include <QHash>
#include <QObject>
#include <functional>

namespace mw::shell {

// One QAction per command identifier, shared by every menu bar and the
// toolbar: its text, its keys from the main accelerator table, and its
// status-bar prompt and tooltip from the catalogue. A command without a
// handler stays disabled, as an unhandled command always has been.
class CommandSet : public QObject {
    Q_OBJECT

public:
    explicit CommandSet(QObject* parent = nullptr);

    // The action of a command (created on first use).
    QAction* action(int id);
    // Connects a handler and enables the command.
    void setHandler(int id, std::function<void()> handler);
    // Disconnects the handler and disables the command.
    void clearHandler(int id);
    bool hasHandler(int id) const { return m_handled.contains(id); }

    // The status-bar prompt and the tooltip of a command.
    static QString promptOf(int id);
    static QString tooltipOf(int id);

private:
    QHash<int, QAction*> m_actions;
    QHash<int, QMetaObject::Connection> m_handled;
};

}  // namespace mw::shell
