#include "screenshots.h"

#include <QDir>
#include <QWidget>
#include <cstdio>

#include "window_tour.h"

namespace mw::app {

int renderScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    const bool ok = tourWindows([&folder](QWidget& window, const QString& name) {
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        const bool saved = window.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        return saved;
    });
    return ok ? 0 : 1;
}

}  // namespace mw::app
