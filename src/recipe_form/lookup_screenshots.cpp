#include "recipe_form/lookup_screenshots.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "recipe_form/ingredient_lookups.h"

namespace mw::recipe_form {

namespace {

void save(CLookupDlg& lookup, const QString& folder, const QString& kind) {
    const QString path = QDir(folder).filePath(QStringLiteral("lookup-%1.png").arg(kind));
    if (!lookup.load()) {
        std::printf("FAILED %s\n", qPrintable(path));
        return;
    }
    lookup.show();
    QApplication::processEvents();
    const bool ok = lookup.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    lookup.hide();
}

}  // namespace

void renderLookupScreenshots(const QString& folder, storage::Settings& settings,
                             PromptService& prompts) {
    QDir().mkpath(folder);
    {
        CLookupAdjunct adjunct(settings, prompts, nullptr);
        save(adjunct, folder, QStringLiteral("adjunct"));
    }
    {
        CLookupAdjunct priming(settings, prompts, nullptr);
        priming.setPriming(true);
        save(priming, folder, QStringLiteral("adjunct-priming"));
    }
    {
        CLookupExtract extract(settings, prompts, nullptr);
        save(extract, folder, QStringLiteral("extract"));
    }
    {
        CLookupGrain grain(settings, prompts, nullptr);
        save(grain, folder, QStringLiteral("grain"));
    }
    {
        CLookupHop hop(settings, prompts, nullptr);
        save(hop, folder, QStringLiteral("hop"));
    }
    {
        CLookupKit kit(settings, prompts, nullptr);
        save(kit, folder, QStringLiteral("kit"));
    }
    {
        CLookupYeast yeast(settings, prompts, nullptr);
        save(yeast, folder, QStringLiteral("yeast"));
    }
}

}  // namespace mw::recipe_form
