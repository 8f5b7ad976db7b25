#include "LockFile.h"

#include "FileIo.h"
#include "FilePlatform.h"

#include <atomic>
#include <charconv>
#include <random>
#include <thread>

namespace tarvex {

namespace {

// More than any lock file of ours holds.
constexpr std::size_t OwnerTextLimit = 4096;

std::uint64_t NextWindowNumber() {
    static std::atomic<std::uint64_t> counter{1};
    return counter++;
}

std::optional<std::int64_t> ParseInt64(const std::string& text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Random where the system gives randomness; the time and a counter are mixed in because some
// systems' random devices repeat their sequence from one run to the next.
std::string NewToken() {
    static std::atomic<std::uint64_t> calls{0};
    std::random_device device;
    std::uint64_t value = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    value ^= static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    value ^= (calls++ + 1) * 0x9E3779B97F4A7C15ull;
    value ^= static_cast<std::uint64_t>(platform::CurrentProcessId()) << 40;
    char text[17] = {};
    std::to_chars(text, text + 16, value, 16);
    return text;
}

const std::string& ThisProcessStarted() {
    static const std::string started = platform::ProcessInfo(platform::CurrentProcessId()).Started;
    return started;
}

const std::string& ThisMachineId() {
    static const std::string id = platform::MachineId();
    return id;
}

// Whether `owner` ran on this machine. A lasting identity on both sides decides, whatever the
// names say; a lock of an older version, which records none, is judged by its machine name.
bool OnThisMachine(const TLockOwner& owner) {
    if (!owner.Machine.empty() && !ThisMachineId().empty()) {
        return owner.Machine == ThisMachineId();
    }
    return owner.Host == platform::HostName();
}

// Creates the file only if it does not exist yet, so two windows cannot both believe they made it.
platform::TIoError CreateExclusive(const std::filesystem::path& path, const std::string& text) {
    platform::TIoError error = platform::TIoError::None;
    const platform::TFileHandle file = platform::CreateNewFile(path, error);
    if (file == platform::NoFile) {
        return error == platform::TIoError::None ? platform::TIoError::Other : error;
    }
    const std::size_t written = platform::WriteSome(file, text, error);
    platform::CloseFile(file);
    if (written == text.size()) {
        return platform::TIoError::None;
    }
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return platform::TIoError::Other;
}

// Holds the file at `path` against every other window's judging, taking over or release, for as
// long as it lives.
class THeldLock {
public:
    explicit THeldLock(const std::filesystem::path& path) : m_file(platform::OpenAndHold(path, m_busy)) {
        if (m_file != platform::NoFile && !platform::SameFile(m_file, path)) {
            // Taken away and perhaps replaced between the opening and the hold: not the one named.
            Close();
            m_busy = true;
        }
    }
    THeldLock(const THeldLock&) = delete;
    THeldLock& operator=(const THeldLock&) = delete;
    ~THeldLock() { Close(); }

    bool Open() const { return m_file != platform::NoFile; }
    // Another window is at it this moment.
    bool Busy() const { return m_busy; }
    std::optional<TLockOwner> Owner() const {
        const std::optional<std::string> bytes = platform::ReadFromStart(m_file, OwnerTextLimit);
        return bytes ? ParseLockOwner(*bytes) : std::nullopt;
    }

private:
    void Close() {
        if (m_file != platform::NoFile) {
            platform::CloseFile(m_file);
            m_file = platform::NoFile;
        }
    }

    bool m_busy = false;
    platform::TFileHandle m_file = platform::NoFile;
};

// Moves the held file at `path` aside to `aside` and deletes it there. While it is held no other
// window can be judging it, and the path cannot name another file: a new lock only ever comes
// where none is.
bool RemoveHeld(const std::filesystem::path& path, const std::filesystem::path& aside) {
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    if (ec) {
        return false;
    }
    std::filesystem::remove(aside, ec);
    return true;
}

} // namespace

TLockOwner NewWindowOwner() {
    TLockOwner self;
    self.Host = platform::HostName();
    self.ProcessId = platform::CurrentProcessId();
    self.User = platform::UserName();
    self.Window = NextWindowNumber();
    self.Started = ThisProcessStarted();
    self.Token = NewToken();
    self.Machine = ThisMachineId();
    return self;
}

bool SameWindow(const TLockOwner& a, const TLockOwner& b) {
    return a.Host == b.Host && a.ProcessId == b.ProcessId && a.Window == b.Window && a.Started == b.Started &&
           a.Token == b.Token;
}

bool OwnerGone(const TLockOwner& owner, TOwnerPlace place) {
    // Only this machine can tell whether a process is gone; another machine's window is believed.
    if (place == TOwnerPlace::BesideFile && !OnThisMachine(owner)) {
        return false;
    }
    const platform::TProcessInfo now = platform::ProcessInfo(owner.ProcessId);
    switch (now.State) {
    case platform::TProcessState::Gone:
        return true;
    case platform::TProcessState::Unknown:
        return false;
    case platform::TProcessState::Running:
        // A record of an older version names no start: a running process with its number is its owner.
        return !owner.Started.empty() && !now.Started.empty() && owner.Started != now.Started;
    }
    return false;
}

std::string LockOwnerText(const TLockOwner& owner) {
    // The first four lines are all older versions read.
    return JoinLinesCrLf({owner.Host, std::to_string(owner.ProcessId), owner.User,
                          std::to_string(owner.Window), owner.Started, owner.Token, owner.Machine});
}

std::optional<TLockOwner> ParseLockOwner(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 4) {
        return std::nullopt;
    }
    TLockOwner owner;
    owner.Host = lines[0];
    owner.User = lines[2];
    const std::optional<std::int64_t> process = ParseInt64(lines[1]);
    const std::optional<std::int64_t> window = ParseInt64(lines[3]);
    if (!process || !window) {
        return std::nullopt;
    }
    owner.ProcessId = *process;
    owner.Window = static_cast<std::uint64_t>(*window);
    if (lines.size() >= 7) {
        owner.Started = lines[4];
        owner.Token = lines[5];
        owner.Machine = lines[6];
    }
    return owner;
}

TLockFile::TLockFile(std::filesystem::path path) : m_path(std::move(path)), m_self(NewWindowOwner()) {}

TLockFile::~TLockFile() {
    Release();
}

std::optional<TLockOwner> TLockFile::ReadOwner(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path, OwnerTextLimit);
    return bytes ? ParseLockOwner(*bytes) : std::nullopt;
}

std::filesystem::path TLockFile::NameBeside(const char* kind) {
    return m_path.parent_path() /
           platform::PathFromUtf8(platform::PathToUtf8(m_path.filename()) + "." + m_self.Token + "-" +
                                  std::to_string(++m_names) + kind);
}

TLockFile::TStep TLockFile::Place(const std::string& text) {
    const std::filesystem::path temp = NameBeside(".new");
    if (CreateExclusive(temp, text) != platform::TIoError::None) {
        // No file can be made in this folder: a lock already there still says who has the file.
        const std::optional<TLockOwner> owner = ReadOwner(m_path);
        return owner && !OwnerGone(*owner) ? TStep::Live : TStep::NotPossible;
    }
    switch (platform::PlaceWithoutReplacing(temp, m_path)) {
    case platform::TPlaceResult::Placed:
        return TStep::Placed;
    case platform::TPlaceResult::Exists:
        return TStep::Exists;
    case platform::TPlaceResult::Failed:
        return TStep::NotPossible;
    case platform::TPlaceResult::Unsupported:
        break;
    }
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    // A file system that neither links nor renames without replacing: the lock is made in place,
    // and is seen empty for the moment its few bytes take.
    const platform::TIoError error = CreateExclusive(m_path, text);
    return error == platform::TIoError::None     ? TStep::Placed
           : error == platform::TIoError::Exists ? TStep::Exists
                                                 : TStep::NotPossible;
}

TLockFile::TStep TLockFile::TakeAwayIfStale(bool force) {
    const THeldLock held(m_path);
    if (!held.Open()) {
        std::error_code ec;
        const bool there = std::filesystem::exists(std::filesystem::symlink_status(m_path, ec));
        // Held by another window that judges or removes it now, or gone meanwhile (perhaps with a
        // new lock placed since, which this round must not take for something unopenable): look
        // again. Anything else in its place cannot be opened as a lock.
        return held.Busy() || !there ? TStep::Again : TStep::NotPossible;
    }
    const std::optional<TLockOwner> owner = held.Owner();
    // A lock that names nobody was left half-written by an older version that died at once.
    if (owner && !force && !OwnerGone(*owner)) {
        return TStep::Live;
    }
    return RemoveHeld(m_path, NameBeside(".old")) ? TStep::TakenAway : TStep::NotPossible;
}

TLockResult TLockFile::Acquire(bool force) {
    if (m_held) {
        return TLockResult::Acquired;
    }
    const std::string text = LockOwnerText(m_self);
    // Each round places this lock, finds a live one, or takes one stale lock away; another window
    // busy with the same file holds it only for a few system calls.
    for (int round = 0; round < 1000; ++round) {
        TStep step = Place(text);
        if (step == TStep::Exists) {
            step = TakeAwayIfStale(force);
            // One forced takeover is what the author asked for; a lock placed after it is a new one.
            force = force && step != TStep::TakenAway;
        }
        switch (step) {
        case TStep::Placed:
            m_held = true;
            return TLockResult::Acquired;
        case TStep::Live:
            return TLockResult::HeldByOther;
        case TStep::NotPossible:
            return TLockResult::NotPossible;
        case TStep::Again:
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            break;
        case TStep::Exists:
        case TStep::TakenAway:
            break;
        }
    }
    return TLockResult::HeldByOther;
}

TLockResult TLockFile::AcquireWithin(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const TLockResult result = Acquire();
        if (result != TLockResult::HeldByOther || std::chrono::steady_clock::now() >= deadline) {
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void TLockFile::Release() {
    if (!m_held) {
        return;
    }
    m_held = false;
    // Someone who took the lock over keeps it: only our own file is removed, and only while it is
    // held, so a window taking it over at this moment cannot lose its new lock.
    for (int round = 0; round < 1000; ++round) {
        const THeldLock held(m_path);
        if (held.Open()) {
            const std::optional<TLockOwner> owner = held.Owner();
            if (owner && SameWindow(*owner, m_self)) {
                RemoveHeld(m_path, NameBeside(".old"));
            }
            return;
        }
        if (!held.Busy()) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::filesystem::path LockPathFor(const std::filesystem::path& file) {
    return file.parent_path() / platform::PathFromUtf8("." + platform::PathToUtf8(file.filename()) + ".lock");
}

} // namespace tarvex
