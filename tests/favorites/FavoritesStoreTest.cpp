#include "favorites/FavoritesStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <filesystem>

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

// Writes values at the record table's offsets directly, independent of the encoder under test.
struct TRawFile {
    std::string bytes;

    explicit TRawFile(int32_t count, std::size_t records) : bytes(4 + 976 * records, '\0') { Int(0, count); }

    static std::size_t At(std::size_t record, std::size_t offset) { return 4 + 976 * record + offset; }

    void Int(std::size_t pos, int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[pos + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        }
    }
    void Str(std::size_t pos, std::string_view text) {
        bytes[pos] = static_cast<char>(text.size());
        bytes.replace(pos + 1, text.size(), text);
    }
};

struct TTempDir {
    fs::path path;
    TTempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() /
               ("tarvex-favorites-" + std::string(info->name()) + "-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(path);
    }
    ~TTempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

std::string ReadGolden(const char* name) {
    return ReadWholeFile(fs::path(TARVEX_TEST_DATA) / "favorites" / name).value();
}

TFavoriteStyleRec FullRecord(std::string name) {
    TFavoriteStyleRec rec;
    rec.Name = name;
    TMenuStyleRec& s = rec.Style;
    s.MouseOffFont = "A1A1A1";
    s.MouseOffBackground = "B2B2B2";
    s.MouseOnFont = "C3C3C3";
    s.MouseOnBackground = "D4D4D4";
    s.MenuBorderColor = "E5E5E5";
    s.FontSize = -7;
    s.FontStyle = "oblique";
    s.FontWeight = "lighter";
    s.FontName = std::string(50, 'f');
    s.MenuItemPadding = 65536 + 2;
    // Full width in characters: two bytes each in memory, one in the file.
    for (int i = 0; i < 255; ++i) {
        s.SubMenuImage = s.SubMenuImage.str() + "\xC3\xA9";
    }
    s.BorderSeparatorbar = "sep";
    s.HighColor = "111111";
    s.LowColor = "222222";
    s.TopBarImage = std::string("top\0bar", 7);
    s.MenuHeaderFontColor = "333333";
    s.MenuHeaderBackground = "444444";
    return rec;
}

} // namespace

TEST(FavoritesStore, GoldenFileLoadsFieldByFieldAndSavesBackByteForByte) {
    const std::string golden = ReadGolden("three.dat");
    const auto favorites = LoadFavoritesFile(fs::path(TARVEX_TEST_DATA) / "favorites" / "three.dat");
    ASSERT_EQ(favorites.size(), 3u);

    const TMenuStyleRec& a = favorites[0].Style;
    EXPECT_EQ(favorites[0].Name, "Classic");
    EXPECT_EQ(a.MouseOffFont, "000000");
    EXPECT_EQ(a.MouseOffBackground, "C0C0C0");
    EXPECT_EQ(a.MouseOnFont, "FFFFFF");
    EXPECT_EQ(a.MouseOnBackground, "808080");
    EXPECT_EQ(a.MenuBorderColor, "000000");
    EXPECT_EQ(a.FontSize, 10);
    EXPECT_EQ(a.FontStyle, "normal");
    EXPECT_EQ(a.FontWeight, "");
    EXPECT_EQ(a.FontName, "Verdana, Arial");
    EXPECT_EQ(a.MenuItemPadding, 3);
    EXPECT_TRUE(a.SubMenuImage.empty() && a.BorderSeparatorbar.empty() && a.TopBarImage.empty());

    const TMenuStyleRec& b = favorites[1].Style;
    EXPECT_EQ(favorites[1].Name, "Caf\xC3\xA9 Nuit"); // Windows-1252 on disk
    EXPECT_EQ(b.MouseOffFont, "FFFF00");
    EXPECT_EQ(b.MouseOffBackground, "000080");
    EXPECT_EQ(b.MouseOnFont, "000080");
    EXPECT_EQ(b.MouseOnBackground, "FFFF00");
    EXPECT_EQ(b.MenuBorderColor, "FF0000");
    EXPECT_EQ(b.FontSize, -2);
    EXPECT_EQ(b.FontStyle, "italic");
    EXPECT_EQ(b.FontWeight, "bold");
    EXPECT_EQ(b.FontName.str(), std::string(50, 'N'));
    EXPECT_EQ(b.MenuItemPadding, 0x01020304);
    EXPECT_EQ(b.SubMenuImage, "images/arrow.gif");
    EXPECT_EQ(b.BorderSeparatorbar, "1px solid #C0C0C0");
    EXPECT_EQ(b.HighColor, "FFFFFF");
    EXPECT_EQ(b.LowColor, "404040");
    EXPECT_EQ(b.TopBarImage.str(), std::string(255, 'T'));
    EXPECT_EQ(b.MenuHeaderFontColor, "ABCDEF");
    EXPECT_EQ(b.MenuHeaderBackground, "123456");

    EXPECT_EQ(favorites[2].Name, "");
    EXPECT_EQ(favorites[2].Style.FontSize, INT32_MAX);
    EXPECT_EQ(favorites[2].Style.MenuItemPadding, INT32_MIN);

    EXPECT_EQ(SerializeFavorites(favorites), golden);
    TTempDir dir;
    const fs::path saved = dir.path / "favorites.dat";
    ASSERT_EQ(SaveFavoritesFile(saved, favorites), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(saved).value(), golden);
}

TEST(FavoritesStore, EveryFieldAtFullWidthSurvivesARoundTrip) {
    const std::vector<TFavoriteStyleRec> favorites = {FullRecord(std::string(255, 'n')), FullRecord("Second"),
                                                      TFavoriteStyleRec{}};
    const std::string bytes = SerializeFavorites(favorites);
    ASSERT_EQ(bytes.size(), 4 + 976 * favorites.size());
    EXPECT_EQ(ParseFavorites(bytes), favorites);
    for (const auto& rec : favorites) {
        EXPECT_EQ(EncodeFavoriteRecord(rec).size(), FavoriteRecordSize);
        EXPECT_EQ(DecodeFavoriteRecord(EncodeFavoriteRecord(rec)), rec);
    }
}

TEST(FavoritesStore, MeaninglessBytesAreIgnoredOnReadAndZeroOnWrite) {
    TRawFile file(1, 1);
    file.Str(TRawFile::At(0, 0), "Plain");
    file.Str(TRawFile::At(0, 256), "ABC");
    file.Int(TRawFile::At(0, 292), 12);
    file.Int(TRawFile::At(0, 380), 4);
    for (std::size_t junk : {291, 379, 975}) {
        file.bytes[TRawFile::At(0, junk)] = '\x7F';
    }
    file.bytes[TRawFile::At(0, 6)] = 'X';       // after "Plain"
    file.bytes[TRawFile::At(0, 256 + 4)] = 'Y'; // after "ABC"

    const auto favorites = ParseFavorites(file.bytes);
    ASSERT_EQ(favorites.size(), 1u);
    EXPECT_EQ(favorites[0].Name, "Plain");
    EXPECT_EQ(favorites[0].Style.MouseOffFont, "ABC");
    EXPECT_EQ(favorites[0].Style.MouseOffBackground, "");
    EXPECT_EQ(favorites[0].Style.FontSize, 12);
    EXPECT_EQ(favorites[0].Style.MenuItemPadding, 4);

    const std::string written = SerializeFavorites(favorites);
    for (std::size_t zero : {291, 379, 975, 6, 260}) {
        EXPECT_EQ(written[TRawFile::At(0, zero)], '\0') << "offset " << zero;
    }
}

TEST(FavoritesStore, DashesAreRemovedFromNamesOnLoadAndStayRemovedOnSave) {
    TRawFile file(2, 2);
    file.Str(TRawFile::At(0, 0), "Blue-Grey");
    file.Str(TRawFile::At(1, 0), "--a-b-");
    file.Str(TRawFile::At(1, 384), "img-arrow.gif");

    const auto favorites = ParseFavorites(file.bytes);
    ASSERT_EQ(favorites.size(), 2u);
    EXPECT_EQ(favorites[0].Name, "BlueGrey");
    EXPECT_EQ(favorites[1].Name, "ab");
    EXPECT_EQ(favorites[1].Style.SubMenuImage, "img-arrow.gif") << "only the name loses its dashes";

    const std::string written = SerializeFavorites(favorites);
    EXPECT_EQ(written.substr(TRawFile::At(0, 0), 9), std::string("\x08") + "BlueGrey");
}

TEST(FavoritesStore, EmptyListIsFourZeroBytes) {
    EXPECT_TRUE(ParseFavorites(std::string(4, '\0')).empty());
    EXPECT_EQ(SerializeFavorites({}), std::string(4, '\0'));
    EXPECT_TRUE(ParseFavorites("").empty());
    EXPECT_TRUE(ParseFavorites(std::string("\x01\x00", 2)).empty());

    TTempDir dir;
    const fs::path file = dir.path / "favorites.dat";
    ASSERT_EQ(WriteFileAtomically(file, std::string(4, '\0')), TWriteStatus::Written);
    const auto favorites = LoadFavoritesFile(file);
    EXPECT_TRUE(favorites.empty());
    ASSERT_EQ(SaveFavoritesFile(file, favorites), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(file).value(), std::string(4, '\0'));
}

TEST(FavoritesStore, ShortFileKeepsOnlyItsCompleteRecords) {
    TRawFile file(3, 2);
    file.Str(TRawFile::At(0, 0), "One");
    file.Str(TRawFile::At(1, 0), "Two");
    file.bytes += std::string(500, 'z'); // a third record cut short
    const auto favorites = ParseFavorites(file.bytes);
    ASSERT_EQ(favorites.size(), 2u);
    EXPECT_EQ(favorites[1].Name, "Two");

    EXPECT_TRUE(ParseFavorites(file.bytes.substr(0, 4 + 975)).empty());
}

TEST(FavoritesStore, RecordsAreTakenByLengthWhateverTheCountSays) {
    // Two whole records behind every kind of wrong count: none of them may be lost.
    for (int32_t count : {0, -1, INT32_MIN, 1, 3, INT32_MAX}) {
        TRawFile file(count, 2);
        file.Str(TRawFile::At(0, 0), "First");
        file.Str(TRawFile::At(1, 0), "Second");
        const auto favorites = ParseFavorites(file.bytes);
        ASSERT_EQ(favorites.size(), 2u) << count;
        EXPECT_EQ(favorites[1].Name, "Second") << count;
        EXPECT_FALSE(FavoritesFileIsClean(file.bytes)) << count;
    }
    TRawFile clean(2, 2);
    EXPECT_TRUE(FavoritesFileIsClean(clean.bytes));
    EXPECT_FALSE(FavoritesFileIsClean(clean.bytes + "x"));
    // A list emptied by its author is a clean file too, not one to keep a backup of.
    EXPECT_TRUE(FavoritesFileIsClean(TRawFile(0, 0).bytes));
}

TEST(FavoritesStore, OverlongLengthBytesAreClampedToTheirField) {
    TRawFile file(1, 1);
    file.Str(TRawFile::At(0, 256), "FFFFFF");
    file.bytes[TRawFile::At(0, 256)] = '\xFF'; // claims 255 characters in a 6-character field
    file.Str(TRawFile::At(0, 263), "00FF00");
    file.bytes[TRawFile::At(0, 296)] = '\x20'; // 32 in a 15-character field
    file.Str(TRawFile::At(0, 968), "ABCDEF");
    file.bytes[TRawFile::At(0, 968)] = '\xFF'; // last field: must not run into the next record
    file.Int(TRawFile::At(0, 292), 9);

    const auto favorites = ParseFavorites(file.bytes);
    ASSERT_EQ(favorites.size(), 1u);
    const TMenuStyleRec& s = favorites[0].Style;
    EXPECT_EQ(s.MouseOffFont, "FFFFFF");
    EXPECT_EQ(s.MouseOffBackground, "00FF00");
    EXPECT_EQ(s.FontStyle.size(), 15u);
    EXPECT_EQ(s.FontSize, 9);
    EXPECT_EQ(s.MenuHeaderBackground, "ABCDEF");
}

TEST(FavoritesStore, DecodeNeverReadsPastAShortSpan) {
    const std::string bytes = std::string("\xFFpartial", 8);
    const TFavoriteStyleRec rec = DecodeFavoriteRecord(bytes);
    EXPECT_EQ(rec.Name, "partial");
    EXPECT_EQ(rec.Style, TMenuStyleRec{});
}

TEST(FavoritesStore, MissingFileIsEmptyButUnreadableFileIsReported) {
    TTempDir dir;
    const fs::path missing = dir.path / "favorites.dat";
    EXPECT_TRUE(LoadFavoritesFile(missing).empty());
    ASSERT_TRUE(ReadFavoritesFile(missing).has_value());
    EXPECT_TRUE(ReadFavoritesFile(missing)->empty());

    // Something that exists but cannot be read as a file must not pass for an empty list.
    const fs::path unreadable = dir.path / "folder.dat";
    fs::create_directory(unreadable);
    EXPECT_TRUE(LoadFavoritesFile(unreadable).empty());
    EXPECT_FALSE(ReadFavoritesFile(unreadable).has_value());

    EXPECT_EQ(SaveFavoritesFile(dir.path / "no-such-folder" / "favorites.dat", {}),
              TWriteStatus::CannotCreate);
    EXPECT_EQ(SaveFavoritesFile(unreadable, {}), TWriteStatus::CannotCreate);
}
