#include "FavoritesStore.h"

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
    const int32_t count = ReadCount(bytes);
    if (count <= 0) {
        return favorites;
    }
    // The count is only a claim: the bytes that are really there bound what is read and reserved.
    const std::size_t complete = (bytes.size() - CountSize) / FavoriteRecordSize;
    const std::size_t records = std::min(static_cast<std::size_t>(count), complete);
    favorites.reserve(records);
    for (std::size_t i = 0; i < records; ++i) {
        TFavoriteStyleRec record =
            DecodeFavoriteRecord(bytes.substr(CountSize + i * FavoriteRecordSize, FavoriteRecordSize));
        record.Name = WithoutDashes(record.Name.view());
        favorites.push_back(std::move(record));
    }
    return favorites;
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

std::optional<std::vector<TFavoriteStyleRec>> ReadFavoritesFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) {
        return std::vector<TFavoriteStyleRec>{};
    }
    const std::optional<std::string> bytes = ReadWholeFile(file);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseFavorites(*bytes);
}

std::vector<TFavoriteStyleRec> LoadFavoritesFile(const std::filesystem::path& file) {
    return ReadFavoritesFile(file).value_or(std::vector<TFavoriteStyleRec>{});
}

TWriteStatus SaveFavoritesFile(const std::filesystem::path& file,
                               const std::vector<TFavoriteStyleRec>& favorites) {
    return WriteFileAtomically(file, SerializeFavorites(favorites));
}

} // namespace tarvex
