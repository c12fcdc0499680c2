#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "window_tour.h"

namespace mw::app {

namespace {

// On a high-resolution screen (a scale factor above 1, QT_SCALE_FACTOR=2)
// only these windows are saved, under names of their own, to see texts and
// pictures drawn at twice the size: the main window and the recipe form's
// Ingredients page.
QString hiDpiName(const QString& name) {
    if (name == QLatin1String("main-window")) {
        return QStringLiteral("hidpi-main-window");
    }
    if (name == QLatin1String("recipe-form-ingredients")) {
        return QStringLiteral("hidpi-recipe-form");
    }
    return QString();
}

}  // namespace

int renderScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    const bool hiDpi = qApp->devicePixelRatio() > 1.0;
    const bool ok = tourWindows([&folder, hiDpi](QWidget& window, const QString& name) {
        if (hiDpi) {
            const QString saveAs = hiDpiName(name);
            if (saveAs.isEmpty()) {
                return true;
            }
            const QString path = QDir(folder).filePath(saveAs + QStringLiteral(".png"));
            const bool saved = window.grab().save(path);
            std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
            return saved;
        }
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
