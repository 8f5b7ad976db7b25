#include "MenuScriptSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace tarvex {
namespace {

using namespace script_test;
namespace fs = std::filesystem;

TEST(MenuScript, ProductsMenuMatchesGoldenFileByteForByte) {
    TProject p;
    BuildProductsMenu(p);
    const TMenuScript script = GenerateMenuScript(p);
    ASSERT_FALSE(script.Refused);
    EXPECT_TRUE(script.Warnings.empty());
    const std::string golden = ReadFile(fs::path(TARVEX_TEST_DATA) / "script" / "products-menu.js");
    EXPECT_EQ(JoinLinesCrLf(script.Lines), golden);

    const fs::path out = fs::temp_directory_path() / ("tarvex-script-" + std::to_string(::getpid()) + ".js");
    WriteFileAtomically(out, "an older, longer menu script");
    ASSERT_EQ(WriteMenuScript(script, out), TWriteStatus::Written);
    EXPECT_EQ(ReadFile(out), golden);
    fs::remove(out);
}

TEST(MenuScript, EmptyStyleListRefusesWithoutTouchingTheDesign) {
    TProject p;
    Entry(p, nullptr, TNodeKind::MenuItem, "Home");
    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_TRUE(script.Refused);
    EXPECT_TRUE(script.Lines.empty());
    EXPECT_TRUE(script.Warnings.empty());
    // The level without options stays as it was: a refused run repairs nothing.
    EXPECT_EQ(p.Objects.RootCount(), 1);
}

TEST(MenuScript, LevelsWithoutEntriesGetNoAddmenuCall) {
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TMenuScript script = GenerateMenuScript(p);
    std::vector<std::string> tail(script.Lines.begin() + 12 + 22, script.Lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"", "dumpmenus()"}));

    // A group holding only its options is still written as a group entry of its parent's menu.
    Group(p, nullptr, "Empty group");
    script = GenerateMenuScript(p);
    EXPECT_EQ(MenuOrder(script), std::vector<std::string>{"mainmenu"});
    const auto main = Menu(script, "mainmenu");
    ASSERT_GE(main.size(), 2u);
    EXPECT_EQ(main[main.size() - 2], R"(,"Empty&nbsp;group","show-menu=Emptygroup","a.htm","",1)");

    // An empty objects tree is the same as a main menu without entries.
    TProject empty;
    DefaultStyle(empty);
    script = GenerateMenuScript(empty);
    EXPECT_EQ(script.Lines.size(), 12u + 22u + 2u);
    EXPECT_TRUE(empty.Objects.Empty());
}

TEST(MenuScript, ZeroNumbersAndFlagWords) {
    TProject p;
    TTreeNode* style = DefaultStyle(p);
    style->EditStyle().FontSize = 0;
    style->EditStyle().MenuItemPadding = 0;
    style->EditStyle().BorderSeparatorbar = "yes";
    TMenuOptionsRec o = Options(40, 140, "Main style", "horizontal");
    o.MenuWidth = 0;
    o.MenuBorder = 0;
    o.MenuOpening = "On mouse click";
    o.ImagePosition = "right";
    AppendOptionsNode(p, nullptr, o);
    Entry(p, nullptr, TNodeKind::MenuItem, "Home");

    TMenuScript script = GenerateMenuScript(p);
    EXPECT_EQ(script.Lines[12 + 7], ",");  // FontSize
    EXPECT_EQ(script.Lines[12 + 11], ","); // MenuItemPadding
    EXPECT_EQ(script.Lines[12 + 13], ","); // BorderSeparatorbar
    auto main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 18u);
    EXPECT_EQ(main[3], ",");       // MenuWidth
    EXPECT_EQ(main[4], "0,");      // MenuBorder
    EXPECT_EQ(main[10], "0,");     // Orientation
    EXPECT_EQ(main[12], "right,"); // ImagePosition goes out unquoted
    EXPECT_EQ(main[14], "0,");     // MenuOpening

    style->EditStyle().BorderSeparatorbar = "Yes";
    p.Objects.FirstRoot()->EditOptions().Orientation = "Horizontal";
    p.Objects.FirstRoot()->EditOptions().MenuOpening = "on mouse click";
    p.Objects.FirstRoot()->EditOptions().MenuBorder = -3;
    script = GenerateMenuScript(p);
    EXPECT_EQ(script.Lines[12 + 13], "1,");
    main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 18u);
    EXPECT_EQ(main[4], "-3,");
    EXPECT_EQ(main[10], "1,");
    EXPECT_EQ(main[14], "1,");
}

TEST(MenuScript, NamesCaptionsTargetsAndHints) {
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TTreeNode* g = Group(p, nullptr, "Two  words");
    g->EditItem().Hint = "A  hint";
    g->EditItem().Target = "_top";
    Entry(p, g, TNodeKind::MenuItem, "Item  two", "x.htm", "", "item hints are not written");
    Entry(p, nullptr, TNodeKind::MenuItem, "Top", "t.htm", "_top");
    Entry(p, nullptr, TNodeKind::MenuItem, " ", "e.htm");

    const TMenuScript script = GenerateMenuScript(p);
    ASSERT_EQ(script.Warnings.size(), 1u);
    EXPECT_EQ(script.Warnings[0].Kind, TScriptWarningKind::EmptyCaption);
    EXPECT_EQ(script.Warnings[0].Text.English(),
              "An entry of \"Main menu options\" object has no caption; it is drawn as an empty row");
    const auto main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 20u);
    EXPECT_EQ(main[2], "40,");
    EXPECT_EQ(main[16], R"(,"Two&nbsp;&nbsp;words","show-menu=Twowords","a.htm target=_top","A  hint",1)");
    EXPECT_EQ(main[17], R"(,"Top","t.htm target=_top",,,1)");
    const auto sub = Menu(script, "Twowords");
    ASSERT_EQ(sub.size(), 18u);
    EXPECT_EQ(sub[2], "41,");
    EXPECT_EQ(sub[16], R"(,"Item&nbsp;&nbsp;two","x.htm",,,1)");
}

TEST(MenuScript, MissingStyleFallsBackToTheFirstWithoutTouchingTheDesign) {
    TProject p;
    DefaultStyle(p, "First style");
    DefaultStyle(p, "Second");
    AppendOptionsNode(p, nullptr, Options(40, 140, "second", "Horizontal"));
    TTreeNode* g = Entry(p, nullptr, TNodeKind::MenuGroup, "Our  products");
    TTreeNode* subOptions = AppendOptionsNode(p, g, Options(40, 161, "Gone", "Vertical"));
    Entry(p, g, TNodeKind::MenuItem, "Price list");
    TTreeNode* ok = Group(p, nullptr, "Fine");
    ok->Children()[0].EditOptions().MenuStyle = "Second";
    Entry(p, ok, TNodeKind::MenuItem, "Item");

    TMenuScript script = GenerateMenuScript(p);
    std::vector<std::string> warnings;
    for (const TScriptWarning& warning : script.Warnings) {
        EXPECT_EQ(warning.Kind, TScriptWarningKind::MissingStyle);
        warnings.push_back(warning.Text.English());
    }
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  R"(Menu style in "Main menu options" object not found. Used first found menu style)",
                  R"(Menu style in "Our  products" object not found. Used first found menu style)"}));
    EXPECT_EQ(Menu(script, "mainmenu").at(6), "Firststyle,");
    EXPECT_EQ(Menu(script, "Ourproducts").at(6), "Firststyle,");
    EXPECT_EQ(Menu(script, "Fine").at(6), "Second,");
    EXPECT_EQ(p.Objects.FirstRoot()->Options().MenuStyle, "second");
    EXPECT_EQ(subOptions->Options().MenuStyle, "Gone");
    EXPECT_EQ(OptionsNamingMissingStyles(p), (std::vector<TTreeNode*>{p.Objects.FirstRoot(), subOptions}));

    const TMenuScript again = GenerateMenuScript(p);
    EXPECT_EQ(again.Warnings, script.Warnings);
    EXPECT_EQ(again.Lines, script.Lines);
}

TEST(MenuScript, MissingOptionsNodeTakesMainMenuDefaultsWithoutTouchingTheDesign) {
    TProject p;
    DefaultStyle(p);
    Entry(p, nullptr, TNodeKind::MenuItem, "Home");
    TTreeNode* g = Entry(p, nullptr, TNodeKind::MenuGroup, "Products");
    Entry(p, g, TNodeKind::MenuItem, "Price list");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_TRUE(script.Warnings.empty());
    EXPECT_EQ(p.Objects.RootCount(), 2);
    EXPECT_EQ(g->ChildCount(), 1);

    // Main-menu defaults also on the submenu: horizontal, 40 stored and so 41 written.
    const auto sub = Menu(script, "Products");
    ASSERT_EQ(sub.size(), 18u);
    EXPECT_EQ(sub[1], "140,");
    EXPECT_EQ(sub[2], "41,");
    EXPECT_EQ(sub[10], "1,");
    EXPECT_EQ(sub[16], R"(,"Price&nbsp;list","a.htm",,,1)");
    EXPECT_EQ(Menu(script, "mainmenu").size(), 19u);
}

TEST(MenuScript, OptionsNodeOutOfPlaceIsNeverWrittenAsAnEntry) {
    TProject p;
    DefaultStyle(p);
    Entry(p, nullptr, TNodeKind::MenuItem, "First");
    AppendOptionsNode(p, nullptr, Options(7, 8, "Main style", "Vertical"));
    AppendOptionsNode(p, nullptr, Options(99, 99, "Main style", "Horizontal"));
    Entry(p, nullptr, TNodeKind::MenuItem, "Last");

    const TMenuScript script = GenerateMenuScript(p);
    const auto main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 19u);
    EXPECT_EQ(main[1], "8,"); // the first options node of the level is the menu's
    EXPECT_EQ(main[2], "7,");
    EXPECT_EQ(main[16], R"(,"First","a.htm",,,1)");
    EXPECT_EQ(main[17], R"(,"Last","a.htm",,,1)");
    EXPECT_EQ(p.Objects.RootCount(), 4);
}

TEST(MenuScript, SubmenusFollowDepthFirstPreOrder) {
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TTreeNode* a = Group(p, nullptr, "A");
    TTreeNode* a1 = Group(p, a, "A1");
    TTreeNode* a1x = Group(p, a1, "A1x");
    Entry(p, a1x, TNodeKind::MenuItem, "leaf");
    Entry(p, a1, TNodeKind::MenuItem, "leaf");
    Entry(p, a, TNodeKind::MenuItem, "leaf");
    TTreeNode* a2 = Group(p, a, "A2");
    Entry(p, a2, TNodeKind::MenuItem, "leaf");
    Entry(p, nullptr, TNodeKind::MenuItem, "between");
    TTreeNode* b = Group(p, nullptr, "B");
    TTreeNode* b1 = Group(p, b, "B1");
    Entry(p, b1, TNodeKind::MenuItem, "leaf");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_EQ(MenuOrder(script), (std::vector<std::string>{"mainmenu", "A", "A1", "A1x", "A2", "B", "B1"}));
    const auto menuA = Menu(script, "A");
    ASSERT_EQ(menuA.size(), 20u);
    EXPECT_EQ(menuA[7], "0,");
    EXPECT_EQ(menuA[16], R"(,"A1","show-menu=A1","a.htm","",1)");
    EXPECT_EQ(menuA[17], R"(,"leaf","a.htm",,,1)");
    EXPECT_EQ(menuA[18], R"(,"A2","show-menu=A2","a.htm","",1)");
    EXPECT_EQ(script.Lines.back(), "dumpmenus()");
    EXPECT_EQ(script.Lines[script.Lines.size() - 2], "");
}

TEST(MenuScript, HundredThousandDeepChainIsWrittenWithoutRecursion) {
    constexpr int depth = 100000;
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TTreeNode* parent = nullptr;
    for (int i = 0; i < depth; ++i) {
        parent = Group(p, parent, "G" + std::to_string(i));
    }
    Entry(p, parent, TNodeKind::MenuItem, "bottom");

    const TMenuScript script = GenerateMenuScript(p);
    const auto order = MenuOrder(script);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(depth) + 1);
    EXPECT_EQ(order[1], "G0");
    EXPECT_EQ(order[depth / 2 + 1], "G" + std::to_string(depth / 2));
    EXPECT_EQ(order.back(), "G" + std::to_string(depth - 1));
    EXPECT_EQ(script.Lines[script.Lines.size() - 4], R"(,"bottom","a.htm",,,1)");
}

// The optional parts go into positions the engine never read, only when set: a design without them
// keeps its bytes, so each case changes exactly one line of its menu.
TEST(MenuScript, OptionalPartsFillUnreadPositionsOnlyWhenSet) {
    struct TCase {
        void (*Set)(TMenuOptionsRec& main, TMenuOptionsRec& sub, TMenuItemRec& item);
        std::string Menu;
        std::size_t Line;
        std::string Expected;
    };
    const std::vector<TCase> cases = {
        {[](TMenuOptionsRec&, TMenuOptionsRec&, TMenuItemRec&) {}, "Group", 9, ",,"},
        {[](TMenuOptionsRec&, TMenuOptionsRec& s, TMenuItemRec&) { s.Layout = "Panel"; }, "Group", 9,
         R"("panel",,)"},
        {[](TMenuOptionsRec&, TMenuOptionsRec& s, TMenuItemRec&) {
             s.Layout = "Panel";
             s.Columns = 3;
         },
         "Group", 9, R"("panel",3,)"},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) { m.WhenNoRoom = "More"; }, "mainmenu", 11,
         R"("more",)"},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) { m.WhenNoRoom = "Wrap"; }, "mainmenu", 11,
         R"("wrap",)"},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) { m.WhenNoRoom = "Menu button"; },
         "mainmenu", 11, R"("menu button",)"},
        {[](TMenuOptionsRec&, TMenuOptionsRec&, TMenuItemRec&) {}, "mainmenu", 11, ","},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) {
             m.MoreCaption = "Plus \"x\"";
             m.SmallScreenWidth = 640;
         },
         "mainmenu", 13, R"("Plus \"x\"",640,)"},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) { m.SmallScreenWidth = -5; }, "mainmenu", 13,
         ",,"},
        {[](TMenuOptionsRec& m, TMenuOptionsRec&, TMenuItemRec&) { m.SmallScreenLook = "Drawer"; },
         "mainmenu", 15, R"(,,,"drawer",)"},
        {[](TMenuOptionsRec&, TMenuOptionsRec&, TMenuItemRec& i) {
             i.Description = "Line";
             i.Icon = "home";
         },
         "Group", 16, R"(,"Item","a.htm",,,["Line","","home"])"},
        {[](TMenuOptionsRec&, TMenuOptionsRec&, TMenuItemRec& i) { i.Badge = "</script>"; }, "Group", 16,
         R"(,"Item","a.htm",,,["","<\/script>",""])"},
    };
    for (const TCase& c : cases) {
        TProject p;
        DefaultStyle(p);
        TMenuOptionsRec main = Options(40, 140, "Main style", "Horizontal");
        TMenuOptionsRec sub = Options(40, 161, "Main style", "Vertical");
        TMenuItemRec item;
        item.Caption = "Item";
        item.Address = "a.htm";
        c.Set(main, sub, item);
        AppendOptionsNode(p, nullptr, main);
        TTreeNode* group = Entry(p, nullptr, TNodeKind::MenuGroup, "Group");
        AppendOptionsNode(p, group, sub);
        AppendItemNode(p, group, TNodeKind::MenuItem, item);
        const TMenuScript script = GenerateMenuScript(p);
        EXPECT_EQ(Menu(script, c.Menu).at(c.Line), c.Expected) << c.Expected;
    }
}
} // namespace
} // namespace tarvex
