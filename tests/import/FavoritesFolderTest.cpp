#include "import/FavoritesFolder.h"
#include "base/FilePlatform.h"
#include "base/PathText.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace tarvex;
namespace fs = std::filesystem;
using TKind = TFavoriteEntry::TKind;

namespace {

struct TTempDir {
    fs::path path;
    TTempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() /
               ("tarvex-import-" + std::string(info->name()) + "-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(path);
    }
    ~TTempDir() {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(path, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(path, ec);
    }
};

void Touch(const fs::path& file,
           std::string_view text = "[InternetShortcut]\r\nURL=https://example.org/\r\n") {
    fs::create_directories(file.parent_path());
    // Written in place: a temporary name beside a 244-byte name would exceed the name limit.
    std::ofstream out(file, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << file;
}

std::vector<std::string> Texts(const TFavoriteEntry& entry) {
    std::vector<std::string> texts;
    for (const auto& child : entry.Children) {
        texts.push_back(child.Text);
    }
    return texts;
}

const TFavoriteEntry* Child(const TFavoriteEntry& entry, std::string_view text) {
    for (const auto& child : entry.Children) {
        if (child.Text == text) {
            return &child;
        }
    }
    return nullptr;
}

} // namespace

TEST(FavoritesFolder, ListsFoldersTwoLevelsDeepAndShortcutsOfAllOfThem) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    Touch(fav / "Top.url");
    Touch(fav / "News" / "Daily.URL");
    Touch(fav / "News" / "Local" / "Town.Url");
    Touch(fav / "News" / "Local" / "Streets" / "Hidden.url");
    fs::create_directories(fav / "News" / "Local" / "Empty three");

    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    EXPECT_EQ(root.Kind, TKind::Root);
    EXPECT_EQ(root.Text, "Favorities");
    EXPECT_EQ(Texts(root), (std::vector<std::string>{"News", "Top"}));

    const TFavoriteEntry* news = Child(root, "News");
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->Kind, TKind::Folder);
    EXPECT_EQ(news->Path, (fav / "News").string());
    EXPECT_EQ(Texts(*news), (std::vector<std::string>{"Daily", "Local"}));

    const TFavoriteEntry* local = Child(*news, "Local");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->Kind, TKind::Folder);
    // A folder three levels down is left out, with whatever it holds.
    EXPECT_EQ(Texts(*local), (std::vector<std::string>{"Town"}));
    EXPECT_EQ(local->Children[0].Kind, TKind::Shortcut);
    EXPECT_EQ(local->Children[0].Path, (fav / "News" / "Local" / "Town.Url").string());
    EXPECT_TRUE(local->Children[0].Children.empty());
}

TEST(FavoritesFolder, OnlyFilesEndingInDotUrlAreShortcuts) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    Touch(fav / "lower.url");
    Touch(fav / "UPPER.URL");
    Touch(fav / "archive.url.bak");
    Touch(fav / "readme.txt");
    Touch(fav / "url");
    Touch(fav / "page.urls");
    Touch(fav / "two.dots.url");
    fs::create_directories(fav / "folder.url");

    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    EXPECT_EQ(Texts(root), (std::vector<std::string>{"folder.url", "lower", "two.dots", "UPPER"}));
    const TFavoriteEntry* folder = Child(root, "folder.url");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->Kind, TKind::Folder);
    EXPECT_EQ(Child(root, "two.dots")->Kind, TKind::Shortcut);
}

TEST(FavoritesFolder, EntriesAreSortedByNameIgnoringCaseWithFoldersAndShortcutsMixed) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    Touch(fav / "zeta.url");
    Touch(fav / "Alpha.url");
    fs::create_directories(fav / "beta");
    Touch(fav / "Gamma.url");
    fs::create_directories(fav / "Delta");
    Touch(fav / "a.url");
    // Where names ignore case (Windows), "A.url" is the same file as "a.url".
    const bool namesIgnoreCase = fs::exists(fav / "A.url");
    Touch(fav / "A.url");

    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    std::vector<std::string> expected{"A", "a", "Alpha", "beta", "Delta", "Gamma", "zeta"};
    if (namesIgnoreCase) {
        expected.erase(expected.begin());
    }
    EXPECT_EQ(Texts(root), expected);
}

TEST(FavoritesFolder, ALongShortcutPathIsKeptWholeSoTheShortcutCanBeRead) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    const std::string name = std::string(240, 'x') + ".url";
    Touch(fav / name, "[InternetShortcut]\r\nURL=http://long.example/\r\n");

    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Text, std::string(240, 'x'));
    ASSERT_GT(root.Children[0].Path.size(), 255u);
    EXPECT_EQ(ReadInternetShortcut(fs::path(root.Children[0].Path)), "http://long.example/");
}

TEST(FavoritesFolder, UnlistableFoldersAddNothingAndLinksBackAreNotFollowed) {
    TTempDir dir;
    EXPECT_TRUE(ScanFavoritesFolder(dir.path / "missing").Children.empty());
    Touch(dir.path / "plain.url");
    EXPECT_TRUE(ScanFavoritesFolder(dir.path / "plain.url").Children.empty());

    const fs::path fav = dir.path / "Favorites";
    Touch(fav / "Locked" / "secret.url");
    Touch(fav / "Site.url");
    fs::permissions(fav / "Locked", fs::perms::none);
    if (!test::MakeSymlink(fav, fav / "Loop", true)) {
        GTEST_SKIP() << "no symbolic links to folders here: a link loop cannot be made";
    }

    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    // A link back into the folders being read is not followed: each folder is listed once.
    EXPECT_EQ(Texts(root), (std::vector<std::string>{"Locked", "Site"}));
    if (!test::RunsAsSuperuser()) { // permissions do not bind the superuser
        EXPECT_TRUE(Child(root, "Locked")->Children.empty());
    }
}

TEST(FavoritesFolder, FindsTheFavoritesFolderUnderHomeOnly) {
    TTempDir dir;
    const char* saved = std::getenv(test::HomeVariable);
    const std::optional<std::string> savedHome = saved ? std::optional<std::string>(saved) : std::nullopt;
    test::SetEnvironment(test::HomeVariable, dir.path.string());
    EXPECT_FALSE(FindFavoritesFolder().has_value());
    fs::create_directory(dir.path / "Favorites");
    EXPECT_EQ(FindFavoritesFolder(), dir.path / "Favorites");
    test::SetEnvironment(test::HomeVariable, std::nullopt);
    EXPECT_FALSE(FindFavoritesFolder().has_value());
    test::SetEnvironment(test::HomeVariable, savedHome);
}

TEST(InternetShortcut, LastUrlOrBaseUrlLineWins) {
    EXPECT_EQ(ParseInternetShortcut("[DEFAULT]\r\nBASEURL=https://base.example/\r\n"
                                    "[InternetShortcut]\r\nURL=https://item.example/\r\n"),
              "https://item.example/");
    EXPECT_EQ(ParseInternetShortcut("URL=https://first/\nBASEURL=https://second/\n"), "https://second/");
    EXPECT_EQ(ParseInternetShortcut("[InternetShortcut]\rurl=http://lower.example\rIconIndex=0"),
              "http://lower.example");
    EXPECT_EQ(ParseInternetShortcut("BaseUrl=x\nURL="), "") << "an empty address still replaces";
}

TEST(InternetShortcut, AddressIsUtf8WhenValidElseWindows1252) {
    const struct {
        std::string bytes, address;
    } cases[] = {
        {"URL=https://example.org/\xD0\xBA\xD0\xBE\xD1\x82", "https://example.org/\xD0\xBA\xD0\xBE\xD1\x82"},
        {"URL=https://example.org/caf\xE9", "https://example.org/caf\xC3\xA9"},
        {"URL=https://example.org/e\xCC\x81", "https://example.org/\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInternetShortcut(c.bytes), c.address) << c.bytes;
    }
}

TEST(FavoritesFolder, NamesInAnyScriptAreListedAndReadable) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    const std::string folder = "\xE8\xA3\xBD\xE5\x93\x81", shortcut = "\xD7\xA9\xD7\x9C\xF0\x9F\x98\x80";
    Touch(PathFromUtf8(PathText(fav) + "/" + folder + "/" + shortcut + ".url"));
    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    ASSERT_EQ(Texts(root), std::vector<std::string>{folder});
    ASSERT_EQ(Texts(root.Children[0]), std::vector<std::string>{shortcut});
    EXPECT_TRUE(ReadInternetShortcut(PathFromUtf8(root.Children[0].Children[0].Path)).has_value());
}

TEST(InternetShortcut, NothingMatchingGivesEmptyAddress) {
    EXPECT_EQ(ParseInternetShortcut(""), "");
    EXPECT_EQ(ParseInternetShortcut("[InternetShortcut]\r\nIconFile=x.ico\r\n"), "");
    EXPECT_EQ(ParseInternetShortcut(" URL=https://indented/\r\nMYURL=https://other/\r\nURL\r\nURI=x"), "");
}

TEST(InternetShortcut, AddressIsCutTo255AndNotTrimmed) {
    const std::string longAddress = "http://" + std::string(293, 'a');
    EXPECT_EQ(ParseInternetShortcut("URL=" + longAddress + "\r\n"), longAddress.substr(0, 255));
    EXPECT_EQ(ParseInternetShortcut("BASEURL=" + longAddress), longAddress.substr(0, 255));
    EXPECT_EQ(ParseInternetShortcut("URL=  spaced \t\r\n"), "  spaced \t");
    EXPECT_EQ(ParseInternetShortcut("URL==x="), "=x=");
}

TEST(InternetShortcut, ReadReportsAFileThatCannotBeRead) {
    TTempDir dir;
    EXPECT_FALSE(ReadInternetShortcut(dir.path / "missing.url").has_value());
    EXPECT_FALSE(ReadInternetShortcut(dir.path).has_value());
    Touch(dir.path / "ok.url", "[InternetShortcut]\nURL=https://ok.example/");
    EXPECT_EQ(ReadInternetShortcut(dir.path / "ok.url"), "https://ok.example/");
    Touch(dir.path / "none.url", "[InternetShortcut]\n");
    EXPECT_EQ(ReadInternetShortcut(dir.path / "none.url"), "");
}

TEST(FavoritesFolder, NamesOutsideTheCodePageKeepTheirTextAndCanBeRead) {
    TTempDir dir;
    const fs::path fav = dir.path / "Favorites";
    Touch(fav / platform::PathFromUtf8("Café ☕ 日本.url"));
    const TFavoriteEntry root = ScanFavoritesFolder(fav);
    ASSERT_EQ(Texts(root), (std::vector<std::string>{"Café ☕ 日本"}));
    EXPECT_EQ(ReadInternetShortcut(platform::PathFromUtf8(root.Children[0].Path)), "https://example.org/");
}
