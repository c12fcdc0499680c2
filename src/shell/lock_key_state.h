#pragma once

#include <optional>

namespace mw::shell {

// The keyboard's lock lights as the window system holds them, so they are
// right even for a lock switched on before the program started. A light
// that cannot be asked (no X11 keyboard extension: offscreen, Wayland) is
// unknown rather than guessed.
struct LockKeyState {
    std::optional<bool> capsLock;
    std::optional<bool> numLock;
    std::optional<bool> scrollLock;
};

LockKeyState readLockKeyState();

}  // namespace mw::shell
