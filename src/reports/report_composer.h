#pragma once

#include <optional>

#include "reports/report_data.h"
#include "reports/report_document.h"
#include "reports/report_layout.h"

namespace mw::reports {

// Lays a report's records out into pages: the title and a rule on every
// page, "Page n of N" at the foot; a list repeats its column headings on
// every page and starts a group with its heading; a record layout starts
// each record on a new page with its heading, field blocks, paragraphs and
// subreports (their headings repeated, "(continued)", when they run over a
// page). Long texts wrap inside their column; a text longer than a page
// goes on over the next. `paper` replaces the layout's own paper.
ReportDocument composeReport(const ReportLayout& layout, const ReportData& data,
                             std::optional<PaperSize> paper = std::nullopt);

}  // namespace mw::reports
