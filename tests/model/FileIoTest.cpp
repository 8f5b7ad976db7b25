#include "model/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarvex;
namespace fs = std::filesystem;

namespace {
struct TTempDir {
    fs::path path;
    TTempDir() {
        path = fs::temp_directory_path() /
               ("tarvex-fileio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TTempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};
} // namespace

TEST(FileIo, SplitLinesAcceptsEveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLinesCrLf({"a", ""}), "a\r\n\r\n");
}

TEST(FileIo, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    TTempDir dir;
    const fs::path target = dir.path / "p.xml";
    ASSERT_EQ(WriteFileAtomically(target, "first"), TWriteStatus::Written);
    ASSERT_EQ(WriteFileAtomically(target, "second"), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(target).value_or(""), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
    EXPECT_EQ(WriteFileAtomically(dir.path / "missing" / "p.xml", "x"), TWriteStatus::CannotCreate);
    EXPECT_EQ(WriteFileAtomically(dir.path, "x"), TWriteStatus::CannotCreate);
    EXPECT_FALSE(ReadWholeFile(dir.path / "nothing").has_value());
    EXPECT_FALSE(ReadWholeFile(dir.path).has_value());
}

TEST(FileIo, ReadOnlyIsTheAbsenceOfWriteBits) {
    TTempDir dir;
    const fs::path target = dir.path / "ro.xml";
    ASSERT_EQ(WriteFileAtomically(target, "x"), TWriteStatus::Written);
    EXPECT_FALSE(IsReadOnlyFile(target));
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(IsReadOnlyFile(target));
    EXPECT_FALSE(IsReadOnlyFile(dir.path / "absent"));
}
