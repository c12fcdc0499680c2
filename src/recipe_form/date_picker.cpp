#include "recipe_form/date_picker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

namespace mw::recipe_form {

namespace {

// Month, day and year as the hints describe them: 99/99/9999.
const QString kDisplayFormat = QStringLiteral("MM/dd/yyyy");

}  // namespace

CDatePicker::CDatePicker(QWidget* parent)
    : QWidget(parent), m_check(new QCheckBox(this)), m_date(new QDateEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_date);
    layout->addStretch();
    m_date->setDisplayFormat(kDisplayFormat);
    m_date->setCalendarPopup(true);
    m_date->setDate(QDate::currentDate());
    m_date->setEnabled(false);
    setFocusProxy(m_check);
    connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
        m_date->setEnabled(on);
        emit changed();
    });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { emit changed(); });
}

void CDatePicker::setDateTime(const QDateTime& value) {
    m_shown = value;
    m_date->setDate(value.isValid() ? value.date() : QDate::currentDate());
    m_check->setChecked(value.isValid());
    m_date->setEnabled(value.isValid());
}

QDateTime CDatePicker::dateTime() const {
    if (!m_check->isChecked()) {
        return {};
    }
    const QDate date = m_date->date();
    if (m_shown.isValid() && m_shown.date() == date) {
        return m_shown;
    }
    return QDateTime(date, QTime(0, 0));
}

void CDatePicker::setFieldName(const QString& name) {
    m_check->setAccessibleName(name);
    m_date->setAccessibleName(name);
}

}  // namespace mw::recipe_form
