#include "HtmlText.h"

#include "base/RecordText.h"

#include <cstdio>

namespace tarvex {

std::string HtmlEscaped(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = DecodeUtf8At(utf8, i);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if ((c < 0x20 && c != '\t' && c != '\n') || (c >= 0x7F && c <= 0x9F)) {
            out += ' ';
            continue;
        }
        if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE) {
            c = ReplacementCharacter;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char reference[16];
        std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(c));
        out += reference;
    }
    return out;
}

} // namespace tarvex
