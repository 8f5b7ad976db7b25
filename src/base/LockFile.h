#pragma once
// A small file beside a shared file that says which running window holds it.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvex {

// Who holds a lock: machine, process and user, and which window of that process.
struct TLockOwner {
    std::string Host;
    std::int64_t ProcessId = 0;
    std::string User;
    std::uint64_t Window = 0;
};

enum class TLockResult {
    Acquired,
    // Another running window holds it.
    HeldByOther,
    // No lock can be made here (a read-only folder, a foreign file in its place): nothing to
    // hold, and nothing that may stop the work.
    NotPossible,
};

class TLockFile {
public:
    // `path` is the lock file itself; nothing is touched until Acquire.
    explicit TLockFile(std::filesystem::path path);
    TLockFile(const TLockFile&) = delete;
    TLockFile& operator=(const TLockFile&) = delete;
    // Releases a lock this object holds.
    ~TLockFile();

    // Takes the lock. A lock whose process is gone from this machine is stale and taken over;
    // with `force` a live one is taken over as well.
    TLockResult Acquire(bool force = false);
    // Acquire, retried until `patience` has passed while another window holds the lock.
    TLockResult AcquireWithin(std::chrono::milliseconds patience);
    // Removes the lock file when this object holds it and the file is still its own.
    void Release();
    bool Held() const { return m_held; }
    const std::filesystem::path& Path() const { return m_path; }

    // Who the file names, or nothing when there is none or it names nobody.
    static std::optional<TLockOwner> ReadOwner(const std::filesystem::path& path);
    // This window: the running process on this machine, with a number of its own per lock object
    // so two windows of one process tell each other apart.
    const TLockOwner& Self() const { return m_self; }

private:
    bool IsOwn() const;

    std::filesystem::path m_path;
    TLockOwner m_self;
    bool m_held = false;
};

// This process on this machine, with a window number no other call returns.
TLockOwner NewWindowOwner();
// Whether the window `owner` names surely no longer runs: its process is gone from this machine.
bool OwnerGone(const TLockOwner& owner);

// The lock file beside `file` that guards it: ".NAME.lock" in the same folder.
std::filesystem::path LockPathFor(const std::filesystem::path& file);

} // namespace tarvex
