#include "reports/report_document.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>

namespace mw::reports {

QStringList ReportDocument::texts() const {
    QStringList all;
    for (const ReportPage& page : pages) {
        for (const DrawItem& item : page.items) {
            if (item.kind == DrawItem::Kind::Text) {
                all.append(item.text);
            }
        }
    }
    return all;
}

QFont reportFont(TextStyle style, double fontSize, double dpi) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    double size = fontSize;
    switch (style) {
        case TextStyle::Body:
            break;
        case TextStyle::Bold:
            font.setBold(true);
            break;
        case TextStyle::Heading:
            font.setBold(true);
            size = fontSize + 2;
            break;
        case TextStyle::Title:
            font.setBold(true);
            size = fontSize + 7;
            break;
        case TextStyle::Small:
            size = fontSize - 1;
            break;
    }
    // The painter is scaled from points to device dots, which the font's own
    // size would count a second time.
    font.setPointSizeF(size * 72.0 / dpi);
    return font;
}

void paintPage(const ReportDocument& document, int page, QPainter& painter, double deviceDpi) {
    if (page < 0 || page >= document.pages.size()) {
        return;
    }
    // Fonts and their measures once a page: a long list draws many
    // thousands of texts.
    QFont fonts[5];
    std::optional<QFontMetricsF> metrics[5];
    for (int s = 0; s < 5; ++s) {
        fonts[s] = reportFont(static_cast<TextStyle>(s), document.fontSize, deviceDpi);
    }
    painter.save();
    painter.setPen(QPen(Qt::black, 0.5));
    int current = -1;
    for (const DrawItem& item : document.pages[page].items) {
        switch (item.kind) {
            case DrawItem::Kind::Shade: {
                const int grey = item.text.toInt();
                painter.fillRect(item.rect, QColor(grey, grey, grey));
                break;
            }
            case DrawItem::Kind::Rule:
                painter.drawLine(item.rect.topLeft(), item.rect.topRight());
                break;
            case DrawItem::Kind::Text: {
                const int style = static_cast<int>(item.style);
                if (style != current) {
                    painter.setFont(fonts[style]);
                    current = style;
                }
                if (!metrics[style]) {
                    metrics[style].emplace(fonts[style], painter.device());
                }
                const QFontMetricsF& fm = *metrics[style];
                double x = item.rect.left();
                if (item.alignRight) {
                    x = item.rect.right() - fm.horizontalAdvance(item.text);
                }
                painter.drawText(QPointF(x, item.rect.top() + fm.ascent()), item.text);
                break;
            }
        }
    }
    painter.restore();
}

bool paintDocument(const ReportDocument& document, QPagedPaintDevice& device) {
    device.setPageLayout(document.pageLayout);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double dpi = device.logicalDpiX();
    painter.scale(dpi / 72.0, device.logicalDpiY() / 72.0);
    for (int i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(document, i, painter, dpi);
    }
    return painter.end();
}

}  // namespace mw::reports
