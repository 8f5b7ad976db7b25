#include "ProjectTestSupport.h"

#include "PlatformTestSupport.h"
#include "base/FilePlatform.h"
#include "base/LockFile.h"
#include "base/SharedFileWrite.h"
#include "project/RecentFilesList.h"
#include "project/RecoveryCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

using namespace tarvex;
using namespace tarvex::test;

// A crashed window's copy is offered whoever has its process number now; a live window's is not.
TEST(RecoveryCopy, TheCopyOfAWindowThatIsGoneIsOfferedWhateverHasItsNumberNow) {
    TScratchDir dir;
    TZombie zombie;
    const TLockOwner live = NewWindowOwner();
    struct TCase {
        const char* File;
        std::int64_t Process;
        std::string Started;
        const char* Host;
        bool Offered;
    };
    std::vector<TCase> cases = {
        {"live.xml", live.ProcessId, live.Started, "", false},
        {"live-renamed-machine.xml", live.ProcessId, live.Started, "-renamed", false},
        {"number-reused.xml", live.ProcessId, "an-earlier-boot/12", "", true},
        {"gone-renamed-machine.xml", 99999999, live.Started, "-renamed", true},
        // Older versions' copies record neither start nor token: judged by the number alone.
        {"old-live.xml", live.ProcessId, "", "", false},
        {"old-gone.xml", 99999999, "", "", true},
    };
    if (zombie.Pid() != 0) {
        cases.push_back({"zombie.xml", zombie.Pid(), platform::ProcessInfo(zombie.Pid()).Started, "", true});
        zombie.End(); // a zombie a moment later: looked for until it is one
    }
    std::set<std::string> expected;
    for (const TCase& c : cases) {
        TRecoveryCopy copy;
        copy.OriginalFile = c.File;
        copy.Owner = live;
        copy.Owner.ProcessId = c.Process;
        copy.Owner.Started = c.Started;
        copy.Owner.Host += c.Host;
        // Every copy has one process's window number: the token alone tells their names apart.
        copy.Owner.Token = c.Started.empty() ? "" : NewWindowOwner().Token;
        std::string text = RecoveryCopyText(copy);
        std::filesystem::path path = RecoveryCopyPath(dir.Path(), copy.Owner);
        if (c.Started.empty()) {
            text.erase(text.find("Started="), text.find("\r\n\r\n") + 2 - text.find("Started="));
            path = dir.Path() / (std::to_string(c.Process) + "-" + std::to_string(live.Window) + ".recovery");
        }
        ASSERT_EQ(WriteFileAtomically(path, text), TWriteStatus::Written);
        if (c.Offered) {
            expected.insert(c.File);
        }
    }
    const auto offered = [&] {
        std::set<std::string> files;
        for (const TRecoveryCopy& copy : OrphanedRecoveryCopies(dir.Path())) {
            files.insert(copy.OriginalFile);
        }
        return files;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (offered() != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(offered(), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}),
              static_cast<std::ptrdiff_t>(cases.size()));
}

// A change that cannot be written under the lock waits, and goes in with the next write.
TEST(RecentFiles, AListWhoseLockIsHeldElsewhereIsNotWrittenUntilItCanBe) {
    TScratchDir dir;
    const std::filesystem::path file = dir.Path() / "menutarvex.dat";
    ASSERT_EQ(WriteFileAtomically(file, "other.xml\r\n"), TWriteStatus::Written);
    auto busy = std::make_unique<TLockFile>(LockPathFor(file));
    ASSERT_EQ(busy->Acquire(), TLockResult::Acquired);

    TRecentFilesList list;
    list.Load(file);
    list.Add("mine.xml");
    EXPECT_FALSE(list.SaveMerged(file));
    EXPECT_EQ(ReadWholeFile(file).value_or(""), "other.xml\r\n");
    bool merged = false;
    EXPECT_EQ(WriteSharedFile(file, RecentFilesCeiling,
                              [&](const std::optional<std::string>&) {
                                  merged = true;
                                  return std::string();
                              }),
              TWriteStatus::HeldByOtherWindow);
    EXPECT_FALSE(merged);

    busy.reset();
    ASSERT_EQ(WriteFileAtomically(file, "third.xml\r\nother.xml\r\n"), TWriteStatus::Written);
    EXPECT_TRUE(list.SaveMerged(file));
    EXPECT_EQ(ReadWholeFile(file).value_or(""), "mine.xml\r\nthird.xml\r\nother.xml\r\n");
}
