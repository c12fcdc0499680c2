#include "shell/edit_commands.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <functional>

#include "shell/command_ids.h"
#include "shell/command_set.h"

namespace mw::shell {

namespace {

// The edit box behind a focused widget: the widget itself, or the line edit
// of an editable combo box or a spin box.
QWidget* editBoxOf(QWidget* widget) {
    if (qobject_cast<QLineEdit*>(widget) != nullptr ||
        qobject_cast<QTextEdit*>(widget) != nullptr ||
        qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
        return widget;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->lineEdit();  // null unless the combo box is editable
    }
    if (qobject_cast<QAbstractSpinBox*>(widget) != nullptr) {
        return widget->findChild<QLineEdit*>();
    }
    return nullptr;
}

struct BoxState {
    bool selection = false;  // a selection that may leave the box
    bool writable = false;
    bool undo = false;
};

template <class TextBox>
BoxState textBoxState(const TextBox* box) {
    return {box->textCursor().hasSelection(), !box->isReadOnly(),
            !box->isReadOnly() && box->document()->isUndoAvailable()};
}

BoxState stateOf(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        // A password box never gives its text away.
        return {line->hasSelectedText() && line->echoMode() == QLineEdit::Normal,
                !line->isReadOnly(), line->isUndoAvailable()};
    }
    if (const auto* text = qobject_cast<const QTextEdit*>(box)) {
        return textBoxState(text);
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box)) {
        return textBoxState(plain);
    }
    return {};
}

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() && !data->text().isEmpty();
}

template <class TextBox>
void watchTextBox(TextBox* box, QObject* context, const std::function<void()>& update,
                  QList<QMetaObject::Connection>& connections) {
    connections << QObject::connect(box, &TextBox::selectionChanged, context, update)
                << QObject::connect(box, &TextBox::undoAvailable, context, update)
                << QObject::connect(box, &TextBox::textChanged, context, update);
}

}  // namespace

EditCommands::EditCommands(CommandSet& commands, QObject* parent)
    : QObject(parent), m_commands(commands) {
    using namespace cmd;
    const std::pair<int, const char*> operations[] = {
        {EditCut, "cut"}, {EditCopy, "copy"}, {EditPaste, "paste"}, {EditUndo, "undo"}};
    for (const auto& [id, operation] : operations) {
        m_commands.setHandler(id, [this, operation = operation] { run(operation); });
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditCommands::updateCommands);
    setTarget(editBoxOf(QApplication::focusWidget()));
}

void EditCommands::focusMoved(QWidget* now) {
    if (now == nullptr || now->window()->windowType() == Qt::Popup) {
        return;  // a menu opened, or the window lost the focus for a while
    }
    setTarget(editBoxOf(now));
}

void EditCommands::setTarget(QWidget* box) {
    if (box != m_target) {
        for (const QMetaObject::Connection& c : m_watching) {
            disconnect(c);
        }
        m_watching.clear();
        m_target = box;
        if (box != nullptr) {
            const std::function<void()> update = [this] { updateCommands(); };
            if (auto* line = qobject_cast<QLineEdit*>(box)) {
                m_watching << connect(line, &QLineEdit::selectionChanged, this, update)
                           << connect(line, &QLineEdit::textChanged, this, update);
            } else if (auto* text = qobject_cast<QTextEdit*>(box)) {
                watchTextBox(text, this, update, m_watching);
            } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
                watchTextBox(plain, this, update, m_watching);
            }
            m_watching << connect(box, &QObject::destroyed, this, [this] { setTarget(nullptr); });
        }
    }
    updateCommands();
}

void EditCommands::updateCommands() {
    const BoxState state = m_target ? stateOf(m_target) : BoxState{};
    const bool box = !m_target.isNull();
    m_commands.action(cmd::EditCut)->setEnabled(state.selection && state.writable);
    m_commands.action(cmd::EditCopy)->setEnabled(state.selection);
    m_commands.action(cmd::EditPaste)->setEnabled(box && state.writable && clipboardHasText());
    m_commands.action(cmd::EditUndo)->setEnabled(state.undo);
}

void EditCommands::run(const char* operation) {
    if (m_target) {
        QMetaObject::invokeMethod(m_target, operation);
    }
    updateCommands();
}

}  // namespace mw::shell
