#pragma once

#include <QString>

namespace mw::views {

// A beer style as the data database's Styles table keys it: name, category
// and subcategory. A subcategory of one blank means the style has none; the
// name "None Selected" means the recipe has no target style.
struct StyleSelection {
    QString name;
    QString category;
    QString subcategory;

    bool operator==(const StyleSelection&) const = default;
};

inline const QString kNoSubcategory = QStringLiteral(" ");
inline const QString kNoneSelected = QStringLiteral("None Selected");

// A stored subcategory means "none" when it is the one blank, empty (a row
// written by another program) or only blanks.
inline bool isNoSubcategory(const QString& subcategory) {
    return subcategory.trimmed().isEmpty();
}

// A style's eight limits, from its Styles row (StylesGravityLo ... StylesColorHi).
struct StyleLimits {
    double gravityLo = 0.0;
    double gravityHi = 0.0;
    double alcoholLo = 0.0;
    double alcoholHi = 0.0;
    double ibuLo = 0.0;
    double ibuHi = 0.0;
    double colorLo = 0.0;
    double colorHi = 0.0;

    bool operator==(const StyleLimits&) const = default;
};

// The recipe's predictions the comparison sets against a style's limits.
struct PredictedValues {
    double originalGravity = 0.0;  // specific gravity, such as 1.048
    double alcohol = 0.0;          // percent by volume
    double ibu = 0.0;
    double color = 0.0;
};

}  // namespace mw::views
