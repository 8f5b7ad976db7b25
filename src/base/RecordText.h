#pragma once
// Record text is UTF-8 in normalisation form C. Text entering the program (typed, imported or read
// from a file) passes through CleanText once at its boundary; the 8-bit formats that outlive us
// (older project files, favourites) are converted here and nowhere else.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvex {

// Malformed UTF-8 (overlong forms, surrogates, stray or truncated sequences) becomes U+FFFD, one per
// maximal ill-formed part, never another character; the result is in NFC.
std::string CleanText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);
inline constexpr char32_t ReplacementCharacter = 0xFFFD;
// The character starting at `i`, which moves past it. A malformed sequence gives U+FFFD and moves
// past its longest valid-looking beginning only, so the byte that broke it is read afresh: C0 AF is
// two replacement characters, never "/".
char32_t DecodeUtf8At(std::string_view bytes, std::size_t& i);
// Appends the UTF-8 bytes of `cp`.
void AppendUtf8(std::string& out, char32_t cp);
// Checked a word at a time: most text is ASCII, and then nothing needs converting.
bool IsAscii(std::string_view bytes);
// Every byte has a meaning; the five bytes Windows-1252 leaves undefined map to the C1 controls.
std::string Windows1252ToUtf8(std::string_view bytes);
// Valid UTF-8 only. Characters Windows-1252 cannot hold become "?"; each such character is added
// to `lost` once, in order of appearance, when it is given.
std::string Utf8ToWindows1252(std::string_view utf8, std::string* lost = nullptr);
// The length in bytes of the first `count` characters: where a text of at most `count`
// characters can be cut without splitting one.
std::size_t Utf8PrefixSize(std::string_view utf8, std::size_t count);
// CR LF, LF and a lone CR each become one space: a record field is one line of a project file,
// and a break inside one would shift every line read after it.
std::string OneLine(std::string_view text);
// Text the author types, pastes or imports into a record field: CleanText on one line.
std::string EnteredText(std::string_view text);

// Every letter in the case it is compared in, for any script (simple case folding); what a
// search compares. Not for storing: the author's text keeps its own case.
std::string FoldCase(std::string_view utf8);
// True when the text holds nothing but spaces, tabs and line breaks: a caption that draws nothing.
inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Only A-Z change: file markers, tag names and schemes are ASCII, and other bytes are left whole.
inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = AsciiLower(c);
    }
    return out;
}

} // namespace tarvex
