#include "base/PercentText.h"

namespace tarvex {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsEscapeAt(std::string_view text, std::size_t i) {
    return text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0;
}

} // namespace

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsEscapeAt(text, i)) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool HasStrayPercent(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsEscapeAt(text, i)) {
            i += 2;
        } else if (text[i] == '%') {
            return true;
        }
    }
    return false;
}

} // namespace tarvex
