#include "base/FileIo.h"
#include "base/FilePlatform.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace tarvex;
namespace fs = std::filesystem;

namespace {
struct TTempDir {
    fs::path path;
    TTempDir() {
        path = fs::temp_directory_path() /
               ("tarvex-fileio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        test::RemoveTree(path);
        fs::create_directories(path);
    }
    ~TTempDir() { test::RemoveTree(path); }
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

namespace {
std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::size_t TemporariesIn(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += IsTemporaryFileName(entry.path().filename().string()) ? 1 : 0;
    }
    return count;
}

// Turns the write-fault seam off again whatever the test's outcome.
struct TFaultScope {
    explicit TFaultScope(TWriteFaultPlan plan) { SetWriteFaultForTesting(plan); }
    ~TFaultScope() { SetWriteFaultForTesting(std::nullopt); }
};
} // namespace

TEST(FileIo, AWriteThatFailsPartWayLeavesTheOldFileWholeAndNoTemporary) {
    TTempDir dir;
    const fs::path target = dir.path / "p.xml";
    const std::string old(70000, 'o');
    ASSERT_EQ(WriteFileAtomically(target, old), TWriteStatus::Written);
    const std::string fresh(100000, 'n');
    for (const TWriteFault fault : {TWriteFault::NoSpace, TWriteFault::IoError}) {
        for (const std::uint64_t at : {std::uint64_t{0}, std::uint64_t{65536}, std::uint64_t{99999}}) {
            TFaultScope scope({at, fault});
            EXPECT_EQ(WriteFileAtomically(target, fresh),
                      fault == TWriteFault::NoSpace ? TWriteStatus::NoSpace : TWriteStatus::CannotCreate)
                << at;
            EXPECT_EQ(ReadWholeFile(target), old) << at;
            EXPECT_EQ(EntriesIn(dir.path), 1u) << at;
        }
    }
    // The next save that can complete does.
    EXPECT_EQ(WriteFileAtomically(target, fresh), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(target), fresh);
}

TEST(FileIo, AFullDiskNeverCostsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "the full-disk trial mounts a small tmpfs, which only Linux has";
#endif
    if (!test::RunsAsSuperuser()) {
        GTEST_SKIP() << "mounting a small tmpfs needs root; the full-disk trial is skipped";
    }
    TTempDir dir;
    const fs::path mount = dir.path / "small";
    fs::create_directories(mount);
    const std::string command = "mount -t tmpfs -o size=256k tmpfs '" + mount.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        GTEST_SKIP() << "tmpfs could not be mounted here (no mount permission in this container)";
    }
    struct TUnmount {
        std::string point;
        ~TUnmount() { std::system(("umount '" + point + "'").c_str()); }
    } unmount{mount.string()};

    const fs::path target = mount / "p.xml";
    const std::string old(100 * 1024, 'o');
    ASSERT_EQ(WriteFileAtomically(target, old), TWriteStatus::Written);
    // Fill what is left, so a new copy of the project cannot fit beside the old one.
    {
        std::ofstream filler(mount / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    EXPECT_EQ(WriteFileAtomically(target, std::string(120 * 1024, 'n')), TWriteStatus::NoSpace);
    EXPECT_EQ(ReadWholeFile(target), old);
    EXPECT_EQ(TemporariesIn(mount), 0u);
}

TEST(FileIo, SavesGoThroughLinksAndKeepNamesAndPermissions) {
    TTempDir dir;
    // Through a link: the target changes, the link stays a link.
    const fs::path real = dir.path / "real.xml";
    const fs::path link = dir.path / "link.xml";
    ASSERT_EQ(WriteFileAtomically(real, "old"), TWriteStatus::Written);
    if (test::MakeSymlink("real.xml", link)) {
        fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        ASSERT_EQ(WriteFileAtomically(link, "new"), TWriteStatus::Written);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        EXPECT_EQ(ReadWholeFile(real), "new");
#ifndef _WIN32
        EXPECT_EQ(fs::status(real).permissions() & fs::perms::mask,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    } else {
        std::cout << "[ NOTE ] no symbolic links here: saving through a link is not tried\n";
    }

    // A legal name of 250 characters saves the first time: the temporary name must fit too.
    const fs::path longName = dir.path / (std::string(246, 'n') + ".xml");
    EXPECT_EQ(WriteFileAtomically(longName, "x"), TWriteStatus::Written);

    // A killed save's leftover older than a day is cleared by the next save in the folder; a
    // younger one may belong to a save still running.
    const fs::path stale = dir.path / ".real.xml~0123456789abcdef.tvxtmp";
    const fs::path young = dir.path / ".real.xml~fedcba9876543210.tvxtmp";
    { std::ofstream(stale) << "half"; }
    { std::ofstream(young) << "half"; }
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(25));
    ASSERT_EQ(WriteFileAtomically(real, "again"), TWriteStatus::Written);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(young));
}

TEST(FileIo, AFolderThatRefusesNewFilesLeavesItsFileAsItWas) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions of this kind are POSIX";
#endif
    TTempDir dir;
    const fs::path folder = dir.path / "closed";
    fs::create_directories(folder);
    const fs::path target = folder / "p.xml";
    ASSERT_EQ(WriteFileAtomically(target, "old"), TWriteStatus::Written);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const bool refuses = !std::ofstream(folder / "probe");
    if (refuses) {
        EXPECT_EQ(WriteFileAtomically(target, "new"), TWriteStatus::FolderRefusesNewFiles);
        EXPECT_EQ(ReadWholeFile(target), "old");
    }
    fs::permissions(folder, fs::perms::owner_all);
    if (!refuses) {
        GTEST_SKIP() << "the superuser may make files in any folder";
    }
}

TEST(FileIo, OnlyRegularFilesWithinTheCeilingAreRead) {
    TTempDir dir;
    const fs::path fifo = dir.path / "fifo";
    if (test::MakeFifo(fifo)) {
        EXPECT_FALSE(ReadWholeFile(fifo).has_value());
    } else {
        std::cout << "[ NOTE ] no FIFOs here: reading one is not tried\n";
    }
#ifdef _WIN32
    EXPECT_FALSE(ReadWholeFile("NUL", 1 << 20).has_value());
#else
    EXPECT_FALSE(ReadWholeFile("/dev/zero", 1 << 20).has_value());
#endif
    EXPECT_FALSE(ReadWholeFile(dir.path).has_value());

    const fs::path file = dir.path / "f";
    ASSERT_EQ(WriteFileAtomically(file, "12345"), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(file, 5), "12345");
    EXPECT_FALSE(ReadWholeFile(file, 4).has_value());
    if (test::MakeSymlink(file, dir.path / "l")) {
        EXPECT_EQ(ReadWholeFile(dir.path / "l"), "12345");
    }
}

TEST(FileIo, SavesReachNamesOutsideTheCodePageAndKeepTheTargetsAttributes) {
    TTempDir dir;
    const fs::path target = dir.path / platform::PathFromUtf8("Menü ✓ 日本.xml");
    ASSERT_EQ(WriteFileAtomically(target, "old"), TWriteStatus::Written);
#ifdef _WIN32
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
#endif
    ASSERT_EQ(WriteFileAtomically(target, "new"), TWriteStatus::Written);
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(platform::PathToUtf8(fs::directory_iterator(dir.path)->path().filename()), "Menü ✓ 日本.xml");
#ifdef _WIN32
    EXPECT_NE(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
#endif
}
