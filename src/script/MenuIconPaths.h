#pragma once
// The icons the published menu draws, by name: the engine's own path data, read from its source
// when the program is built, so every place that draws them draws the same.

#include <span>
#include <string_view>

namespace tarvex {

struct TMenuIconPath {
    std::string_view Name;
    std::string_view Path; // 24 x 24, stroked in the text colour, 2 wide, round caps and joins
};

std::span<const TMenuIconPath> MenuIconPaths();

// The path data of the icon of that name; empty for a name not in the set.
std::string_view MenuIconPath(std::string_view name);

} // namespace tarvex
