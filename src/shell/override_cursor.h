#pragma once

#include <QGuiApplication>

namespace mw::shell {

// A cursor over the whole program for as long as it lives: the wait cursor
// while something slow runs, the arrow over a message shown meanwhile.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor) {
        QGuiApplication::setOverrideCursor(shape);
    }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

}  // namespace mw::shell
