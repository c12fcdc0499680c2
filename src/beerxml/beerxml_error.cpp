#include "beerxml/beerxml_error.h"

#include "resources/message_catalogue.h"

namespace mw::beerxml {

QString catalogueText(int number, const QStringList& args) {
    const std::string_view pattern = mw::catalogueText(number);
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(args.size()));
    for (const QString& a : args) {
        values.push_back(a.toStdString());
    }
    std::string text(pattern);
    // One pass, left to right, as the catalogue formats every message.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return QString::fromStdString(out);
}

QString BeerXmlError::text() const {
    return catalogueText(m_message, m_args);
}

}  // namespace mw::beerxml
