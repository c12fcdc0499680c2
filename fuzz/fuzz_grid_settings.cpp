// A ".gws" grid settings file: read, written back and read again, and every
// float column showing a number with its decimals.

#include "fuzz_support.h"
#include "grid/grid_settings.h"
#include "grid/sheet_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw::grid;
    const GridSettingsRead read = parseGridSettings(mw::fuzz::text(data, size));
    if (!read.settings) {
        return 0;
    }
    parseGridSettings(writeGridSettings(*read.settings));
    for (const SheetSettings& sheet : read.settings->sheets) {
        CGWSheetModel model(sheet, true);
        for (int column = 0; column < model.columnCount(); ++column) {
            model.setData(model.index(0, column), QStringLiteral("1.048"), Qt::EditRole);
            model.data(model.index(0, column), Qt::DisplayRole);
        }
    }
    return 0;
}
