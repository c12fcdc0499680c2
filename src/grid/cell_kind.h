#pragma once

#include <QString>
#include <optional>

namespace mw::grid {

// The kinds of cell a grid column can have; their names are those of the
// settings files.
enum class CellKind {
    Edit,          // "edit": free text
    ComboBox,      // "combo": a list to choose from, or free text
    DropDownList,  // "dropdown": one of the list's items only
    CheckBox,      // "check": "1" checked, "0" not
    Float,         // "float": a decimal number
    Int,           // "int": a whole number
    DateTime,      // "date": a date
    Button,        // "button": a push button that reports a click
    Spin,          // "spin": a number with up and down arrows
    Heading,       // "heading": a row or column heading, not editable
};

QString cellKindName(CellKind kind);
std::optional<CellKind> cellKindFromName(const QString& name);

}  // namespace mw::grid
