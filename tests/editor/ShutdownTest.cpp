// The recent-files list, what the close writes and reports, and the maker's web commands.

#include "LifecycleFixture.h"

#include "project/ProjectWriter.h"

#include <functional>

namespace tarvex::test {
namespace {

TEST_F(LifecycleTest, RecentFilesFollowOpenSaveAndReopenAndSurviveARestart) {
    Start();
    std::vector<std::string> files;
    SaveAs(Work() / "p0.xml");
    files.push_back((Work() / "p0.xml").string());
    for (int i = 1; i <= 5; ++i) {
        const std::filesystem::path copy = Work() / ("p" + std::to_string(i) + ".xml");
        std::filesystem::copy_file(Work() / "p0.xml", copy);
        files.push_back(copy.string());
    }
    for (int i = 1; i <= 5; ++i) {
        m_ui.AnswerFile(files[static_cast<std::size_t>(i)]);
        Editor().Files().OpenActionExecute();
    }
    const std::vector<std::string> newestFirst = {files[5], files[4], files[3], files[2], files[1]};
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), newestFirst);

    // Reopening loads the file and leaves the list as it is.
    Editor().Files().ReopenActionExecute(3);
    EXPECT_EQ(Editor().ProjectFileName(), files[2]);
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), newestFirst);
    // Saving a listed file again changes nothing.
    Editor().Files().SaveActionExecute();
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), newestFirst);

    // A listed file that has gone away: reported, and the entry stays.
    std::filesystem::remove(files[4]);
    m_ui.ClearCalls();
    Editor().Files().ReopenActionExecute(1);
    EXPECT_EQ(m_ui.TextsOf("Message"), std::vector<std::string>{"Can't read file " + files[4] + "!"});
    EXPECT_EQ(Editor().ProjectFileName(), files[2]);
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), newestFirst);
    Editor().Files().ReopenActionExecute(7);

    Editor().FormClose();
    std::string expected;
    for (const std::string& path : newestFirst) {
        expected += path + "\r\n";
    }
    EXPECT_EQ(ReadText(App() / "menutarvex.dat"), expected);

    Restart();
    Start();
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), newestFirst);
    EXPECT_TRUE(Editor().ProjectFileName().empty());
}

TEST_F(LifecycleTest, ShutdownWritesBothFilesAndReportsFailuresOnce) {
    Start();
    std::filesystem::remove(App() / "favorites.dat");
    std::filesystem::remove(App() / "menutarvex.dat");
    // The window's settings are stored between the recent files and the favourites.
    bool recentWrittenFirst = false;
    bool favoritesStillUnwritten = false;
    Editor().FormClose([&] {
        recentWrittenFirst = std::filesystem::exists(App() / "menutarvex.dat");
        favoritesStillUnwritten = !std::filesystem::exists(App() / "favorites.dat");
    });
    EXPECT_TRUE(recentWrittenFirst);
    EXPECT_TRUE(favoritesStillUnwritten);
    EXPECT_EQ(std::filesystem::file_size(App() / "favorites.dat"), 4u + 976u * 2u);
    EXPECT_EQ(ReadText(App() / "menutarvex.dat"), "");
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    // Folders in the files' places make both writes fail, whoever runs the test.
    std::filesystem::remove(App() / "favorites.dat");
    std::filesystem::remove(App() / "menutarvex.dat");
    std::filesystem::create_directory(App() / "favorites.dat");
    std::filesystem::create_directory(App() / "menutarvex.dat");
    Editor().FormClose();
    const auto errors = m_ui.CallsOf("Message");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Text,
              "Unable to save menutarvex.dat and favorites.dat in the folder " + App().string() + "!");
    EXPECT_EQ(errors[0].Caption, "Error");
}

TEST_F(LifecycleTest, FavouritesThatDidNotReadCleanlyAreKeptAsABackupAtClose) {
    const std::string shipped = ReadText(App() / "favorites.dat");
    ASSERT_GT(shipped.size(), 4u + 976u);
    std::string zeroCount = shipped;
    zeroCount.replace(0, 4, std::string(4, '\0'));
    const std::size_t records = (shipped.size() - 4) / 976;

    // A wrong count, and something that cannot be read at all.
    for (const bool folder : {false, true}) {
        std::filesystem::remove_all(App() / "favorites.dat");
        std::filesystem::remove_all(App() / "favorites.dat.bak");
        if (folder) {
            std::filesystem::create_directory(App() / "favorites.dat");
        } else {
            WriteText(App() / "favorites.dat", zeroCount);
        }
        Restart();
        Start(std::nullopt);
        EXPECT_EQ(Editor().Favorites().FavoriteStyles().size(), folder ? 0u : records);
        m_ui.ClearCalls();

        Editor().FormClose();
        if (folder) {
            EXPECT_TRUE(std::filesystem::is_directory(App() / "favorites.dat.bak"));
        } else {
            EXPECT_EQ(ReadText(App() / "favorites.dat.bak"), zeroCount);
            EXPECT_EQ(ReadText(App() / "favorites.dat"), shipped);
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(App() / "favorites.dat"));
        const auto warnings = MessagesWithCaption("Warning");
        ASSERT_EQ(warnings.size(), 1u) << folder;
        EXPECT_NE(warnings[0].find((App() / "favorites.dat.bak").string()), std::string::npos);
        EXPECT_TRUE(MessagesWithCaption("Error").empty());
    }
}

TEST_F(LifecycleTest, WebCommandsOpenTheMakersPagesAndLeaveTheQuickHelpAlone) {
    Start();
    m_ui.ClearCalls();
    Editor().Preview().HomePageActionExecute();
    Editor().Preview().EMailToUsActionExecute();
    Editor().Preview().HelpHowUseActionExecute();
    Editor().Preview().acHelpMenuExecute();
    Editor().Preview().acHelpStylesExecute();
    const std::string web(KorvaneWebAddress);
    EXPECT_EQ(m_ui.TextsOf("Web"),
              (std::vector<std::string>{
                  std::string(KorvaneHomePage), web + "/feedback.php", web + "/products.php?product=6",
                  web + "/products.php?helpid=38&product=6", web + "/products.php?helpid=39&product=6"}));
    EXPECT_TRUE(m_ui.CallsOf("Help").empty());
}

} // namespace
} // namespace tarvex::test
