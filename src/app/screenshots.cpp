#include "screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "window_tour.h"

namespace mw::app {

int renderScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    const bool ok = tourWindows([&folder](QWidget& window, const QString& name) {
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        bool saved = window.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        // The ingredient sheets also as a 192 DPI (200 %) screen draws them,
        // to see that headings and cells still fit.
        if (name.startsWith(QLatin1String("grid-")) && !name.endsWith(QLatin1String("menu"))) {
            const QString large = QDir(folder).filePath(name + QStringLiteral("-192dpi.png"));
            QPixmap pixmap(window.size() * 2);
            pixmap.setDevicePixelRatio(2.0);
            window.render(&pixmap);
            const bool savedLarge = pixmap.save(large);
            std::printf("%s %s\n", savedLarge ? "wrote" : "FAILED", qPrintable(large));
            saved = saved && savedLarge;
        }
        return saved;
    });
    return ok ? 0 : 1;
}

}  // namespace mw::app
