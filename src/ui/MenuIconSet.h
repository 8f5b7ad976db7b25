#pragma once
// The icons the published menu draws, drawn the same way for the Icon row's pick list.

#include "script/MenuIconPaths.h"

#include <QColor>
#include <QIcon>

#include <string_view>

namespace tarvex {

// The icon of that name as the engine strokes it, in `colour`; a null icon for a name not in the set.
QIcon DrawnMenuIcon(std::string_view name, const QColor& colour);

} // namespace tarvex
