#include "base/VisibleText.h"

#include <gtest/gtest.h>

using namespace tarvex;

// One row per class of character a caption could use to act on the screen, in each form it is shown.
TEST(VisibleText, EveryControlClassIsShownEscapedInItsForm) {
    struct TCase {
        const char* Text;
        const char* Terminal;
        const char* Json;
        const char* Window;
    };
    const TCase cases[] = {
        {"plain \xC3\xA9 \xE2\x82\xAC", "plain \xC3\xA9 \xE2\x82\xAC", "plain \xC3\xA9 \xE2\x82\xAC",
         "plain \xC3\xA9 \xE2\x82\xAC"},
        {"a\x1b]0;x\x07", "a\\x1b]0;x\\x07", "a\\u001b]0;x\\u0007", "a\x1b]0;x\x07"},
        {"\r\x1b[2K\n\t", "\\x0d\\x1b[2K\\x0a\\x09", "\\u000d\\u001b[2K\\u000a\\u0009", "\r\x1b[2K\n\t"},
        {"del\x7f", "del\\x7f", "del\\u007f", "del\x7f"},
        // The last of each control range, beside the first character that is none.
        {"\x1f \xC2\x9F\xC2\xA0", "\\x1f \\u009f\xC2\xA0", "\\u001f \\u009f\xC2\xA0",
         "\x1f \xC2\x9F\xC2\xA0"},
        {"c1\xC2\x9B"
         "2J",
         "c1\\u009b2J", "c1\\u009b2J",
         "c1\xC2\x9B"
         "2J"},
        {"\xE2\x80\xAE"
         "txt.exe",
         "\\u202etxt.exe", "\\u202etxt.exe", "\\u202etxt.exe"},
        {"\xE2\x81\xA6i\xE2\x81\xA9 \xE2\x80\x8F\xD8\x9C", "\\u2066i\\u2069 \\u200f\\u061c",
         "\\u2066i\\u2069 \\u200f\\u061c", "\\u2066i\\u2069 \\u200f\\u061c"},
        {"q\"\\", "q\"\\", "q\\\"\\\\", "q\"\\"},
        // A lone 0x9B byte is CSI to an 8-bit terminal; a real U+FFFD stays one.
        {"\x9b"
         "2J\xEF\xBF\xBD",
         "\\x9b2J\xEF\xBF\xBD", "\\ufffd2J\xEF\xBF\xBD",
         "\x9b"
         "2J\xEF\xBF\xBD"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(VisibleText(c.Text, TShownAs::Terminal), c.Terminal) << c.Terminal;
        EXPECT_EQ(VisibleText(c.Text, TShownAs::Json), c.Json) << c.Json;
        EXPECT_EQ(VisibleText(c.Text, TShownAs::Window), c.Window) << c.Window;
    }
}
