// Reads never write: through a const tree or node only const nodes and records can be reached.
// The checks are at compile time; the one test below walks a tree both ways.
#include "model/Project.h"

#include <gtest/gtest.h>

#include <concepts>
#include <type_traits>
#include <utility>

using namespace tarvex;

namespace {

using std::same_as;

// Every way from a const tree or node to nodes, trees and records.
static_assert(requires(const TTree& tree, const TTreeNode& node) {
    { tree.Root(0) } -> same_as<const TTreeNode*>;
    { tree.FirstRoot() } -> same_as<const TTreeNode*>;
    { *tree.Roots().begin() } -> same_as<const TTreeNode&>;
    { tree.Level(&node)[0] } -> same_as<const TTreeNode&>;
    { tree.Level(nullptr).At(0) } -> same_as<const TTreeNode*>;
    { *tree.Level(nullptr).begin() } -> same_as<const TTreeNode&>;
    { FindMenuOptionsNode(tree, &node) } -> same_as<const TTreeNode*>;
    { FindMenuOptionsNodeOfLevel(tree, nullptr) } -> same_as<const TTreeNode*>;
    { node.Tree() } -> same_as<const TTree*>;
    { node.Parent() } -> same_as<const TTreeNode*>;
    { node.Child(0) } -> same_as<const TTreeNode*>;
    { node.FirstChild() } -> same_as<const TTreeNode*>;
    { node.NextSibling() } -> same_as<const TTreeNode*>;
    { node.PrevSibling() } -> same_as<const TTreeNode*>;
    { *node.Children().begin() } -> same_as<const TTreeNode&>;
    { node.Children()[0] } -> same_as<const TTreeNode&>;
    { TreeChildAt(node, 0) } -> same_as<const TTreeNode*>;
    { node.Item() } -> same_as<const TMenuItemRec&>;
    { node.Options() } -> same_as<const TMenuOptionsRec&>;
    { node.Style() } -> same_as<const TMenuStyleRec&>;
});

// Nothing that writes can be called through them, and a const level stays const.
template <typename T>
concept VisitsWritableNodes = requires(T& tree, void (*visit)(TTreeNode&)) {
    tree.ForEach(visit);
};
template <typename T>
concept EditsRecord = requires(T& node) {
    node.EditItem();
};
template <typename T>
concept SetsText = requires(T& node) {
    node.SetText("");
};
static_assert(VisitsWritableNodes<TTree> && !VisitsWritableNodes<const TTree>);
static_assert(EditsRecord<TTreeNode> && !EditsRecord<const TTreeNode>);
static_assert(SetsText<TTreeNode> && !SetsText<const TTreeNode>);
static_assert(std::is_convertible_v<TNodeLevel<TTreeNode>, TNodeLevel<const TTreeNode>>);
static_assert(!std::is_convertible_v<TNodeLevel<const TTreeNode>, TNodeLevel<TTreeNode>>);

// Writers still reach writable nodes through a writable tree or node.
static_assert(requires(TTree & tree, TTreeNode& node) {
    { tree.Root(0) } -> same_as<TTreeNode*>;
    { tree.Level(nullptr)[0] } -> same_as<TTreeNode&>;
    { FindMenuOptionsNode(tree, &node) } -> same_as<TTreeNode*>;
    { node.Parent() } -> same_as<TTreeNode*>;
    { *node.Children().begin() } -> same_as<TTreeNode&>;
});

} // namespace

// The const walks see const nodes, and the same nodes in the same order as the writable ones.
TEST(ConstReach, ConstWalksVisitConstNodesInTreeOrder) {
    TProject project;
    BuildDefaultProject(project);
    const TTree& objects = project.Objects;
    std::vector<const TTreeNode*> read;
    objects.Walk(
        [&](auto& node) {
            static_assert(std::is_const_v<std::remove_reference_t<decltype(node)>>);
            read.push_back(&node);
        },
        [](auto& node) { static_assert(std::is_const_v<std::remove_reference_t<decltype(node)>>); });
    std::vector<const TTreeNode*> written;
    project.Objects.ForEach([&](TTreeNode& node) { written.push_back(&node); });
    std::vector<const TTreeNode*> viaLevels;
    for (const TTreeNode& root : objects.Roots()) {
        viaLevels.push_back(&root);
        for (const TTreeNode& child : root.Children()) {
            viaLevels.push_back(&child);
        }
    }
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read, written);
    EXPECT_EQ(read, viaLevels);
    EXPECT_EQ(read[1]->NextSibling(), nullptr);
    EXPECT_EQ(read[3]->Parent(), read[1]);
    EXPECT_EQ(read[3]->PrevSibling(), read[2]);
}
