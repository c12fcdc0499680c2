#include "refdata/record_fields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include "recipe_form/record_exchange.h"
#include "resources/number_text.h"
#include "shell/hint_balloon.h"
#include "storage/recordset.h"

namespace mw::refdata {

using recipe_form::RecordExchange;

RecordFields::RecordFields(PromptService& prompts, QObject* parent)
    : QObject(parent), m_prompts(prompts) {}

RecordFields::~RecordFields() = default;

QString RecordFields::numberText(double value, unsigned flags) {
    QString text = QString::fromStdString(fieldText(value));
    if ((flags & OneDecimal) != 0 && !text.contains(QLatin1Char('.')) &&
        !text.contains(QLatin1Char('e'))) {
        text += QStringLiteral(".0");
    }
    return text;
}

void RecordFields::setNull(void* column, bool isNull) {
    if (m_record != nullptr) {
        m_record->setFieldNull(column, isNull);
    }
}

bool RecordFields::isNull(const void* column) const {
    return m_record != nullptr && m_record->isFieldNull(column);
}

void RecordFields::add(Binding binding) {
    m_bindings.push_back(std::move(binding));
}

void RecordFields::userChange() {
    if (!m_filling) {
        emit changed();
    }
}

void RecordFields::text(QLineEdit* edit, QString& column, int hint, unsigned flags) {
    connect(edit, &QLineEdit::textChanged, this, &RecordFields::userChange);
    Binding b;
    b.show = [edit, &column] { edit->setText(column); };
    b.read = [this, edit, &column] {
        column = edit->text();
        setNull(&column, false);
        return true;
    };
    b.clear = [edit] { edit->clear(); };
    b.empty = [edit] { return edit->text().trimmed().isEmpty(); };
    b.setNew = [this, &column, flags] { setNull(&column, (flags & NotNullOnNew) == 0); };
    b.controls = {edit};
    b.hint = hint;
    b.flags = flags;
    add(std::move(b));
}

void RecordFields::text(QPlainTextEdit* edit, QString& column, int hint, unsigned flags) {
    connect(edit, &QPlainTextEdit::textChanged, this, &RecordFields::userChange);
    Binding b;
    b.show = [edit, &column] { edit->setPlainText(column); };
    b.read = [this, edit, &column] {
        column = edit->toPlainText();
        setNull(&column, false);
        return true;
    };
    b.clear = [edit] { edit->clear(); };
    b.empty = [edit] { return edit->toPlainText().trimmed().isEmpty(); };
    b.setNew = [this, &column, flags] { setNull(&column, (flags & NotNullOnNew) == 0); };
    b.controls = {edit};
    b.hint = hint;
    b.flags = flags;
    add(std::move(b));
}

void RecordFields::number(QLineEdit* edit, double& column, int hint, unsigned flags) {
    connect(edit, &QLineEdit::textChanged, this, &RecordFields::userChange);
    Binding b;
    b.show = [this, edit, &column, flags] {
        edit->setText(isNull(&column) ? QString() : numberText(column, flags));
    };
    b.read = [this, edit, &column] {
        if (edit->text().trimmed().isEmpty()) {
            setNull(&column, true);
            return true;
        }
        RecordExchange exchange(m_prompts);
        double value = 0.0;
        if (!exchange.read(edit, value)) {
            return false;
        }
        column = value;
        setNull(&column, false);
        return true;
    };
    b.clear = [edit] { edit->clear(); };
    b.empty = [edit] { return edit->text().trimmed().isEmpty(); };
    b.setNew = [this, &column] { setNull(&column, true); };
    b.controls = {edit};
    b.hint = hint;
    b.flags = flags;
    add(std::move(b));
}

void RecordFields::choice(QComboBox* list, QString& column, int hint, unsigned flags) {
    connect(list, &QComboBox::currentIndexChanged, this, &RecordFields::userChange);
    Binding b;
    b.show = [list, &column] {
        int index = column.isEmpty() ? -1 : list->findText(column);
        if (index < 0 && !column.isEmpty()) {
            list->addItem(column);
            index = list->count() - 1;
        }
        list->setCurrentIndex(index);
    };
    b.read = [this, list, &column] {
        column = list->currentIndex() < 0 ? QString() : list->currentText();
        setNull(&column, list->currentIndex() < 0);
        return true;
    };
    b.clear = [list] { list->setCurrentIndex(-1); };
    b.empty = [list] {
        return list->currentIndex() < 0 || list->currentText().trimmed().isEmpty();
    };
    b.setNew = [this, &column, flags] { setNull(&column, (flags & NotNullOnNew) == 0); };
    b.controls = {list};
    b.hint = hint;
    b.flags = flags;
    add(std::move(b));
}

void RecordFields::check(QAbstractButton* box, bool& column, int hint) {
    connect(box, &QAbstractButton::clicked, this, &RecordFields::userChange);
    Binding b;
    b.show = [box, &column] { box->setChecked(column); };
    b.read = [this, box, &column] {
        column = box->isChecked();
        setNull(&column, false);
        return true;
    };
    b.clear = [box] { box->setChecked(false); };
    b.empty = [] { return false; };
    b.setNew = [this, &column] { setNull(&column, true); };
    b.controls = {box};
    b.hint = hint;
    add(std::move(b));
}

void RecordFields::radio(const QList<QAbstractButton*>& group, qint32& column, int hint) {
    Binding b;
    for (QAbstractButton* button : group) {
        connect(button, &QAbstractButton::clicked, this, &RecordFields::userChange);
        b.controls << button;
    }
    b.show = [this, group, &column] {
        RecordExchange::showRadio(group, isNull(&column) ? -1 : column);
    };
    b.read = [this, group, &column] {
        const int index = RecordExchange::radioIndex(group);
        column = index < 0 ? 0 : index;
        setNull(&column, index < 0);
        return true;
    };
    b.clear = [group] { RecordExchange::showRadio(group, -1); };
    b.empty = [group] { return RecordExchange::radioIndex(group) < 0; };
    b.setNew = [this, &column] { setNull(&column, true); };
    b.hint = hint;
    add(std::move(b));
}

void RecordFields::show() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    for (const Binding& b : m_bindings) {
        b.show();
    }
}

bool RecordFields::read() {
    for (const Binding& b : m_bindings) {
        if (!b.read()) {
            return false;
        }
    }
    return true;
}

void RecordFields::clear() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    for (const Binding& b : m_bindings) {
        b.clear();
    }
}

QWidget* RecordFields::firstEmptyRequired() const {
    for (const Binding& b : m_bindings) {
        if ((b.flags & Required) != 0 && b.empty()) {
            return b.controls.value(0);
        }
    }
    return nullptr;
}

void RecordFields::setNewRecordDefaults() {
    for (const Binding& b : m_bindings) {
        b.setNew();
    }
}

void RecordFields::attachHints(shell::CHintBalloon& hints) const {
    for (const Binding& b : m_bindings) {
        if (b.hint == 0) {
            continue;
        }
        for (QWidget* control : b.controls) {
            hints.AddTool(control, b.hint);
        }
    }
}

void RecordFields::setControlsEnabled(bool enabled) {
    for (const Binding& b : m_bindings) {
        for (QWidget* control : b.controls) {
            control->setEnabled(enabled);
        }
    }
}

QWidget* RecordFields::firstControl() const {
    return m_bindings.empty() ? nullptr : m_bindings.front().controls.value(0);
}

}  // namespace mw::refdata
