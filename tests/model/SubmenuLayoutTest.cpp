#include "model/SubmenuLayout.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace tarvex;

namespace {

// Main menu Left 40, Top 140, Width 150, Border 1; entries G1 and G2; G1 holds an item and G11.
struct TExampleDesign {
    TProject p;
    TTreeNode* main;
    TTreeNode* g1;
    TTreeNode* g2;
    TTreeNode* g11;

    TExampleDesign() {
        TMenuOptionsRec o;
        FillDefaultMenuOptions(p, o, nullptr);
        main = AppendOptionsNode(p, nullptr, o);
        g1 = AddGroup(nullptr);
        g2 = AddGroup(nullptr);
        TMenuItemRec item;
        FillDefaultMenuItem(item);
        AppendItemNode(p, g1, TNodeKind::MenuItem, item);
        g11 = AddGroup(g1);
    }
    TTreeNode* AddGroup(TTreeNode* parent) {
        TMenuItemRec rec;
        FillDefaultMenuItem(rec);
        TTreeNode* g = AppendItemNode(p, parent, TNodeKind::MenuGroup, rec);
        TMenuOptionsRec o;
        FillDefaultMenuOptions(p, o, g);
        AppendOptionsNode(p, g, o);
        return g;
    }
    static std::pair<int, int> Pos(const TTreeNode* group) {
        const auto& o = group->Child(0)->Options();
        return {o.MenuLeft, o.MenuTop};
    }
    void Relayout(bool horizontal) {
        for (TTreeNode* e = main->NextSibling(); e; e = e->NextSibling()) {
            horizontal ? LayoutSubmenusHorizontal(e, main) : LayoutSubmenusVertical(e, main);
        }
    }
};

} // namespace

TEST(SubmenuLayout, TwoGroupsAndANestedOneTurnVerticalAndBack) {
    TExampleDesign d;
    // The item was appended before G11's options, so G1's options stay its first child.
    d.Relayout(false);
    EXPECT_EQ(TExampleDesign::Pos(d.g1), std::make_pair(190, 140));
    EXPECT_EQ(TExampleDesign::Pos(d.g2), std::make_pair(190, 160));
    EXPECT_EQ(TExampleDesign::Pos(d.g11), std::make_pair(340, 160));
    d.Relayout(true);
    EXPECT_EQ(TExampleDesign::Pos(d.g1), std::make_pair(40, 161));
    EXPECT_EQ(TExampleDesign::Pos(d.g2), std::make_pair(191, 161));
    EXPECT_EQ(TExampleDesign::Pos(d.g11), std::make_pair(191, 179));
}

TEST(SubmenuLayout, ShiftMovesOnlyMenusBelow) {
    TExampleDesign d;
    const auto g2Before = TExampleDesign::Pos(d.g2);
    const auto g1Before = TExampleDesign::Pos(d.g1);
    const auto g11Before = TExampleDesign::Pos(d.g11);
    // G1's submenu moved from its Left to Left + 50: delta = old - new = -50.
    for (TTreeNode* e = d.g1->Child(0)->NextSibling(); e; e = e->NextSibling()) {
        ShiftSubmenusLeft(e, -50);
        ShiftSubmenusTop(e, 7);
    }
    EXPECT_EQ(TExampleDesign::Pos(d.g11), std::make_pair(g11Before.first + 50, g11Before.second - 7));
    EXPECT_EQ(TExampleDesign::Pos(d.g1), g1Before);
    EXPECT_EQ(TExampleDesign::Pos(d.g2), g2Before);
}

TEST(SubmenuLayout, ExtremeValuesWrapInsteadOfOverflowing) {
    TExampleDesign d;
    d.main->EditOptions().MenuLeft = INT32_MAX;
    d.main->EditOptions().MenuWidth = INT32_MAX;
    d.Relayout(false);
    EXPECT_EQ(TExampleDesign::Pos(d.g1).first, Wrap32(int64_t{INT32_MAX} * 2));
    ShiftSubmenusLeft(d.g1, INT32_MIN);
}
