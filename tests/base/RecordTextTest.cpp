#include "base/RecordText.h"
#include "Utf8TestText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tarvex;

using test::Utf8;

TEST(RecordText, Windows1252RoundTripsAndNamesWhatItLoses) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");

    std::string lost;
    EXPECT_EQ(Utf8ToWindows1252(Utf8(U"\u00E9\u65E5\u65E5\U0001F600\u20AC"), &lost), "\xE9???\x80");
    EXPECT_EQ(lost, Utf8(U"\u65E5\U0001F600"));
    // Whole words and the tail after them.
    EXPECT_TRUE(IsAscii("seventeen bytes!!"));
    EXPECT_FALSE(IsAscii("ab\xC3\xA9"
                         "cdefghij"));
    EXPECT_FALSE(IsAscii("abcdefgh\x80"));
}

TEST(RecordText, MalformedUtf8BecomesReplacementCharactersOnly) {
    const std::string r = "\xEF\xBF\xBD";
    const struct {
        std::string in, out;
    } cases[] = {
        {"\xC0\xAF", r + r},                 // overlong "/"
        {"\xE0\x80\xAF", r + r + r},         // overlong, three bytes
        {"\xED\xA0\x80x", r + r + r + "x"},  // surrogate
        {"a\xE2\x82", "a" + r},              // truncated at the end
        {"\xE2\x82(", r + "("},              // truncated before another character
        {"\xF4\x90\x80\x80", r + r + r + r}, // beyond U+10FFFF
        {"\x80\xFF", r + r},                 // stray bytes
        {r + "\xC3\xA9", r + "\xC3\xA9"},    // a real U+FFFD stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanText(c.in), c.out) << c.in;
        EXPECT_EQ(IsValidUtf8(c.in), c.in == c.out) << c.in;
    }
}

TEST(RecordText, NormalisesToNfc) {
    const struct {
        std::u32string in, out;
    } cases[] = {
        {U"e\u0301", U"\u00E9"},                        // combining accent after its letter
        {U"\u212B", U"\u00C5"},                         // singleton (Angstrom sign)
        {U"a\u0302\u0323", U"\u1EAD"},                  // marks reordered, then composed
        {U"\u0915\u093C", U"\u0915\u093C"},             // composition exclusion
        {U"\u1100\u1161\u11A8", U"\uAC01"},             // Hangul jamo
        {U"\u05E9\u05C1\u05B8", U"\u05E9\u05B8\u05C1"}, // Hebrew points only reordered
        {U"\U0001F44D\U0001F3FD \u65E5", U"\U0001F44D\U0001F3FD \u65E5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanText(Utf8(c.in)), Utf8(c.out)) << Utf8(c.in);
    }
}

// The conformance file of the Unicode data: column 2 is the NFC of columns 1 to 3.
TEST(RecordText, MatchesTheUnicodeNormalizationTests) {
#ifndef TARVEX_NORMALIZATION_TEST
    GTEST_SKIP() << "NormalizationTest.txt was not found when the build was configured";
#else
    std::ifstream file(TARVEX_NORMALIZATION_TEST);
    if (!file) {
        GTEST_SKIP() << "cannot open " << TARVEX_NORMALIZATION_TEST;
    }
    const auto column = [](std::string_view field) {
        std::u32string text;
        std::istringstream in{std::string(field)};
        std::string hex;
        while (in >> hex) {
            text += static_cast<char32_t>(std::stoul(hex, nullptr, 16));
        }
        return Utf8(text);
    };
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#' || line[0] == '@') {
            continue;
        }
        std::vector<std::string_view> fields;
        std::string_view rest = line;
        for (int i = 0; i < 3; ++i) {
            fields.push_back(rest.substr(0, rest.find(';')));
            rest.remove_prefix(rest.find(';') + 1);
        }
        const std::string nfc = column(fields[1]);
        for (const std::string_view field : fields) {
            ASSERT_EQ(CleanText(column(field)), nfc) << line;
        }
        ++checked;
    }
    EXPECT_GT(checked, 10000);
#endif
}
