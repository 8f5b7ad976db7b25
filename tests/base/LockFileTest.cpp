#include "base/LockFile.h"
#include "base/FileIo.h"
#include "base/FilePlatform.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

using namespace tarvex;
namespace fs = std::filesystem;

namespace {

// A number no system hands out, so no process has it.
constexpr std::int64_t GoneNumber = 99999999;

struct TFolder {
    fs::path Path;
    TFolder() {
        Path = fs::temp_directory_path() / ("tarvex-lock-" + std::to_string(test::ProcessId()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        test::RemoveTree(Path);
        fs::create_directories(Path);
    }
    ~TFolder() { test::RemoveTree(Path); }
};

// Polls until `done` holds or a generous deadline passes; the result is what was seen last.
bool Eventually(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// A record of an owner, told by how it differs from a window of this very process.
struct TOwnerCase {
    const char* What;
    std::int64_t Process; // 0: this process
    const char* Started;  // nullptr: as this process records it; "": an older version's record
    const char* Host;     // added to this machine's name
    const char* Machine;  // nullptr: this machine's identity; "": none recorded
    TOwnerPlace Place;
    bool Gone;
};

// Judges each owner, and where it lies beside a file, tries to take a lock that names it: a stale
// lock is taken over, a live one is left as it was.
void CheckOwners(const std::vector<TOwnerCase>& cases) {
    TFolder folder;
    const fs::path path = folder.Path / ".p.xml.lock";
    for (const TOwnerCase& c : cases) {
        TLockOwner owner = NewWindowOwner();
        owner.ProcessId = c.Process != 0 ? c.Process : owner.ProcessId;
        owner.Started = c.Started ? c.Started : owner.Started;
        owner.Host += c.Host;
        owner.Machine = c.Machine ? c.Machine : owner.Machine;
        EXPECT_EQ(OwnerGone(owner, c.Place), c.Gone) << c.What;
        if (c.Place != TOwnerPlace::BesideFile) {
            continue;
        }
        ASSERT_EQ(WriteFileAtomically(path, LockOwnerText(owner)), TWriteStatus::Written);
        TLockFile lock(path);
        EXPECT_EQ(lock.Acquire(), c.Gone ? TLockResult::Acquired : TLockResult::HeldByOther) << c.What;
        const std::optional<TLockOwner> now = TLockFile::ReadOwner(path);
        ASSERT_TRUE(now) << c.What;
        EXPECT_TRUE(SameWindow(*now, c.Gone ? lock.Self() : owner)) << c.What;
        lock.Release();
        EXPECT_EQ(fs::exists(path), !c.Gone) << c.What;
        fs::remove(path);
    }
}

constexpr TOwnerPlace Beside = TOwnerPlace::BesideFile;
constexpr TOwnerPlace Local = TOwnerPlace::LocalFolder;

} // namespace

TEST(LockOwner, AWindowIsItsOwnerOnlyWhileItsVeryProcessRuns) {
    CheckOwners({
        {"this window", 0, nullptr, "", nullptr, Beside, false},
        {"a number no process has", GoneNumber, nullptr, "", nullptr, Beside, true},
        {"a running process that started at another time", 0, "another/1", "", nullptr, Beside, true},
        {"an older version's lock of a running process", 0, "", "", "", Beside, false},
        {"an older version's lock of a gone process", GoneNumber, "", "", "", Beside, true},
        {"an older version's lock from another machine", GoneNumber, "", "-elsewhere", "", Beside, false},
        {"a crash copy of a gone process, old machine name", GoneNumber, "", "-renamed", "", Local, true},
        {"a crash copy of this window, old machine name", 0, nullptr, "-renamed", nullptr, Local, false},
    });
}

TEST(LockOwner, TheMachineIdentityDecidesOverTheMachineName) {
    if (platform::MachineId().empty()) {
        GTEST_SKIP() << "the system keeps no machine identity here";
    }
    CheckOwners({
        {"this machine renamed", GoneNumber, nullptr, "-renamed", nullptr, Beside, true},
        {"another machine of this name", GoneNumber, nullptr, "", "another-machine", Beside, false},
        {"another machine", GoneNumber, nullptr, "-elsewhere", "another-machine", Beside, false},
    });
}

TEST(LockOwner, AZombieOwnsNothing) {
    test::TZombie zombie;
    if (zombie.Pid() == 0) {
        GTEST_SKIP() << "no zombie processes on this system";
    }
    const std::string started = platform::ProcessInfo(zombie.Pid()).Started;
    ASSERT_FALSE(started.empty());
    CheckOwners({{"a zombie's running process", zombie.Pid(), started.c_str(), "", nullptr, Beside, false}});
    zombie.End();
    TLockOwner owner = NewWindowOwner();
    owner.ProcessId = zombie.Pid();
    owner.Started.clear();
    EXPECT_TRUE(Eventually([&] { return OwnerGone(owner); }));
    EXPECT_TRUE(zombie.NumberTaken()) << "the process must still wait to be collected";
    CheckOwners({{"a zombie", zombie.Pid(), started.c_str(), "", nullptr, Beside, true},
                 {"a zombie in an older version's lock", zombie.Pid(), "", "", "", Beside, true}});
}

TEST(LockFile, TwoWindowsOfOneProcessAndAForcedTakeover) {
    TFolder folder;
    const fs::path path = folder.Path / ".p.xml.lock";
    TLockFile first(path);
    TLockFile second(path);
    EXPECT_FALSE(SameWindow(first.Self(), second.Self()));
    ASSERT_EQ(first.Acquire(), TLockResult::Acquired);
    EXPECT_EQ(second.Acquire(), TLockResult::HeldByOther);
    EXPECT_EQ(second.AcquireWithin(std::chrono::milliseconds(30)), TLockResult::HeldByOther);
    EXPECT_FALSE(second.Held());

    // "Open anyway": the second window takes the lock, and the first one's release leaves it.
    ASSERT_EQ(second.Acquire(true), TLockResult::Acquired);
    ASSERT_TRUE(TLockFile::ReadOwner(path));
    EXPECT_TRUE(SameWindow(*TLockFile::ReadOwner(path), second.Self()));
    first.Release();
    ASSERT_TRUE(TLockFile::ReadOwner(path));
    EXPECT_TRUE(SameWindow(*TLockFile::ReadOwner(path), second.Self()));
    EXPECT_EQ(first.Acquire(), TLockResult::HeldByOther);

    second.Release();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(first.Acquire(), TLockResult::Acquired);
    // Nothing but the lock is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path), fs::directory_iterator()), 1);
}

// A lock taken away between a window's look and its opening is another window at work, not a lock
// that cannot be opened: told apart, a racer that finds a new lock in its place tries again rather
// than giving up. A folder in the lock's place still cannot be held.
TEST(LockFile, HoldingOneGoneMeanwhileIsAnotherWindowAtWork) {
    TFolder folder;
    for (const bool gone : {true, false}) {
        const fs::path path = folder.Path / (gone ? "gone.lock" : "folder.lock");
        if (!gone) {
            fs::create_directory(path);
        }
        bool busy = !gone;
        EXPECT_EQ(platform::OpenAndHold(path, busy), platform::NoFile) << path;
        EXPECT_EQ(busy, gone) << path;
    }
}

// Real processes, started together and released at once, each taking the same lock once while no
// one lets go: whatever was there before, exactly one of them gets it.
TEST(LockFile, OfProcessesStartedAtOnceExactlyOneGetsTheLock) {
#ifdef _WIN32
    GTEST_SKIP() << "the racers are started through a POSIX shell";
#else
    const fs::path racer = fs::path(TARVEX_APP_DIR) / "tarvex_lock_racer";
    ASSERT_TRUE(fs::exists(racer));
    TFolder folder;
    constexpr int Rounds = 25;
    constexpr int Racers = 6;
    for (const bool stale : {false, true}) {
        for (int round = 0; round < Rounds; ++round) {
            const fs::path signals = folder.Path / ((stale ? "stale-" : "free-") + std::to_string(round));
            fs::create_directory(signals);
            const fs::path lock = signals / ".p.xml.lock";
            if (stale) {
                TLockOwner gone = NewWindowOwner();
                gone.ProcessId = GoneNumber;
                ASSERT_EQ(WriteFileAtomically(lock, LockOwnerText(gone)), TWriteStatus::Written);
            }
            std::string command = "(";
            for (int i = 0; i < Racers; ++i) {
                command += "'" + racer.string() + "' '" + lock.string() + "' '" + signals.string() + "' r" +
                           std::to_string(i) + " & ";
            }
            ASSERT_EQ(std::system((command + "wait) >/dev/null 2>&1 &").c_str()), 0);
            const auto all = [&](const char* kind) {
                return Eventually([&] {
                    for (int i = 0; i < Racers; ++i) {
                        if (!fs::exists(signals / ("r" + std::to_string(i) + kind))) {
                            return false;
                        }
                    }
                    return true;
                });
            };
            ASSERT_TRUE(all(".ready"));
            WriteFileAtomically(signals / "go", "");
            ASSERT_TRUE(all(".result"));
            std::string results;
            for (int i = 0; i < Racers; ++i) {
                results += ReadWholeFile(signals / ("r" + std::to_string(i) + ".result")).value_or("?");
            }
            EXPECT_EQ(std::count(results.begin(), results.end(), 'A'), 1)
                << (stale ? "over a stale lock: " : "with no lock: ") << results;
            EXPECT_EQ(std::count(results.begin(), results.end(), 'H'), Racers - 1) << results;
            WriteFileAtomically(signals / "release", "");
            ASSERT_TRUE(all(".done"));
            EXPECT_FALSE(fs::exists(lock));
        }
    }
#endif
}
