#include "shell/command_set.h"

#include <QKeySequence>

#include "resources/message_catalogue.h"
#include "shell/command_ids.h"
#include "storage/catalogue_string.h"

namespace mw::shell {

namespace {

QString catalogue(int id) {
    return catalogueHas(id) ? storage::catalogueString(id) : QString();
}

// The keys of the main accelerator table.
QList<QKeySequence> keysOf(int id) {
    using namespace cmd;
    switch (id) {
        case FileOpen:
            return {QKeySequence(Qt::CTRL | Qt::Key_O)};
        case RecordCommit:
            return {QKeySequence(Qt::CTRL | Qt::Key_S)};
        case RecordFirst:
            return {QKeySequence(Qt::CTRL | Qt::Key_F)};
        case RecordPrev:
            return {QKeySequence(Qt::CTRL | Qt::Key_P)};
        case RecordNext:
            return {QKeySequence(Qt::CTRL | Qt::Key_N)};
        case RecordLast:
            return {QKeySequence(Qt::CTRL | Qt::Key_L)};
        case RecordRefresh:
            return {QKeySequence(Qt::CTRL | Qt::Key_R)};
        case RecordAdd:
            return {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)};
        case RecordCopy:
            return {QKeySequence(Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier |
                                 Qt::Key_Plus)};
        case RecordDelete:
            return {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)};
        case CalcBitterness:
            return {QKeySequence(Qt::CTRL | Qt::Key_I)};
        case GridDeleteIngredient:
            return {QKeySequence(Qt::CTRL | Qt::Key_D)};
        case GridShowMenu:
            return {QKeySequence(Qt::CTRL | Qt::Key_M)};
        case EditCopy:
            return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
        case EditCut:
            return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
        case EditPaste:
            return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
        case EditUndo:
            return {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)};
        case HelpCurrent:
            return {QKeySequence(Qt::Key_F1)};
        case HelpContextMode:
            return {QKeySequence(Qt::SHIFT | Qt::Key_F1)};
        default:
            return {};
    }
}

}  // namespace

CommandSet::CommandSet(QObject* parent) : QObject(parent) {}

QString CommandSet::promptOf(int id) {
    return catalogue(id).section(QLatin1Char('\n'), 0, 0);
}

QString CommandSet::tooltipOf(int id) {
    const QString text = catalogue(id);
    return text.contains(QLatin1Char('\n')) ? text.section(QLatin1Char('\n'), 1) : text;
}

QAction* CommandSet::action(int id) {
    auto it = m_actions.constFind(id);
    if (it != m_actions.constEnd()) {
        return *it;
    }
    auto* a = new QAction(this);
    a->setData(id);
    a->setStatusTip(promptOf(id));
    a->setToolTip(tooltipOf(id));
    const QList<QKeySequence> keys = keysOf(id);
    if (!keys.isEmpty()) {
        a->setShortcuts(keys);
    }
    a->setEnabled(false);
    m_actions.insert(id, a);
    return a;
}

void CommandSet::setHandler(int id, std::function<void()> handler) {
    clearHandler(id);
    QAction* a = action(id);
    m_handled.insert(id, connect(a, &QAction::triggered, this, [handler] { handler(); }));
    a->setEnabled(true);
}

void CommandSet::clearHandler(int id) {
    auto it = m_handled.find(id);
    if (it != m_handled.end()) {
        disconnect(*it);
        m_handled.erase(it);
    }
    action(id)->setEnabled(false);
}

}  // namespace mw::shell
