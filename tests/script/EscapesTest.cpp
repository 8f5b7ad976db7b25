// Escapes at every position of a text: at its start, in its middle, at its end and alone. A slip
// that handles the first or last character apart shows in one of the four.
#include "script/CaptionText.h"
#include "script/ScriptLiteral.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvex;

namespace {

struct TEscape {
    std::string Raw;
    std::string Written;
};

// The four placings of one escape between plain letters, as the raw text and as it must come out.
std::vector<TEscape> AtEveryPosition(const TEscape& escape) {
    const auto place = [&](const std::string& before, const std::string& after) {
        return TEscape{before + escape.Raw + after, before + escape.Written + after};
    };
    return {place("", "ab"), place("a", "b"), place("ab", ""), place("", "")};
}

} // namespace

// Inside a double-quoted literal of an inline script: nothing may end the string, the line or the
// script block, and the file stays ASCII.
TEST(Escapes, StringLiteralsAtEveryPosition) {
    const TEscape rows[] = {
        {"\"", "\\\""},
        {"\\", "\\\\"},
        {"\r", "\\r"},
        {"\n", "\\n"},
        {"\r\n", "\\r\\n"},
        {"\xE2\x80\xA8", "\\u2028"},
        {"\xE2\x80\xA9", "\\u2029"},
        {"</script", "<\\/script"},
        {"</SCRIPT>", "<\\/SCRIPT>"},
        {"</", "<\\/"},
        {"<!--", "<\\!--"},
        {"<script", "<\\script"},
        {"<ScRiPt", "<\\ScRiPt"},
        {"<", "<"},
        {"<!", "<!"},
        {"<scrip", "<scrip"},
        {"\xC3\xA9", "\\u00E9"},
        {"\xF0\x9F\x98\x80", "\\uD83D\\uDE00"},
        {"\xFF", "\\uFFFD"},
        {"'", "'"},
    };
    for (const TEscape& row : rows) {
        for (const TEscape& placed : AtEveryPosition(row)) {
            EXPECT_EQ(Quoted(placed.Raw, ";"), "\"" + placed.Written + "\";") << placed.Written;
        }
    }
}

// Spaces replaced where the engine wants them so, the other escapes still made around them.
TEST(Escapes, SpacesReplacedAtEveryPosition) {
    const TEscape rows[] = {{" ", "&nbsp;"}, {" \"", "&nbsp;\\\""}, {"\n ", "\\n&nbsp;"}};
    for (const TEscape& row : rows) {
        for (const TEscape& placed : AtEveryPosition(row)) {
            std::string out;
            AppendEscaped(out, placed.Raw, "&nbsp;");
            EXPECT_EQ(out, placed.Written) << placed.Written;
        }
    }
}

// A comment line ends at a line break and must not close the script block either.
TEST(Escapes, CommentLinesAtEveryPosition) {
    const TEscape rows[] = {
        {"\r", " "},        {"\n", " "},
        {"\r\n", "  "},     {"</script", "<\\/script"},
        {"<!--", "<\\!--"}, {"<script", "<\\script"},
        {"\xC3\xA9", "?"},  {"\xE2\x80\xA8", "?"},
        {"<", "<"},
    };
    for (const TEscape& row : rows) {
        for (const TEscape& placed : AtEveryPosition(row)) {
            EXPECT_EQ(CommentLine(placed.Raw), "//" + placed.Written) << placed.Written;
        }
    }
}

// References the engine decodes, and the ones one step past what it reads, which stay as written.
TEST(Escapes, CharacterReferencesAtEveryPosition) {
    const TEscape rows[] = {
        {"&amp;", "&"},
        {"&lt;", "<"},
        {"&quot;", "\""},
        {"&eacute;", "\xC3\xA9"},
        {"&nbsp;", "\xC2\xA0"},
        {"&#65;", "A"},
        {"&#x41;", "A"},
        {"&#X41;", "A"},
        {"&#0000065;", "A"},                // seven digits
        {"&#00000065;", "&#00000065;"},     // eight
        {"&#x10FFFF;", "\xF4\x8F\xBF\xBF"}, // the last character
        {"&#x110000;", "&#x110000;"},
        {"&#1114111;", "\xF4\x8F\xBF\xBF"},
        {"&#1114112;", "&#1114112;"},
        {"&#xD800;", "&#xD800;"},
        {"&#0;", "&#0;"},
        {"&amp", "&amp"},
        {"&unknown;", "&unknown;"},
        {"&", "&"},
        {"&amp;amp;", "&amp;"},
    };
    for (const TEscape& row : rows) {
        for (const TEscape& placed : AtEveryPosition(row)) {
            EXPECT_EQ(DecodeCaptionReferences(placed.Raw), placed.Written) << placed.Raw;
        }
    }
}
