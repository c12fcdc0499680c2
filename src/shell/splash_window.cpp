#include "shell/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "shell/pictures.h"

namespace mw::shell {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(splashPicture().deviceIndependentSize().toSize());
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowMs);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    qApp->installEventFilter(this);
}

void SplashWindow::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    m_timer.start();
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            if (isVisible()) {
                close();
            }
            break;
        default:
            break;
    }
    return false;
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, splashPicture());
}

}  // namespace mw::shell
