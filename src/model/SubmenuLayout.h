#pragma once
// Moving submenus along with their menu, and re-laying them out when the main menu turns.

#include "Tree.h"

#include <cstdint>

namespace tarvex {

// `delta` is old minus new: every Menu Options node below `node`, at any depth, moves by -delta.
void ShiftSubmenusLeft(TTreeNode* node, int32_t delta);
void ShiftSubmenusTop(TTreeNode* node, int32_t delta);

// `entry` an entry of some level, `options` that level's Menu Options node. Overwrites the
// position of every submenu below `entry`, hand-typed positions included.
void LayoutSubmenusHorizontal(TTreeNode* entry, const TTreeNode* options);
void LayoutSubmenusVertical(TTreeNode* entry, const TTreeNode* options);

} // namespace tarvex
