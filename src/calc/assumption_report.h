#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw::calc {

// The predictions an assumption can bear on.
enum class Figure { OriginalGravity, Ibu, Hbu, Alcohol, Color };

// The key a figure has in the recalculation's output ("original_gravity",
// "ibu", "hbu", "alcohol", "color").
std::string_view figureKey(Figure figure);
// The figure's name as a brewer reads it ("Original gravity", "IBU", ...).
std::string_view figureName(Figure figure);

// One input or choice that went into a prediction.
struct Assumption {
    Figure figure = Figure::OriginalGravity;
    std::string text;

    bool operator==(const Assumption&) const = default;
};

// Everything the recipe calculations took for granted on their last run:
// every default taken, table entry used, row left out, unit converted and
// size divided by, each with the figure it bears on. The calculations write
// into it only when one is attached, so nobody pays for it who does not ask.
// The gravity is worked out again for every hop row; an entry it repeats is
// kept once.
class AssumptionReport {
public:
    void note(Figure figure, std::string text);
    void clear() { m_entries.clear(); }

    const std::vector<Assumption>& entries() const { return m_entries; }
    // The entries that bear on one figure, in the order noted.
    std::vector<std::string> about(Figure figure) const;

private:
    std::vector<Assumption> m_entries;
};

}  // namespace mw::calc
