#pragma once
// Where submenus go: the first place of a new one, moving them along with their menu, and
// re-laying them out when the main menu turns.

#include "Tree.h"

#include <cstdint>

namespace tarvex {

enum class TSubmenuRule { Horizontal, Vertical };

// The one placement of a submenu: the entry that opens it is the `index`-th of its menu (the
// Menu Options node counts as 0) at `depth` (0 for the main menu), and `holder` is that menu's
// options. Beside the entry by the vertical rule; by the horizontal rule below a main-menu entry,
// and to the right of deeper ones. Sets only the submenu's MenuLeft and MenuTop.
void PlaceSubmenu(const TMenuOptionsRec& holder, int64_t index, int64_t depth, TSubmenuRule rule,
                  TMenuOptionsRec& submenu);

// `delta` is old minus new: every Menu Options node below `node`, at any depth, moves by -delta.
void ShiftSubmenusLeft(TTreeNode* node, int32_t delta);
void ShiftSubmenusTop(TTreeNode* node, int32_t delta);

// `entry` an entry of some level, `options` that level's Menu Options node. Overwrites the
// position of every submenu below `entry`, hand-typed positions included.
void LayoutSubmenusHorizontal(TTreeNode* entry, const TTreeNode* options);
void LayoutSubmenusVertical(TTreeNode* entry, const TTreeNode* options);

} // namespace tarvex
