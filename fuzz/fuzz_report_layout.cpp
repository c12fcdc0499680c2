// A report layout (".rpt") file.

#include "fuzz_support.h"
#include "reports/report_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw::reports;
    try {
        const ReportLayout layout = parseLayout(mw::fuzz::text(data, size));
        layout.mainColumns();
        layout.usesPredictions();
    } catch (const LayoutError&) {
    }
    return 0;
}
