#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;

namespace mw::reports {
struct ReportDocument;
}

namespace mw::views {

// The preview window of a report: its pages one below the other, each drawn
// when it comes into view, fitted to the window's width or zoomed, with the
// page that shows named in the bar above them.
class CReportPreview : public QWidget {
    Q_OBJECT

public:
    explicit CReportPreview(std::shared_ptr<const reports::ReportDocument> document,
                            QWidget* parent = nullptr);
    ~CReportPreview() override;

    const reports::ReportDocument& document() const { return *m_document; }
    int pageCount() const;
    // The page at the top of the view, from 1.
    int currentPage() const;
    void showPage(int page);
    // 0 fits the page width to the window; otherwise dots per point.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Pages;
    void updatePageLabel();

    std::shared_ptr<const reports::ReportDocument> m_document;
    QScrollArea* m_scroll;
    Pages* m_pages;
    QLabel* m_pageLabel;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_zoomIn;
    QToolButton* m_zoomOut;
    QToolButton* m_fitWidth;
    double m_zoom = 0.0;
};

}  // namespace mw::views
