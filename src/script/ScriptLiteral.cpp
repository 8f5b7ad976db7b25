#include "ScriptLiteral.h"

#include "base/RecordText.h"

namespace tarvex {

namespace {

void AppendUnicodeEscape(std::string& out, char32_t cp) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const auto unit = [&](char32_t u) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) {
            out += hex[(u >> shift) & 0xF];
        }
    };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    } else {
        unit(cp);
    }
}

// True when `rest`, following a "<", would make an HTML parser leave or re-enter an
// inline script block: "</" ends it, "<!--" and "<script" switch it into a state where the next
// "</script>" no longer ends it and the rest of the page is swallowed as script. A backslash
// before the character keeps both a string literal and a comment line meaning the same.
bool OpensScriptMarkup(std::string_view rest) {
    if (rest.empty()) {
        return false;
    }
    if (rest[0] == '/') {
        return true;
    }
    if (rest[0] == '!') {
        return rest.starts_with("!--");
    }
    constexpr std::string_view tag = "script";
    if (rest.size() < tag.size()) {
        return false;
    }
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (AsciiLower(rest[i]) != tag[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

// A value between double quotes, as UTF-8. A quote or backslash written verbatim would end the
// string early and a line break is not allowed inside a string literal; "</", "<!--" and "<script"
// would break an inline script block (see OpensScriptMarkup); anything above ASCII would be read in whatever
// encoding the page declares. Everything else goes out byte for byte. `spaces`, when given, stands in for
// every space.
void AppendEscaped(std::string& out, std::string_view value, std::optional<std::string_view> spaces) {
    const bool replaceSpaces = spaces.has_value();
    std::size_t start = 0;
    while (true) {
        // A plain loop: this runs over every text of the design, and the set is tiny.
        std::size_t at = start;
        while (at < value.size()) {
            const char c = value[at];
            if (c == '"' || c == '\\' || c == '\r' || c == '\n' || c == '<' || (c == ' ' && replaceSpaces) ||
                static_cast<unsigned char>(c) >= 0x80) {
                break;
            }
            ++at;
        }
        out.append(value.substr(start, at - start));
        if (at == value.size()) {
            return;
        }
        start = at + 1;
        switch (value[at]) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '<':
            out += '<';
            if (OpensScriptMarkup(value.substr(start))) {
                out += '\\';
            }
            break;
        case ' ':
            out += *spaces;
            break;
        default:
            AppendUnicodeEscape(out, DecodeUtf8At(value, at));
            start = at;
        }
    }
}

// A comment line ends at a line break, so one inside a name would turn the rest of the name into
// code; "</", "<!--" and "<script" would break an inline script block. The comment stays ASCII like the rest
// of the file.
std::string CommentLine(std::string_view text) {
    std::string comment = "//";
    for (std::size_t at = 0; at < text.size();) {
        const char32_t cp = DecodeUtf8At(text, at);
        if (cp == '\r' || cp == '\n') {
            comment += ' ';
        } else if (cp >= 0x80) {
            comment += '?';
        } else if (cp == '<' && OpensScriptMarkup(text.substr(at))) {
            comment += "<\\";
        } else {
            comment += static_cast<char>(cp);
        }
    }
    return comment;
}

std::string Quoted(std::string_view value, std::string_view after) {
    std::string line;
    line.reserve(value.size() + 2 + after.size());
    line += '"';
    AppendEscaped(line, value);
    line += '"';
    line += after;
    return line;
}

} // namespace tarvex
