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

struct TOwnerCase {
    const char* What;
    std::function<void(TLockOwner&)> Change;
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
        c.Change(owner);
        EXPECT_EQ(OwnerGone(owner, c.Place), c.Gone) << c.What;
        if (c.Place != TOwnerPlace::BesideFile) {
            continue;
        }
        const std::string text = LockOwnerText(owner);
        ASSERT_EQ(WriteFileAtomically(path, text), TWriteStatus::Written);
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

void OlderVersion(TLockOwner& owner) {
    owner.Started.clear();
    owner.Token.clear();
    owner.Machine.clear();
}

} // namespace

TEST(LockOwner, AWindowIsItsOwnerOnlyWhileItsVeryProcessRuns) {
    CheckOwners({
        {"this window", [](TLockOwner&) {}, TOwnerPlace::BesideFile, false},
        {"a number no process has", [](TLockOwner& o) { o.ProcessId = GoneNumber; }, TOwnerPlace::BesideFile,
         true},
        {"a running process that started at another time", [](TLockOwner& o) { o.Started = "another/1"; },
         TOwnerPlace::BesideFile, true},
        {"an older version's lock of a running process", OlderVersion, TOwnerPlace::BesideFile, false},
        {"an older version's lock of a gone process",
         [](TLockOwner& o) {
             OlderVersion(o);
             o.ProcessId = GoneNumber;
         },
         TOwnerPlace::BesideFile, true},
        {"an older version's lock from another machine",
         [](TLockOwner& o) {
             OlderVersion(o);
             o.ProcessId = GoneNumber;
             o.Host += "-elsewhere";
         },
         TOwnerPlace::BesideFile, false},
        {"a crash copy of a gone process under an old machine name",
         [](TLockOwner& o) {
             OlderVersion(o);
             o.ProcessId = GoneNumber;
             o.Host += "-renamed";
         },
         TOwnerPlace::LocalFolder, true},
        {"a crash copy of this window under an old machine name", [](TLockOwner& o) { o.Host += "-renamed"; },
         TOwnerPlace::LocalFolder, false},
    });
}

TEST(LockOwner, TheMachineIdentityDecidesOverTheMachineName) {
    if (platform::MachineId().empty()) {
        GTEST_SKIP() << "the system keeps no machine identity here";
    }
    const auto gone = [](const std::string& host, const std::string& machine) {
        return [=](TLockOwner& o) {
            o.ProcessId = GoneNumber;
            o.Host += host;
            o.Machine = machine.empty() ? o.Machine : machine;
        };
    };
    CheckOwners({
        {"this machine renamed", gone("-renamed", ""), TOwnerPlace::BesideFile, true},
        {"another machine of this name", gone("", "another-machine"), TOwnerPlace::BesideFile, false},
        {"another machine", gone("-elsewhere", "another-machine"), TOwnerPlace::BesideFile, false},
    });
}

TEST(LockOwner, AZombieOwnsNothing) {
    test::TZombie zombie;
    if (zombie.Pid() == 0) {
        GTEST_SKIP() << "no zombie processes on this system";
    }
    TLockOwner owner = NewWindowOwner();
    owner.ProcessId = zombie.Pid();
    owner.Started = platform::ProcessInfo(zombie.Pid()).Started;
    ASSERT_FALSE(owner.Started.empty());
    TLockOwner older = owner;
    OlderVersion(older);
    EXPECT_FALSE(OwnerGone(owner));
    EXPECT_FALSE(OwnerGone(older));

    zombie.End();
    EXPECT_TRUE(Eventually([&] { return OwnerGone(owner); }));
    EXPECT_TRUE(zombie.NumberTaken()) << "the process must still wait to be collected";
    EXPECT_TRUE(OwnerGone(older));
    CheckOwners({{"a zombie", [&](TLockOwner& o) { o = owner; }, TOwnerPlace::BesideFile, true}});
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

TEST(LockFile, WhatIsNoLockOfALiveWindowIsTakenOverOrRefused) {
    TFolder folder;
    const fs::path path = folder.Path / ".p.xml.lock";
    struct TCase {
        const char* What;
        std::function<void()> Make;
        TLockResult Result;
    };
    const std::vector<TCase> cases = {
        {"an empty file", [&] { WriteFileAtomically(path, ""); }, TLockResult::Acquired},
        {"lines that name nobody", [&] { WriteFileAtomically(path, "host\r\nx\r\nuser\r\n1\r\n"); },
         TLockResult::Acquired},
        {"a folder", [&] { fs::create_directory(path); }, TLockResult::NotPossible},
    };
    for (const TCase& c : cases) {
        c.Make();
        TLockFile lock(path);
        EXPECT_EQ(lock.Acquire(), c.Result) << c.What;
        lock.Release();
        test::RemoveTree(path);
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
