#pragma once
// The icons the published menu draws, drawn the same way for the Icon row's pick list. The path
// data is the engine's own, read from its source when the program is built.

#include <QColor>
#include <QIcon>

#include <span>
#include <string_view>

namespace tarvex {

struct TMenuIconPath {
    std::string_view Name;
    std::string_view Path; // 24 x 24, stroked
};

std::span<const TMenuIconPath> MenuIconPaths();

// The icon of that name as the engine strokes it, in `colour`; a null icon for a name not in the set.
QIcon DrawnMenuIcon(std::string_view name, const QColor& colour);

} // namespace tarvex
