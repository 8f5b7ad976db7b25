#pragma once
// A small file beside a shared file that says which running window holds it.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// Who holds a lock: machine, process and user, and which window of that process. Files of older
// versions record the first four alone.
struct TLockOwner {
    std::string Host;
    std::int64_t ProcessId = 0;
    std::string User;
    std::uint64_t Window = 0;
    // When the process started, as the system tells it: a number that came back to another process
    // after a restart, or in another sandbox, does not make that process the owner.
    std::string Started;
    // A random text of the window's own, so no other window ever has the same name.
    std::string Token;
    // The machine's lasting identity, which stays when the machine is renamed.
    std::string Machine;
};

// Where the record of an owner lies, which says how far its machine name is to be believed.
enum class TOwnerPlace {
    // Beside a shared file, perhaps in a folder other machines share.
    BesideFile,
    // In this person's own local folder: whatever machine name it records, it is this machine's.
    LocalFolder,
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

    // Takes the lock. A lock whose owner is gone (OwnerGone) is stale and taken over; with `force` a
    // live one is taken over as well. Of any number of windows and processes taking one lock at
    // once, exactly one gets it.
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
    enum class TStep { Placed, Exists, TakenAway, Again, Live, NotPossible };
    TStep Place(const std::string& text);
    TStep TakeAwayIfStale(bool force);
    std::filesystem::path NameBeside(const char* kind);

    std::filesystem::path m_path;
    TLockOwner m_self;
    bool m_held = false;
    unsigned m_names = 0;
};

// This process on this machine, with a window number and token no other call returns.
TLockOwner NewWindowOwner();
// Whether two records name the same window.
bool SameWindow(const TLockOwner& a, const TLockOwner& b);
// Whether the window `owner` names surely no longer runs: its process is gone from this machine,
// has ended and waits to be collected, or the number now belongs to a process started at another
// time. Another machine's window is believed.
bool OwnerGone(const TLockOwner& owner, TOwnerPlace place = TOwnerPlace::BesideFile);
// The lines a lock file holds for `owner`, and the owner they name (nothing when they name nobody).
std::string LockOwnerText(const TLockOwner& owner);
std::optional<TLockOwner> ParseLockOwner(std::string_view text);

// The lock file beside `file` that guards it: ".NAME.lock" in the same folder.
std::filesystem::path LockPathFor(const std::filesystem::path& file);

} // namespace tarvex
