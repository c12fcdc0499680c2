#pragma once

#include <QRect>
#include <QString>
#include <optional>

class QWidget;

namespace mw::shell {

// The main window's placement as it is stored in "WindowPos": flags, show
// state, minimized position x and y, maximized position x and y, and the
// normal rectangle's left, top, right and bottom, written as ten numbers.
struct WindowPlacement {
    enum ShowState { Normal = 1, Minimized = 2, Maximized = 3 };
    // Restore to maximized after being minimized.
    static constexpr unsigned kRestoreToMaximized = 2;

    unsigned flags = 0;
    unsigned showState = Normal;
    int minX = -1, minY = -1;
    int maxX = -1, maxY = -1;
    QRect normal;

    QString toText() const;
    // Exactly ten numbers, or nothing.
    static std::optional<WindowPlacement> parse(const QString& text);

    // The placement of a shown window, and placing a window by one.
    static WindowPlacement of(const QWidget& window);
    void applyTo(QWidget& window) const;
};

}  // namespace mw::shell
