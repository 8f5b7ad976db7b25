#include "ProjectTestSupport.h"

#include "project/RecentFilesList.h"

#include <gtest/gtest.h>

using namespace tarvex;
using namespace tarvex::test;
using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstAndTheOldestDropsOut) {
    TRecentFilesList list;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(list.Add("C:\\p\\f" + std::to_string(i) + ".xml"));
    }
    EXPECT_EQ(list.Paths(),
              (Paths{"C:\\p\\f6.xml", "C:\\p\\f5.xml", "C:\\p\\f4.xml", "C:\\p\\f3.xml", "C:\\p\\f2.xml"}));
    EXPECT_EQ(TRecentFilesList::MenuCaption(0, list.Paths()[0]), "&0: C:\\p\\f6.xml");
    EXPECT_EQ(TRecentFilesList::MenuCaption(4, "x"), "&4: x");
}

// Windows compares names without the case of A to Z; other systems keep two spellings apart.
#ifdef _WIN32
constexpr bool FoldsCase = true;
#else
constexpr bool FoldsCase = false;
#endif

TEST(RecentFiles, ListedPathKeepsItsPlaceAsTheFileSystemComparesNames) {
    struct TCase {
        const char* Listed;
        const char* Added;
        bool Same;
    };
    const TCase cases[] = {
        {"/home/a/One.xml", "/home/a/One.xml", true},
        {"/home/a/One.xml", "/HOME/A/ONE.XML", FoldsCase},
        {"/home/a/Two.xml", "/home/a/two.xml", FoldsCase},
        // Only A-Z are ever folded: other letters differing in case are other files everywhere.
        {"/home/a/\xe9t\xe9.xml", "/home/a/\xc9t\xc9.xml", false},
        {"/home/a/One.xml", "/home/a/One.xm", false},
    };
    for (const TCase& c : cases) {
        TRecentFilesList list;
        ASSERT_TRUE(list.Add(c.Listed));
        EXPECT_EQ(list.Add(c.Added), !c.Same) << c.Added;
        EXPECT_EQ(list.Paths().size(), c.Same ? 1u : 2u) << c.Added;
        EXPECT_EQ(list.Paths().back(), c.Listed) << c.Added;
    }
    TRecentFilesList list;
    list.Add("/home/a/One.xml");
    EXPECT_FALSE(list.Add(""));
    // Insert itself does not look for duplicates.
    list.Insert("/home/a/One.xml");
    EXPECT_EQ(list.Paths(), (Paths{"/home/a/One.xml", "/home/a/One.xml"}));
}

TEST(RecentFiles, FileRoundTripAndLongFiles) {
    TScratchDir dir;
    const auto file = dir.Path() / "menutarvex.dat";
    TRecentFilesList list;
    list.Add("a.xml");
    list.Add("b.xml");
    list.Add("c.xml");
    ASSERT_TRUE(list.Save(file));
    EXPECT_EQ(ReadWholeFile(file).value_or(""), "c.xml\r\nb.xml\r\na.xml\r\n");
    TRecentFilesList reloaded;
    reloaded.Load(file);
    EXPECT_EQ(reloaded.Paths(), list.Paths());

    ASSERT_EQ(WriteFileAtomically(file, "1\r\n2\r\n3\n4\r\n5\r\n6\r\n7\r\n"), TWriteStatus::Written);
    reloaded.Load(file);
    EXPECT_EQ(reloaded.Paths(), (Paths{"1", "2", "3", "4", "5"}));

    // Blank lines take no place; of two spellings of one path the lower line is read first and stays.
    ASSERT_EQ(WriteFileAtomically(file, "x\r\n\r\nX\r\ny\r\ny\r\n"), TWriteStatus::Written);
    reloaded.Load(file);
    EXPECT_EQ(reloaded.Paths(), FoldsCase ? (Paths{"X", "y"}) : (Paths{"x", "X", "y"}));
}

TEST(RecentFiles, MissingFileGivesEmptyListAndEmptyListAnEmptyFile) {
    TScratchDir dir;
    const auto file = dir.Path() / "menutarvex.dat";
    TRecentFilesList list;
    list.Add("stale.xml");
    list.Load(file);
    EXPECT_TRUE(list.Paths().empty());
    list.Load(dir.Path()); // a folder cannot be read as a file
    EXPECT_TRUE(list.Paths().empty());
    ASSERT_TRUE(list.Save(file));
    EXPECT_EQ(ReadWholeFile(file).value_or("not written"), "");
    EXPECT_FALSE(list.Save(dir.Path() / "missing" / "menutarvex.dat"));
}
