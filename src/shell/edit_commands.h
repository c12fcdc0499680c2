#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace mw::shell {

class CommandSet;

// Edit > Undo, Cut, Copy and Paste act on the edit box that has the focus
// (a line edit, or a text edit of several lines) and are enabled by its
// state: Cut and Copy need a selection, Cut, Paste and Undo a box that can
// be written, Paste text on the clipboard, Undo something to undo. With no
// edit box in the focus all four are disabled. Opening a menu or pressing a
// toolbar button keeps the box the commands work on.
class EditCommands : public QObject {
    Q_OBJECT

public:
    explicit EditCommands(CommandSet& commands, QObject* parent = nullptr);

    // The box the commands act on, or null.
    QWidget* target() const { return m_target; }

private:
    void focusMoved(QWidget* now);
    void setTarget(QWidget* box);
    void updateCommands();
    void run(const char* operation);

    CommandSet& m_commands;
    QPointer<QWidget> m_target;
    QList<QMetaObject::Connection> m_watching;
};

}  // namespace mw::shell
