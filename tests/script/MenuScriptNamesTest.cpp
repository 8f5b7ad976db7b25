// The names the script gives styles and menus, and the author's text inside its literals: whatever
// they hold, the script stays valid JavaScript, ASCII, and every name stays distinct.

#include "MenuScriptSupport.h"

namespace tarvex {
namespace {

using namespace script_test;

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
        renamed.push_back(w.Text.English());
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
    EXPECT_EQ(script.Warnings[2].Text.English(),
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
        script.Warnings[0].Text.English(),
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

} // namespace
} // namespace tarvex
