#include "CaptionText.h"

#include "base/RecordText.h"

#include <array>
#include <utility>

namespace tarvex {

namespace {

// The engine's own table: a caption must read the same in the menu and in the page of links.
constexpr std::array<std::pair<std::string_view, char32_t>, 47> Names = {{
    {"nbsp", 0xA0},    {"amp", '&'},       {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
    {"apos", '\''},    {"copy", 0xA9},     {"reg", 0xAE},     {"trade", 0x2122}, {"euro", 0x20AC},
    {"pound", 0xA3},   {"yen", 0xA5},      {"laquo", 0xAB},   {"raquo", 0xBB},   {"middot", 0xB7},
    {"bull", 0x2022},  {"hellip", 0x2026}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"ldquo", 0x201C},  {"rdquo", 0x201D}, {"deg", 0xB0},     {"times", 0xD7},
    {"rarr", 0x2192},  {"larr", 0x2190},   {"auml", 0xE4},    {"ouml", 0xF6},    {"uuml", 0xFC},
    {"Auml", 0xC4},    {"Ouml", 0xD6},     {"Uuml", 0xDC},    {"szlig", 0xDF},   {"eacute", 0xE9},
    {"egrave", 0xE8},  {"aacute", 0xE1},   {"agrave", 0xE0},  {"ccedil", 0xE7},  {"ntilde", 0xF1},
    {"oacute", 0xF3},  {"iacute", 0xED},   {"uacute", 0xFA},  {"Eacute", 0xC9},  {"ecirc", 0xEA},
    {"acirc", 0xE2},   {"ocirc", 0xF4},
}};

// The character a reference's body (between "&" and ";") stands for, or 0.
char32_t Referenced(std::string_view body) {
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > (hex ? 6u : 7u)) {
            return 0;
        }
        char32_t code = 0;
        for (const char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                return 0;
            }
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        const bool character = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        return character ? code : 0;
    }
    for (const auto& [name, code] : Names) {
        if (name == body) {
            return code;
        }
    }
    return 0;
}

} // namespace

std::string DecodeCaptionReferences(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    std::size_t at = 0;
    while (at < caption.size()) {
        const std::size_t amp = caption.find('&', at);
        const std::size_t semi = amp == std::string_view::npos ? amp : caption.find(';', amp + 1);
        if (semi == std::string_view::npos) {
            break;
        }
        const char32_t code = semi - amp <= 9 ? Referenced(caption.substr(amp + 1, semi - amp - 1)) : 0;
        out.append(caption.substr(at, amp - at));
        if (code) {
            AppendUtf8(out, code);
            at = semi + 1;
        } else {
            out += '&';
            at = amp + 1;
        }
    }
    out.append(caption.substr(at));
    return out;
}

} // namespace tarvex
