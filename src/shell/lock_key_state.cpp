#include "shell/lock_key_state.h"

#include <QGuiApplication>

#if MW_HAVE_X11 && QT_FEATURE_xcb == 1
#define MW_READ_X11_LOCKS 1
#include <QtGui/qguiapplication_platform.h>
// Xlib's macros (KeyPress, None, Bool ...) stay in this file.
#include <X11/XKBlib.h>
#endif

namespace mw::shell {

#if MW_READ_X11_LOCKS
namespace {

std::optional<bool> namedIndicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) {
        return std::nullopt;
    }
    int index = 0;
    Bool on = False;
    Bool real = False;
    if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, &real)) {
        return std::nullopt;
    }
    return on != False;
}

}  // namespace
#endif

LockKeyState readLockKeyState() {
    LockKeyState state;
#if MW_READ_X11_LOCKS
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return state;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (display == nullptr ||
        !XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        return state;
    }
    state.capsLock = namedIndicator(display, "Caps Lock");
    state.numLock = namedIndicator(display, "Num Lock");
    state.scrollLock = namedIndicator(display, "Scroll Lock");
#endif
    return state;
}

}  // namespace mw::shell
