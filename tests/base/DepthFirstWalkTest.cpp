// The one depth-first walk: tree order, skipped branches, and nesting no call stack would hold.

#include "base/DepthFirstWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvex {
namespace {

struct TNode {
    char Name;
    std::vector<TNode> Children;
};

TNode* ChildAt(TNode& node, std::size_t i) {
    return i < node.Children.size() ? &node.Children[i] : nullptr;
}

TEST(DepthFirstWalkTest, EntersInTreeOrderLeavesAfterTheChildrenAndSkipsWhatEnterRefuses) {
    TNode root{'a', {{'b', {{'c', {}}}}, {'x', {{'y', {}}}}, {'d', {}}}};
    std::string trace;
    WalkDepthFirst(
        &root, ChildAt,
        [&trace](TNode& node) {
            trace += node.Name;
            return node.Name != 'x';
        },
        [&trace](TNode& node) { trace += std::string(1, node.Name) + "'"; });
    EXPECT_EQ(trace, "abcc'b'xdd'a'");
}

TEST(DepthFirstWalkTest, NestingDeeperThanAnyCallStackIsWalked) {
    constexpr std::size_t depth = 1'000'000;
    // Built as a chain of indices, so neither building nor freeing it recurses.
    std::vector<std::size_t> below(depth);
    for (std::size_t i = 0; i < depth; ++i) {
        below[i] = i + 1;
    }
    std::size_t entered = 0;
    std::size_t left = 0;
    const std::size_t* root = &below[0];
    WalkDepthFirst(
        root,
        [&below](const std::size_t& node, std::size_t i) {
            return i == 0 && node < depth ? &below[node] : nullptr;
        },
        [&entered](const std::size_t&) { ++entered; }, [&left](const std::size_t&) { ++left; });
    EXPECT_EQ(entered, depth);
    EXPECT_EQ(left, depth);
}

} // namespace
} // namespace tarvex
