#include "script/MenuHtml.h"
#include "script/CaptionText.h"
#include "script/MenuIconPaths.h"
#include "script/MenuModule.h"
#include "script/PageAddress.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tarvex;

namespace {

TTreeNode* Entry(TProject& project, TTreeNode* parent, TNodeKind kind, std::string caption,
                 std::string address, std::string target = {}, std::string hint = {}) {
    TMenuItemRec item;
    item.Caption = caption;
    item.Address = address;
    item.Target = target;
    item.Hint = hint;
    TTreeNode* node = AppendItemNode(project, parent, kind, item);
    if (kind == TNodeKind::MenuGroup) {
        AppendOptionsNode(project, node, {});
    }
    return node;
}

TEST(MenuHtml, WritesTheTreeAsNestedListsInPureAscii) {
    TProject project;
    AppendOptionsNode(project, nullptr, {});
    TTreeNode* group = Entry(project, nullptr, TNodeKind::MenuGroup, "Caf\xC3\xA9 & <Co>", " ");
    Entry(project, group, TNodeKind::MenuItem, "Say \"hi\"\x01", "a.htm?x=1&y=\xE2\x82\xAC", "_blank", "Tip");
    Entry(project, group, TNodeKind::MenuItem, "No page", "");
    // A group holding only its Menu Options node is a plain link.
    Entry(project, nullptr, TNodeKind::MenuGroup, "Empty", "e.htm");

    const std::string html = GenerateMenuHtml(project);
    const std::string list = html.substr(html.find("<ul>"), html.find("</nav>") - html.find("<ul>"));
    EXPECT_EQ(
        list,
        "<ul>\r\n"
        "  <li><span>Caf&#xE9; &amp; &lt;Co&gt;</span>\r\n"
        "    <ul>\r\n"
        "      <li><a href=\"a.htm?x=1&amp;y=&#x20AC;\" target=\"_blank\" title=\"Tip\">Say &quot;hi&quot; "
        "</a></li>\r\n"
        "      <li><span>No page</span></li>\r\n"
        "    </ul>\r\n"
        "  </li>\r\n"
        "  <li><a href=\"e.htm\">Empty</a></li>\r\n"
        "</ul>\r\n");
    EXPECT_NE(html.find("<div id=\"tarvex-menu\">\r\n<nav class=\"tarvex-links\""), std::string::npos);
}

// The list shows a caption as the menu does: the references the engine decodes, decoded.
TEST(MenuHtml, CaptionReferencesAreDecodedAsTheEngineDecodesThem) {
    EXPECT_EQ(DecodeCaptionReferences("R&amp;D Caf&eacute;&nbsp;&#x1F600;&#38; &bogus; &#xD800; &amp a&;"),
              "R&D Caf\xC3\xA9\xC2\xA0\xF0\x9F\x98\x80& &bogus; &#xD800; &amp a&;");
    TProject project;
    AppendOptionsNode(project, nullptr, {});
    Entry(project, nullptr, TNodeKind::MenuItem, "R&amp;D", "rd.htm");
    EXPECT_NE(GenerateMenuHtml(project).find(">R&amp;D</a>"), std::string::npos);
}

// Each row: an address, the page it is read on, and whether it leads to that page.
TEST(PageAddress, ResolvesAgainstThePageAndIgnoresFragmentHostCaseAndIndexFiles) {
    struct TCase {
        const char* Address;
        const char* Page;
        bool Same;
    };
    const TCase cases[] = {
        {"b.htm#top", "https://x.test/a/b.htm", true},
        {"http://X.TEST/a/b.htm", "http://x.test/a/b.htm", true},
        {"../a/./", "https://x.test/a/index.html", true},
        {"/a/default.htm", "https://x.test/a", true},
        {"index.htm", "https://x.test/", true},
        {" b.htm ", "https://x.test/a/b.htm?", false},
        {"b.htm?p=2", "https://x.test/a/b.htm?p=1", false},
        {"B.htm", "https://x.test/a/b.htm", false},
        {"https://y.test/a/b.htm", "https://x.test/a/b.htm", false},
        {"b.htm", "b.htm", false},
    };
    for (const TCase& c : cases) {
        const std::string key = PageAddressKey(c.Page, c.Page);
        EXPECT_EQ(!key.empty() && PageAddressKey(c.Address, c.Page) == key, c.Same)
            << c.Address << " on " << c.Page;
    }

    TProject project;
    AppendOptionsNode(project, nullptr, {});
    Entry(project, nullptr, TNodeKind::MenuItem, "Home", "index.htm");
    Entry(project, nullptr, TNodeKind::MenuItem, "News", "news.htm");
    const std::string html = GenerateMenuHtml(project, "https://x.test/#main");
    EXPECT_NE(html.find("<a href=\"index.htm\" aria-current=\"page\">Home</a>"), std::string::npos);
    EXPECT_NE(html.find("<a href=\"news.htm\">News</a>"), std::string::npos);
}

// The list is a bar before any script runs: both pages link tarvex-menu.css, never an inline style a
// strict policy refuses; each loads only its own scripts.
TEST(MenuHtml, StylesTheListBeforeTheScriptsOfItsOutput) {
    TProject project;
    AppendOptionsNode(project, nullptr, {});
    Entry(project, nullptr, TNodeKind::MenuItem, "Home", "index.htm");
    struct TCase {
        TMenuOutput Output;
        std::vector<std::string_view> Has;
        std::vector<std::string_view> HasNot;
    };
    const std::vector<TCase> cases = {
        {TMenuOutput::Classic,
         {"<link rel=\"stylesheet\" href=\"tarvex-menu.css\">", "<script src=\"one.js\">",
          "<script src=\"main.js\">"},
         {"<style", "type=\"module\""}},
        {TMenuOutput::Module,
         {"<link rel=\"stylesheet\" href=\"tarvex-menu.css\">",
          "<script type=\"module\" src=\"tarvex-menu.js\">"},
         {"<style>", "one.js", "\"menu.js\""}},
    };
    for (const TCase& c : cases) {
        const std::string html = GenerateMenuHtml(project, {}, c.Output);
        const std::string head = html.substr(0, html.find("</head>"));
        for (const std::string_view part : c.Has) {
            EXPECT_NE(html.find(part), std::string::npos) << part;
        }
        for (const std::string_view part : c.HasNot) {
            EXPECT_EQ(html.find(part), std::string::npos) << part;
        }
        EXPECT_EQ(head.find("<script"), std::string::npos);
    }
}

// Readers without script get what the menu draws of an entry: its icon (a name of the set or a file
// beside the project, as the reducer keeps it), its badge and description; a panel's own items
// stand together in a column of their own beside its groups' columns, named after the panel.
TEST(MenuHtml, EntriesCarryTheirIconBadgeAndDescriptionAndPanelsTheirColumns) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "tarvex-html-icons";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "logo.svg") << "<svg width=\"48\" height=\"48\" viewBox=\"0 0 48 48\"><circle "
                                          "cx=\"24\" cy=\"24\" r=\"20\" fill=\"#f00\" id=\"dot\"/></svg>";
    std::ofstream(folder / "bad.svg") << "<svg><script>alert(1)</script></svg>";
    const std::string svg = "<svg width=\"1em\" height=\"1em\" aria-hidden=\"true\" focusable=\"false\"";
    const struct {
        const char* Caption;
        const char* Icon;
        const char* Badge;
        const char* Description;
        std::string Expected; // the entry's line, after its address
    } rows[] = {
        {"Home", " Home", "New", "Start <here>",
         svg +
             " viewBox=\"0 0 24 24\" fill=\"none\" stroke=\"currentColor\" stroke-width=\"2\" "
             "stroke-linecap=\"round\" stroke-linejoin=\"round\"><path d=\"" +
             std::string(MenuIconPath("home")) +
             "\"></path></svg> Home <b>New</b><small>Start &lt;here&gt;</small></a></li>"},
        {"Logo", "logo.svg", "", "",
         svg + " viewBox=\"0 0 48 48\" fill=\"currentColor\"><circle cx=\"24\" cy=\"24\" r=\"20\" "
               "fill=\"currentColor\"></circle></svg> Logo</a></li>"},
        {"Bad", "bad.svg", "", "", "Bad</a></li>"},
        {"Rocket", "rocket", " ", "", "Rocket</a></li>"},
    };
    TProject project;
    AppendOptionsNode(project, nullptr, {});
    for (const auto& row : rows) {
        TMenuItemRec& item =
            Entry(project, nullptr, TNodeKind::MenuItem, row.Caption, row.Caption)->EditItem();
        item.Icon = row.Icon;
        item.Badge = row.Badge;
        item.Description = row.Description;
    }
    TTreeNode* shop = Entry(project, nullptr, TNodeKind::MenuGroup, "Shop", " ");
    TMenuOptionsRec panel;
    panel.Layout = " panel";
    project.Objects.Level(shop).begin()->EditOptions() = panel;
    Entry(project, shop, TNodeKind::MenuItem, "All", "all.htm");
    Entry(project, Entry(project, shop, TNodeKind::MenuGroup, "Books", "books.htm"), TNodeKind::MenuItem,
          "Novels", "novels.htm");
    Entry(project, shop, TNodeKind::MenuItem, "Sale", "sale.htm");

    const std::string html = GenerateMenuHtml(project, {}, TMenuOutput::Classic, folder);
    for (const auto& row : rows) {
        EXPECT_NE(html.find("<li><a href=\"" + std::string(row.Caption) + "\">" + row.Expected + "\r\n"),
                  std::string::npos)
            << row.Caption << "\n"
            << html;
    }
    EXPECT_NE(html.find("  <li><span>Shop</span>\r\n"
                        "    <ul class=\"tarvex-panel\">\r\n"
                        "      <li>\r\n"
                        "        <ul aria-label=\"Shop\">\r\n"
                        "          <li><a href=\"all.htm\">All</a></li>\r\n"
                        "          <li><a href=\"sale.htm\">Sale</a></li>\r\n"
                        "        </ul>\r\n"
                        "      </li>\r\n"
                        "      <li><a href=\"books.htm\">Books</a>\r\n"
                        "        <ul>\r\n"
                        "          <li><a href=\"novels.htm\">Novels</a></li>\r\n"
                        "        </ul>\r\n"
                        "      </li>\r\n"
                        "    </ul>\r\n"
                        "  </li>\r\n"),
              std::string::npos)
        << html;
    // The columns' rules come with the first panel, so a design without one keeps its style sheet.
    EXPECT_NE(MenuModuleStyleSheet(project).find("ul.tarvex-panel ul {"), std::string::npos);
    std::filesystem::remove_all(folder);
}

} // namespace
