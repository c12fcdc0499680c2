#include "reports/report_failure.h"

#include "resources/message_catalogue.h"

namespace mw::reports {

QString reportText(int number, std::initializer_list<QString> args) {
    const std::string_view pattern = catalogueText(number);
    const QString text = QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size()));
    // One pass, left to right: a replacement is never scanned again.
    QString out;
    out.reserve(text.size() + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int digit = text[i + 1].digitValue();
            if (digit >= 1 && static_cast<std::size_t>(digit) <= args.size()) {
                out += *(args.begin() + (digit - 1));
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void fail(int code, std::initializer_list<QString> args) {
    throw ReportFailure{code, reportText(code, args)};
}

}  // namespace mw::reports
