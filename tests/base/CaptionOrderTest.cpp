// The order captions sort in: the author's locale where it has one, else the letters without
// their case.

#include "base/CaptionOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvex {
namespace {

std::vector<std::string> Sorted(const TCaptionOrder& order, std::vector<std::string> captions) {
    std::stable_sort(captions.begin(), captions.end(), [&](const std::string& a, const std::string& b) {
        return order.SortKey(a) < order.SortKey(b);
    });
    return captions;
}

TEST(CaptionOrderTest, WithoutALocaleLettersCompareWithoutTheirCaseInAnyScript) {
    const TCaptionOrder order(std::locale::classic());
    EXPECT_FALSE(order.UsesLocale());
    // Byte order would put "Zebra" before "apple" and "\xC3\x89mile" before "\xC3\xA9lan".
    EXPECT_EQ(
        Sorted(order, {"\xC3\x89mile", "Zebra", "\xC3\xA9lan", "apple", "\xCE\x92\xCE\xB1", "\xCE\xB1"}),
        (std::vector<std::string>{"apple", "Zebra", "\xC3\xA9lan", "\xC3\x89mile", "\xCE\xB1",
                                  "\xCE\x92\xCE\xB1"}));
    // The C locale that reads UTF-8 orders by code point, case apart: it is no better.
    for (const char* name : {"C.UTF-8", "C.utf8"}) {
        try {
            EXPECT_FALSE(TCaptionOrder(std::locale(name)).UsesLocale()) << name;
        } catch (const std::runtime_error&) {
        }
    }
}

TEST(CaptionOrderTest, ALocaleThatReadsUtf8SortsAsTheAuthorReads) {
    std::locale german;
    try {
        german = std::locale("de_DE.UTF-8");
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale on this system";
    }
    const TCaptionOrder order(german);
    EXPECT_TRUE(order.UsesLocale());
    // An accented letter sorts beside its plain one, before the next letter.
    EXPECT_EQ(Sorted(order, {"Zebra", "azur", "\xC3\x84pfel", "Birne"}),
              (std::vector<std::string>{"\xC3\x84pfel", "azur", "Birne", "Zebra"}));
}

} // namespace
} // namespace tarvex
