#include "grid/cells.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>

namespace mw::grid {

QWidget* CGWCell::createEditor(QWidget* parent, const ColumnSettings&) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    return edit;
}

void CGWCell::setEditorText(QWidget* editor, const QString& text) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

QString CGWCell::editorText(QWidget* editor) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    return edit ? edit->text() : QString();
}

QWidget* CGWComboBoxCell::createEditor(QWidget* parent, const ColumnSettings& column) const {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(column.items);
    return box;
}

void CGWComboBoxCell::setEditorText(QWidget* editor, const QString& text) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int i = box->findText(text);
        if (i >= 0) {
            box->setCurrentIndex(i);
        } else if (box->isEditable()) {
            box->setEditText(text);
        }
    }
}

QString CGWComboBoxCell::editorText(QWidget* editor) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    return box ? box->currentText() : QString();
}

QWidget* CGWDropDownListCell::createEditor(QWidget* parent, const ColumnSettings& column) const {
    auto* box = new QComboBox(parent);
    box->addItems(column.items);
    return box;
}

QWidget* CGWFloatCell::createEditor(QWidget* parent, const ColumnSettings& column) const {
    // Any text can be typed; one that is not a number is refused with a
    // message when the edit is committed.
    auto* edit = static_cast<QLineEdit*>(CGWCell::createEditor(parent, column));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* CGWIntCell::createEditor(QWidget* parent, const ColumnSettings& column) const {
    auto* edit = static_cast<QLineEdit*>(CGWCell::createEditor(parent, column));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* CGWDateTimeCell::createEditor(QWidget* parent, const ColumnSettings&) const {
    auto* edit = new QDateEdit(parent);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

void CGWDateTimeCell::setEditorText(QWidget* editor, const QString& text) const {
    if (auto* edit = qobject_cast<QDateEdit*>(editor)) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        edit->setDate(date.isValid() ? date : QDate::currentDate());
    }
}

QString CGWDateTimeCell::editorText(QWidget* editor) const {
    auto* edit = qobject_cast<QDateEdit*>(editor);
    return edit ? edit->date().toString(Qt::ISODate) : QString();
}

QWidget* CGWSpinCell::createEditor(QWidget* parent, const ColumnSettings&) const {
    auto* spin = new QSpinBox(parent);
    spin->setRange(-999999, 999999);
    return spin;
}

void CGWSpinCell::setEditorText(QWidget* editor, const QString& text) const {
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        spin->setValue(text.toInt());
    }
}

QString CGWSpinCell::editorText(QWidget* editor) const {
    auto* spin = qobject_cast<QSpinBox*>(editor);
    return spin ? QString::number(spin->value()) : QString();
}

const CGWCell& cellOf(CellKind kind) {
    static const CGWEditCell edit;
    static const CGWComboBoxCell combo;
    static const CGWDropDownListCell dropDown;
    static const CGWCheckBoxCell check;
    static const CGWFloatCell number;
    static const CGWIntCell whole;
    static const CGWDateTimeCell date;
    static const CGWButtonCell button;
    static const CGWSpinCell spin;
    static const CGWHeadingCell heading;
    switch (kind) {
        case CellKind::ComboBox:
            return combo;
        case CellKind::DropDownList:
            return dropDown;
        case CellKind::CheckBox:
            return check;
        case CellKind::Float:
            return number;
        case CellKind::Int:
            return whole;
        case CellKind::DateTime:
            return date;
        case CellKind::Button:
            return button;
        case CellKind::Spin:
            return spin;
        case CellKind::Heading:
            return heading;
        case CellKind::Edit:
            break;
    }
    return edit;
}

}  // namespace mw::grid
