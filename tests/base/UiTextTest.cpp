#include "base/UiText.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

// The English of a text is what the window showed before texts were translated: each argument
// put in once, nested texts in English too, and what an argument holds never read as a pattern.
TEST(UiText, EnglishPutsEachArgumentInOnce) {
    struct TCase {
        TUiText Text;
        std::string English;
    };
    const TCase cases[] = {
        {TARVEX_TEXT("Editor", "Unable to save %1 in the folder %2!").Arg("a.xml").Arg("/tmp"),
         "Unable to save a.xml in the folder /tmp!"},
        {TARVEX_TEXT("Editor", "%2 before %1").Arg("one").Arg("two"), "two before one"},
        {TARVEX_TEXT("Editor", "Open %1").Arg("%2 100%").Arg("never"), "Open %2 100%"},
        {TARVEX_TEXT("Editor", "Cannot create file %1.%2")
             .Arg("m.js")
             .Arg(TARVEX_TEXT("Files", " %1").Arg("Full.")),
         "Cannot create file m.js. Full."},
        {TARVEX_TEXT("Editor", "50%% of %1, %3 left").Arg("x"), "50% of x, %3 left"},
        {TUiText::Verbatim("caption %1 %%"), "caption %1 %%"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Text.English(), c.English) << c.Text.Source;
    }
}

} // namespace
} // namespace tarvex
