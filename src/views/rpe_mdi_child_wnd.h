#pragma once

#include <QMdiSubWindow>
#include <QPointer>

namespace mw::views {

// The MDI child window a report preview lives in, titled "Maltwise
// Calculator Reports". It holds the engine's preview window; on every resize
// it first resizes as any child does, then makes the preview window fill its
// whole client area.
class CRPEMDIChildWnd : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CRPEMDIChildWnd(QWidget* parent = nullptr);

    // The client area the engine's window output goes into.
    QWidget* clientArea() const { return m_client; }
    void setPreviewWindow(QWidget* preview);
    QWidget* previewWindow() const { return m_preview; }

    static QString title();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillClientArea();

    QWidget* m_client;
    QPointer<QWidget> m_preview;
};

}  // namespace mw::views
