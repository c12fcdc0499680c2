#pragma once

namespace mw::calc {

// The six ingredient sheets, numbered as the ingredients grid and every
// calculation number them.
enum class Sheet : int { Kits = 0, Extracts = 1, Grains = 2, Adjuncts = 3, Hops = 4, Yeasts = 5 };
inline constexpr int kSheetCount = 6;

// Column numbers of each sheet, in the order the grid shows them. The last
// column of every sheet holds the owning recipe's identifier.
namespace KitCol {
enum : int { Manufacturer, Style, Hbu, Weight, Units, StartSpGrav, Color, RecipeId, Count };
}
namespace ExtractCol {
enum : int { Manufacturer, Name, Hbu, Weight, Units, Form, Hopped, SpGrav, Color, RecipeId, Count };
}
namespace GrainCol {
enum : int { Name, Weight, Units, SpGrav, Color, RecipeId, Count };
}
namespace AdjunctCol {
enum : int { Name, Amount, Units, Fermentable, SpGrav, Color, RecipeId, Count };
}
namespace HopCol {
enum : int { Name, Alpha, Weight, Units, Time, Ibu, Hbu, RecipeId, Count };
}
namespace YeastCol {
enum : int { Manufacturer, Name, Type, Form, Amount, Units, Attenuation, RecipeId, Count };
}

// Number of columns of a sheet.
constexpr int columnCount(Sheet sheet) {
    switch (sheet) {
        case Sheet::Kits:
            return KitCol::Count;
        case Sheet::Extracts:
            return ExtractCol::Count;
        case Sheet::Grains:
            return GrainCol::Count;
        case Sheet::Adjuncts:
            return AdjunctCol::Count;
        case Sheet::Hops:
            return HopCol::Count;
        case Sheet::Yeasts:
            return YeastCol::Count;
    }
    return 0;
}

}  // namespace mw::calc
