#include "FavoritesStore.h"

#include "model/RecordText.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace tarvex {

namespace {

constexpr std::size_t CountSize = 4;

// Walks the fixed record image field by field, so encoder and decoder share one list of offsets.
class TRecordWriter {
public:
    explicit TRecordWriter(std::string& out) : m_out(out) {}

    template <std::size_t N> void String(const ShortString<N>& text) {
        m_out.push_back(static_cast<char>(static_cast<unsigned char>(text.size())));
        m_out.append(text.view());
        // The unused tail of the field is written as zero so the file is the same on every save.
        m_out.append(N - text.size(), '\0');
    }

    void Int32(int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            m_out.push_back(static_cast<char>((bits >> shift) & 0xFFu));
        }
    }

    void Padding(std::size_t count) { m_out.append(count, '\0'); }

private:
    std::string& m_out;
};

// Reads the same image; never looks past the span it was given.
class TRecordReader {
public:
    explicit TRecordReader(std::string_view bytes) : m_bytes(bytes) {}

    template <std::size_t N> void String(ShortString<N>& text) {
        const std::string_view field = Take(N + 1);
        if (field.empty()) {
            text = std::string_view();
            return;
        }
        // A length byte larger than the field would read into the next field: clamp it.
        const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(field[0]), N);
        text = field.substr(1, std::min(length, field.size() - 1));
    }

    void Int32(int32_t& value) {
        const std::string_view field = Take(4);
        uint32_t bits = 0;
        for (std::size_t i = 0; i < field.size(); ++i) {
            bits |= static_cast<uint32_t>(static_cast<unsigned char>(field[i])) << (8 * i);
        }
        value = static_cast<int32_t>(bits);
    }

    void Padding(std::size_t count) { Take(count); }

private:
    std::string_view Take(std::size_t count) {
        const std::string_view field = m_bytes.substr(std::min(m_pos, m_bytes.size()), count);
        m_pos += count;
        return field;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

// The one description of the layout: both directions go through it.
template <typename TVisitor, typename TRecord> void VisitFavoriteRecord(TVisitor& visitor, TRecord& record) {
    auto& style = record.Style;
    visitor.String(record.Name);
    visitor.String(style.MouseOffFont);
    visitor.String(style.MouseOffBackground);
    visitor.String(style.MouseOnFont);
    visitor.String(style.MouseOnBackground);
    visitor.String(style.MenuBorderColor);
    visitor.Padding(1);
    visitor.Int32(style.FontSize);
    visitor.String(style.FontStyle);
    visitor.String(style.FontWeight);
    visitor.String(style.FontName);
    visitor.Padding(1);
    visitor.Int32(style.MenuItemPadding);
    visitor.String(style.SubMenuImage);
    visitor.String(style.BorderSeparatorbar);
    visitor.String(style.HighColor);
    visitor.String(style.LowColor);
    visitor.String(style.TopBarImage);
    visitor.String(style.MenuHeaderFontColor);
    visitor.String(style.MenuHeaderBackground);
    visitor.Padding(1);
}

int32_t ReadCount(std::string_view bytes) {
    int32_t count = 0;
    TRecordReader reader(bytes.substr(0, CountSize));
    reader.Int32(count);
    return count;
}

std::string WithoutDashes(std::string_view name) {
    std::string result(name);
    std::erase(result, '-');
    return result;
}

} // namespace

std::string EncodeFavoriteRecord(const TFavoriteStyleRec& record) {
    std::string out;
    out.reserve(FavoriteRecordSize);
    TRecordWriter writer(out);
    VisitFavoriteRecord(writer, record);
    return out;
}

TFavoriteStyleRec DecodeFavoriteRecord(std::string_view bytes) {
    TFavoriteStyleRec record;
    TRecordReader reader(bytes.substr(0, FavoriteRecordSize));
    VisitFavoriteRecord(reader, record);
    return record;
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
    std::string out;
    out.reserve(CountSize + favorites.size() * FavoriteRecordSize);
    TRecordWriter writer(out);
    writer.Int32(static_cast<int32_t>(favorites.size()));
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

std::optional<std::filesystem::path> KeepFavoritesBackup(const std::filesystem::path& file) {
    for (int n = 1; n < 100; ++n) {
        std::filesystem::path backup = file;
        backup += n == 1 ? std::string(".bak") : ".bak" + std::to_string(n);
        std::error_code ec;
        if (std::filesystem::symlink_status(backup, ec).type() != std::filesystem::file_type::not_found) {
            continue;
        }
        std::filesystem::rename(file, backup, ec);
        if (ec) {
            return std::nullopt;
        }
        return backup;
    }
    return std::nullopt;
}

TWriteStatus SaveFavoritesFile(const std::filesystem::path& file,
                               const std::vector<TFavoriteStyleRec>& favorites) {
    return WriteFileAtomically(file, SerializeFavorites(favorites));
}

} // namespace tarvex
