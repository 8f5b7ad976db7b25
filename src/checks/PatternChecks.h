#pragma once
// What the rich entries, panels and the bar's More meet in the published menu: small text on the
// entry's colours, icon files that cannot be drawn, panels wider than a small window, and a More
// caption drawn as nothing.

#include "DesignChecks.h"

#include <functional>
#include <string>

namespace tarvex {

using TAddFinding = std::function<void(TCheckLevel level, const TTreeNode& node, TUiText text)>;

void CheckPatterns(const TProject& project, const TCheckSettings& settings, const TAddFinding& add);

// The engine draws a description at 0.85 and a badge at 0.75 of the entry's font size.
inline constexpr double DescriptionScale = 0.85;
inline constexpr double BadgeScale = 0.75;
// A panel's column needs 9 em for its captions, with 1.5 em between columns and 0.75 em inside
// the panel's edges.
inline constexpr double ColumnEm = 9.0;
inline constexpr double ColumnGapEm = 1.5;
inline constexpr double PanelPaddingEm = 0.75;
// Where a design sets no small screen width, panels are judged in the narrowest window a page is
// expected to work in.
inline constexpr int NarrowestWindow = 320;

} // namespace tarvex
