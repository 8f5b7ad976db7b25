#pragma once
// One menu design: the objects tree and the style list, and the model operations on them.

#include "PublishTarget.h"
#include "Tree.h"
#include "base/Translatable.h"

#include <string_view>

namespace tarvex {

struct TProject {
    TTree Objects;
    TTree Styles;
    // Not part of the undo history: they are where the menu goes, not the menu.
    TPublishTargets Targets;
};

void FillDefaultStyle(TMenuStyleRec& style);
void FillDefaultMenuItem(TMenuItemRec& item);
// `group` is the group whose submenu the record describes, or nullptr for the main menu.
// A group whose level has no Menu Options node is placed as if its menu had the main menu's defaults.
void FillDefaultMenuOptions(const TProject& project, TMenuOptionsRec& options, const TTreeNode* group);

// The first Menu Options node of `node`'s level, or nullptr; writable only from a writable tree.
const TTreeNode* FindMenuOptionsNode(const TTree& tree, const TTreeNode* node);
TTreeNode* FindMenuOptionsNode(TTree& tree, const TTreeNode* node);
// Same, for the level whose parent is `parent` (nullptr: root level).
const TTreeNode* FindMenuOptionsNodeOfLevel(const TTree& tree, const TTreeNode* parent);
TTreeNode* FindMenuOptionsNodeOfLevel(TTree& tree, const TTreeNode* parent);
bool StyleExists(const TProject& project, std::string_view name);

// Appends the default project to an empty objects tree (after the style list got its first style, if any).
void BuildDefaultProject(TProject& project);

// The longest style name, in characters: what a menu's MenuStyle field can hold.
inline constexpr std::size_t StyleNameCapacity = 255;

// Convenience constructors for the four node kinds, each holding the record given (moved in when
// the caller lets go of it). A style's name is cut to StyleNameCapacity.
TTreeNode* AppendStyleNode(TProject& project, std::string name, TMenuStyleRec style);
TTreeNode* AppendItemNode(TProject& project, TTreeNode* parent, TNodeKind kind, TMenuItemRec item);
TTreeNode* AppendOptionsNode(TProject& project, TTreeNode* parent, TMenuOptionsRec options);

// A literal, so its view ends in a terminating zero.
inline constexpr std::string_view MenuOptionsText = TARVEX_TRANSLATE_NOOP("Rows", "Menu Options");

} // namespace tarvex
