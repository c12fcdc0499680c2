#pragma once

#include <QHash>
#include <QIcon>
#include <QToolBar>

class QAction;

namespace mw::refdata {

// The reference-data dialogs' own toolbar: ten slots, First, Previous, Next,
// Last, a separator, Add, Refresh, Delete, a separator and Find, each button
// with its key (Ctrl+F, Ctrl+P, Ctrl+N, Ctrl+L, Ctrl+keypad plus, Ctrl+R,
// Ctrl+keypad minus). The keys work anywhere in the dialog.
class CAddChgToolBar : public QToolBar {
    Q_OBJECT

public:
    // Command numbers, as in the program's Record menu.
    enum Command : int {
        First = 59648,
        Previous = 59651,
        Next = 59650,
        Last = 59649,
        Add = 32771,
        Refresh = 32831,
        Delete = 32830,
        Find = 32844,
    };
    static constexpr int kSlotCount = 10;

    // `dialog`: where the keys are heard.
    explicit CAddChgToolBar(QWidget* dialog);

    QAction* action(Command command) const { return m_actions.value(command); }
    // The commands in slot order; 0 marks a separator.
    static const int* slotCommands();

    // The Find button's picture (the others are the program's Record pictures).
    static QIcon findIcon();

signals:
    void triggered(int command);

private:
    QHash<int, QAction*> m_actions;
};

}  // namespace mw::refdata
