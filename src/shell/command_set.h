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
    // Makes an existing action the command's own (a bar's toggle action,
    // which keeps its own check mark and handler); before its first use.
    void adopt(int id, QAction* action);
    // Every command of the main accelerator table answers its keys while
    // `window` is active, whether or not a menu or the toolbar shows it.
    void attachKeys(QWidget* window);
    // Connects a handler and enables the command.
    void setHandler(int id, std::function<void()> handler);
    // Disconnects the handler and disables the command.
    void clearHandler(int id);
    bool hasHandler(int id) const { return m_handled.contains(id); }

    // The status-bar prompt and the tooltip of a command.
    static QString promptOf(int id);
    static QString tooltipOf(int id);

private:
    void describe(int id, QAction* action);

    QHash<int, QAction*> m_actions;
    QHash<int, QMetaObject::Connection> m_handled;
};

}  // namespace mw::shell
