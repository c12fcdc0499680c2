#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <optional>

namespace mw::shell {

// A text label with a colour of its own, bold and underline switches, a
// blinking mode, and a link mode in which a click opens the label's own text
// (a web or mail address) with the desktop's "open" action. Used for the
// calculation status and the About box's links.
class CColorStatic : public QLabel {
    Q_OBJECT

public:
    explicit CColorStatic(QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetTextColor(const QColor& color);
    // Back to the window-text colour of the palette.
    void SetDefaultTextColor();
    void SetBold(bool bold);
    void SetUnderline(bool underline);
    // On: the text toggles between shown and empty every 500 ms; off: shown.
    void SetBlink(bool blink);
    void SetLink(bool link);
    void SetLinkCursor(const QCursor& cursor);

    QColor textColor() const;
    bool isBold() const { return font().bold(); }
    bool isUnderline() const { return font().underline(); }
    bool isBlinking() const { return m_blinkTimer.isActive(); }
    bool isLink() const { return m_link; }

    // How a link is opened; the desktop's open action unless replaced (tests).
    using Opener = std::function<bool(const QString& address)>;
    void setOpener(Opener opener) { m_opener = std::move(opener); }

signals:
    // The desktop could not open the link's address.
    void openFailed(const QString& address);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyColor();

    std::optional<QColor> m_color;
    QString m_text;
    QTimer m_blinkTimer;
    bool m_blinkShown = true;
    bool m_link = false;
    Opener m_opener;
};

}  // namespace mw::shell
