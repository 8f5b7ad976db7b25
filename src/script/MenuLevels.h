#pragma once
// The menus a design's objects tree makes: one per level that has entries, in the script's order.

#include "model/Project.h"

#include <functional>
#include <vector>

namespace tarvex {

// Calls `visit` for each menu the script writes, in the file's order: nullptr for the main menu,
// then each group whose level has entries, depth first. The visitor of a writable tree may add
// nodes to it.
void ForEachMenu(const TTree& objects, const std::function<void(const TTreeNode* group)>& visit);
void ForEachMenu(TTree& objects, const std::function<void(TTreeNode* group)>& visit);
// The options nodes of the written menus whose style does not exist, in the file's order; none
// when there is no style at all. Writable only from a writable design, for its repair.
std::vector<const TTreeNode*> OptionsNamingMissingStyles(const TProject& project);
std::vector<TTreeNode*> OptionsNamingMissingStyles(TProject& project);

} // namespace tarvex
