#include "FavoritesStore.h"

#include "base/RecordText.h"
#include "model/RecordFields.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <system_error>

namespace tarvex {

namespace {

constexpr std::size_t CountSize = 4;

constexpr std::size_t NameSize = 256;
constexpr std::size_t IntegerSize = 4;

// Where each style field lies in the record: after the name, in the table's order, a text of
// capacity N taking a length byte and N characters, an integer aligned on 4 bytes. The record's
// size is a multiple of 4, so the last field is followed by padding as well.
struct TStyleLayout {
    std::array<std::size_t, MenuStyleFields.size()> Offsets{};
    std::size_t Size = 0;
};

constexpr TStyleLayout ComputeStyleLayout() {
    TStyleLayout layout;
    std::size_t offset = NameSize;
    for (std::size_t i = 0; i < MenuStyleFields.size(); ++i) {
        if (MenuStyleFields[i].IsInteger()) {
            offset = (offset + IntegerSize - 1) / IntegerSize * IntegerSize;
            layout.Offsets[i] = offset;
            offset += IntegerSize;
        } else {
            layout.Offsets[i] = offset;
            offset += MenuStyleFields[i].Capacity + 1;
        }
    }
    layout.Size = (offset + IntegerSize - 1) / IntegerSize * IntegerSize;
    return layout;
}

constexpr TStyleLayout StyleLayout = ComputeStyleLayout();
static_assert(StyleLayout.Size == FavoriteRecordSize, "the style table must keep the 976-byte record");

// The file keeps Windows-1252, one byte per character: other tools read it so. The unused tail of
// the field stays zero, so the file is the same on every save.
void PutString(std::string& record, std::size_t offset, std::size_t capacity, std::string_view text) {
    const std::string bytes = Utf8ToWindows1252(text);
    const std::size_t length = std::min(bytes.size(), capacity);
    record[offset] = static_cast<char>(static_cast<unsigned char>(length));
    record.replace(offset + 1, length, bytes, 0, length);
}

void PutInt32(std::string& out, std::size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < IntegerSize; ++i) {
        out[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
    }
}

// Never looks past `record`: a field cut short by the end reads as far as it goes.
std::string GetString(std::string_view record, std::size_t offset, std::size_t capacity) {
    const std::string_view field = record.substr(std::min(offset, record.size()), capacity + 1);
    if (field.empty()) {
        return {};
    }
    // A length byte larger than the field would read into the next field: clamp it.
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(field[0]), capacity);
    return Windows1252ToUtf8(field.substr(1, std::min(length, field.size() - 1)));
}

int32_t GetInt32(std::string_view record, std::size_t offset) {
    const std::string_view field = record.substr(std::min(offset, record.size()), IntegerSize);
    uint32_t bits = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(field[i])) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

int32_t ReadCount(std::string_view bytes) {
    return GetInt32(bytes.substr(0, CountSize), 0);
}

std::string WithoutDashes(std::string_view name) {
    std::string result(name);
    std::erase(result, '-');
    return result;
}

} // namespace

std::string EncodeFavoriteRecord(const TFavoriteStyleRec& record) {
    std::string out(FavoriteRecordSize, '\0');
    PutString(out, 0, NameSize - 1, record.Name.view());
    for (std::size_t i = 0; i < MenuStyleFields.size(); ++i) {
        const TRecordField<TMenuStyleRec>& field = MenuStyleFields[i];
        if (field.IsInteger()) {
            PutInt32(out, StyleLayout.Offsets[i], record.Style.*field.Integer);
        } else {
            PutString(out, StyleLayout.Offsets[i], field.Capacity, field.GetText(record.Style));
        }
    }
    return out;
}

TFavoriteStyleRec DecodeFavoriteRecord(std::string_view bytes) {
    const std::string_view image = bytes.substr(0, FavoriteRecordSize);
    TFavoriteStyleRec record;
    record.Name = GetString(image, 0, NameSize - 1);
    for (std::size_t i = 0; i < MenuStyleFields.size(); ++i) {
        const TRecordField<TMenuStyleRec>& field = MenuStyleFields[i];
        if (field.IsInteger()) {
            record.Style.*field.Integer = GetInt32(image, StyleLayout.Offsets[i]);
        } else {
            field.SetText(record.Style, GetString(image, StyleLayout.Offsets[i], field.Capacity));
        }
    }
    return record;
}

std::string FavoriteCharactersLost(const TFavoriteStyleRec& record) {
    std::string lost;
    Utf8ToWindows1252(record.Name.view(), &lost);
    for (const TRecordField<TMenuStyleRec>& field : MenuStyleFields) {
        if (!field.IsInteger()) {
            Utf8ToWindows1252(field.GetText(record.Style), &lost);
        }
    }
    return lost;
}

std::vector<TFavoriteStyleRec> ParseFavorites(std::string_view bytes) {
    std::vector<TFavoriteStyleRec> favorites;
    if (bytes.size() < CountSize) {
        return favorites;
    }
    const std::size_t records = (bytes.size() - CountSize) / FavoriteRecordSize;
    favorites.reserve(records);
    for (std::size_t i = 0; i < records; ++i) {
        TFavoriteStyleRec record =
            DecodeFavoriteRecord(bytes.substr(CountSize + i * FavoriteRecordSize, FavoriteRecordSize));
        record.Name = OneLine(WithoutDashes(record.Name.view()));
        favorites.push_back(std::move(record));
    }
    return favorites;
}

bool FavoritesFileIsClean(std::string_view bytes) {
    if (bytes.size() < CountSize || (bytes.size() - CountSize) % FavoriteRecordSize != 0) {
        return false;
    }
    const int32_t count = ReadCount(bytes);
    return count >= 0 && static_cast<std::size_t>(count) == (bytes.size() - CountSize) / FavoriteRecordSize;
}

std::string SerializeFavorites(const std::vector<TFavoriteStyleRec>& favorites) {
    std::string out(CountSize, '\0');
    out.reserve(CountSize + favorites.size() * FavoriteRecordSize);
    PutInt32(out, 0, static_cast<int32_t>(favorites.size()));
    for (const TFavoriteStyleRec& record : favorites) {
        out += EncodeFavoriteRecord(record);
    }
    return out;
}

TFavoritesFile ReadFavoritesFileState(const std::filesystem::path& file) {
    TFavoritesFile result;
    std::error_code ec;
    if (std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found) {
        return result;
    }
    const std::optional<std::string> bytes = ReadWholeFile(file, FavoritesFileCeiling);
    if (!bytes) {
        result.State = TFavoritesFileState::Unreadable;
        return result;
    }
    result.State = FavoritesFileIsClean(*bytes) ? TFavoritesFileState::Clean : TFavoritesFileState::Damaged;
    result.Favorites = ParseFavorites(*bytes);
    return result;
}

std::optional<std::vector<TFavoriteStyleRec>> ReadFavoritesFile(const std::filesystem::path& file) {
    TFavoritesFile read = ReadFavoritesFileState(file);
    if (read.State == TFavoritesFileState::Unreadable) {
        return std::nullopt;
    }
    return std::move(read.Favorites);
}

std::vector<TFavoriteStyleRec> LoadFavoritesFile(const std::filesystem::path& file) {
    return ReadFavoritesFile(file).value_or(std::vector<TFavoriteStyleRec>{});
}

TWriteStatus SaveFavoritesFile(const std::filesystem::path& file,
                               const std::vector<TFavoriteStyleRec>& favorites) {
    return WriteFileAtomically(file, SerializeFavorites(favorites));
}

} // namespace tarvex
