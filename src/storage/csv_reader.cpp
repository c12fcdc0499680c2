#include "storage/csv_reader.h"

namespace mw::storage {

std::vector<QStringList> parseCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quotedField = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        record << field;
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!(record.size() == 1 && record.front().isEmpty())) {
            records.push_back(record);
        }
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quotedField) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quotedField = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quotedField = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !record.isEmpty()) {
        endRecord();
    }
    return records;
}

}  // namespace mw::storage
