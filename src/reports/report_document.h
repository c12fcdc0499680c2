#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;
class QPainter;

namespace mw::reports {

// The text styles of a report, all in one family that has Latin, Greek and
// Cyrillic letters (DejaVu Sans); sizes follow the layout's font size.
enum class TextStyle { Body, Bold, Heading, Title, Small };

// One thing drawn on a page, in points (1/72 inch) from the page's top left.
struct DrawItem {
    enum class Kind { Text, Rule, Shade };
    Kind kind = Kind::Text;
    QRectF rect;  // Text: the line's box (its top and width); Rule: a line along the top edge
    QString text;
    TextStyle style = TextStyle::Body;
    bool alignRight = false;
};

struct ReportPage {
    QVector<DrawItem> items;
};

// A report laid out into pages, ready to be painted on any device.
struct ReportDocument {
    QString title;
    QPageLayout pageLayout;  // no margins: the pages carry their own
    double fontSize = 9.0;
    QVector<ReportPage> pages;

    // Every text of the report, page by page (tests and searching).
    QStringList texts() const;
};

// The font of a style for a device of `dpi` dots per inch whose painter is
// scaled to points, so that text measures the same in points everywhere.
QFont reportFont(TextStyle style, double fontSize, double dpi);

// Paints one page; the painter's coordinates are points.
void paintPage(const ReportDocument& document, int page, QPainter& painter, double deviceDpi);

// Paints every page onto a paged device (a PDF writer or a printer) whose
// page layout is set to the document's. False when the device cannot be
// painted on.
bool paintDocument(const ReportDocument& document, QPagedPaintDevice& device);

}  // namespace mw::reports
