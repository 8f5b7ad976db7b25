#include "Utf8TestText.h"
#include "base/RecordText.h"
#include "model/Project.h"
#include "model/ShortString.h"

#include <gtest/gtest.h>

using namespace tarvex;
using test::Utf8;

namespace {

TMenuStyleRec DefaultStyle() {
    TMenuStyleRec s;
    FillDefaultStyle(s);
    return s;
}

} // namespace

TEST(ShortString, CutsOnEveryAssignment) {
    TMenuItemRec item;
    item.Caption = std::string(300, 'a');
    EXPECT_EQ(item.Caption.size(), 250u);
    item.Address = std::string(300, 'b');
    EXPECT_EQ(item.Address.size(), 255u);
    TMenuStyleRec style;
    style.MouseOnFont = "#FF0000";
    EXPECT_EQ(style.MouseOnFont, "#FF000");
}

TEST(ShortString, CountsAndCutsWholeCharacters) {
    ShortString<3> text(Utf8(U"\u65E5\u672C\U0001F600\u8A9E"));
    EXPECT_EQ(text.str(), Utf8(U"\u65E5\u672C\U0001F600"));
    text = Utf8(U"ab\u00E9\u0301");
    EXPECT_EQ(text.str(), Utf8(U"ab\u00E9"));
}

// Short texts live inside the field and longer ones apart; both must survive every way a record
// is copied, moved, swapped (the undo history swaps whole records) or assigned from itself.
TEST(ShortString, EveryLengthSurvivesCopyMoveSwapAndSelfAssignment) {
    const std::string longer = "a text well past the in-place room";
    for (std::size_t size = 0; size <= 20; ++size) {
        std::string expected;
        for (std::size_t i = 0; i < size; ++i) {
            expected += static_cast<char>(i == 1 ? '\0' : 'a' + i);
        }
        ShortString<250> text(expected);
        ShortString<250> copy = text;
        text = "changed";
        EXPECT_EQ(copy.str(), expected) << size;
        ShortString<250> moved = std::move(copy);
        EXPECT_EQ(moved.str(), expected) << size;
        copy = longer;
        EXPECT_EQ(copy.str(), longer);
        std::swap(moved, copy);
        EXPECT_EQ(copy.str(), expected) << size;
        EXPECT_EQ(moved.str(), longer);
        const ShortString<250>& same = copy;
        copy = same;
        EXPECT_EQ(copy.str(), expected) << size;
        copy = copy.view().substr(size / 2);
        EXPECT_EQ(copy.str(), expected.substr(size / 2)) << size;
        EXPECT_LE(copy.HeapBytes(), copy.size() + sizeof(void*)) << "sized to the text, not the capacity";
    }
}

TEST(Defaults, RecordsTakeTheDocumentedValues) {
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    EXPECT_EQ(item.Caption, "Menu Item Name");
    EXPECT_EQ(item.Address, KorvaneHomePage);
    EXPECT_TRUE(item.Target.empty());
    EXPECT_TRUE(item.Hint.empty());

    const TMenuStyleRec s = DefaultStyle();
    EXPECT_EQ(s.MouseOffBackground, "C0C0C0");
    EXPECT_EQ(s.MouseOnBackground, "808080");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.FontName, "Verdana, Arial");
    EXPECT_EQ(s.MenuItemPadding, 3);
    EXPECT_TRUE(s.FontWeight.empty());
    EXPECT_TRUE(s.MenuHeaderBackground.empty());

    TProject project;
    TMenuOptionsRec o;
    FillDefaultMenuOptions(project, o, nullptr);
    EXPECT_EQ(o.RemainVisible, 100);
    EXPECT_EQ(o.MenuLeft, 40);
    EXPECT_EQ(o.MenuTop, 140);
    EXPECT_EQ(o.MenuWidth, 150);
    EXPECT_EQ(o.MenuBorder, 1);
    EXPECT_EQ(o.Orientation, "Horizontal");
    EXPECT_EQ(o.MenuOpening, "on mouse over");
    EXPECT_EQ(o.TextAlignment, "left");
    EXPECT_TRUE(o.MenuStyle.empty());
}

TEST(DefaultProject, ShapeAndStyleNames) {
    for (bool withStyle : {false, true}) {
        TProject p;
        if (withStyle) {
            AppendStyleNode(p, "Blue", DefaultStyle());
        }
        BuildDefaultProject(p);
        ASSERT_EQ(p.Objects.RootCount(), 2);
        const TTreeNode* mainOptions = p.Objects.Root(0);
        const TTreeNode* group = p.Objects.Root(1);
        ASSERT_TRUE(mainOptions->IsOptions());
        EXPECT_EQ(mainOptions->Text(), "Menu Options");
        ASSERT_TRUE(group->IsGroup());
        EXPECT_EQ(group->Text(), "Menu group name");
        EXPECT_EQ(group->Item().Caption, "Menu group name");
        ASSERT_EQ(group->ChildCount(), 2);
        const TTreeNode* subOptions = group->Child(0);
        const TTreeNode* item = group->Child(1);
        EXPECT_TRUE(subOptions->IsOptions());
        EXPECT_EQ(subOptions->Options().MenuLeft, 40);
        EXPECT_EQ(subOptions->Options().MenuTop, 161);
        EXPECT_EQ(subOptions->Options().Orientation, "Vertical");
        EXPECT_TRUE(item->IsItem());
        EXPECT_EQ(item->Text(), "Menu item name");
        EXPECT_EQ(item->Item().Caption, "Menu item name");
        const char* expectedStyle = withStyle ? "Blue" : "";
        EXPECT_EQ(mainOptions->Options().MenuStyle, expectedStyle);
        EXPECT_EQ(subOptions->Options().MenuStyle, expectedStyle);
    }
}

TEST(Placement, HorizontalMainMenuAndNestedGroups) {
    TProject p;
    TMenuOptionsRec main;
    FillDefaultMenuOptions(p, main, nullptr);
    AppendOptionsNode(p, nullptr, main);
    TMenuItemRec rec;
    FillDefaultMenuItem(rec);
    TTreeNode* g1 = AppendItemNode(p, nullptr, TNodeKind::MenuGroup, rec);
    TTreeNode* g2 = AppendItemNode(p, nullptr, TNodeKind::MenuGroup, rec);
    TMenuOptionsRec o1, o2;
    FillDefaultMenuOptions(p, o1, g1);
    FillDefaultMenuOptions(p, o2, g2);
    EXPECT_EQ(o1.MenuLeft, 40);
    EXPECT_EQ(o1.MenuTop, 161);
    EXPECT_EQ(o2.MenuLeft, 191);
    EXPECT_EQ(o2.MenuTop, 161);

    AppendOptionsNode(p, g1, o1);
    AppendItemNode(p, g1, TNodeKind::MenuItem, rec);
    TTreeNode* g11 = AppendItemNode(p, g1, TNodeKind::MenuGroup, rec);
    TMenuOptionsRec o11;
    FillDefaultMenuOptions(p, o11, g11);
    EXPECT_EQ(o11.MenuLeft, 191);
    EXPECT_EQ(o11.MenuTop, 179);
}

TEST(Placement, VerticalRuleIsCaseSensitive) {
    for (const char* orientation : {"Vertical", "vertical"}) {
        TProject p;
        TMenuOptionsRec main;
        FillDefaultMenuOptions(p, main, nullptr);
        main.Orientation = orientation;
        AppendOptionsNode(p, nullptr, main);
        TMenuItemRec rec;
        FillDefaultMenuItem(rec);
        AppendItemNode(p, nullptr, TNodeKind::MenuItem, rec);
        TTreeNode* g = AppendItemNode(p, nullptr, TNodeKind::MenuGroup, rec);
        TMenuOptionsRec o;
        FillDefaultMenuOptions(p, o, g);
        if (std::string_view(orientation) == "Vertical") {
            EXPECT_EQ(o.MenuLeft, 190);
            EXPECT_EQ(o.MenuTop, 160);
        } else {
            EXPECT_EQ(o.MenuLeft, 40 + 151); // index 2: the Menu Options node counts
            EXPECT_EQ(o.MenuTop, 161);
        }
    }
}

TEST(Placement, LevelWithoutOptionsUsesMainMenuDefaults) {
    TProject p;
    TMenuItemRec rec;
    FillDefaultMenuItem(rec);
    AppendItemNode(p, nullptr, TNodeKind::MenuItem, rec);
    TTreeNode* g = AppendItemNode(p, nullptr, TNodeKind::MenuGroup, rec);
    TMenuOptionsRec o;
    FillDefaultMenuOptions(p, o, g);
    // Index 1 in a horizontal menu at (40, 140) with width 150 and border 1.
    EXPECT_EQ(o.MenuLeft, 40);
    EXPECT_EQ(o.MenuTop, 161);
    EXPECT_EQ(o.Orientation, "Vertical");
}

TEST(Lookup, FindMenuOptionsNodeAndStyleExists) {
    TProject p;
    TMenuItemRec rec;
    FillDefaultMenuItem(rec);
    TTreeNode* item = AppendItemNode(p, nullptr, TNodeKind::MenuItem, rec);
    EXPECT_EQ(FindMenuOptionsNode(p.Objects, item), nullptr);
    TMenuOptionsRec o;
    TTreeNode* options = AppendOptionsNode(p, nullptr, o);
    EXPECT_EQ(FindMenuOptionsNode(p.Objects, item), options);
    EXPECT_EQ(FindMenuOptionsNode(p.Objects, options), options);

    AppendStyleNode(p, "Main style", DefaultStyle());
    EXPECT_TRUE(StyleExists(p, "Main style"));
    EXPECT_FALSE(StyleExists(p, "main style"));
    EXPECT_FALSE(StyleExists(p, "Mainstyle"));
    AppendStyleNode(p, "Main style", DefaultStyle());
    EXPECT_TRUE(StyleExists(p, "Main style"));

    // A long name is cut between characters, to what a menu's style field holds, so it is found.
    std::string longName;
    for (int i = 0; i < 300; ++i) {
        longName += "\xC3\xA9";
    }
    TTreeNode* style = AppendStyleNode(p, longName, DefaultStyle());
    EXPECT_EQ(style->Text(), longName.substr(0, 2 * StyleNameCapacity));
    TMenuOptionsRec menu;
    menu.MenuStyle = longName;
    EXPECT_TRUE(StyleExists(p, menu.MenuStyle));
}

namespace {
struct TRecordingObserver : TTreeObserver {
    std::vector<std::string> events;
    void NodeAboutToBeInserted(const TTreeNode* parent, int index) override {
        events.push_back("insert " + (parent ? parent->Text() : std::string("root")) + " " +
                         std::to_string(index));
    }
    void NodeAboutToBeRemoved(TTreeNode* node) override { events.push_back("remove " + node->Text()); }
    void NodeAboutToBeMoved(TTreeNode* node, const TTreeNode* parent, int index) override {
        events.push_back("move " + node->Text() + " to " + (parent ? parent->Text() : "root") + " " +
                         std::to_string(index));
    }
    void NodeTextChanged(TTreeNode* node) override { events.push_back("text " + node->Text()); }
    void TreeReset() override { events.push_back("reset"); }
};
} // namespace

TEST(Tree, OperationsNotifyAndKeepStructure) {
    TTree tree;
    TRecordingObserver observer;
    tree.AddObserver(&observer);
    TTreeNode* a = tree.Append(nullptr, TNodeKind::MenuGroup, "a");
    TTreeNode* b = tree.Append(a, TNodeKind::MenuItem, "b");
    TTreeNode* c = tree.Append(nullptr, TNodeKind::MenuItem, "c");
    EXPECT_EQ(b->Level(), 1);
    EXPECT_EQ(c->Index(), 1);
    EXPECT_EQ(a->NextSibling(), c);
    EXPECT_EQ(c->PrevSibling(), a);
    EXPECT_TRUE(a->IsAncestorOf(b));

    EXPECT_FALSE(tree.MoveToEnd(a, a));
    EXPECT_FALSE(tree.MoveToEnd(a, b)); // into its own subtree
    EXPECT_TRUE(tree.MoveToEnd(c, a));
    EXPECT_EQ(c->Parent(), a);
    EXPECT_EQ(c->Index(), 1);
    // Forward within its own level: observers hear the place as the level is before the move.
    EXPECT_TRUE(tree.MoveTo(b, a, 1));
    EXPECT_EQ(b->Index(), 1);
    b->SetText("bb");
    tree.Remove(a);
    EXPECT_TRUE(tree.Empty());
    tree.Append(nullptr, TNodeKind::MenuItem, "d");
    tree.Clear();
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"insert root 0", "insert a 0", "insert root 1", "move c to a 1",
                                        "move b to a 2", "text bb", "remove a", "insert root 0", "reset"}));
}

TEST(Tree, IndicesFollowInsertMoveAndRemove) {
    TTree tree;
    TTreeNode* g = tree.Append(nullptr, TNodeKind::MenuGroup, "g");
    TTreeNode* d = tree.Append(nullptr, TNodeKind::MenuItem, "d");
    TTreeNode* e = tree.Append(nullptr, TNodeKind::MenuItem, "e");
    TTreeNode* f = tree.Insert(nullptr, 1, TNodeKind::MenuItem, "f");
    EXPECT_EQ(d->Index(), 2);
    EXPECT_EQ(e->Index(), 3);
    EXPECT_EQ(f->NextSibling(), d);
    tree.Remove(f);
    EXPECT_EQ(e->Index(), 2);
    EXPECT_EQ(e->PrevSibling(), d);
    ASSERT_TRUE(tree.MoveToEnd(d, g));
    EXPECT_EQ(e->Index(), 1);
    EXPECT_EQ(d->Index(), 0);
    EXPECT_EQ(e->NextSibling(), nullptr);
    EXPECT_EQ(g->NextSibling(), e);
}

TEST(Tree, WalkEntersANodeBeforeItsChildrenAndLeavesItAfterThem) {
    TTree tree;
    TTreeNode* g = tree.Append(nullptr, TNodeKind::MenuGroup, "g");
    tree.Append(g, TNodeKind::MenuOptions, "o");
    TTreeNode* h = tree.Append(g, TNodeKind::MenuGroup, "h");
    tree.Append(h, TNodeKind::MenuItem, "i");
    tree.Append(nullptr, TNodeKind::MenuItem, "j");
    std::string order;
    tree.Walk([&](const TTreeNode& node) { order += "+" + node.Text(); },
              [&](const TTreeNode& node) { order += "-" + node.Text(); });
    EXPECT_EQ(order, "+g+o-o+h+i-i-h-g+j-j");
}

TEST(Tree, DeepNestingIsWalkedAndFreedWithoutRecursion) {
    TTree tree;
    TTreeNode* parent = nullptr;
    for (int i = 0; i < 200000; ++i) {
        parent = tree.Append(parent, TNodeKind::MenuGroup, "g");
    }
    EXPECT_EQ(tree.NodeCount(), 200000u);
    std::size_t left = 0;
    tree.Walk([](const TTreeNode&) {}, [&](const TTreeNode& node) { left += node.HasChildren() ? 0 : 1; });
    EXPECT_EQ(left, 1u);
    tree.Clear();
    EXPECT_TRUE(tree.Empty());
}
