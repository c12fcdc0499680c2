#pragma once

// Checks of a window as assistive technology meets it: every control a user
// operates must say what it is. Header-only; any widget test can use it.
//
//     QCOMPARE(mw::test::unnamedControls(&dialog), QStringList());

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMetaEnum>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace mw::test {

// Roles of the controls a user types into, presses, picks from or moves.
// Menu items are left out: their texts are their names and menus are
// checked where they are built.
inline bool isInteractiveRole(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::PageTab:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
            return true;
        default:
            return false;
    }
}

// "QLineEdit 'weight' in QGroupBox 'units' in COGCalcDlg 'gravityCalculator'".
inline QString describeObject(const QObject* object) {
    if (object == nullptr) {
        return QStringLiteral("(no object)");
    }
    QStringList chain;
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
        chain << QStringLiteral("%1 '%2'").arg(QLatin1String(o->metaObject()->className()),
                                               o->objectName());
    }
    return chain.join(QStringLiteral(" in "));
}

namespace detail {

inline void collectUnnamed(QAccessibleInterface* node, QSet<QAccessibleInterface*>& seen,
                           QStringList& problems) {
    if (node == nullptr || !node->isValid() || seen.contains(node)) {
        return;
    }
    seen.insert(node);
    if (node->state().invisible) {
        return;  // nor anything inside it
    }
    const QAccessible::Role role = node->role();
    if (isInteractiveRole(role) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const char* roleName = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
        problems << QStringLiteral("no accessible name: %1, %2")
                        .arg(QLatin1String(roleName ? roleName : "role"),
                             describeObject(node->object()));
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collectUnnamed(node->child(i), seen, problems);
    }
}

// The letter after the single '&' of a caption, lower-cased; empty for none.
inline QString mnemonicOf(const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? QString() : key.toString(QKeySequence::PortableText).toLower();
}

}  // namespace detail

// One line for each visible interactive control in `window`'s accessibility
// tree whose accessible name is empty; an empty list when all are named.
inline QStringList unnamedControls(QWidget* window) {
    QStringList problems;
    QSet<QAccessibleInterface*> seen;
    detail::collectUnnamed(QAccessible::queryAccessibleInterface(window), seen, problems);
    return problems;
}

// One line for each access key (Alt+letter) that more than one visible
// caption of `window` claims: buttons, group boxes and labels with a buddy.
inline QStringList mnemonicClashes(QWidget* window) {
    QMap<QString, QStringList> owners;
    const auto claim = [&owners](const QString& caption, const QObject* owner) {
        const QString key = detail::mnemonicOf(caption);
        if (!key.isEmpty()) {
            owners[key] << describeObject(owner);
        }
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window)) {
            claim(button->text(), button);
        }
    }
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (box->isVisibleTo(window)) {
            claim(box->title(), box);
        }
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && label->buddy() != nullptr) {
            claim(label->text(), label);
        }
    }
    QStringList problems;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1) {
            problems << QStringLiteral("access key %1 used by: %2")
                            .arg(it.key(), it.value().join(QStringLiteral("; ")));
        }
    }
    return problems;
}

}  // namespace mw::test
