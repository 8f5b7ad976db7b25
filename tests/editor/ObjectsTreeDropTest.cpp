// Drag and drop in the objects tree: where a dropped node lands, and what is refused.

#include "ObjectsTreeFixture.h"

#include "model/Records.h"

#include <string>

namespace tarvex::test {
namespace {

TEST_F(ObjectsTreeTest, DragAndDropMovesToTheEndOfTheTargetsLevel) {
    TRecordingListener listener;
    Editor().AddListener(&listener);
    EXPECT_TRUE(Editor().Objects().ObjectsTreeViewDragOver(TDragSource::ObjectsTreeView));
    EXPECT_FALSE(Editor().Objects().ObjectsTreeViewDragOver(TDragSource::Other));

    Select(Node({0}));
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({1}));
    const auto refusal = m_ui.CallsOf("Message");
    ASSERT_EQ(refusal.size(), 1u);
    EXPECT_EQ(refusal[0].Text, "You can't drag&drop Menu Options");
    EXPECT_EQ(refusal[0].Caption, "Error");
    EXPECT_EQ(refusal[0].Icon, TMsgIcon::Error);
    EXPECT_TRUE(Node({0})->IsOptions());

    // A second group with its own submenu; the first group's item is dropped onto it.
    AddGroup("Other");
    TTreeNode* item = Node({1, 1});
    Select(item);
    Type(Item, "Caption", "confirmed");
    const std::size_t navigations = m_ui.TextsOf("Navigate").size();
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({2, 1}));
    EXPECT_EQ(Node({2, 2}), item);
    EXPECT_EQ(Editor().SelectedObject(), item);
    EXPECT_EQ(item->Item().Caption, "confirmed");
    // The preview follows the move at once.
    EXPECT_EQ(m_ui.TextsOf("Navigate").size(), navigations + 1);
    EXPECT_EQ(listener.Expanded.back(), Node({2}));

    // Onto a group: beside it, not into it. Onto empty space: the end of the main menu.
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({1}));
    EXPECT_EQ(Node({3}), item);
    Select(Node({1, 1}));
    TTreeNode* group = Node({1});
    Select(group);
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, nullptr);
    EXPECT_EQ(Node({3}), group);

    // Into its own subtree, onto itself, or from elsewhere: nothing moves.
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({3, 0}));
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, group);
    Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::Other, nullptr);
    EXPECT_EQ(Node({3}), group);
    EXPECT_EQ(group->Parent(), nullptr);
    Editor().RemoveListener(&listener);
}

// The captions of a level, "*" for its Menu Options.
std::string LevelText(const TTree& tree, const TTreeNode* parent) {
    std::string text;
    for (const auto& node : tree.Level(parent)) {
        text += (text.empty() ? "" : " ") + (node.IsOptions() ? std::string("*") : node.Text());
    }
    return text;
}

TEST_F(ObjectsTreeTest, ADropOnARowsEdgePutsTheNodeThereAsOneUndoStep) {
    // Main menu: * G I C D, the group G holding * g.
    Select(Node({1}));
    Type(Item, "Caption", "G");
    Select(Node({1, 1}));
    Type(Item, "Caption", "g");
    Select(Node({0}));
    Editor().Objects().AddMenuItem("I", "i.htm");
    Editor().Objects().AddMenuItem("C", "c.htm");
    Editor().Objects().AddMenuItem("D", "d.htm");
    const TTree& tree = Editor().Project().Objects;
    const std::string start = "* G I C D | * g";
    const TTreeNode* group = tree.Root(1);
    const auto shape = [&] { return LevelText(tree, nullptr) + " | " + LevelText(tree, group); };
    ASSERT_EQ(shape(), start);
    struct TDropCase {
        std::vector<int> Dragged, Target;
        TDropPlace Place;
        std::string Expected;
    };
    constexpr auto Before = TDropPlace::Before, After = TDropPlace::After, On = TDropPlace::OnNode;
    const std::vector<TDropCase> cases{
        {{4}, {1}, Before, "* D G I C | * g"},   {{1}, {4}, Before, "* I C G D | * g"},
        {{1}, {3}, After, "* I C G D | * g"},    {{2}, {3}, On, "* G C D I | * g"},
        {{4}, {0}, Before, "* D G I C | * g"},   {{4}, {0}, After, "* D G I C | * g"},
        {{1, 1}, {2}, After, "* G I g C D | *"}, {{2}, {1, 1}, Before, "* G C D | * I g"},
        {{2}, {1, 0}, After, "* G C D | * I g"}, {{1}, {1, 1}, After, start},
    };
    const auto at = [&](const std::vector<int>& p) {
        return p.size() == 1 ? Node({p[0]}) : Node({p[0], p[1]});
    };
    for (const TDropCase& c : cases) {
        Select(at(c.Dragged));
        const bool moved = c.Expected != start;
        Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, at(c.Target), c.Place);
        EXPECT_EQ(shape(), c.Expected) << c.Dragged[0] << " to " << c.Target[0];
        if (moved) {
            Editor().UndoActionExecute();
        }
        EXPECT_EQ(shape(), start) << c.Dragged[0] << " to " << c.Target[0];
    }
}

} // namespace
} // namespace tarvex::test
