#include "base/PercentText.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

// The decoding itself is tested at every position with the imported names.
TEST(PercentText, FindsEveryPercentThatEscapesNothing) {
    const std::pair<const char*, bool> cases[] = {
        {"a%41b%2f", false}, {"%e2%82%AC", false}, {"", false},    {"100%", true},
        {"%4", true},        {"%4g%41", true},     {"%%41", true}, {"%2541%", true},
    };
    for (const auto& [text, stray] : cases) {
        EXPECT_EQ(HasStrayPercent(text), stray) << text;
    }
}

} // namespace
} // namespace tarvex
