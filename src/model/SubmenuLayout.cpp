#include "SubmenuLayout.h"

#include <vector>

namespace tarvex {

void PlaceSubmenu(const TMenuOptionsRec& holder, int64_t index, int64_t depth, TSubmenuRule rule,
                  TMenuOptionsRec& submenu) {
    const TMenuOptionsRec& p = holder;
    if (rule == TSubmenuRule::Vertical) {
        submenu.MenuLeft = Wrap32(int64_t{p.MenuLeft} + p.MenuWidth);
        submenu.MenuTop = Wrap32(int64_t{p.MenuTop} + 20 * (index - 1));
    } else if (depth == 0) {
        submenu.MenuLeft = Wrap32(int64_t{p.MenuLeft} + (index - 1) * (int64_t{p.MenuWidth} + p.MenuBorder));
        submenu.MenuTop = Wrap32(int64_t{p.MenuTop} + 20 + p.MenuBorder);
    } else {
        submenu.MenuLeft = Wrap32(int64_t{p.MenuLeft} + depth * (int64_t{p.MenuWidth} + p.MenuBorder));
        submenu.MenuTop = Wrap32(int64_t{p.MenuTop} + 18 * (index - 1));
    }
}

namespace {

// Items and Menu Options nodes have no children, so the walk below `node` meets exactly the
// options of every submenu below it.
template <typename Apply> void ForEachOptionsBelow(TTreeNode* node, Apply apply) {
    WalkDepthFirst(node, TreeChildAt, [node, &apply](TTreeNode& current) {
        if (&current != node && current.IsOptions()) {
            apply(current.EditOptions());
        }
    });
}

void Layout(TTreeNode* entry, const TTreeNode* options, TSubmenuRule rule) {
    // For each open group, the options of the menu that holds it: its own level's options node
    // when that came before it, none otherwise. Each group's own submenu is placed before the
    // groups inside it read it.
    std::vector<const TTreeNode*> holders;
    const TTreeNode* levelOptions = options;
    WalkDepthFirst(
        entry, TreeChildAt,
        [&](TTreeNode& node) {
            if (node.IsOptions()) {
                const TTreeNode* holder = holders.back();
                const TTreeNode& group = *node.Parent();
                if (holder) {
                    PlaceSubmenu(holder->Options(), group.Index(), group.Level(), rule, node.EditOptions());
                }
                levelOptions = &node;
                return false;
            }
            if (&node != entry && !node.IsGroup()) {
                return false;
            }
            holders.push_back(levelOptions);
            levelOptions = nullptr;
            return true;
        },
        [&](TTreeNode&) {
            // Back in the parent's level, where the options seen so far are what this group had.
            levelOptions = holders.back();
            holders.pop_back();
        });
}

} // namespace

void ShiftSubmenusLeft(TTreeNode* node, int32_t delta) {
    ForEachOptionsBelow(node,
                        [delta](TMenuOptionsRec& o) { o.MenuLeft = Wrap32(int64_t{o.MenuLeft} - delta); });
}

void ShiftSubmenusTop(TTreeNode* node, int32_t delta) {
    ForEachOptionsBelow(node,
                        [delta](TMenuOptionsRec& o) { o.MenuTop = Wrap32(int64_t{o.MenuTop} - delta); });
}

void LayoutSubmenusHorizontal(TTreeNode* entry, const TTreeNode* options) {
    Layout(entry, options, TSubmenuRule::Horizontal);
}

void LayoutSubmenusVertical(TTreeNode* entry, const TTreeNode* options) {
    Layout(entry, options, TSubmenuRule::Vertical);
}

} // namespace tarvex
