#pragma once

#include <QString>
#include <QtGlobal>

namespace mw::recipe_form {

// The words the lookups hand back and show for the coded columns of the
// reference tables (0 and non-zero), as the recipe's ingredient rows hold them.
inline QString unitsText(qint32 units) {
    return units != 0 ? QStringLiteral("kg") : QStringLiteral("lbs");
}
inline QString extractFormText(qint32 form) {
    return form != 0 ? QStringLiteral("Dry") : QStringLiteral("Syrup");
}
inline QString yeastTypeText(qint32 type) {
    return type != 0 ? QStringLiteral("Ale") : QStringLiteral("Lager");
}
inline QString yeastFormText(qint32 form) {
    return form != 0 ? QStringLiteral("Dry") : QStringLiteral("Liquid");
}

// What each lookup hands back when a row is selected.

struct AdjunctChoice {
    QString name;
    bool fermentable = false;
    double specificGravity = 0.0;
    double color = 0.0;
};

struct ExtractChoice {
    QString manufacturer;
    QString name;
    double hbu = 0.0;
    double weight = 0.0;
    QString units;  // "kg" or "lbs"
    QString form;   // "Dry" or "Syrup"
    bool hopped = false;
    double specificGravity = 0.0;
    double color = 0.0;
};

struct GrainChoice {
    QString name;
    double color = 0.0;
    double specificGravity = 0.0;
};

struct HopChoice {
    QString name;
    double alpha = 0.0;
};

struct KitChoice {
    QString manufacturer;
    QString style;
    double hbu = 0.0;
    double weight = 0.0;
    QString units;  // "kg" or "lbs"
    double startSpecificGravity = 0.0;
    double color = 0.0;
};

struct YeastChoice {
    QString manufacturer;
    QString strain;
    qint32 type = 0;  // non-zero: ale
    qint32 form = 0;  // non-zero: dry
    double attenuation = 0.0;

    QString typeText() const { return yeastTypeText(type); }
    QString formText() const { return yeastFormText(form); }
};

// The attenuation a yeast without a usable figure is taken to have.
inline constexpr double kDefaultAttenuation = 75.0;

}  // namespace mw::recipe_form
