#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace mw::shell {

// The program's own pictures, drawn rather than shipped: the toolbar
// buttons, the tip bulb, the splash, and the credits' picture lines.
QIcon commandIcon(int commandId);
QPixmap bulbPicture();
QPixmap splashPicture();
QIcon programIcon();
// A credits picture by name ("logo", "hops"); a null pixmap for a name the
// program has no picture of.
QPixmap creditsPicture(const QString& name);

}  // namespace mw::shell
