#include "RecordText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

namespace tarvex {
namespace {

struct TCombiningClass {
    char32_t cp;
    uint8_t ccc;
};
struct TDecomposition {
    char32_t cp;
    char32_t first;
    char32_t second; // 0 for a singleton
};
struct TComposition {
    char32_t first;
    char32_t second;
    char32_t composite;
};
struct TCaseFold {
    char32_t cp;
    char32_t folded;
};
#include "UnicodeTables.inc"

// Hangul syllables decompose and compose by arithmetic rather than by table.
constexpr char32_t SBase = 0xAC00, LBase = 0x1100, VBase = 0x1161, TBase = 0x11A7;
constexpr char32_t LCount = 19, VCount = 21, TCount = 28, NCount = VCount * TCount, SCount = LCount * NCount;

// Code points of the bytes 0x80..0x9F; the gaps (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass through as C1 controls.
constexpr std::array<char32_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    const auto* at = std::find(HighTable.begin(), HighTable.end(), cp);
    return at == HighTable.end() ? -1 : static_cast<int>(0x80 + (at - HighTable.begin()));
}

uint8_t CombiningClass(char32_t cp) {
    if (cp < 0x300) {
        return 0;
    }
    const auto* end = std::end(CombiningClasses);
    const auto* at = std::lower_bound(std::begin(CombiningClasses), end, cp,
                                      [](const TCombiningClass& e, char32_t c) { return e.cp < c; });
    return at != end && at->cp == cp ? at->ccc : 0;
}

void Decompose(char32_t cp, std::u32string& out) {
    if (cp >= SBase && cp < SBase + SCount) {
        const char32_t index = cp - SBase;
        out += LBase + index / NCount;
        out += VBase + (index % NCount) / TCount;
        if (index % TCount != 0) {
            out += TBase + index % TCount;
        }
        return;
    }
    const auto* end = std::end(Decompositions);
    const auto* at = std::lower_bound(std::begin(Decompositions), end, cp,
                                      [](const TDecomposition& e, char32_t c) { return e.cp < c; });
    if (cp < 0xC0 || at == end || at->cp != cp) {
        out += cp;
        return;
    }
    Decompose(at->first, out);
    if (at->second != 0) {
        Decompose(at->second, out);
    }
}

char32_t Compose(char32_t first, char32_t second) {
    if (first >= LBase && first < LBase + LCount && second >= VBase && second < VBase + VCount) {
        return SBase + ((first - LBase) * VCount + (second - VBase)) * TCount;
    }
    if (first >= SBase && first < SBase + SCount && (first - SBase) % TCount == 0 && second > TBase &&
        second < TBase + TCount) {
        return first + (second - TBase);
    }
    const auto* end = std::end(Compositions);
    const auto* at =
        std::lower_bound(std::begin(Compositions), end, std::pair{first, second},
                         [](const TComposition& e, const std::pair<char32_t, char32_t>& key) {
                             return e.first < key.first || (e.first == key.first && e.second < key.second);
                         });
    return at != end && at->first == first && at->second == second ? at->composite : 0;
}

std::u32string ToNfc(const std::u32string& text) {
    std::u32string decomposed;
    decomposed.reserve(text.size() + 8);
    for (const char32_t cp : text) {
        Decompose(cp, decomposed);
    }
    // Canonical order: each run of marks sorted by combining class, stably.
    for (std::size_t i = 1; i < decomposed.size(); ++i) {
        const uint8_t ccc = CombiningClass(decomposed[i]);
        if (ccc == 0) {
            continue;
        }
        for (std::size_t j = i; j > 0; --j) {
            const uint8_t before = CombiningClass(decomposed[j - 1]);
            if (before <= ccc) {
                break;
            }
            std::swap(decomposed[j - 1], decomposed[j]);
        }
    }
    std::u32string out;
    out.reserve(decomposed.size());
    std::size_t starter = std::u32string::npos;
    int lastClass = -1;
    for (const char32_t cp : decomposed) {
        const int ccc = CombiningClass(cp);
        if (starter != std::u32string::npos) {
            // A mark is blocked from the starter by an earlier one of the same or a higher class.
            const bool blocked = lastClass != -1 && (lastClass == 0 || lastClass >= ccc);
            if (!blocked) {
                if (const char32_t composite = Compose(out[starter], cp)) {
                    out[starter] = composite;
                    continue;
                }
            }
        }
        out += cp;
        if (ccc == 0) {
            starter = out.size() - 1;
            lastClass = -1;
        } else {
            lastClass = ccc;
        }
    }
    return out;
}

} // namespace

char32_t DecodeUtf8At(std::string_view bytes, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // overlong
        high = lead == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;  // overlong
        high = lead == 0xF4 ? 0x8F : 0xBF; // beyond U+10FFFF
    } else {
        return ReplacementCharacter;
    }
    for (int k = 1; k < length; ++k) {
        if (i >= bytes.size()) {
            return ReplacementCharacter;
        }
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            return ReplacementCharacter;
        }
        cp = (cp << 6) | (next & 0x3F);
        ++i;
    }
    return cp;
}

bool IsAscii(std::string_view bytes) {
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080u) {
            return false;
        }
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string CleanText(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    std::u32string decoded;
    decoded.reserve(bytes.size());
    bool simple = true; // below the combining marks nothing changes under NFC
    for (std::size_t i = 0; i < bytes.size();) {
        const char32_t cp = DecodeUtf8At(bytes, i);
        simple = simple && cp < 0x300;
        decoded += cp;
    }
    if (!simple) {
        decoded = ToNfc(decoded);
    }
    std::string out;
    out.reserve(bytes.size());
    for (const char32_t cp : decoded) {
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        if (DecodeUtf8At(bytes, i) == ReplacementCharacter && bytes.substr(at, i - at) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            AppendUtf8(out, byte <= 0x9F ? HighTable[byte - 0x80] : char32_t{byte});
        }
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, std::string* lost) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        const std::size_t at = i;
        const char32_t cp = DecodeUtf8At(utf8, i);
        const int byte = CodePointToByte(cp);
        if (byte >= 0) {
            out += static_cast<char>(byte);
            continue;
        }
        out += '?';
        const std::string_view character = utf8.substr(at, i - at);
        if (lost && lost->find(character) == std::string::npos) {
            *lost += character;
        }
    }
    return out;
}

std::size_t Utf8PrefixSize(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && count-- == 0) {
            break;
        }
    }
    return i;
}

std::string OneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += ' ';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

std::string EnteredText(std::string_view text) {
    return OneLine(CleanText(text));
}

std::string FoldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = DecodeUtf8At(utf8, i);
        const auto* fold = std::lower_bound(std::begin(CaseFolds), std::end(CaseFolds), cp,
                                            [](const TCaseFold& f, char32_t c) { return f.cp < c; });
        if (fold != std::end(CaseFolds) && fold->cp == cp) {
            cp = fold->folded;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace tarvex
