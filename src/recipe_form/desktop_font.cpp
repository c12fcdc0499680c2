#include "recipe_form/desktop_font.h"

#include <QStringList>

namespace mw::recipe_form {

QFont desktopFont(const QString& family, int points) {
    QStringList families{family};
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        families << QStringLiteral("Liberation Sans");
    } else if (family.startsWith(QLatin1String("MS San"), Qt::CaseInsensitive)) {
        // The old bitmap face, spelt with and without its last "s".
        families << QStringLiteral("MS Sans Serif");
    }
    families << QStringLiteral("DejaVu Sans");
    families.removeDuplicates();
    QFont font;
    font.setFamilies(families);
    if (points > 0) {
        font.setPointSize(points);
    }
    return font;
}

}  // namespace mw::recipe_form
