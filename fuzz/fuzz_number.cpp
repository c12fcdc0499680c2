// The numbers typed into cells and calculator fields: read as the grid and
// the fields read them, written back as the dialogs and reports write them.
// A first line that starts with '%' is a format to write with; any other is
// the decimals of the float column the text is typed into.

#include "fuzz_support.h"
#include "grid/sheet_model.h"
#include "resources/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw;
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string typed = fuzz::text(data, size).toStdString();  // as a cell hands it on
    for (const std::string& s : {raw, typed}) {
        leadingNumber(s);
        leadingNumberIfAny(s);
        leadingInteger(s);
        parseInteger(s);
        if (const std::optional<double> value = parseNumber(s)) {
            fieldText(*value);
            for (int format : {191, 192, 193, 194, 214}) {
                formatNumber(format, *value);
            }
        }
    }
    const std::size_t lineEnd = raw.find('\n');
    if (lineEnd == std::string::npos) {
        return 0;
    }
    const std::string head = raw.substr(0, lineEnd);
    const QString cell = fuzz::text(data + lineEnd + 1, size - lineEnd - 1);
    if (!head.empty() && head.front() == '%') {
        formatNumber(head, leadingNumber(cell.toStdString()));
    } else {
        // A float column whose settings give the first line as its decimals.
        const grid::GridSettingsRead read = grid::parseGridSettings(
            QStringLiteral("sheet \"S\"\ncolumn \"Amount\" float 5 decimals=") +
            QString::fromStdString(head));
        if (read.settings) {
            grid::CGWSheetModel model(read.settings->sheets.front(), true);
            model.setData(model.index(0, 0), cell, Qt::EditRole);
            model.data(model.index(0, 0), Qt::DisplayRole);
        }
    }
    return 0;
}
