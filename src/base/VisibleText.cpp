#include "VisibleText.h"

#include "RecordText.h"

#include <cstdio>

namespace tarvex {

namespace {

void AppendEscape(std::string& out, const char* format, unsigned value) {
    char escaped[12];
    std::snprintf(escaped, sizeof escaped, format, value);
    out += escaped;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

bool IsDirectionControl(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
           c == 0x061C;
}

std::string VisibleText(std::string_view utf8, TShownAs shownAs) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = DecodeUtf8At(utf8, i);
        const std::string_view bytes = utf8.substr(start, i - start);
        // DecodeUtf8At answers U+FFFD for a broken sequence too; only the real one is three bytes.
        const bool broken = c == ReplacementCharacter && bytes != "\xEF\xBF\xBD";
        if (shownAs == TShownAs::Json && (c == '"' || c == '\\')) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (broken && shownAs == TShownAs::Terminal) {
            for (const char b : bytes) {
                AppendEscape(out, "\\x%02x", static_cast<unsigned char>(b));
            }
        } else if (broken && shownAs == TShownAs::Json) {
            out += "\\ufffd";
        } else if (IsDirectionControl(c) || (shownAs == TShownAs::Json && IsControl(c))) {
            AppendEscape(out, "\\u%04x", static_cast<unsigned>(c));
        } else if (shownAs == TShownAs::Terminal && IsControl(c)) {
            AppendEscape(out, c < 0x80 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(c));
        } else {
            out += bytes;
        }
    }
    return out;
}

} // namespace tarvex
