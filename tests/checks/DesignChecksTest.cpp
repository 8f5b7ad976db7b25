#include "checks/DesignChecks.h"
#include "checks/StyleChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace tarvex;

namespace {

TMenuStyleRec ReadableStyle() {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    style.MouseOffFont = "000000";
    style.MouseOffBackground = "FFFFFF";
    style.MouseOnFont = "FFFFFF";
    style.MouseOnBackground = "0000AA";
    style.FontSize = 15;
    style.MenuItemPadding = 8;
    return style;
}

struct TDesignParts {
    TMenuStyleRec Style = ReadableStyle();
    TMenuOptionsRec Options;
    TMenuItemRec Products, Prices, Home;
};

TTreeNode* Add(TProject& project, TTreeNode* parent, TNodeKind kind, const TMenuItemRec& item) {
    TTreeNode* node = AppendItemNode(project, parent, kind, item);
    if (kind == TNodeKind::MenuGroup) {
        TMenuOptionsRec options;
        options.MenuStyle = "Good";
        AppendOptionsNode(project, node, options);
    }
    return node;
}

TMenuItemRec Item(const char* caption, const char* address) {
    TMenuItemRec item;
    item.Caption = caption;
    item.Address = address;
    return item;
}

// Main menu: "Products" (a group holding "Prices") and "Home", all in the style "Good".
void BuildDesign(TProject& project, const std::function<void(TDesignParts&)>& change,
                 const std::function<void(TProject&, TTreeNode* products)>& extend) {
    TDesignParts parts{ReadableStyle(),
                       {},
                       Item("Products", "products.htm"),
                       Item("Prices", "prices.htm"),
                       Item("Home", "index.htm")};
    parts.Options.MenuStyle = "Good";
    change(parts);
    AppendStyleNode(project, "Good", parts.Style);
    AppendOptionsNode(project, nullptr, parts.Options);
    TTreeNode* products = Add(project, nullptr, TNodeKind::MenuGroup, parts.Products);
    Add(project, products, TNodeKind::MenuItem, parts.Prices);
    Add(project, nullptr, TNodeKind::MenuItem, parts.Home);
    extend(project, products);
}

struct TExpected {
    TCheckLevel Level;
    std::string Place;
    std::string Fragment;
};

struct TCase {
    const char* Name;
    std::function<void(TDesignParts&)> Change;
    std::function<void(TProject&, TTreeNode*)> Extend;
    std::vector<TExpected> Findings;
};

const auto NoChange = [](TDesignParts&) {};
const auto NoExtension = [](TProject&, TTreeNode*) {};
constexpr auto Error = TCheckLevel::Error;
constexpr auto Warning = TCheckLevel::Warning;

// Each design with the findings it must produce, in their order; the first is clean.
const std::vector<TCase> Cases{
    {"clean", NoChange, NoExtension, {}},
    {"grey on grey",
     [](TDesignParts& p) {
         p.Style.MouseOffFont = "777777";
         p.Style.MouseOffBackground = "888888";
     },
     NoExtension,
     {{Error, "Style \"Good\"", "\"Mouse Off Font\" on \"Mouse Off Background\" has a contrast of 1.2:1"}}},
    {"pale highlight, header colours of its own",
     [](TDesignParts& p) {
         p.Style.MouseOnBackground = "808080";
         p.Style.MenuHeaderBackground = "000000";
     },
     NoExtension,
     {{Error, "Style \"Good\"", "\"Mouse On Font\" on \"Mouse On Background\" has a contrast of 3.9:1"},
      {Error, "Style \"Good\"",
       "\"Menu Header Font Color\" on \"Menu Header Background\" has a contrast of 1.0"}}},
    {"large bold text needs 3:1",
     [](TDesignParts& p) {
         p.Style.MouseOnBackground = "808080";
         p.Style.FontSize = 19;
         p.Style.FontWeight = "bold";
     },
     NoExtension,
     {}},
    {"small rows",
     [](TDesignParts& p) {
         p.Style.FontSize = 10;
         p.Style.MenuItemPadding = 3;
     },
     NoExtension,
     {{Error, "Style \"Good\"", "Its entries are 20.0 px high"}}},
    {"captions",
     [](TDesignParts& p) { p.Prices.Caption = "  "; },
     [](TProject& project, TTreeNode*) {
         Add(project, nullptr, TNodeKind::MenuItem, Item(std::string(61, 'x').c_str(), "long.htm"));
     },
     {{Error, "Products > (no caption)", "no caption"}, {Warning, std::string(61, 'x'), "61 characters"}}},
    {"addresses",
     [](TDesignParts& p) {
         p.Home.Address = " JavaScript:go()";
         p.Prices.Address = "";
     },
     [](TProject& project, TTreeNode*) {
         Add(project, nullptr, TNodeKind::MenuItem, Item("Again", "products.htm"));
     },
     {{Error, "Home", "javascript:"},
      {Warning, "Again", "also the address of \"Products\""},
      {Warning, "Products > Prices", "no address"}}},
    // The new entry's placeholder, however retyped, is an error each time and never a duplicate.
    {"placeholder addresses",
     [](TDesignParts& p) {
         p.Home.Address = "https://www.korvane.example";
         p.Prices.Address = "HTTPS://WWW.Korvane.example/";
     },
     [](TProject& project, TTreeNode*) {
         Add(project, nullptr, TNodeKind::MenuItem, Item("Again", "https://www.korvane.example"));
         Add(project, nullptr, TNodeKind::MenuItem, Item("Ours", "https://www.korvane.example/page.htm"));
     },
     {{Error, "Home", "still the placeholder \"https://www.korvane.example\""},
      {Error, "Again", "still the placeholder"},
      {Error, "Products > Prices", "still the placeholder"}}},
    {"structure and the generator's own warnings",
     [](TDesignParts& p) { p.Options.ImagePosition = "top"; },
     [](TProject& project, TTreeNode* products) {
         Add(project, nullptr, TNodeKind::MenuGroup, Item("Empty", "e.htm"));
         TTreeNode* level = products;
         for (const char* caption : {"Two", "Three", "Four", "Five"}) {
             level = Add(project, level, TNodeKind::MenuGroup, Item(caption, caption));
         }
         Add(project, level, TNodeKind::MenuItem, Item("Deep", "deep.htm"));
         AppendStyleNode(project, "Spare", ReadableStyle());
     },
     {{Error, "Empty", "no entries"},
      {Warning, "Style \"Spare\"", "No menu uses"},
      {Warning, "Products > Two > Three > Four", "nested 5 levels"},
      {Warning, "Main menu options", "Image position \"top\""}}},
    // Large text whose contrast suffices at its size but not for the smaller description and badge.
    {"rich entries and a panel",
     [](TDesignParts& p) {
         p.Style.FontSize = 24;
         p.Style.MouseOnBackground = "808080";
         p.Options.WhenNoRoom = "More";
         p.Home.Description = "Where it starts";
         p.Home.Badge = "New";
         p.Home.Icon = "logo.svg";
     },
     [](TProject& project, TTreeNode*) {
         TTreeNode* shop = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, Item("Shop", "shop.htm"));
         TMenuOptionsRec panel;
         panel.MenuStyle = "Good";
         panel.Layout = "Panel";
         panel.Columns = 3;
         AppendOptionsNode(project, shop, panel);
         TMenuItemRec rocket = Item("Rocket", "rocket.htm");
         rocket.Icon = "rocket";
         AppendItemNode(project, shop, TNodeKind::MenuItem, rocket);
     },
     {{Error, "Home",
       "description is drawn at 20.4 px in \"Mouse On Font\" on \"Mouse On Background\", a contrast of "
       "3.9:1"},
      {Error, "Home", "badge is drawn at 18.0 px"},
      {Warning, "Home", "icon file \"logo.svg\" cannot be found until the project is saved"},
      {Warning, "Shop > Menu Options",
       "panel's 3 columns need about 756 px, but in a window 320 px wide only 1 fit"},
      {Warning, "Shop > Rocket", "icon \"rocket\" is none of the drawn icons"}}},
    // A blank caption stands for "More"; characters that draw nothing do not.
    {"More with a caption of blanks",
     [](TDesignParts& p) {
         p.Options.WhenNoRoom = " more";
         p.Options.MoreCaption = "  ";
     },
     NoExtension,
     {}},
    {"More with an invisible caption",
     [](TDesignParts& p) {
         p.Options.WhenNoRoom = "More";
         p.Options.MoreCaption = " &nbsp;&#x200B;\xE2\x80\x8C";
     },
     NoExtension,
     {{Error, "Main menu options", "\"More caption\" holds only characters that draw nothing"}}},
};

TEST(DesignChecks, FindWhatVisitorsWouldMeetAndNothingElse) {
    for (const TCase& c : Cases) {
        TProject project;
        BuildDesign(project, c.Change, c.Extend);
        const std::vector<TCheckFinding> found = CheckDesign(project);
        ASSERT_EQ(found.size(), c.Findings.size())
            << c.Name << ": " << (found.empty() ? "" : FindingLine(found[0]));
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].Level, c.Findings[i].Level) << c.Name << ": " << FindingLine(found[i]);
            EXPECT_EQ(found[i].Place.Text.English(), c.Findings[i].Place) << c.Name;
            EXPECT_NE(found[i].Text.English().find(c.Findings[i].Fragment), std::string::npos)
                << c.Name << ": " << FindingLine(found[i]);
        }
    }
}

// A translator sees whole sentences: what the design supplies (captions, addresses, numbers)
// stands apart as arguments, never composed into the text to translate.
TEST(DesignChecks, FindingsKeepTheDesignsWordsOutOfTheirSentences) {
    for (const TCase& c : Cases) {
        TProject project;
        BuildDesign(project, c.Change, c.Extend);
        for (const TCheckFinding& finding : CheckDesign(project)) {
            for (const TUiText* text : {&finding.Text, &finding.Place.Text}) {
                ASSERT_NE(text->Context, nullptr) << c.Name << ": " << text->Source;
                for (std::size_t i = 0; i < text->Args.size(); ++i) {
                    EXPECT_NE(text->Source.find("%" + std::to_string(i + 1)), std::string::npos)
                        << c.Name << ": " << text->Source;
                }
                for (const char* own :
                     {"Good", "Spare", "Products", "Prices", "Home", "Again", "Shop", "Rocket", "Four",
                      ".htm", "korvane", "logo.svg", "rocket", "top", "1.2", "3.9", "20.4", "61", "756"}) {
                    EXPECT_EQ(text->Source.find(own), std::string::npos) << c.Name << ": " << text->Source;
                }
            }
        }
    }
}

TEST(DesignChecks, ContrastFollowsRelativeLuminance) {
    const struct {
        const char* Text;
        const char* Background;
        double Ratio;
    } pairs[] = {{"000000", "FFFFFF", 21.0},
                 {"767676", "fff", 4.54},
                 {"white", "navy", 16.0},
                 {"#abc", "ABC", 1.0},
                 {"FF0000", "000000", 5.25}};
    for (const auto& pair : pairs) {
        EXPECT_NEAR(ContrastRatio(*ParseStyleColour(pair.Text), *ParseStyleColour(pair.Background)),
                    pair.Ratio, 0.01)
            << pair.Text << " on " << pair.Background;
    }
    // What the engine would replace by its default is no colour of the style's.
    EXPECT_FALSE(ParseStyleColour("12345"));
    EXPECT_FALSE(ParseStyleColour("none"));
}

TEST(DesignChecks, RelativeAddressesMustNameFilesOfTheSite) {
    const std::filesystem::path site = std::filesystem::path(testing::TempDir()) / "tarvex-check-site";
    std::filesystem::create_directories(site / "sub");
    std::ofstream(site / "index.htm") << "x";
    std::ofstream(site / "sub" / "a b.htm") << "x";
    TProject project;
    BuildDesign(
        project,
        [](TDesignParts& p) {
            p.Products.Address = "/sub/a%20b.htm#top";
            p.Home.Address = "index.htm?x=1";
            p.Prices.Address = "prices.htm";
        },
        [](TProject& project, TTreeNode*) {
            Add(project, nullptr, TNodeKind::MenuItem, Item("Web", "https://example.com/none.htm"));
            Add(project, nullptr, TNodeKind::MenuItem, Item("Mail", "mailto:a@example.com"));
        });
    const std::vector<TCheckFinding> found = CheckDesign(project, TCheckSettings{site, {}});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(FindingLine(found[0]),
              "warning: Products > Prices: Its address \"prices.htm\" names no file in the site's folder.");
    EXPECT_EQ(found[0].Place.Path, (std::vector<int>{1, 1}));
    EXPECT_TRUE(CheckDesign(project).empty());
    std::filesystem::remove_all(site);
}

} // namespace
