#include "ProjectTestSupport.h"

#include "project/ProjectWriter.h"

#include <gtest/gtest.h>

using namespace tarvex;
using namespace tarvex::test;
namespace fs = std::filesystem;

namespace {

void FillDefaultProjectWithOneStyle(TProject& project) {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(project, "Main style", style);
    BuildDefaultProject(project);
}

TMenuOptionsRec Options(int32_t left, int32_t top, int32_t width, int32_t border, const char* style,
                        const char* orientation, const char* opening) {
    TMenuOptionsRec options;
    options.RemainVisible = 100;
    options.MenuLeft = left;
    options.MenuTop = top;
    options.MenuWidth = width;
    options.MenuBorder = border;
    options.MenuStyle = style;
    options.TextAlignment = "left";
    options.Orientation = orientation;
    options.MenuOpening = opening;
    return options;
}

TMenuItemRec Entry(const char* caption, const char* hint, const char* address, const char* target) {
    TMenuItemRec item;
    item.Caption = caption;
    item.Hint = hint;
    item.Address = address;
    item.Target = target;
    return item;
}

} // namespace

void tarvex::test::FillNestedThreeLevels(TProject& p) {
    TMenuOptionsRec main = Options(-25, 0, 120, 0, "A & B <x>", "Vertical", "on mouse click");
    main.RemainVisible = -1;
    main.ScreenPosition = "center";
    main.TextAlignment = "right";
    main.ImagePosition = "left";
    AppendOptionsNode(p, nullptr, main);
    TTreeNode* products =
        AppendItemNode(p, nullptr, TNodeKind::MenuGroup,
                       Entry("Products & <Services>", "hint <b>", "products.htm?a=1&b=2", "_blank"));
    AppendOptionsNode(p, products, Options(95, 0, 160, 2, "Second", "Vertical", "on mouse over"));
    TTreeNode* level2 =
        AppendItemNode(p, products, TNodeKind::MenuGroup, Entry("Level 2", "", "level2.htm", ""));
    AppendOptionsNode(p, level2, Options(257, 18, 150, 1, "Second", "Vertical", "on mouse click"));
    TTreeNode* level3 = AppendItemNode(p, level2, TNodeKind::MenuGroup,
                                       Entry("Level 3", "", "https://www.korvane.example", "frame1"));
    AppendOptionsNode(p, level3, Options(408, 36, 0, 1, "", "Horizontal", "on mouse over"));
    AppendItemNode(p, level3, TNodeKind::MenuItem, Entry("Deep item", "deepest", "deep.htm#top", ""));
    AppendItemNode(p, products, TNodeKind::MenuItem, Entry("Sibling", "", "", "_self"));
    AppendItemNode(p, nullptr, TNodeKind::MenuItem,
                   Entry("Contact", "Write to us", "mailto:info@example.com", ""));

    TMenuStyleRec first;
    first.MouseOffFont = "112233";
    first.MouseOffBackground = "C0C0C0";
    first.MouseOnFont = "FFFFFF";
    first.MouseOnBackground = "808080";
    first.MenuBorderColor = "000000";
    first.FontSize = -2;
    first.FontStyle = "italic";
    first.FontWeight = "bold";
    first.FontName = "Georgia, serif";
    first.MenuItemPadding = 0;
    first.SubMenuImage = "arrow.gif";
    first.BorderSeparatorbar = "yes";
    first.HighColor = "EEEEEE";
    first.LowColor = "333333";
    first.TopBarImage = "bar.gif";
    first.MenuHeaderFontColor = "FF0000";
    first.MenuHeaderBackground = "00FF00";
    AppendStyleNode(p, "A & B <x>", first);
    TMenuStyleRec second;
    FillDefaultStyle(second);
    second.FontSize = 12;
    second.MenuItemPadding = 4;
    AppendStyleNode(p, "Second", second);
}

TEST(ProjectWriter, DefaultProjectMatchesGoldenFileAndIsStable) {
    TProject project;
    FillDefaultProjectWithOneStyle(project);
    const std::string written = WriteProjectText(project);
    EXPECT_EQ(written, DataFile("default-one-style.xml"));
    EXPECT_EQ(WriteProjectText(project), written);
}

TEST(ProjectWriter, NestedGroupsSpecialCharactersAndNegativeNumbers) {
    // Three nested MENU_GROUP elements, "<" and "&" unescaped, "-25", "on mouse click", a root
    // item after a group: compared with a file laid out by hand.
    TProject project;
    FillNestedThreeLevels(project);
    EXPECT_EQ(WriteProjectText(project), DataFile("nested-three-levels.xml"));
}

TEST(ProjectWriter, EmptyDesignIsJustTheSkeleton) {
    const std::string expected = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                                 "\r\n"
                                 "<!-- Created by Korvane Tarvex (https://www.korvane.example) -->\r\n"
                                 "\r\n"
                                 "<PROJECT>\r\n<MENU>\r\n<HEADER>\r\n<HANDLE>Korvane Tarvex</HANDLE>\r\n"
                                 "<WEB>https://www.korvane.example</WEB>\r\n</HEADER>\r\n"
                                 "</MENU>\r\n<STYLES>\r\n</STYLES>\r\n</PROJECT>\r\n";
    EXPECT_EQ(WriteProjectText(TProject{}), expected);
}

TEST(ProjectSave, WritesTheFileAndLeavesNoTemporaryBehind) {
    TScratchDir dir;
    const fs::path target = dir.Path() / "menu.xml";
    ASSERT_TRUE(WriteFileAtomically(target, "older project") == TWriteStatus::Written);
    TProject project;
    FillDefaultProjectWithOneStyle(project);
    ASSERT_EQ(SaveProjectFile(project, target), TSaveStatus::Written);
    EXPECT_EQ(ReadWholeFile(target).value_or(""), DataFile("default-one-style.xml"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(ProjectSave, ReadOnlyFileIsLeftUntouched) {
    TScratchDir dir;
    const fs::path target = dir.Path() / "locked.xml";
    ASSERT_TRUE(WriteFileAtomically(target, "keep me") == TWriteStatus::Written);
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    TProject project;
    FillDefaultProjectWithOneStyle(project);
    EXPECT_EQ(SaveProjectFile(project, target), TSaveStatus::ReadOnly);
    EXPECT_EQ(ReadWholeFile(target).value_or(""), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(ProjectSave, UncreatableTargetsReportCannotCreate) {
    TScratchDir dir;
    EXPECT_EQ(SaveProjectFile(TProject{}, dir.Path() / "missing" / "menu.xml"), TSaveStatus::CannotCreate);
    EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
    // A folder in the file's place is neither replaced nor reported as saved.
    fs::create_directory(dir.Path() / "menu.xml");
    fs::create_directory(dir.Path() / "menu.xml" / "inside");
    EXPECT_EQ(SaveProjectFile(TProject{}, dir.Path() / "menu.xml"), TSaveStatus::CannotCreate);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "menu.xml" / "inside"));
}
