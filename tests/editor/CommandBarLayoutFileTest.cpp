// The command bars' layout file: which files read, what the window's bars become in it, and how
// two windows' changes merge.

#include "editor/CommandBarLayoutFile.h"

#include <gtest/gtest.h>

namespace tarvex::test {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(CommandBarLayoutFileTest, OnlyAWholeLayoutFileOfOursIsRead) {
    const std::string whole =
        "[ActionMainMenuBar1]\r\nMenu=&File\r\n  Item=&New\r\n  Item=Recent files...\r\n"
        "    Item=&0: /x.xml\r\n  -\r\n[FileToolBar]\r\nCaption=File\r\nVisible=1\r\n"
        "Position=0,0\r\nItem=NewAction\r\n-\r\n[CommandsToolBar]\r\nCaption=Commands\r\n"
        "Item=UpdatePreviewAction\r\n[Options]\r\nLargeIcons=1\r\n";
    const struct {
        const char* Name;
        std::string Bytes;
        bool Read;
    } cases[] = {
        {"whole", whole, true},
        {"line feeds only", Replaced(whole, "\r\n", "\n"), true},
        {"without options (older files)", whole.substr(0, whole.find("[Options]")), true},
        {"cut inside a line", whole.substr(0, whole.size() - 3), false},
        {"cut between sections", whole.substr(0, whole.find("[CommandsToolBar]")), false},
        {"foreign settings", "[General]\r\nWidth=600\r\n", false},
        {"unknown section", Replaced(whole, "[Options]", "[Plugins]"), false},
        {"entry outside a menu", Replaced(whole, "Menu=&File\r\n", ""), false},
        {"submenu entry right under its title",
         Replaced(whole, "  Item=&New\r\n  Item=Recent files...\r\n", ""), false},
        {"position that is no number", Replaced(whole, "Position=0,0", "Position=0,x"), false},
        {"option that is no switch", Replaced(whole, "LargeIcons=1", "LargeIcons=2"), false},
        {"binary", std::string("[ActionMainMenuBar1]\r\n\0\xff\xfe\r\n", 27), false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::optional<TCommandBarLayoutUnits> units = ParseCommandBarLayout(c.Bytes);
        ASSERT_EQ(units.has_value(), c.Read);
        if (c.Read) {
            // Read back as it was written, line ends aside.
            EXPECT_EQ(CommandBarLayoutBytes(*units), Replaced(Replaced(c.Bytes, "\r\n", "\n"), "\n", "\r\n"));
        }
    }
}

TEST(CommandBarLayoutFileTest, TheWindowsBarsComeBackAsTheyWereDescribed) {
    TCommandBarOptions options;
    options.LargeIcons = true;
    const TCommandBarLayoutUnits units = {
        // A caption with a line break must not split its line.
        MenuLayoutUnit(
            "&File",
            {{1, false, "&New"}, {1, true, ""}, {1, false, "Two\r\nlines"}, {2, false, "&0: /x.xml"}}),
        ToolBarLayoutUnit({"FileToolBar", "File", false, -3, 30, {"NewAction", std::nullopt, "ExitAction"}}),
        ToolBarLayoutUnit({"CommandsToolBar", "Commands", true, 0, 0, {}}),
        OptionsLayoutUnit(options),
    };
    const std::optional<TCommandBarLayoutUnits> read = ParseCommandBarLayout(CommandBarLayoutBytes(units));
    ASSERT_TRUE(read);
    ASSERT_EQ(*read, units);
    EXPECT_EQ(MenuTitleOf(read->at(0)), "&File");
    // A menu's own entries only: the recent file lives in its submenu.
    EXPECT_EQ(EntriesOf(read->at(0)),
              (std::vector<std::optional<std::string>>{"&New", std::nullopt, "Two  lines"}));
    EXPECT_EQ(ToolBarNameOf(read->at(1)), "FileToolBar");
    EXPECT_EQ(EntriesOf(read->at(1)),
              (std::vector<std::optional<std::string>>{"NewAction", std::nullopt, "ExitAction"}));
    EXPECT_TRUE(IsOptionsUnit(read->at(3)));
    EXPECT_EQ(OptionsOf(read->at(3)), options);
}

TEST(CommandBarLayoutFileTest, EachWindowKeepsOnlyWhatItChangedItself) {
    const auto bar = [](int x, std::vector<std::optional<std::string>> items) {
        return ToolBarLayoutUnit({"FileToolBar", "File", true, x, 0, std::move(items)});
    };
    const auto menu = [](std::string entry) {
        return MenuLayoutUnit("&Tools", {{1, false, std::move(entry)}});
    };
    TCommandBarOptions large;
    large.LargeIcons = true;
    const TCommandBarLayoutUnits base = {menu("&Customize"), bar(0, {"NewAction"}), OptionsLayoutUnit({})};
    // This window moved its toolbar (not read back) and took large icons; the other window
    // changed the toolbar's commands and the menu.
    const TCommandBarLayoutUnits mine = {menu("&Customize"), bar(40, {"NewAction"}),
                                         OptionsLayoutUnit(large)};
    const TCommandBarLayoutUnits disk = {menu("&About program"), bar(0, {"NewAction", "ExitAction"}),
                                         OptionsLayoutUnit({})};

    const TCommandBarLayoutUnits merged = MergeCommandBarLayouts(base, mine, disk);

    EXPECT_EQ(merged, (TCommandBarLayoutUnits{disk[0], disk[1], mine[2]}));
    // A unit new in this window is its own change.
    EXPECT_EQ(MergeCommandBarLayouts({}, mine, disk), mine);
}

} // namespace
} // namespace tarvex::test
