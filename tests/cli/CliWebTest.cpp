// tarvex-cli import and html, run as a separate program on real-world samples and broken input.

#include "base/FileIo.h"
#include "import/WebImport.h"

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <regex>

namespace tarvex {
namespace {

using namespace clitest;
namespace fs = std::filesystem;

const fs::path ImportData = fs::path(TARVEX_TEST_DATA) / "import";

// The values of one field, in file order.
std::vector<std::string> Fields(const std::string& project, const std::string& tag) {
    std::vector<std::string> values;
    const std::regex field("<" + tag + ">([^\r\n]*)</" + tag + ">");
    for (auto it = std::sregex_iterator(project.begin(), project.end(), field); it != std::sregex_iterator();
         ++it) {
        values.push_back((*it)[1]);
    }
    return values;
}

TEST_F(CliTest, ImportMakesTheMainMenuOfEachKindOfSource) {
    fs::create_directories(WorkDir() / "Links" / "Sub");
    ASSERT_EQ(WriteFileAtomically(WorkDir() / "Links" / "Alpha.url",
                                  "[InternetShortcut]\r\nURL=https://a.example/\r\n"),
              TWriteStatus::Written);
    ASSERT_EQ(
        WriteFileAtomically(WorkDir() / "Links" / "Sub" / "Beta.URL", "[InternetShortcut]\r\nURL=b.htm\r\n"),
        TWriteStatus::Written);
    struct TCase {
        fs::path Source;
        std::vector<std::string> Captions;
        bool NeedsParsers;
    };
    const std::vector<TCase> cases = {
        {WorkDir() / "Links", {"Alpha", "Sub", "Beta"}, false},
        {ImportData / "bookmarks-chromium.html",
         {"Bookmarks bar", "Debian -- The Universal Operating System", "Reference",
          "HTML: HyperText Markup Language", "Caf\xE9 & Men\xFC <2026>", "Empty folder", "Bookmarklet",
          "Other bookmarks", "Example Domain"},
         true},
        {ImportData / "site" / "sitemap_index.xml",
         {"www.example.com", "About Example & Co", "Products", "Garden hose", "Watering can"},
         true},
        {ImportData / "nav-template.html",
         {"Home", "Shop", "Garden tools", "Plants", "Roses & climbers", "Herbs", "Advice", "Pruning",
          "Contact"},
         true},
    };
    for (const TCase& c : cases) {
        const TRun run = Run({"import", c.Source.string(), "-o", "out.xml", "--no-style", "--force"});
        if (c.NeedsParsers && !WebImportAvailable()) {
            EXPECT_EQ(run.ExitCode, 1);
            EXPECT_NE(run.Err.find("not available in this build"), std::string::npos) << run.Err;
            continue;
        }
        ASSERT_EQ(run.ExitCode, 0) << c.Source << ": " << run.Err;
        EXPECT_EQ(Fields(Read(WorkDir() / "out.xml"), "Caption"), c.Captions) << c.Source;
    }
}

TEST_F(CliTest, ImportRefusesBrokenAndHostileSourcesAndWritesNothing) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    struct TCase {
        std::string Name;
        std::string Bytes;
        std::string Message;
    };
    std::string deep = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";
    for (int i = 0; i < 100000; ++i) {
        deep += "<DL><p><DT><H3>F</H3>";
    }
    const std::vector<TCase> cases = {
        {"deep.html", deep, "nested too deeply"},
        {"broken.xml", "<?xml version=\"1.0\"?><urlset><url><loc>https://a.example/</loc></urlset>",
         "not well-formed XML"},
        {"packed.xml", std::string("\x1F\x8B\x08\x00", 4) + "<urlset>", "compressed"},
        {"notes.txt", "just some words", "neither a folder, a bookmarks file, a site map nor an HTML page"},
        {"plain.html", "<html><body><p>No links here.</p></body></html>", "no navigation"},
    };
    for (const TCase& c : cases) {
        ASSERT_EQ(WriteFileAtomically(WorkDir() / c.Name, c.Bytes), TWriteStatus::Written);
        const TRun run = Run({"import", c.Name, "-o", "out.xml"}, true);
        EXPECT_EQ(run.ExitCode, 1) << c.Name;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Name << ": " << run.Err;
        EXPECT_FALSE(fs::exists(WorkDir() / "out.xml")) << c.Name;
    }
    EXPECT_EQ(Run({"import", "plain.html"}).ExitCode, 2);
}

TEST_F(CliTest, HtmlWritesAnAsciiPageThatImportsBackToTheSameMenu) {
    const fs::path sample = fs::path(TARVEX_APP_DIR) / "samples" / "sample.xml";
    const TRun run = Run({"html", sample.string(), "-o", "links.htm"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::string page = Read(WorkDir() / "links.htm");
    EXPECT_TRUE(
        std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_EQ(Run({"html", sample.string()}).Out, page);
    if (!WebImportAvailable()) {
        return;
    }
    ASSERT_EQ(Run({"import", "links.htm", "-o", "back.xml", "--no-style"}).ExitCode, 0);
    const std::string original = Read(sample);
    const std::string back = Read(WorkDir() / "back.xml");
    std::vector<std::string> captions = Fields(original, "Caption");
    EXPECT_EQ(Fields(back, "Caption"), captions);
}

} // namespace
} // namespace tarvex
