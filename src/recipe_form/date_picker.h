#pragma once

#include <QDateTime>
#include <QWidget>

class QCheckBox;
class QDateEdit;

namespace mw::recipe_form {

// A date that may be empty: a check box and a date field. Unchecked, the
// date is empty (an invalid QDateTime, a null column) and the field is
// greyed; checking the box offers the date it shows, which is today's date
// for a date that was empty when it was shown.
class CDatePicker : public QWidget {
    Q_OBJECT

public:
    explicit CDatePicker(QWidget* parent = nullptr);

    // An invalid value shows today's date, unchecked. The time of a valid
    // value is kept and handed back while its date is not changed.
    void setDateTime(const QDateTime& value);
    // Invalid while unchecked.
    QDateTime dateTime() const;

    // The name screen readers and messages give both parts.
    void setFieldName(const QString& name);

    QCheckBox* checkBox() const { return m_check; }
    QDateEdit* dateEdit() const { return m_date; }

signals:
    // The box was checked or unchecked, or the date changed.
    void changed();

private:
    QCheckBox* m_check;
    QDateEdit* m_date;
    QDateTime m_shown;
};

}  // namespace mw::recipe_form
