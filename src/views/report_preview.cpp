#include "views/report_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "reports/report_document.h"
#include "reports/report_failure.h"

namespace mw::views {

namespace {
constexpr int kGap = 12;  // pixels around and between the pages
constexpr double kZoomStep = 1.25;
}  // namespace

// The sheet the pages are drawn on, inside the scroll area.
class CReportPreview::Pages : public QWidget {
public:
    Pages(const reports::ReportDocument& document, QWidget* parent)
        : QWidget(parent), m_document(document) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAccessibleName(document.title);
    }

    // Pixels per point.
    void setScale(double scale) {
        m_scale = scale;
        const QSizeF page = pagePoints() * m_scale;
        const int count = static_cast<int>(m_document.pages.size());
        resize(qCeil(page.width()) + 2 * kGap, count * (qCeil(page.height()) + kGap) + kGap);
        update();
    }
    double scale() const { return m_scale; }
    QSizeF pagePoints() const { return m_document.pageLayout.fullRectPoints().size(); }
    int pageTop(int index) const {
        return kGap + index * (qCeil(pagePoints().height() * m_scale) + kGap);
    }
    int pageAt(int y) const {
        const int step = qCeil(pagePoints().height() * m_scale) + kGap;
        return std::clamp((y - kGap / 2) / std::max(step, 1), 0,
                          std::max(0, static_cast<int>(m_document.pages.size()) - 1));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        const QSizeF page = pagePoints() * m_scale;
        for (int i = 0; i < m_document.pages.size(); ++i) {
            const QRect box(kGap, pageTop(i), qCeil(page.width()), qCeil(page.height()));
            if (!box.intersects(event->rect())) {
                continue;
            }
            painter.fillRect(box, Qt::white);
            painter.save();
            painter.setClipRect(box);
            painter.translate(box.topLeft());
            painter.scale(m_scale, m_scale);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            // Fonts are sized for this widget's own resolution.
            reports::paintPage(m_document, i, painter, logicalDpiX());
            painter.restore();
        }
    }

private:
    const reports::ReportDocument& m_document;
    double m_scale = 1.0;
};

CReportPreview::CReportPreview(std::shared_ptr<const reports::ReportDocument> document,
                               QWidget* parent)
    : QWidget(parent), m_document(std::move(document)) {
    setObjectName(QStringLiteral("reportPreview"));
    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoRaise(true);
        return b;
    };
    m_previous = button(QStringLiteral("Previous Page"), "previewPrevious");
    m_next = button(QStringLiteral("Next Page"), "previewNext");
    m_zoomIn = button(QStringLiteral("Zoom In"), "previewZoomIn");
    m_zoomOut = button(QStringLiteral("Zoom Out"), "previewZoomOut");
    m_fitWidth = button(QStringLiteral("Fit Width"), "previewFitWidth");
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("previewPage"));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("previewPages"));
    m_scroll->setAccessibleName(m_document->title);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_pages = new Pages(*m_document, m_scroll);
    m_scroll->setWidget(m_pages);
    m_scroll->setWidgetResizable(false);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_previous, m_next, m_zoomIn, m_zoomOut, m_fitWidth}) {
        bar->addWidget(w);
    }
    bar->addStretch();
    bar->addWidget(m_pageLabel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_previous, &QToolButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(m_zoomIn, &QToolButton::clicked, this,
            [this] { setZoom(m_pages->scale() * kZoomStep); });
    connect(m_zoomOut, &QToolButton::clicked, this,
            [this] { setZoom(m_pages->scale() / kZoomStep); });
    connect(m_fitWidth, &QToolButton::clicked, this, [this] { setZoom(0.0); });
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CReportPreview::updatePageLabel);
    m_scroll->viewport()->installEventFilter(this);
    setZoom(0.0);
}

CReportPreview::~CReportPreview() = default;

int CReportPreview::pageCount() const {
    return static_cast<int>(m_document->pages.size());
}

int CReportPreview::currentPage() const {
    return m_pages->pageAt(m_scroll->verticalScrollBar()->value()) + 1;
}

void CReportPreview::showPage(int page) {
    const int index = std::clamp(page, 1, std::max(1, pageCount())) - 1;
    m_scroll->verticalScrollBar()->setValue(m_pages->pageTop(index) - kGap / 2);
    updatePageLabel();
}

void CReportPreview::setZoom(double zoom) {
    m_zoom = zoom;
    double scale = zoom;
    if (zoom <= 0.0) {
        const double width = m_scroll->viewport()->width() - 2 * kGap;
        scale = std::max(0.2, width / m_pages->pagePoints().width());
    }
    m_pages->setScale(std::clamp(scale, 0.2, 6.0));
    updatePageLabel();
}

bool CReportPreview::eventFilter(QObject* watched, QEvent* event) {
    // Fitted to the width, the pages follow the window's width.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom <= 0.0) {
        setZoom(0.0);
    }
    return QWidget::eventFilter(watched, event);
}

void CReportPreview::updatePageLabel() {
    m_pageLabel->setText(reports::reportText(
        reports::text::kPageOf, {QString::number(currentPage()), QString::number(pageCount())}));
    m_previous->setEnabled(currentPage() > 1);
    m_next->setEnabled(currentPage() < pageCount());
}

}  // namespace mw::views
