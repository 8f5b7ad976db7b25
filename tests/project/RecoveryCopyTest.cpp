#include "ProjectTestSupport.h"

#include "PlatformTestSupport.h"
#include "base/FilePlatform.h"
#include "base/LockFile.h"
#include "base/SharedFileWrite.h"
#include "project/RecentFilesList.h"
#include "project/RecoveryCopy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

using namespace tarvex;
using namespace tarvex::test;

namespace {

void WriteCopy(const std::filesystem::path& path, const std::string& file, const TLockOwner& owner) {
    TRecoveryCopy copy;
    copy.OriginalFile = file;
    copy.Owner = owner;
    copy.ProjectText = "<PROJECT>\r\n";
    ASSERT_EQ(WriteFileAtomically(path, RecoveryCopyText(copy)), TWriteStatus::Written);
}

} // namespace

// A crashed window's copy is offered whoever has its process number now; a live window's is not.
TEST(RecoveryCopy, TheCopyOfAWindowThatIsGoneIsOfferedWhateverHasItsNumberNow) {
    TScratchDir dir;
    TZombie zombie;
    const TLockOwner live = NewWindowOwner();
    struct TCase {
        std::string File;
        std::function<void(TLockOwner&)> Change;
        bool Offered;
    };
    std::vector<TCase> cases = {
        {"live.xml", [](TLockOwner&) {}, false},
        {"live-renamed-machine.xml", [](TLockOwner& o) { o.Host += "-renamed"; }, false},
        {"number-reused.xml", [](TLockOwner& o) { o.Started = "an-earlier-boot/12"; }, true},
        {"gone-renamed-machine.xml",
         [](TLockOwner& o) {
             o.ProcessId = 99999999;
             o.Host += "-renamed";
         },
         true},
    };
    if (zombie.Pid() != 0) {
        const std::string started = platform::ProcessInfo(zombie.Pid()).Started;
        cases.push_back({"zombie.xml",
                         [started, pid = zombie.Pid()](TLockOwner& o) {
                             o.ProcessId = pid;
                             o.Started = started;
                         },
                         true});
        zombie.End();
    }
    std::vector<std::string> expected;
    for (const TCase& c : cases) {
        TLockOwner owner = live;
        c.Change(owner);
        // Every case has this process's number and window number: only the token tells them apart.
        owner.Token = NewWindowOwner().Token;
        WriteCopy(RecoveryCopyPath(dir.Path(), owner), c.File, owner);
        if (c.Offered) {
            expected.push_back(c.File);
        }
    }
    // Copies of an older version, under their old names: judged by the number they record alone.
    for (const std::int64_t process : {live.ProcessId, std::int64_t{99999999}}) {
        const std::string file = "old-" + std::to_string(process) + ".xml";
        const std::string text = "Tarvex recovery copy\r\nFile=" + file + "\r\nTime=1\r\nHost=" + live.Host +
                                 "\r\nProcess=" + std::to_string(process) + "\r\nUser=u\r\nWindow=1\r\n\r\n";
        ASSERT_EQ(WriteFileAtomically(dir.Path() / (std::to_string(process) + "-1.recovery"), text),
                  TWriteStatus::Written);
        if (process != live.ProcessId) {
            expected.push_back(file);
        }
    }

    const auto offered = [&] {
        std::vector<std::string> files;
        for (const TRecoveryCopy& copy : OrphanedRecoveryCopies(dir.Path())) {
            files.push_back(copy.OriginalFile);
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    std::sort(expected.begin(), expected.end());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    // The zombie needs a moment to end.
    while (offered() != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(offered(), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}),
              static_cast<std::ptrdiff_t>(cases.size() + 2));
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
