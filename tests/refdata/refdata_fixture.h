#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "refdata/add_chg_dao.h"
#include "refdata/add_chg_toolbar.h"
#include "refdata/reference_dialogs.h"
#include "shell/shell_fixture.h"
#include "storage/database.h"
#include "storage/document_plus.h"
#include "storage/seed_data.h"
#include "storage/settings.h"

namespace mw::test {

// Settings, scripted message boxes and help in a temporary folder, and a
// data database made from the shipped seed data once per test class; each
// test works on a fresh copy of it.
class RefdataFixture : public ShellFixture {
public:
    RefdataFixture() : documents(*settings, prompts, &help) {
        m_seeded = path(QStringLiteral("seeded.mdb"));
        storage::createSeededDataDatabase(m_seeded);
    }

    // A fresh copy of the seeded data database, named in the settings.
    QString freshData() {
        const QString copy = path(QStringLiteral("data%1.mdb").arg(++m_copies));
        QFile::copy(m_seeded, copy);
        settings->setString(storage::Setting::DefaultDataFile, copy);
        m_data = copy;
        prompts.clear();
        return copy;
    }
    const QString& data() const { return m_data; }

    refdata::ReferenceDialogContext context() { return {documents, *settings, prompts, &help}; }

    // The table's dialog, loaded and shown as exec() would show it.
    std::unique_ptr<refdata::CAddChgDAO> open(const QString& table) {
        const refdata::ReferenceDialogKind* kind = refdata::referenceDialogKind(table);
        if (kind == nullptr) {
            return nullptr;
        }
        std::unique_ptr<refdata::CAddChgDAO> dialog = kind->make(context(), nullptr);
        if (!dialog->load()) {
            return nullptr;
        }
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return dialog;
    }

    // A value read straight from the data file, as another program would.
    QVariant query(const QString& sql, const QVariantList& values = {}) const {
        storage::Database db;
        db.open(m_data);
        auto result = db.exec(sql, values);
        return result.next() ? result.value(0) : QVariant();
    }
    void exec(const QString& sql, const QVariantList& values = {}) const {
        storage::Database db;
        db.open(m_data);
        db.exec(sql, values);
    }

    storage::CDocumentPlus documents;

private:
    QString m_seeded;
    QString m_data;
    int m_copies = 0;
};

// The user's hands on a dialog: keys, toolbar clicks and typing.
namespace keys {

inline void press(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != dialog) {
        target = dialog;
    }
    QTest::keyClick(target, key, modifiers);
}
inline void first(QWidget* d) {
    press(d, Qt::Key_F, Qt::ControlModifier);
}
inline void previous(QWidget* d) {
    press(d, Qt::Key_P, Qt::ControlModifier);
}
inline void next(QWidget* d) {
    press(d, Qt::Key_N, Qt::ControlModifier);
}
inline void last(QWidget* d) {
    press(d, Qt::Key_L, Qt::ControlModifier);
}
inline void add(QWidget* d) {
    press(d, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
}
inline void refresh(QWidget* d) {
    press(d, Qt::Key_R, Qt::ControlModifier);
}
inline void remove(QWidget* d) {
    press(d, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
}
inline void escape(QWidget* d) {
    press(d, Qt::Key_Escape, Qt::NoModifier);
}

// Clicks the toolbar button of a command.
inline void click(refdata::CAddChgDAO* dialog, refdata::CAddChgToolBar::Command command) {
    QAction* action = dialog->toolBar()->action(command);
    QWidget* button = dialog->toolBar()->widgetForAction(action);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace keys

inline QWidget* control(QWidget* dialog, const QString& column) {
    return dialog->findChild<QWidget*>(column);
}

// What a control shows: an edit's text, a list's choice, "1"/"0" for a
// check box, the chosen button's index for a radio group.
inline QString shown(QWidget* dialog, const QString& column) {
    QWidget* c = control(dialog, column);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        return edit->text();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(c)) {
        return memo->toPlainText();
    }
    if (auto* list = qobject_cast<QComboBox*>(c)) {
        return list->currentText();
    }
    if (auto* box = qobject_cast<QAbstractButton*>(c)) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
    for (int i = 0;; ++i) {
        auto* button = dialog->findChild<QAbstractButton*>(column + QString::number(i));
        if (button == nullptr) {
            return QString();
        }
        if (button->isChecked()) {
            return QString::number(i);
        }
    }
}

// Key presses for each character; letters beyond ASCII arrive as the text
// of a key the keyboard layout produced.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

// Types into a control as the user would: a text field is selected whole
// and typed over (an empty text deletes it), a drop-down list gets the
// choice by its text, a radio group the button of that index is clicked.
inline void enter(QWidget* dialog, const QString& column, const QString& text) {
    QWidget* c = control(dialog, column);
    if (auto* list = qobject_cast<QComboBox*>(c)) {
        if (text.isEmpty()) {
            return;  // a drop-down list cannot be emptied; a new record's starts so
        }
        list->setFocus();
        const int index = list->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        // Home, then Down to the entry, as the keyboard chooses in a closed list.
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        return;
    }
    if (qobject_cast<QLineEdit*>(c) == nullptr && qobject_cast<QPlainTextEdit*>(c) == nullptr) {
        auto* button = dialog->findChild<QAbstractButton*>(column + text);
        QVERIFY2(button != nullptr, qPrintable(column + text));
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    c->setFocus();
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(c, Qt::Key_Delete);
    } else {
        typeText(c, text);
    }
}

inline QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? QString() : w->objectName();
}

}  // namespace mw::test
