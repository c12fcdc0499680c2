#include "views/rpe_mdi_child_wnd.h"

#include <QEvent>

namespace mw::views {

CRPEMDIChildWnd::CRPEMDIChildWnd(QWidget* parent) : QMdiSubWindow(parent) {
    setObjectName(QStringLiteral("reportPreviewWindow"));
    setWindowTitle(title());
    setAttribute(Qt::WA_DeleteOnClose);
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("reportClientArea"));
    m_client->setAccessibleName(title());
    m_client->installEventFilter(this);
    setWidget(m_client);
}

QString CRPEMDIChildWnd::title() {
    return QStringLiteral("Maltwise Calculator Reports");
}

void CRPEMDIChildWnd::setPreviewWindow(QWidget* preview) {
    m_preview = preview;
    if (m_preview != nullptr) {
        m_preview->setParent(m_client);
        fillClientArea();
        m_preview->show();
    }
}

bool CRPEMDIChildWnd::eventFilter(QObject* watched, QEvent* event) {
    // The client area follows the child's size; the preview follows the
    // client area.
    if (watched == m_client && event->type() == QEvent::Resize) {
        fillClientArea();
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void CRPEMDIChildWnd::fillClientArea() {
    if (m_preview != nullptr) {
        m_preview->setGeometry(m_client->rect());
    }
}

}  // namespace mw::views
