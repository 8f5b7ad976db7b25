// The preview page builder and the publish copy, on their own layer.

#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tarvex {
namespace {

const std::string Scripts = "<SCRIPT language=JavaScript src=\"one.js\"></SCRIPT>\r\n"
                            "<SCRIPT language=JavaScript src=\"menu.js\"></SCRIPT>\r\n"
                            "<SCRIPT language=JavaScript src=\"main.js\"></SCRIPT>\r\n";

TEST(PreviewPageTest, LinesAreKeptByteForByteAndEndedWithCrLf) {
    EXPECT_EQ(BuildPreviewPage(""), Scripts);
    EXPECT_EQ(BuildPreviewPage("a"), "a\r\n" + Scripts);
    EXPECT_EQ(BuildPreviewPage("a\rb\nc\r\n"), "a\r\nb\r\nc\r\n" + Scripts);
    // An empty last line before the end is a line of its own; bytes above 127 pass untouched.
    EXPECT_EQ(BuildPreviewPage("\xE9\n\n"), "\xE9\r\n\r\n" + Scripts);
    // A page that already loads the engine gets the lines once more.
    EXPECT_EQ(BuildPreviewPage(Scripts), Scripts + Scripts);
    EXPECT_EQ(NormalizePageLines("x\ny"), "x\r\ny\r\n");
}

class PublishFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() /
                 ("tarvex-publish-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "temp");
        std::filesystem::create_directories(m_root / "site");
        Write(m_root / "temp" / "one.js", "one");
        Write(m_root / "temp" / "main.js", "main");
        Write(m_root / "temp" / "menu.js", "menu");
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }
    static void Write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::filesystem::path m_root;
};

// Until the author picks a page the window shows the shipped preview page, which must be what
// "Default page" writes from the shipped sample (line ends aside).
TEST_F(PublishFilesTest, TheShippedPreviewPageIsWhatDefaultPageWrites) {
    const std::filesystem::path shipped =
        std::filesystem::path(TARVEX_TEST_DATA) / ".." / ".." / "data" / "help" / "temp";
    ASSERT_EQ(CopyDefaultPreviewPage(shipped / "default.htm", m_root / "preview.htm"),
              TPreviewStatus::Written);
    EXPECT_EQ(Read(m_root / "preview.htm"), NormalizePageLines(Read(shipped / "preview.htm")));
}

TEST_F(PublishFilesTest, TheScriptTakesTheChosenNameAndDeclinedFilesStay) {
    Write(m_root / "site" / "main.js", "kept");
    std::vector<std::filesystem::path> asked;
    const TPublishResult result = PublishMenuFiles(m_root / "temp", m_root / "site" / "main.js",
                                                   [&](const std::filesystem::path& file) {
                                                       asked.push_back(file);
                                                       return false;
                                                   });
    EXPECT_EQ(asked, std::vector<std::filesystem::path>{m_root / "site" / "main.js"});
    EXPECT_EQ(Read(m_root / "site" / "main.js"), "kept");
    EXPECT_EQ(Read(m_root / "site" / "one.js"), "one");
    EXPECT_EQ(result.Declined.size(), 1u);
    EXPECT_EQ(result.Written.size(), 1u);
    EXPECT_TRUE(result.Errors.empty());

    const TPublishResult again = PublishMenuFiles(m_root / "temp", m_root / "site" / "main.js",
                                                  [](const std::filesystem::path&) { return true; });
    EXPECT_EQ(Read(m_root / "site" / "main.js"), "menu");
    EXPECT_EQ(again.Written.size(), 2u);
}

TEST_F(PublishFilesTest, AMissingFolderOrSourceIsAnErrorNotAQuestion) {
    std::filesystem::remove(m_root / "temp" / "menu.js");
    int questions = 0;
    const TPublishResult result =
        PublishMenuFiles(m_root / "temp", m_root / "nowhere" / "x.js",
                         [&](const std::filesystem::path&) { return ++questions > 0; });
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(result.Errors.size(), 3u);
    EXPECT_TRUE(result.Written.empty());
}

} // namespace
} // namespace tarvex
