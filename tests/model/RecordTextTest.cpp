#include "model/RecordText.h"

#include <gtest/gtest.h>

using namespace tarvex;

TEST(RecordText, RoundTripsWindows1252) {
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x9Cquoted\xE2\x80\x9D";
    const std::string text = Utf8ToRecordText(utf8);
    EXPECT_EQ(text, "Caf\xE9 \x80 5 \x93quoted\x94");
    EXPECT_EQ(RecordTextToUtf8(text), utf8);
}

TEST(RecordText, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToRecordText("\xE6\x97\xA5\xE6\x9C\xAC"), "??"); // CJK
    EXPECT_EQ(Utf8ToRecordText("\xF0\x9F\x98\x80!"), "?!");        // emoji
    EXPECT_EQ(Utf8ToRecordText("a\xC3"), "a?");                    // truncated sequence
    EXPECT_EQ(Utf8ToRecordText("\x80x"), "?x");                    // stray continuation byte
    // Every byte maps to something and back.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToRecordText(RecordTextToUtf8(all)), all);
}
