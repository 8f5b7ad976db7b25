// Started many times at once by the lock tests: says it is ready, waits for the start, takes one
// lock once and tells whether it got it, then holds it until told to let go.
//   tarvex_lock_racer LOCK FOLDER NAME
// FOLDER holds the signals: "go" and "release" from the test; NAME.ready, NAME.result ("A" got it,
// "H" held by another, "N" not possible) and NAME.done from this racer.

#include "base/FileIo.h"
#include "base/LockFile.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace {

// Spins rather than sleeps, so racers started at once also take the lock at once.
bool WaitFor(const std::filesystem::path& signal) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    std::error_code ec;
    while (!std::filesystem::exists(signal, ec)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tarvex;
    if (argc != 4) {
        return 2;
    }
    const std::filesystem::path lock = argv[1];
    const std::filesystem::path folder = argv[2];
    const std::string name = argv[3];
    TLockFile file(lock);
    WriteFileAtomically(folder / (name + ".ready"), "");
    if (!WaitFor(folder / "go")) {
        return 3;
    }
    const TLockResult result = file.Acquire();
    const char* told = result == TLockResult::Acquired ? "A" : result == TLockResult::HeldByOther ? "H" : "N";
    WriteFileAtomically(folder / (name + ".result"), told);
    const bool released = WaitFor(folder / "release");
    file.Release();
    WriteFileAtomically(folder / (name + ".done"), "");
    return released ? 0 : 3;
}
