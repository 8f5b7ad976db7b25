// The imports' limits, each at the limit and one past it: how deep an imported menu may nest, how
// many elements, pages, site maps and Favorites entries are read, how large a file may be, and
// how long an imported caption or address is kept.
#include "import/FavoritesFolder.h"
#include "import/ImportTree.h"
#include "import/WebImport.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "model/RecordFields.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

// The HTML reader's own limits (its header needs the parser, which not every build has).
constexpr std::size_t HtmlElementLimit = 60000;
constexpr std::size_t HtmlNestingLimit = 512;

std::string Repeat(std::string_view text, std::size_t count) {
    std::string out;
    out.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

// Group levels from the root, which counts as the first.
int GroupDepth(const TImportEntry& entry) {
    int deepest = 0;
    for (const TImportEntry& child : entry.Children) {
        deepest = std::max(deepest, GroupDepth(child));
    }
    return entry.IsGroup ? deepest + 1 : deepest;
}

// `folders` folders, each in the one before, each holding a bookmark: the root and `folders` group levels.
std::string NestedBookmarks(int folders) {
    std::string text = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < folders; ++i) {
        text += "<DT><H3>F" + std::to_string(i) + "</H3>\n<DL><p>\n<DT><A HREF=\"https://example.com/" +
                std::to_string(i) + "\">L</A>\n";
    }
    return text + Repeat("</DL><p>\n", static_cast<std::size_t>(folders) + 1);
}

// A navigation of `levels` lists, each in an entry of the one before: `levels` group levels, the
// navigation's own the first.
std::string NestedNavigation(int levels) {
    std::string text = "<html><body><nav>";
    for (int i = 0; i < levels; ++i) {
        text += "<ul><li><a href=\"/p" + std::to_string(i) + "\">P</a>";
    }
    return text + Repeat("</li></ul>", static_cast<std::size_t>(levels)) + "</nav></body></html>";
}

// One page whose path has `segments` segments, on two hosts so that the root is a group of its
// own: the root, the host and a group for each segment but the page's.
std::string NestedSitemap(int segments) {
    std::string path;
    for (int i = 0; i < segments; ++i) {
        path += "/s" + std::to_string(i);
    }
    return "<urlset><url><loc>https://a.example" + path + "</loc></url><url><loc>https://b.example" + path +
           "</loc></url></urlset>";
}

std::string SitemapOfPages(std::size_t pages) {
    std::string text = "<urlset>";
    for (std::size_t i = 0; i < pages; ++i) {
        text += "<url><loc>https://a.example/" + std::to_string(i) + "</loc></url>";
    }
    return text + "</urlset>";
}

std::string SitemapIndex(std::size_t maps) {
    std::string text = "<sitemapindex>";
    for (std::size_t i = 0; i < maps; ++i) {
        text += "<sitemap><loc>https://a.example/m" + std::to_string(i) + ".xml</loc></sitemap>";
    }
    return text + "</sitemapindex>";
}

// A document of exactly `tags` start tags, the bookmark list among them.
std::string BookmarksWithTags(std::size_t tags) {
    return "<DL><DT><A HREF=\"https://example.com/\">L</A>" + Repeat("<br>", tags - 3) + "</DL>";
}

// A document nested exactly `depth` elements deep before its bookmark list.
std::string BookmarksNested(std::size_t depth) {
    return Repeat("<div>", depth) + Repeat("</div>", depth) +
           "<DL><DT><A HREF=\"https://example.com/\">L</A></DL>";
}

class TScratch {
public:
    TScratch() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = fs::temp_directory_path() / ("tarvex-import-limits-" + std::string(info->name()));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TScratch() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TScratch(const TScratch&) = delete;
    TScratch& operator=(const TScratch&) = delete;
    const fs::path& Path() const { return m_path; }

    // A file of `size` bytes that start with `start` and hold nothing else: sparse, so a ceiling
    // of many megabytes costs no disk.
    fs::path File(const std::string& name, const std::string& start, std::uint64_t size) const {
        const fs::path file = m_path / name;
        std::ofstream(file, std::ios::binary) << start;
        fs::resize_file(file, size);
        return file;
    }

private:
    fs::path m_path;
};

struct TOutcome {
    bool Read = false;
    int Depth = 0;
    std::string Error;
    TUiText Refusal;
};

TOutcome Outcome(const TImportResult& result) {
    return {result.Tree.has_value(), result.Tree ? GroupDepth(*result.Tree) : 0, result.Error.English(),
            result.Error};
}

} // namespace

// However the source nests, an imported menu is at most 32 group levels deep, the root included.
TEST(ImportLimits, NestingAtTheLimitAndOnePast) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    const auto navigation = [](int levels) {
        const TImportChoices choices = FindPageNavigations(NestedNavigation(levels), "page");
        return choices.Choices.empty() ? TOutcome{false, 0, choices.Error.English(), choices.Error}
                                       : TOutcome{true, GroupDepth(choices.Choices.front().Tree), {}, {}};
    };
    struct TRow {
        const char* Kind;
        std::function<TOutcome(int)> Import;
        int Nesting; // at the limit: one more is refused
        std::string Refusal;
    };
    const TRow rows[] = {
        {"bookmarks", [](int n) { return Outcome(ParseBookmarks(NestedBookmarks(n))); }, 31,
         "The bookmarks nest folders deeper than 32 levels."},
        {"navigation", navigation, 32, "The page's navigation nests deeper than 32 levels."},
        {"site map", [](int n) { return Outcome(ParseSitemap(NestedSitemap(n), {})); }, 31,
         "The site map's addresses nest deeper than 32 folders."},
    };
    for (const TRow& row : rows) {
        const TOutcome at = row.Import(row.Nesting);
        EXPECT_TRUE(at.Read) << row.Kind << ": " << at.Error;
        EXPECT_EQ(at.Depth, ImportGroupDepthLimit) << row.Kind;
        const TOutcome past = row.Import(row.Nesting + 1);
        EXPECT_FALSE(past.Read) << row.Kind;
        EXPECT_EQ(past.Error, row.Refusal) << row.Kind;
        // Translated as one sentence, the limit put in where it goes.
        ASSERT_NE(past.Refusal.Context, nullptr) << row.Kind;
        EXPECT_STREQ(past.Refusal.Context, "Import");
        EXPECT_EQ(past.Refusal.Source.find("32"), std::string::npos) << past.Refusal.Source;
        EXPECT_NE(past.Refusal.Source.find("%1"), std::string::npos) << past.Refusal.Source;
    }
}

// What a page or a site map may hold: the last count that is read, and the message one more gives.
TEST(ImportLimits, CountsAtTheLimitAndOnePast) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    const auto sitemap = [](const std::string& bytes) { return ParseSitemap(bytes, {}).Error.English(); };
    const auto bookmarks = [](const std::string& bytes) { return ParseBookmarks(bytes).Error.English(); };
    struct TRow {
        const char* Kind;
        std::function<std::string(std::size_t)> Source;
        std::function<std::string(const std::string&)> Error;
        std::size_t Limit;
        std::string AtLimit;
        std::string PastLimit;
    };
    const TRow rows[] = {
        {"pages", SitemapOfPages, sitemap, SitemapPageLimit, "", "The site map lists more than 50000 pages."},
        {"site maps", SitemapIndex, sitemap, SitemapIndexLimit,
         "None of the index's site maps is in the index's folder: " +
             [] {
                 std::string list;
                 for (std::size_t i = 0; i < SitemapIndexLimit; ++i) {
                     list += (i ? ", m" : "m") + std::to_string(i) + ".xml";
                 }
                 return list;
             }() +
             ".",
         "The site-map index lists more than 1000 site maps."},
        {"elements", BookmarksWithTags, bookmarks, HtmlElementLimit, "",
         "The bookmarks file has too many elements to import (more than 60000)."},
        {"nesting", BookmarksNested, bookmarks, HtmlNestingLimit, "",
         "The bookmarks file is nested too deeply to import (more than 512 levels)."},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(row.Error(row.Source(row.Limit)), row.AtLimit) << row.Kind;
        EXPECT_EQ(row.Error(row.Source(row.Limit + 1)), row.PastLimit) << row.Kind;
    }
}

// A scan of the Favorites folder reads 10000 entries and says when there were more.
TEST(ImportLimits, FavoritesEntriesAtTheLimitAndOnePast) {
    const std::string cut = "The folder holds more than 10000 entries; only the first 10000 were read.";
    TScratch scratch;
    for (std::size_t i = 0; i <= FavoritesEntryLimit; ++i) {
        std::ofstream(scratch.Path() / ("s" + std::to_string(i) + ".url"));
    }
    for (const std::size_t files : {FavoritesEntryLimit + 1, FavoritesEntryLimit}) {
        if (files == FavoritesEntryLimit) {
            fs::remove(scratch.Path() / "s0.url");
        }
        TFavoriteEntry root = ScanFavoritesFolder(scratch.Path());
        EXPECT_EQ(root.Children.size(), FavoritesEntryLimit) << files;
        EXPECT_EQ(root.Cut, files > FavoritesEntryLimit) << files;
        // The message follows the scan alone; reading ten thousand shortcuts again would add nothing.
        root.Children.clear();
        const TImportResult read =
            ReadFavoritesFolder(root, false, [](std::string_view text) { return std::string(text); });
        EXPECT_EQ(read.Error.English(), files > FavoritesEntryLimit ? cut : "") << files;
    }
}

// Files of exactly the ceiling are read; a byte more is refused with a message or left out.
TEST(ImportLimits, FileSizesAtTheCeilingAndOnePast) {
    TScratch scratch;
    const std::string shortcut = "[InternetShortcut]\r\nURL=https://example.com/\r\n";
    for (const std::uint64_t extra : {0u, 1u}) {
        const fs::path file = scratch.File("menu.html", "<html>", ImportFileCeiling + extra);
        EXPECT_EQ(ReadImportFile(file).Bytes.has_value(), extra == 0) << extra;
        EXPECT_EQ(ReadImportFile(file).Error.English(),
                  extra == 0 ? ""
                             : "The file " + PathText(file) + " is too large to import (more than 32 MB).")
            << extra;
        const fs::path url = scratch.File("a.url", shortcut, ShortcutFileCeiling + extra);
        EXPECT_EQ(ReadInternetShortcut(url),
                  extra == 0 ? std::optional<std::string>("https://example.com/") : std::nullopt)
            << extra;
        if (WebImportAvailable()) {
            // A site map's local copy of a page gives its title up to 4 MB; past that the page's
            // name stands in.
            scratch.File("page.html", "<title>Local title</title>", (4ull << 20) + extra);
            const TImportResult map = ParseSitemap(
                "<urlset><url><loc>https://a.example/page.html</loc></url></urlset>", scratch.Path());
            ASSERT_TRUE(map.Tree) << map.Error.English();
            ASSERT_EQ(map.Tree->Children.size(), 1u);
            EXPECT_EQ(map.Tree->Children.front().Caption, extra == 0 ? "Local title" : "Page") << extra;
        }
    }
}

// A page offers at most 50 navigations to choose from.
TEST(ImportLimits, NavigationChoicesAtTheLimitAndOnePast) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    for (const std::size_t navs : {50u, 51u}) {
        EXPECT_EQ(FindPageNavigations(Repeat("<nav><a href=\"/x\">X</a></nav>", navs), "page").Choices.size(),
                  50u)
            << navs;
    }
}

// Captions keep 250 characters and addresses 255; a character more is cut, never half of one.
TEST(ImportLimits, ImportedTextAtItsCapacityAndOnePast) {
    for (const std::string_view character : {"a", "\xC3\xA9", "\xF0\x9F\x98\x80"}) {
        for (const std::size_t capacity : {ImportedCaptionCapacity, ImportedAddressCapacity}) {
            EXPECT_EQ(ImportedText(Repeat(character, capacity), capacity), Repeat(character, capacity));
            EXPECT_EQ(ImportedText(Repeat(character, capacity + 1), capacity), Repeat(character, capacity));
        }
    }
    // What the records hold, so nothing is cut a second time when the entries are added.
    EXPECT_EQ(ImportedCaptionCapacity, ItemField("Caption").Capacity);
    EXPECT_EQ(ImportedAddressCapacity, ItemField("Address").Capacity);
}
