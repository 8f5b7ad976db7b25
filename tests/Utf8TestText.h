#pragma once
// UTF-8 bytes of code points written as a U"" literal, for tests of text that is counted in
// characters.

#include <string>
#include <string_view>

namespace tarvex::test {

inline std::string Utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        } else if (cp < 0x10000) {
            out += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        } else {
            out += {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                    static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
        }
    }
    return out;
}

} // namespace tarvex::test
