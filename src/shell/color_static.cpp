#include "shell/color_static.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace mw::shell {

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    m_blinkTimer.setInterval(500);
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] {
        m_blinkShown = !m_blinkShown;
        QLabel::setText(m_blinkShown ? m_text : QString());
    });
    m_opener = [](const QString& address) {
        return QDesktopServices::openUrl(QUrl::fromUserInput(address));
    };
}

void CColorStatic::SetText(const QString& text) {
    m_text = text;
    QLabel::setText(!isBlinking() || m_blinkShown ? text : QString());
}

void CColorStatic::applyColor() {
    QPalette p = palette();
    p.setColor(
        QPalette::WindowText,
        m_color.value_or(parentWidget() ? parentWidget()->palette().color(QPalette::WindowText)
                                        : QPalette().color(QPalette::WindowText)));
    setPalette(p);
    update();
}

void CColorStatic::SetTextColor(const QColor& color) {
    m_color = color;
    applyColor();
    repaint();
}

void CColorStatic::SetDefaultTextColor() {
    m_color.reset();
    applyColor();
}

QColor CColorStatic::textColor() const {
    return palette().color(QPalette::WindowText);
}

void CColorStatic::SetBold(bool bold) {
    QFont f = font();
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    setFont(f);
}

void CColorStatic::SetUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void CColorStatic::SetBlink(bool blink) {
    if (blink) {
        m_blinkShown = true;
        m_blinkTimer.start();
    } else {
        m_blinkTimer.stop();
        m_blinkShown = true;
        QLabel::setText(m_text);
    }
}

void CColorStatic::SetLink(bool link) {
    m_link = link;
}

void CColorStatic::SetLinkCursor(const QCursor& cursor) {
    setCursor(cursor);
}

void CColorStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (m_link && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        if (!m_opener(m_text)) {
            emit openFailed(m_text);
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace mw::shell
