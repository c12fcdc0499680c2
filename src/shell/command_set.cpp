#include "shell/command_set.h"

#include <QKeySequence>
#include <QWidget>
#include <vector>

#include "resources/message_catalogue.h"
#include "shell/command_ids.h"
#include "storage/catalogue_string.h"

namespace mw::shell {

namespace {

QString catalogue(int id) {
    return catalogueHas(id) ? storage::catalogueString(id) : QString();
}

struct KeyBinding {
    int id;
    QList<QKeySequence> keys;
};

// The main accelerator table.
const std::vector<KeyBinding>& keyTable() {
    using namespace cmd;
    static const std::vector<KeyBinding> table = {
        {FileOpen, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {RecordCommit, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {RecordFirst, {QKeySequence(Qt::CTRL | Qt::Key_F)}},
        {RecordPrev, {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {RecordNext, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {RecordLast, {QKeySequence(Qt::CTRL | Qt::Key_L)}},
        {RecordRefresh, {QKeySequence(Qt::CTRL | Qt::Key_R)}},
        {RecordAdd, {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)}},
        {RecordCopy,
         {QKeySequence(Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier | Qt::Key_Plus)}},
        {RecordDelete, {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)}},
        {CalcBitterness, {QKeySequence(Qt::CTRL | Qt::Key_I)}},
        {GridDeleteIngredient, {QKeySequence(Qt::CTRL | Qt::Key_D)}},
        {GridShowMenu, {QKeySequence(Qt::CTRL | Qt::Key_M)}},
        {EditCopy, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {EditCut, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {EditPaste, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {EditUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {HelpCurrent, {QKeySequence(Qt::Key_F1)}},
        {HelpContextMode, {QKeySequence(Qt::SHIFT | Qt::Key_F1)}},
    };
    return table;
}

QList<QKeySequence> keysOf(int id) {
    for (const KeyBinding& binding : keyTable()) {
        if (binding.id == id) {
            return binding.keys;
        }
    }
    return {};
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
    a->setEnabled(false);
    describe(id, a);
    return a;
}

void CommandSet::adopt(int id, QAction* action) {
    Q_ASSERT(!m_actions.contains(id));
    describe(id, action);
}

void CommandSet::describe(int id, QAction* a) {
    a->setData(id);
    a->setStatusTip(promptOf(id));
    a->setToolTip(tooltipOf(id));
    const QList<QKeySequence> keys = keysOf(id);
    if (!keys.isEmpty()) {
        a->setShortcuts(keys);
    }
    m_actions.insert(id, a);
}

void CommandSet::attachKeys(QWidget* window) {
    for (const KeyBinding& binding : keyTable()) {
        window->addAction(action(binding.id));
    }
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
