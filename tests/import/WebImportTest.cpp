#include "import/WebImport.h"
#include "import/ImportTree.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

const fs::path ImportData = fs::path(TARVEX_TEST_DATA) / "import";

// "Caption=Address" for items, "Caption{...}" for groups: a whole tree on one line.
std::string Outline(const TImportEntry& entry) {
    if (!entry.IsGroup) {
        return entry.Caption + "=" + entry.Address;
    }
    std::string text = entry.Caption + "{";
    for (std::size_t i = 0; i < entry.Children.size(); ++i) {
        text += (i ? "," : "") + Outline(entry.Children[i]);
    }
    return text + "}";
}

std::string Repeat(std::string_view text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

TImportEntry Item(std::string caption, std::string address) {
    return {std::move(caption), std::move(address), false, true, {}};
}
TImportEntry Group(std::string caption, std::string address, std::vector<TImportEntry> children) {
    return {std::move(caption), std::move(address), true, true, std::move(children)};
}

TEST(ImportTree, AddsTheIncludedBranchesAsTheFolderImportAddsItsGroup) {
    TProject project;
    BuildDefaultProject(project);
    TImportEntry tree = Group("Site", "",
                              {Item("A", "a.htm"), Group("Docs", "docs/", {Item("B", "b.htm")}),
                               Group("Left out", "", {Item("C", "c.htm")})});
    tree.Children[2].Included = false;
    TTreeNode* group = AppendImportedTree(project, nullptr, tree);

    EXPECT_EQ(CountIncludedEntries(tree), 4u);
    ASSERT_EQ(group->ChildCount(), 3);
    EXPECT_EQ(group->Item().Address.str(), " ");
    EXPECT_TRUE(group->Child(0)->IsOptions());
    TMenuOptionsRec expected;
    FillDefaultMenuOptions(project, expected, group);
    EXPECT_EQ(group->Child(0)->Options(), expected);
    EXPECT_TRUE(group->Child(1)->IsItem());
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = "A";
    item.Address = "a.htm";
    EXPECT_EQ(group->Child(1)->Item(), item);
    const TTreeNode* docs = group->Child(2);
    EXPECT_TRUE(docs->IsGroup());
    EXPECT_EQ(docs->Item().Address.str(), "docs/");
    ASSERT_EQ(docs->ChildCount(), 2);
    FillDefaultMenuOptions(project, expected, docs);
    EXPECT_EQ(docs->Child(0)->Options(), expected);
    EXPECT_EQ(docs->Child(1)->Text(), "B");
}

TEST(ImportTree, TellsTheKindOfASourceFromItsText) {
    const std::vector<std::pair<std::string, std::optional<TImportKind>>> cases = {
        {"<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>", TImportKind::Bookmarks},
        {"<html><DL>\n <DT> <A HREF=x>x</A>", TImportKind::Bookmarks},
        {"<?xml version=\"1.0\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">",
         TImportKind::Sitemap},
        {"<sm:sitemapindex xmlns:sm=\"x\">", TImportKind::Sitemap},
        {"<!doctype html><title>t</title><nav>", TImportKind::PageNavigation},
        {"plain words", std::nullopt},
    };
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(DetectImportKindOfText(text), kind) << text;
    }
    EXPECT_EQ(ReadableSegment("our-team.html"), "Our team");
    EXPECT_EQ(ReadableSegment("caf%C3%A9_chairs.PHP"), "Caf\xC3\xA9 chairs");
}

TEST(WebImport, ReadsRealWorldSamples) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    const TImportResult sitemap = ParseSitemapFile(ImportData / "sitemap.xml");
    ASSERT_TRUE(sitemap.Tree) << sitemap.Error.English();
    EXPECT_EQ(Outline(*sitemap.Tree),
              "www.example.com{About{Our team=https://www.example.com/about/our-team.html},"
              "Products{Garden tools=https://www.example.com/products/garden_tools/index.html,"
              "Caf\xC3\xA9 chairs=https://www.example.com/products/caf%C3%A9-chairs.php?colour=red&size=2},"
              "Contact=https://www.example.com/contact}");
    EXPECT_EQ(sitemap.Tree->Address, "https://www.example.com/");

    const TImportChoices page = FindPageNavigations(
        std::string("<title>T</title><nav aria-label=\"Main\"><ul><li><a href=\"/\">Home</a></li>"
                    "<li><button>Shop</button><ul><li><a href=\"/a\">A <b>1</b></a></li></ul></li></ul></nav>"
                    "<footer><nav><a href=\"/imprint\"><img alt=\"Imprint\" src=\"i.png\"></a></nav></footer>"
                    "<ul id=\"news\"><li><a href=\"/n1\">N1</a><li><a href=\"/n2\">N2</a></ul>"
                    "<ul><li><a href=\"/lone\">Lone</a></ul>"),
        "page");
    ASSERT_EQ(page.Choices.size(), 3u) << page.Error.English();
    EXPECT_EQ(Outline(page.Choices[0].Tree), "Main{Home=/,Shop{A 1=/a}}");
    EXPECT_EQ(Outline(page.Choices[1].Tree), "T{Imprint=/imprint}");
    EXPECT_EQ(page.Choices[2].Description.English(), "List #news (2 links: N1, N2)");
}

TEST(WebImport, BrokenAndHostileInputGivesAMessageOrTextButNeverExpandsAnything) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    const std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
                               "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
                               "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>"
                               "<urlset><url><loc>https://a.example/&lol3;</loc></url></urlset>";
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE u [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>"
        "<urlset><url><loc>https://a.example/&xxe;</loc></url></urlset>";
    const std::string deepNav = "<nav>" + Repeat("<ul><li><a href=\"x\">x</a>", 40);
    std::string distinctBolds;
    for (int i = 0; i < 100; ++i) {
        distinctBolds += "<b id=" + std::to_string(i) + ">";
    }
    struct TCase {
        std::string Name;
        TImportResult Result;
        std::string Expected;
    };
    const auto nav = [](const std::string& bytes) {
        TImportChoices found = FindPageNavigations(bytes, "p");
        return found.Choices.empty() ? TImportResult{std::nullopt, found.Error}
                                     : TImportResult{found.Choices[0].Tree, {}};
    };
    const std::vector<TCase> cases = {
        {"entity bomb", ParseSitemap(laughs, {}), "a.example{&lol3;=https://a.example/&lol3;}"},
        {"external entity", ParseSitemap(external, {}), "a.example{&xxe;=https://a.example/&xxe;}"},
        {"index without local files",
         ParseSitemap("<sitemapindex><sitemap><loc>https://a.example/s.xml</loc>"
                      "</sitemap></sitemapindex>",
                      ImportData),
         "None of the index's site maps is in the index's folder: s.xml."},
        {"index escaping its folder",
         ParseSitemap("<sitemapindex><sitemap><loc>https://a.example/..%2Fsitemap.xml"
                      "</loc></sitemap></sitemapindex>",
                      ImportData / "site"),
         "None of the index's site maps is in the index's folder: ../sitemap.xml."},
        {"not a site map", ParseSitemap("<rss><channel/></rss>", {}), "its root element is <rss>"},
        {"no web pages", ParseSitemap("<urlset><url><loc>javascript:alert(1)</loc></url></urlset>", {}),
         "lists no web pages"},
        {"bookmarks without links", ParseBookmarks("<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p></DL>"),
         "holds no bookmarks"},
        {"utf-16", ParseBookmarks(std::string("\xFF\xFE<\0D\0L\0>\0", 10)), "UTF-16"},
        {"too many elements", ParseBookmarks(Repeat("<br>", 60001)), "too many elements"},
        {"deep navigation", nav(deepNav), "deeper than 32 levels"},
        {"deep formatting", nav("<nav><a href=x>x</a>" + Repeat("<b>", 600)), "nested too deeply"},
        // What the parser reads as markup must not pass the pre-scan as a comment or as text.
        {"comment ended by --!>", nav("<nav><a href=x>x</a><!-- c --!>" + Repeat("<div>", 600)),
         "nested too deeply"},
        {"bogus comment with a quote", nav("<nav><a href=x>x</a><!x=\"" + Repeat("<div>", 600)),
         "nested too deeply"},
        {"style ignored in a select",
         nav("<nav><a href=x>x</a><select><style></select>" + Repeat("<div>", 600)), "nested too deeply"},
        {"formatting copied before every text",
         nav("<nav><a href=x>x</a><div>" + distinctBolds + "</div>" + Repeat("<p>t</p>", 700)),
         "too many elements"},
        // Three alike at most: an old page's unclosed fonts cost three copies a paragraph.
        {"sloppy fonts", nav("<nav><a href=x>x</a></nav>" + Repeat("<p><font size=2>t</p>", 3000)), "x=x"},
    };
    for (const TCase& c : cases) {
        const std::string got = c.Result.Tree ? Outline(*c.Result.Tree) : c.Result.Error.English();
        EXPECT_NE(got.find(c.Expected), std::string::npos) << c.Name << ": " << got;
    }
}

} // namespace
