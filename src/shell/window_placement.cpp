#include "shell/window_placement.h"

#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace mw::shell {

QString WindowPlacement::toText() const {
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(flags)
        .arg(showState)
        .arg(minX)
        .arg(minY)
        .arg(maxX)
        .arg(maxY)
        .arg(normal.left())
        .arg(normal.top())
        .arg(qint64(normal.right()) + 1)
        .arg(qint64(normal.bottom()) + 1);
}

std::optional<WindowPlacement> WindowPlacement::parse(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 10) {
        return std::nullopt;
    }
    int values[10];
    for (int i = 0; i < 10; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    if (values[0] < 0 || values[1] < 0) {
        return std::nullopt;  // the first two are unsigned
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(values[0]);
    p.showState = static_cast<unsigned>(values[1]);
    p.minX = values[2];
    p.minY = values[3];
    p.maxX = values[4];
    p.maxY = values[5];
    // Right and bottom are stored one past the last pixel; the least int has
    // no pixel before it.
    p.normal = QRect(QPoint(values[6], values[7]), QPoint(std::max(values[8], INT_MIN + 1) - 1,
                                                          std::max(values[9], INT_MIN + 1) - 1));
    return p;
}

WindowPlacement WindowPlacement::of(const QWidget& window) {
    WindowPlacement p;
    const bool maximized = window.isMaximized();
    p.flags = maximized ? kRestoreToMaximized : 0;
    p.showState = maximized ? Maximized : (window.isMinimized() ? Minimized : Normal);
    p.normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    return p;
}

void WindowPlacement::applyTo(QWidget& window) const {
    if (normal.isValid()) {
        window.setGeometry(normal);
    }
    switch (showState) {
        case Maximized:
            window.showMaximized();
            break;
        case Minimized:
            window.showMinimized();
            break;
        default:
            window.showNormal();
            break;
    }
}

}  // namespace mw::shell
