#pragma once
// favorites.dat: the favourite styles kept outside any project, as fixed 976-byte records.

#include "base/FileIo.h"
#include "model/Records.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

struct TFavoriteStyleRec {
    ShortString<255> Name;
    TMenuStyleRec Style;

    friend bool operator==(const TFavoriteStyleRec&, const TFavoriteStyleRec&) = default;
};

inline constexpr std::size_t FavoriteRecordSize = 976;

// The record's exact byte image (short strings, little-endian int32, padding written as zero).
std::string EncodeFavoriteRecord(const TFavoriteStyleRec& record);
// Reads one record from exactly FavoriteRecordSize bytes; a length byte larger than its field is clamped.
TFavoriteStyleRec DecodeFavoriteRecord(std::string_view bytes);

// The characters of the record that the file's Windows-1252 cannot hold, each once: they are
// stored as "?".
std::string FavoriteCharactersLost(const TFavoriteStyleRec& record);

// The whole file: count, then the records. The records are taken by the file's length, whatever
// the count claims, so a wrong count costs no favourite. Every "-" is removed from the names and
// a line break in a name becomes a space.
std::vector<TFavoriteStyleRec> ParseFavorites(std::string_view bytes);
// Whether the count and the length agree and nothing follows the last record.
bool FavoritesFileIsClean(std::string_view bytes);
std::string SerializeFavorites(const std::vector<TFavoriteStyleRec>& favorites);

enum class TFavoritesFileState {
    Missing,    // no file: an empty list
    Clean,      // read as written
    Damaged,    // read, but count and length disagree: what was whole is kept
    Unreadable, // exists but cannot be read: an empty list
};
struct TFavoritesFile {
    TFavoritesFileState State = TFavoritesFileState::Missing;
    std::vector<TFavoriteStyleRec> Favorites;
};
TFavoritesFile ReadFavoritesFileState(const std::filesystem::path& file);

// A missing or unreadable file gives an empty list.
std::vector<TFavoriteStyleRec> LoadFavoritesFile(const std::filesystem::path& file);
// As LoadFavoritesFile, but nothing when the file exists and cannot be read: saving an empty list
// over such a file at close would destroy favourites that were merely out of reach.
std::optional<std::vector<TFavoriteStyleRec>> ReadFavoritesFile(const std::filesystem::path& file);
TWriteStatus SaveFavoritesFile(const std::filesystem::path& file,
                               const std::vector<TFavoriteStyleRec>& favorites);

} // namespace tarvex
