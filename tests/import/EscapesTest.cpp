// Escapes in imported names at every position: at the start, in the middle, at the end and alone.
#include "base/PercentText.h"
#include "import/ImportTree.h"
#include "import/WebImport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tarvex;

namespace {

struct TEscape {
    std::string Raw;
    std::string Read;
};

// The four placings of one escape between `before` and `after`, raw and as it must be read.
std::vector<TEscape> AtEveryPosition(const TEscape& escape, const TEscape& before, const TEscape& after) {
    const auto place = [&](const TEscape& b, const TEscape& a) {
        return TEscape{b.Raw + escape.Raw + a.Raw, b.Read + escape.Read + a.Read};
    };
    return {place({}, after), place(before, after), place(before, {}), place({}, {})};
}

void ExpectEveryPosition(const std::vector<TEscape>& rows,
                         const std::function<std::string(const std::string&)>& read,
                         const TEscape& before = {"X", "X"}, const TEscape& after = {"Y", "Y"}) {
    for (const TEscape& row : rows) {
        for (const TEscape& placed : AtEveryPosition(row, before, after)) {
            EXPECT_EQ(read(placed.Raw), placed.Read) << placed.Raw;
        }
    }
}

} // namespace

// Whole escapes are decoded in either letter case; a "%" without two hex digits after it stays.
TEST(ImportEscapes, PercentEscapesAtEveryPosition) {
    ExpectEveryPosition({{"%41", "A"},
                         {"%4a", "J"},
                         {"%2F", "/"},
                         {"%25", "%"},
                         {"%2541", "%41"},
                         {"%C3%A9", "\xC3\xA9"},
                         {"%", "%"},
                         {"%4", "%4"},
                         {"%G1", "%G1"},
                         {"%4G", "%4G"},
                         {"%%41", "%A"}},
                        PercentDecoded);
}

// A path segment as a caption: the escapes decoded wherever they stand, a dash or underscore made
// a space, the extension dropped.
TEST(ImportEscapes, PercentEscapesInPageNamesAtEveryPosition) {
    ExpectEveryPosition({{"%41", "A"}, {"%C3%A9", "\xC3\xA9"}, {"%25", "%"}, {"%", "%"}},
                        [](const std::string& segment) { return ReadableSegment(segment + ".html"); },
                        {"X-", "X "}, {"_Y", " Y"});
}

// The HTML reader decodes references in a bookmark's caption and its address alike.
TEST(ImportEscapes, CharacterReferencesInBookmarksAtEveryPosition) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    const std::vector<TEscape> rows = {
        {"&amp;", "&"}, {"&#x41;", "A"},  {"&#65;", "A"},         {"&eacute;", "\xC3\xA9"},
        {"&lt;", "<"},  {"&quot;", "\""}, {"&amp;amp;", "&amp;"}, {"&#x1F600;", "\xF0\x9F\x98\x80"}};
    const auto read = [](const std::string& text, bool address) {
        const TImportResult result = ParseBookmarks("<DL><DT><A HREF=\"" + (address ? text : "x") + "\">" +
                                                    (address ? "x" : text) + "</A></DL>");
        if (!result.Tree || result.Tree->Children.size() != 1) {
            return "(no bookmark) " + result.Error.English();
        }
        const TImportEntry& entry = result.Tree->Children.front();
        return address ? entry.Address : entry.Caption;
    };
    ExpectEveryPosition(rows, [&](const std::string& text) { return read(text, false); });
    ExpectEveryPosition(rows, [&](const std::string& text) { return read(text, true); });
}
