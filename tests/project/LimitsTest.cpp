// The project files' limits, each at the limit and one past it: the size of a project file and
// of the recent-files list, and the blocks a project may hold.
#include "ProjectTestSupport.h"

#include "project/ProjectReader.h"
#include "project/RecentFilesList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace tarvex;
using namespace tarvex::test;
namespace fs = std::filesystem;

namespace {

// `start`, then zero bytes up to `size`: sparse, so a ceiling of many megabytes costs no disk.
fs::path SparseFile(const fs::path& file, const std::string& start, std::uint64_t size) {
    std::ofstream(file, std::ios::binary) << start;
    fs::resize_file(file, size);
    return file;
}

std::string Blocks(std::size_t count) {
    std::string text = "<PROJECT>\r\n";
    for (std::size_t i = 0; i < count; ++i) {
        text += i % 2 ? "<MENU_ITEM>\r\n</MENU_ITEM>\r\n" : "<style>\r\n</STYLE>\r\n";
    }
    return text;
}

} // namespace

// A file of exactly the ceiling is read; a byte more is refused with the reason, or (the list of
// recent files, which nobody opens by hand) read as empty.
TEST(ProjectLimits, FileSizesAtTheCeilingAndOnePast) {
    TScratchDir scratch;
    for (const std::uint64_t extra : {0u, 1u}) {
        const fs::path project =
            SparseFile(scratch.Path() / "big.xml", "<PROJECT>\r\n", ProjectFileCeiling + extra);
        const TProjectFileBytes read = ReadProjectFile(project, "big.xml");
        EXPECT_EQ(read.Bytes.has_value(), extra == 0) << extra;
        EXPECT_EQ(read.Error.English(),
                  extra == 0 ? "" : "The file big.xml is too large for a Tarvex project (more than 64 MB).")
            << extra;

        const fs::path recent =
            SparseFile(scratch.Path() / "recent.dat", "C:\\a.xml\r\n", RecentFilesCeiling + extra);
        TRecentFilesList list;
        list.Load(recent);
        EXPECT_EQ(list.Paths().empty(), extra != 0) << extra;
    }
}

// Blocks of every kind count, whatever the case of their tags.
TEST(ProjectLimits, BlocksAtTheLimitAndOnePast) {
    EXPECT_FALSE(ExceedsProjectBlockLimit(Blocks(ProjectBlockLimit)));
    EXPECT_TRUE(ExceedsProjectBlockLimit(Blocks(ProjectBlockLimit + 1)));
    TScratchDir scratch;
    std::ofstream(scratch.Path() / "many.xml", std::ios::binary) << Blocks(ProjectBlockLimit + 1);
    EXPECT_EQ(ReadProjectFile(scratch.Path() / "many.xml", "many.xml").Error.English(),
              "The file many.xml holds more than 250000 menu entries and styles, more than a Tarvex project "
              "may hold.");
}
