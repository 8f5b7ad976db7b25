#include "SubmenuLayout.h"

#include <utility>
#include <vector>

namespace tarvex {
namespace {

// Walks with an explicit stack: a file can nest groups deeper than the call stack allows.
template <typename Apply> void ForEachOptionsBelow(TTreeNode* node, Apply apply) {
    std::vector<TTreeNode*> stack{node};
    while (!stack.empty()) {
        TTreeNode* current = stack.back();
        stack.pop_back();
        for (const auto& child : current->Children()) {
            if (child->IsOptions()) {
                apply(child->EditOptions());
            } else if (child->IsGroup()) {
                stack.push_back(child.get());
            }
        }
    }
}

enum class TLayout { Horizontal, Vertical };

void Layout(TTreeNode* entry, const TTreeNode* options, TLayout layout) {
    std::vector<std::pair<TTreeNode*, const TTreeNode*>> stack{{entry, options}};
    while (!stack.empty()) {
        auto [e, p] = stack.back();
        stack.pop_back();
        const TTreeNode* q = nullptr;
        const int64_t i = e->Index();
        const int64_t d = e->Level();
        for (const auto& child : e->Children()) {
            if (child->IsOptions()) {
                if (p) {
                    const TMenuOptionsRec& po = p->Options();
                    TMenuOptionsRec& c = child->EditOptions();
                    if (layout == TLayout::Vertical) {
                        c.MenuLeft = Wrap32(int64_t{po.MenuLeft} + po.MenuWidth);
                        c.MenuTop = Wrap32(int64_t{po.MenuTop} + 20 * (i - 1));
                    } else if (d == 0) {
                        c.MenuTop = Wrap32(int64_t{po.MenuTop} + 20 + po.MenuBorder);
                        c.MenuLeft =
                            Wrap32(int64_t{po.MenuLeft} + (i - 1) * (int64_t{po.MenuWidth} + po.MenuBorder));
                    } else {
                        c.MenuTop = Wrap32(int64_t{po.MenuTop} + 18 * (i - 1));
                        c.MenuLeft =
                            Wrap32(int64_t{po.MenuLeft} + d * (int64_t{po.MenuWidth} + po.MenuBorder));
                    }
                }
                q = child.get();
            } else if (child->IsGroup()) {
                stack.emplace_back(child.get(), q);
            }
        }
    }
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
    Layout(entry, options, TLayout::Horizontal);
}

void LayoutSubmenusVertical(TTreeNode* entry, const TTreeNode* options) {
    Layout(entry, options, TLayout::Vertical);
}

} // namespace tarvex
