#include "script/MenuModule.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvex {
namespace {

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Two styles whose names give one variable, and the main menu's options naming the second.
void TwoStyles(TProject& p, std::string_view font, std::string_view colour) {
    TMenuStyleRec s;
    FillDefaultStyle(s);
    AppendStyleNode(p, "Plain", s);
    s.FontName = font;
    s.MouseOffBackground = colour;
    AppendStyleNode(p, "Pla in", s);
    TMenuOptionsRec o;
    FillDefaultMenuOptions(p, o, nullptr);
    o.MenuStyle = "Pla in";
    AppendOptionsNode(p, nullptr, o);
}

// The menu lines run inside the module's own function, which declares each name they assign once
// (a second declaration is a syntax error, a missing one a reference error under strict mode) and
// hands the pause to the engine instead of leaving it in a global.
TEST(MenuModule, DeclaresWhatTheScriptAssignsAndPassesThePause) {
    TProject p;
    TwoStyles(p, "Verdana", "336699");
    const TMenuScript script = GenerateMenuScript(p);
    const std::string module = MenuModuleText("(function (host) {})(this);\n", p, script);

    EXPECT_EQ(
        Count(module, "let timegap, followspeed, followrate, suboffset_top, suboffset_left, menu, Plain;"),
        1u);
    EXPECT_EQ(Count(module, "\r\ndumpmenus()\r\n"), 0u);
    EXPECT_EQ(Count(module, "dumpmenus({ timegap: timegap });"), 1u);
    EXPECT_EQ(Count(module, "(function (host) {})(this);"), 1u);
    EXPECT_LT(module.find("dumpmenus({ timegap"), module.find("}).call(engine);"));
}

// Only colours, font names and numbers reach the style sheet, so no value ends its rule early.
TEST(MenuModule, StyleSheetTakesTheMainMenusStyleAndDropsWhatIsNoValue) {
    TProject design;
    TwoStyles(design, "Open Sans, Arial", "336699");
    const std::string good = MenuModuleStyleSheet(design);
    EXPECT_NE(good.find("--tvx-bg: #336699;"), std::string::npos);
    EXPECT_NE(good.find("--tvx-font-family: Open Sans, Arial;"), std::string::npos);

    TProject hostile;
    TwoStyles(hostile, "x} body{display:none", "red;}");
    const std::string bad = MenuModuleStyleSheet(hostile);
    EXPECT_EQ(bad.find("--tvx-bg:"), std::string::npos);
    EXPECT_EQ(bad.find("--tvx-font-family:"), std::string::npos);
    EXPECT_EQ(Count(bad, "{"), Count(bad, "}"));
    EXPECT_EQ(Count(bad, "{"), Count(good, "{"));
}

} // namespace
} // namespace tarvex
