// tarvex-cli check: what a site's build reads of it, its lines or its JSON and its exit status.

#include "base/FileIo.h"
#include "favorites/FavoritesStore.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvex {
namespace {

using namespace clitest;

constexpr std::string_view ContrastError =
    R"(error: Style "Main style": "Mouse On Font" on "Mouse On Background" has a contrast of 3.9:1; )"
    R"(text needs at least 4.5:1 to be read.)";
constexpr std::string_view HeightError =
    R"(Its entries are 20.0 px high; visitors need at least 24 px to hit )"
    R"(them (raise "Font Size" or "Menu Item Padding").)";

TEST_F(CliTest, CheckPrintsEachFindingAndFailsOnErrorsOrWithStrictOnWarnings) {
    // The sample with one address taken away: a warning only.
    std::string sample = Read(SampleProject);
    const std::string about = "<Address>about.htm</Address>";
    sample.replace(sample.find(about), about.size(), "<Address></Address>");
    ASSERT_EQ(WriteFileAtomically(WorkDir() / "warned.xml", sample), TWriteStatus::Written);
    const std::string warning = "warning: About us: The item has no address, so visitors cannot follow it.\n";

    const struct {
        std::vector<std::string> Args;
        int ExitCode;
        std::string Out;
    } cases[] = {
        {{"check", SampleProject.string()}, 0, ""},
        {{"check", SampleProject.string(), "--strict"}, 0, ""},
        {{"check", "warned.xml"}, 0, warning},
        {{"check", "--strict", "warned.xml"}, 1, warning},
        {{"check", (DataDir / "products-menu.xml").string()},
         1,
         std::string(ContrastError) + "\nerror: Style \"Main style\": " + std::string(HeightError) + "\n"},
        {{"check", "nowhere.xml"}, 1, ""},
        {{"check", "warned.xml", "--format", "xml"}, 2, ""},
        {{"check", "warned.xml", "--site", "no-such-folder"}, 2, ""},
    };
    for (const auto& c : cases) {
        const TRun run = Run(c.Args);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Args.back() << run.Err;
        EXPECT_EQ(run.Out, c.Out) << c.Args.back();
    }
}

// A caption holding a control sequence reaches the person's terminal only as text: it can
// neither retitle nor clear the terminal, erase the "error:" lines nor reorder what is shown.
TEST_F(CliTest, CaptionsOfEveryControlClassReachTheTerminalEscaped) {
    const struct {
        std::string Control;
        std::string Raw; // the character that acts
        std::string Shown;
    } cases[] = {
        {"\x1b]0;pwned\x07", "\x1b", "\\x1b]0;pwned\\x07"},
        {"\x1b[2J", "\x1b", "\\x1b[2J"},
        // A lone CR ends a project line, so a caption erases and climbs with sequences alone.
        {"\x1b[1A\x1b[2K", "\x1b", "\\x1b[1A\\x1b[2K"},
        {"\x7f", "\x7f", "\\x7f"},
        {"\xC2\x9B"
         "2J",
         "\xC2\x9B", "\\u009b2J"},
        {"\xE2\x80\xAE"
         "exe.txt",
         "\xE2\x80\xAE", "\\u202eexe.txt"},
        {"\xE2\x81\xA7"
         "x\xE2\x81\xA9\xE2\x80\x8F",
         "\xE2\x81\xA7", "\\u2067x\\u2069\\u200f"},
    };
    std::string sample = Read(SampleProject);
    sample.replace(0, sample.find("\r\n"), R"(<?xml version="1.0" encoding="utf-8"?>)");
    const std::string about = "<Caption>About us</Caption>\r\n<Image></Image>\r\n<Address>about.htm";
    ASSERT_NE(sample.find(about), std::string::npos);
    for (const auto& c : cases) {
        std::string hostile = sample;
        // A javascript: address is reported by the checks and by the build, both naming the caption.
        hostile.replace(hostile.find(about), about.size(),
                        "<Caption>A" + c.Control + "B</Caption>\r\n<Image></Image>\r\n<Address>javascript:x");
        ASSERT_EQ(WriteFileAtomically(WorkDir() / "hostile.xml", hostile), TWriteStatus::Written);
        const TRun runs[] = {Run({"check", "hostile.xml"}), Run({"check", "hostile.xml", "--format", "json"}),
                             Run({"build", "hostile.xml", "-o", "out"})};
        for (const TRun& run : runs) {
            for (const std::string& text : {run.Out, run.Err}) {
                EXPECT_EQ(text.find(c.Raw), std::string::npos) << c.Shown << ": " << text;
            }
        }
        EXPECT_NE(runs[0].Out.find("A" + c.Shown + "B"), std::string::npos) << runs[0].Out;
        EXPECT_NE(runs[2].Err.find("A" + c.Shown + "B"), std::string::npos) << runs[2].Err;
        EXPECT_EQ(runs[1].Out.find("\\x"), std::string::npos) << runs[1].Out;
    }
}

// Each shipped favourite is a style a new project starts with: none may fail its visitors.
TEST_F(CliTest, EveryShippedFavouritePassesOnTheDefaultProject) {
    const fs::path shipped = SampleProject.parent_path().parent_path() / "favorites.dat";
    fs::copy_file(shipped, AppDir() / "favorites.dat");
    const std::vector<TFavoriteStyleRec> favorites = LoadFavoritesFile(shipped);
    ASSERT_GE(favorites.size(), 6u);
    for (const TFavoriteStyleRec& favorite : favorites) {
        TRun run = Run({"new", "default.xml", "--force", "--style", favorite.Name.str()});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        run = Run({"check", "--strict", "default.xml"});
        // The new design's two entries still link to the placeholder, and nothing else is found.
        EXPECT_EQ(run.ExitCode, 1) << favorite.Name.str();
        EXPECT_EQ(run.Out, "error: Menu group name: Its address is still the placeholder "
                           "\"https://www.korvane.example\"; give it the page it should open, or clear it.\n"
                           "error: Menu group name > Menu item name: Its address is still the placeholder "
                           "\"https://www.korvane.example\"; give it the page it should open, or clear it.\n")
            << favorite.Name.str();
    }
}

TEST_F(CliTest, CheckWritesJsonWithEachStylesEntryHeight) {
    const TRun run = Run({"check", (DataDir / "products-menu.xml").string(), "--format", "json"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(
        run.Out.starts_with(R"({"errors":2,"warnings":0,"findings":[)"
                            "\n  "
                            R"({"level":"error","place":"Style \"Main style\"","tree":"styles","path":[0],)"))
        << run.Out;
    EXPECT_NE(run.Out.find(R"("text":"Its entries are 20.0 px high; )"), std::string::npos) << run.Out;
    EXPECT_TRUE(run.Out.ends_with("\n  "
                                  R"({"name":"Main style","entryHeight":20}]})"
                                  "\n"))
        << run.Out;
}

} // namespace
} // namespace tarvex
