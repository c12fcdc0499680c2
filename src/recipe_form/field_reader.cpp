#include "recipe_form/field_reader.h"

#include <QLineEdit>

#include "recipe_form/record_exchange.h"
#include "resources/number_text.h"

namespace mw::recipe_form {

void FieldReader::read(QLineEdit* edit, qint32& value) {
    if (m_ok && m_exchange != nullptr) {
        m_ok = m_exchange->read(edit, value);
        return;
    }
    if (const std::optional<int> number = parseInteger(edit->text().toStdString())) {
        value = *number;
    } else {
        m_ok = false;
    }
}

void FieldReader::read(QLineEdit* edit, double& value) {
    if (m_ok && m_exchange != nullptr) {
        m_ok = m_exchange->read(edit, value);
        return;
    }
    if (const std::optional<double> number = parseNumber(edit->text().toStdString())) {
        value = *number;
    } else {
        m_ok = false;
    }
}

}  // namespace mw::recipe_form
