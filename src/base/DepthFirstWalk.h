#pragma once
// The one depth-first walk that every tree of the program is visited with: the design's trees,
// imported trees, parsed pages and scanned folders.

#include <cstddef>
#include <type_traits>
#include <vector>

namespace tarvex {

// Visits `root` and everything below it in tree order: `enter(node)` before the node's children,
// `leave(node)` after them. `childAt(node, i)` returns a pointer to the node's i-th child, nullptr
// past the last. `enter` may return bool: false skips the node's children and its `leave`.
// An explicit stack, not recursion: how deep a tree nests is up to whoever wrote the file it came
// from. The children of a node must not change while the walk is below it.
template <typename TNode, typename TChildAt, typename TEnter, typename TLeave>
void WalkDepthFirst(TNode* root, TChildAt&& childAt, TEnter&& enter, TLeave&& leave) {
    struct TFrame {
        TNode* Node;
        std::size_t Next;
    };
    std::vector<TFrame> open;
    const auto visit = [&](TNode* node) {
        if constexpr (std::is_void_v<decltype(enter(*node))>) {
            enter(*node);
            open.push_back({node, 0});
        } else if (enter(*node)) {
            open.push_back({node, 0});
        }
    };
    if (root) {
        visit(root);
    }
    while (!open.empty()) {
        TFrame& top = open.back();
        TNode* child = childAt(*top.Node, top.Next);
        if (!child) {
            TNode* done = top.Node;
            open.pop_back();
            leave(*done);
            continue;
        }
        // `top` is not used past this point: the visit may move it.
        ++top.Next;
        visit(child);
    }
}

template <typename TNode, typename TChildAt, typename TEnter>
void WalkDepthFirst(TNode* root, TChildAt&& childAt, TEnter&& enter) {
    WalkDepthFirst(root, childAt, enter, [](TNode&) {});
}

} // namespace tarvex
