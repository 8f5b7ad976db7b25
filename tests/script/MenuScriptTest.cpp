#include "script/MenuScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace tarvex {
namespace {

namespace fs = std::filesystem;

TMenuOptionsRec Options(int32_t left, int32_t top, std::string_view style, std::string_view orientation) {
    TMenuOptionsRec o;
    o.RemainVisible = 100;
    o.MenuLeft = left;
    o.MenuTop = top;
    o.MenuWidth = 150;
    o.MenuBorder = 1;
    o.MenuStyle = style;
    o.TextAlignment = "left";
    o.Orientation = orientation;
    o.MenuOpening = "on mouse over";
    return o;
}

TTreeNode* Entry(TProject& p, TTreeNode* parent, TNodeKind kind, std::string_view caption,
                 std::string_view address = "a.htm", std::string_view target = "",
                 std::string_view hint = "") {
    TMenuItemRec item;
    item.Caption = caption;
    item.Address = address;
    item.Target = target;
    item.Hint = hint;
    return AppendItemNode(p, parent, kind, item);
}

TTreeNode* Group(TProject& p, TTreeNode* parent, std::string_view caption) {
    TTreeNode* g = Entry(p, parent, TNodeKind::MenuGroup, caption);
    AppendOptionsNode(p, g, Options(40, 161, "Main style", "Vertical"));
    return g;
}

TTreeNode* DefaultStyle(TProject& p, std::string name = "Main style") {
    TMenuStyleRec s;
    FillDefaultStyle(s);
    return AppendStyleNode(p, std::move(name), s);
}

// A products menu: one style, a group "Our products" holding its price list.
void BuildProductsMenu(TProject& p) {
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    TTreeNode* group =
        Entry(p, nullptr, TNodeKind::MenuGroup, "Our products", "products.htm", "", "All our products");
    AppendOptionsNode(p, group, Options(40, 161, "Main style", "Vertical"));
    Entry(p, group, TNodeKind::MenuItem, "Price list", "prices.htm", "_blank");
}

// The lines of one addmenu call, from its first line to "])"; empty when the menu is absent.
std::vector<std::string> Menu(const TMenuScript& s, std::string_view name) {
    const std::string first = "addmenu(menu=[\"" + std::string(name) + "\",";
    auto begin = std::find(s.Lines.begin(), s.Lines.end(), first);
    if (begin == s.Lines.end()) {
        return {};
    }
    auto end = std::find(begin, s.Lines.end(), "])");
    return {begin, end == s.Lines.end() ? end : end + 1};
}

std::vector<std::string> MenuOrder(const TMenuScript& s) {
    std::vector<std::string> names;
    for (const std::string& line : s.Lines) {
        if (line.starts_with("addmenu(menu=[\"")) {
            names.push_back(line.substr(15, line.size() - 17));
        }
    }
    return names;
}

std::string ReadFile(const fs::path& path) {
    auto bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes.value_or("");
}

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
    EXPECT_EQ(script.Warnings[0],
              (TScriptWarning{
                  TScriptWarningKind::EmptyCaption,
                  "An entry of \"Main menu options\" object has no caption; it is drawn as an empty row"}));
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

TEST(MenuScript, StylesDifferingOnlyInSpacesShareAVariableName) {
    TProject p;
    DefaultStyle(p, "Blue sky");
    TTreeNode* second = DefaultStyle(p, "Bluesky");
    second->EditStyle().MouseOffFont = "0000FF";
    AppendOptionsNode(p, nullptr, Options(40, 140, "Bluesky", "Horizontal"));
    Entry(p, nullptr, TNodeKind::MenuItem, "Home");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_EQ(script.Lines[12], "//Blue sky");
    EXPECT_EQ(script.Lines[13], "Bluesky=[");
    EXPECT_EQ(script.Lines[14], "\"000000\",");
    EXPECT_EQ(script.Lines[34], "//Bluesky");
    EXPECT_EQ(script.Lines[35], "Bluesky=[");
    EXPECT_EQ(script.Lines[36], "\"0000FF\",");
    EXPECT_TRUE(script.Warnings.empty());
    EXPECT_EQ(Menu(script, "mainmenu").at(6), "Bluesky,");
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
    EXPECT_EQ(script.Warnings,
              (std::vector<TScriptWarning>{
                  {TScriptWarningKind::MissingStyle,
                   R"(Menu style in "Main menu options" object not found. Used first found menu style)"},
                  {TScriptWarningKind::MissingStyle,
                   R"(Menu style in "Our  products" object not found. Used first found menu style)"}}));
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

TEST(MenuScript, QuotesBackslashesAndLineBreaksCannotBreakTheScript) {
    TProject p;
    TTreeNode* style = DefaultStyle(p, "Odd\r\nname");
    style->EditStyle().FontName = R"("Comic" \ Sans)";
    AppendOptionsNode(p, nullptr, Options(40, 140, "Odd\r\nname", "Horizontal"));
    p.Objects.FirstRoot()->EditOptions().TextAlignment = "le\"ft";
    TTreeNode* g = Group(p, nullptr, R"(Say "hi")");
    g->Children()[0].EditOptions().MenuStyle = "Odd\r\nname";
    g->EditItem().Hint = "a\\b";
    g->EditItem().Address = "x.htm?q=\"1\"";
    Entry(p, g, TNodeKind::MenuItem, "Two\nlines", "c:\\x.htm", "_\"top");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_TRUE(script.Warnings.empty());
    EXPECT_EQ(script.Lines[12], "//Odd  name");
    EXPECT_EQ(script.Lines[13], "Oddname=[");
    EXPECT_EQ(script.Lines[12 + 10], R"("\"Comic\" \\ Sans",)");
    const auto main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 18u);
    EXPECT_EQ(main[6], "Oddname,");
    EXPECT_EQ(main[8], R"("le\"ft",)");
    EXPECT_EQ(main[16], R"(,"Say&nbsp;\"hi\"","show-menu=Say\"hi\"","x.htm?q=\"1\"","a\\b",1)");
    const auto sub = Menu(script, R"(Say\"hi\")");
    ASSERT_EQ(sub.size(), 18u);
    EXPECT_EQ(sub[16], R"(,"Two\nlines","c:\\x.htm target=_\"top",,,1)");
    for (const std::string& line : script.Lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
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

// Every kind of name that cannot be a global of its own gets a derived one that is still an
// identifier, distinct from every other style's, and that the menus name too.
TEST(MenuScript, UnsafeStyleNamesGetDerivedVariables) {
    const struct {
        std::string name;
        std::string variable;
    } cases[] = {
        {"Blue sky", "Bluesky"},        // plain names keep their bytes
        {"my_top", "my_top"},           // ...also with "_" and a browser global inside
        {"3D look", "tvxStyle_3Dlook"}, // not an identifier
        {"Dark-blue", "tvxStyle_Dark_2Dblue"},
        {"Dark_2Dblue", "Dark_2Dblue"},    // the derived spelling of another name is no clash
        {"default", "tvxStyle_default"},   // reserved word
        {"location", "tvxStyle_location"}, // browser globals
        {"top", "tvxStyle_top"},
        {"toString", "tvxStyle_toString"},
        {"menu", "tvxStyle_menu"}, // engine and menu script globals
        {"timegap", "tvxStyle_timegap"},
        {"tvxStyle_top", "tvxStyle_tvxStyle__top"}, // the prefix itself is never typed through
        {"Caf\xC3\xA9", "tvxStyle_Caf_C3_A9"},      // named by its UTF-8 bytes
        {"x=alert(1)//", "tvxStyle_x_3Dalert_281_29_2F_2F"},
    };
    TProject p;
    for (const auto& c : cases) {
        DefaultStyle(p, c.name);
    }
    AppendOptionsNode(p, nullptr, Options(40, 140, "location", "Horizontal"));
    Entry(p, nullptr, TNodeKind::MenuItem, "Home");
    const TMenuScript script = GenerateMenuScript(p);

    std::vector<std::string> renamed;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(script.Lines[12 + 22 * i + 1], cases[i].variable + "=[") << cases[i].name;
    }
    for (const TScriptWarning& w : script.Warnings) {
        EXPECT_EQ(w.Kind, TScriptWarningKind::RenamedStyleVariable);
        renamed.push_back(w.Text);
    }
    EXPECT_EQ(renamed.size(), std::size(cases) - 3);
    EXPECT_EQ(
        renamed.at(0),
        R"(Style name "3D look" can not be used as a script variable; menu.js calls it tvxStyle_3Dlook)");
    EXPECT_EQ(script.Lines[12 + 22 * 12], "//Caf?");
    EXPECT_EQ(script.Lines[12 + 22 * 13], "//x=alert(1)//");
    EXPECT_EQ(Menu(script, "mainmenu").at(6), "tvxStyle_location,");
}

// Everything the author types stays inside string literals or becomes a keyword, and the file is
// ASCII whatever the text holds.
TEST(MenuScript, HostileTextStaysInsideLiteralsAndAscii) {
    TProject p;
    DefaultStyle(p, "Style <!--</script>");
    TMenuOptionsRec o = Options(40, 140, "Style <!--</script>", "Horizontal");
    o.ImagePosition = " Left";
    AppendOptionsNode(p, nullptr, o);
    TTreeNode* g = Group(p, nullptr, "</SCRIPT><!--<Script>alert(1)</script>");
    g->Children()[0].EditOptions().MenuStyle = "Style <!--</script>";
    g->Children()[0].EditOptions().ImagePosition = "alert(1)";
    g->EditItem().Address = " JavaScript:alert(1)";
    Entry(p, g, TNodeKind::MenuItem,
          "Caf\xC3\xA9 \xE2\x80\x93 B\xC3\xBC"
          "cher \xE2\x82\xAC",
          "java\tscript:x()");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_EQ(script.Lines[12], R"(//Style <\!--<\/script>)");
    const auto main = Menu(script, "mainmenu");
    ASSERT_EQ(main.size(), 18u);
    EXPECT_EQ(main[12], "left,");
    EXPECT_EQ(
        main[16],
        R"(,"<\/SCRIPT><\!--<\Script>alert(1)<\/script>","show-menu=<\/SCRIPT><\!--<\Script>alert(1)<\/script>",)"
        R"x(" JavaScript:alert(1)","",1)x");
    const auto sub = Menu(script, R"(<\/SCRIPT><\!--<\Script>alert(1)<\/script>)");
    ASSERT_EQ(sub.size(), 18u);
    EXPECT_EQ(sub[12], ",");
    EXPECT_EQ(sub[16], R"x(,"Caf\u00E9&nbsp;\u2013&nbsp;B\u00FCcher&nbsp;\u20AC","java	script:x()",,,1)x");
    for (const std::string& line : script.Lines) {
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << line;
    }
    std::vector<TScriptWarningKind> kinds;
    for (const TScriptWarning& w : script.Warnings) {
        kinds.push_back(w.Kind);
    }
    EXPECT_EQ(kinds, (std::vector<TScriptWarningKind>{
                         TScriptWarningKind::RenamedStyleVariable, TScriptWarningKind::ScriptAddress,
                         TScriptWarningKind::DroppedImagePosition, TScriptWarningKind::ScriptAddress}));
    EXPECT_EQ(script.Warnings[2].Text,
              "Image position \"alert(1)\" in \"</SCRIPT><!--<Script>alert(1)</script>\" object "
              "is not left, right or center; none is used");
}

// Later menus whose names are taken get a new one, skipping names the design uses, and the
// group entries open the renamed menu.
TEST(MenuScript, CollidingMenuNamesAreMadeUnique) {
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    for (const char* caption : {"Add ons", "Addons", "main menu", "Addons_2"}) {
        Entry(p, Group(p, nullptr, caption), TNodeKind::MenuItem, caption);
    }
    TTreeNode* inner = Group(p, &p.Objects.Level(nullptr)[1], "Add ons");
    Entry(p, inner, TNodeKind::MenuItem, "deep");

    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_EQ(MenuOrder(script), (std::vector<std::string>{"mainmenu", "Addons", "Addons_3", "Addons_4",
                                                           "mainmenu_2", "Addons_2"}));
    EXPECT_EQ(Menu(script, "mainmenu").at(17), R"(,"Addons","show-menu=Addons_4","a.htm","",1)");
    EXPECT_EQ(Menu(script, "Addons").at(17), R"(,"Add&nbsp;ons","show-menu=Addons_3","a.htm","",1)");
    ASSERT_EQ(script.Warnings.size(), 3u);
    EXPECT_EQ(script.Warnings[0].Kind, TScriptWarningKind::RenamedMenu);
    EXPECT_EQ(
        script.Warnings[0].Text,
        R"(Menu name "Addons" of "Add ons" object is already used; menu.js names this menu "Addons_3")");
}

TEST(MenuScript, NonLatinGroupsGetTheirOwnMenusInEscapedNames) {
    TProject p;
    DefaultStyle(p);
    AppendOptionsNode(p, nullptr, Options(40, 140, "Main style", "Horizontal"));
    // Cyrillic, Greek, CJK, Hebrew, and an emoji outside the Basic Multilingual Plane.
    for (const char* caption : {"\xD0\x9F\xD1\x80\xD0\xBE", "\xD0\x9F\xD1\x80\xD0\xB0", "\xCE\x95\xCE\xBB",
                                "\xE8\xA3\xBD \xE5\x93\x81", "\xD7\xA9\xD7\x9C", "\xF0\x9F\x98\x80"}) {
        Entry(p, Group(p, nullptr, caption), TNodeKind::MenuItem, caption);
    }
    const TMenuScript script = GenerateMenuScript(p);
    EXPECT_TRUE(script.Warnings.empty());
    EXPECT_EQ(MenuOrder(script),
              (std::vector<std::string>{"mainmenu", R"(\u041F\u0440\u043E)", R"(\u041F\u0440\u0430)",
                                        R"(\u0395\u03BB)", R"(\u88FD\u54C1)", R"(\u05E9\u05DC)",
                                        R"(\uD83D\uDE00)"}));
    EXPECT_EQ(Menu(script, R"(\u88FD\u54C1)").at(16), R"(,"\u88FD&nbsp;\u54C1","a.htm",,,1)");
    EXPECT_EQ(Menu(script, "mainmenu").at(21), R"(,"\uD83D\uDE00","show-menu=\uD83D\uDE00","a.htm","",1)");
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
