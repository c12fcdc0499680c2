#pragma once

#include <QtGlobal>

class QLineEdit;

namespace mw::recipe_form {

class RecordExchange;

// Reads a page's number fields into its record the way a transfer does:
// every field that converts is stored; the first that does not is refused
// by the exchange (its message, the focus on it), and later ones that do not
// convert keep their columns without a second message. Without an exchange
// nothing is ever refused aloud: the fields that convert are stored, the
// others left as they are.
class FieldReader {
public:
    explicit FieldReader(RecordExchange* exchange) : m_exchange(exchange) {}

    void read(QLineEdit* edit, qint32& value);
    void read(QLineEdit* edit, double& value);

    // True while every field read so far converted.
    bool ok() const { return m_ok; }

private:
    RecordExchange* m_exchange;
    bool m_ok = true;
};

}  // namespace mw::recipe_form
