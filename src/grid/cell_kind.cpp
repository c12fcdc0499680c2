#include "grid/cell_kind.h"

#include <array>
#include <utility>

namespace mw::grid {

namespace {
const std::array<std::pair<CellKind, const char*>, 10> kNames{{
    {CellKind::Edit, "edit"},
    {CellKind::ComboBox, "combo"},
    {CellKind::DropDownList, "dropdown"},
    {CellKind::CheckBox, "check"},
    {CellKind::Float, "float"},
    {CellKind::Int, "int"},
    {CellKind::DateTime, "date"},
    {CellKind::Button, "button"},
    {CellKind::Spin, "spin"},
    {CellKind::Heading, "heading"},
}};
}  // namespace

QString cellKindName(CellKind kind) {
    for (const auto& [k, name] : kNames) {
        if (k == kind) {
            return QString::fromLatin1(name);
        }
    }
    return QStringLiteral("edit");
}

std::optional<CellKind> cellKindFromName(const QString& name) {
    for (const auto& [k, n] : kNames) {
        if (name == QLatin1String(n)) {
            return k;
        }
    }
    return std::nullopt;
}

}  // namespace mw::grid
