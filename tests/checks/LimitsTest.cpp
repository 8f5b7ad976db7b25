// The checks' thresholds, each just below, at and just above its limit: contrast for normal and
// large text, what counts as large text, the entries' height, a caption's length and the depth
// of the menus.
#include "checks/DesignChecks.h"
#include "checks/StyleChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvex;

namespace {

TMenuStyleRec Style(const char* font, int size, const char* weight, int padding = 8) {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    style.MouseOffFont = font;
    style.MouseOffBackground = "FFFFFF";
    style.MouseOnFont = "FFFFFF";
    style.MouseOnBackground = "000000";
    style.FontSize = size;
    style.FontWeight = weight;
    style.MenuItemPadding = padding;
    return style;
}

TMenuItemRec Item(const std::string& caption) {
    TMenuItemRec item;
    item.Caption = caption;
    item.Address = "index.htm";
    return item;
}

void AddOptions(TProject& project, TTreeNode* group) {
    TMenuOptionsRec options;
    options.MenuStyle = "Good";
    AppendOptionsNode(project, group, options);
}

// One style, the main menu with `caption`, and `menus - 1` submenus each nested in the one before.
std::vector<TCheckFinding> Findings(const TMenuStyleRec& style, const std::string& caption = "Home",
                                    int menus = 1) {
    TProject project;
    AppendStyleNode(project, "Good", style);
    AddOptions(project, nullptr);
    AppendItemNode(project, nullptr, TNodeKind::MenuItem, Item(caption));
    TTreeNode* parent = nullptr;
    for (int level = 1; level < menus; ++level) {
        parent = AppendItemNode(project, parent, TNodeKind::MenuGroup, Item("Group"));
        AddOptions(project, parent);
        AppendItemNode(project, parent, TNodeKind::MenuItem, Item("Page"));
    }
    return CheckDesign(project);
}

// The texts of the findings that hold `fragment`.
std::vector<std::string> With(const std::vector<TCheckFinding>& findings, const std::string& fragment) {
    std::vector<std::string> texts;
    for (const TCheckFinding& finding : findings) {
        if (finding.Text.English().find(fragment) != std::string::npos) {
            texts.push_back(finding.Text.English());
        }
    }
    return texts;
}

std::vector<std::string> None() {
    return {};
}

std::vector<std::string> One(const std::string& text) {
    return {text};
}

} // namespace

// No 8-bit colour on white meets 4.5:1 or 3:1 exactly; these are the nearest on either side, a
// millionth away. Large text is 24 px, or 18.66 px in bold, so 19 px bold is the first bold size.
TEST(CheckLimits, ContrastAtEachSideOfBothLimitsAndTheLargeTextSizes) {
    const std::string below45 =
        "\"Mouse Off Font\" on \"Mouse Off Background\" has a contrast of 4.4:1; text "
        "needs at least 4.5:1 to be read.";
    const std::string below30 =
        "\"Mouse Off Font\" on \"Mouse Off Background\" has a contrast of 2.9:1; text "
        "needs at least 3.0:1 to be read.";
    struct TRow {
        const char* Font; // on FFFFFF
        int Size;
        const char* Weight;
        std::vector<std::string> Expected;
    };
    const TRow rows[] = {
        {"7C7290", 15, "", None()},           // 4.5000006
        {"9A6C5A", 15, "", One(below45)},     // 4.4999998
        {"E969A1", 24, "", None()},           // 3.0000002
        {"989A30", 24, "", One(below30)},     // 2.9999998
        {"9A6C5A", 24, "", None()},           // large at 24 px
        {"9A6C5A", 23, "", One(below45)},     // not below it
        {"9A6C5A", 0, "bold", One(below45)},  // no size: the page's 16 px
        {"9A6C5A", 19, "bold", None()},       // large when bold from 18.66 px
        {"9A6C5A", 18, "bold", One(below45)}, // not below it
        {"9A6C5A", 19, " BOLD ", None()},     // as the engine reads the word
        {"9A6C5A", 19, "bolder", None()},
        {"9A6C5A", 19, "700", None()},
        {"9A6C5A", 19, "600", One(below45)}, // the first weight that is not bold
        {"9A6C5A", 19, "normal", One(below45)},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(With(Findings(Style(row.Font, row.Size, row.Weight)), "contrast"), row.Expected)
            << row.Font << " at " << row.Size << " px, weight \"" << row.Weight << "\"";
    }
}

// An entry is 1.4 times the font size plus the padding above and below; 24 px is enough.
TEST(CheckLimits, EntryHeightAtEachSideOfTheMinimum) {
    const auto tooLow = [](const char* height) {
        return One("Its entries are " + std::string(height) +
                   " px high; visitors need at least 24 px to hit them (raise \"Font Size\" or \"Menu Item "
                   "Padding\").");
    };
    struct TRow {
        int Size;
        int Padding;
        std::vector<std::string> Expected;
    };
    const TRow rows[] = {
        {10, 5, None()},          // 24.0
        {7, 7, tooLow("23.8")},   // 23.8
        {13, 3, None()},          // 24.2
        {0, 1, None()},           // the page's 16 px: 24.4
        {0, 0, tooLow("22.4")},   // 22.4
        {10, -1, tooLow("14.0")}, // a negative padding draws none
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(With(Findings(Style("000000", row.Size, "", row.Padding)), "px high"), row.Expected)
            << row.Size << " px, padding " << row.Padding;
    }
}

// Counted in characters as the engine shows them: a multi-byte letter and "&amp;" are one each.
TEST(CheckLimits, CaptionLengthAtTheLimitAndOnePast) {
    const auto tooLong = [](int length) {
        return One("Its caption is " + std::to_string(length) +
                   " characters long; more than 60 wrap onto further lines.");
    };
    const auto repeat = [](const std::string& unit, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += unit;
        }
        return text;
    };
    struct TRow {
        std::string Caption;
        std::vector<std::string> Expected;
    };
    const TRow rows[] = {
        {repeat("a", 60), None()},
        {repeat("a", 61), tooLong(61)},
        {repeat("\xC3\xA9", 60), None()},
        {repeat("\xC3\xA9", 61), tooLong(61)},
        {repeat("\xF0\x9F\x98\x80", 60), None()},
        {repeat("a", 59) + "&amp;", None()},
        {repeat("a", 60) + "&amp;", tooLong(61)},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(With(Findings(Style("000000", 15, ""), row.Caption), "caption is"), row.Expected)
            << row.Caption;
    }
}

// Four levels of menus are fine; the group that opens the fifth is named, and only that one.
TEST(CheckLimits, MenusNestedToTheFourthLevelAndOnePast) {
    const std::string deep =
        "Its submenu is nested 5 levels deep; menus deeper than 4 levels are hard to reach.";
    const std::pair<int, std::vector<std::string>> rows[] = {
        {4, None()},
        {5, One(deep)},
        {6, One(deep)},
    };
    for (const auto& [menus, expected] : rows) {
        EXPECT_EQ(With(Findings(Style("000000", 15, ""), "Home", menus), "levels deep"), expected) << menus;
    }
}

// The list stops at its limit and says how many more there are: exactly full, and one past it.
TEST(CheckLimits, FindingsListedToTheLimitAndOnePast) {
    const auto findings = [](std::size_t longCaptions) {
        TProject project;
        AppendStyleNode(project, "Good", Style("000000", 15, ""));
        AddOptions(project, nullptr);
        for (std::size_t i = 0; i < longCaptions; ++i) {
            TMenuItemRec item = Item(std::string(55, 'a') + std::to_string(100000 + i));
            item.Address = "page" + std::to_string(i) + ".htm";
            AppendItemNode(project, nullptr, TNodeKind::MenuItem, item);
        }
        return CheckDesign(project);
    };
    const std::size_t others = findings(1).size() - 1;
    const std::vector<TCheckFinding> full = findings(ListedFindingLimit - others);
    EXPECT_EQ(full.size(), ListedFindingLimit);
    EXPECT_TRUE(With(full, "not listed").empty());
    const std::vector<TCheckFinding> past = findings(ListedFindingLimit - others + 1);
    ASSERT_EQ(past.size(), ListedFindingLimit + 1);
    EXPECT_EQ(past.back().Text.English(), "1 more problems are not listed; mend the ones above first.");
}
