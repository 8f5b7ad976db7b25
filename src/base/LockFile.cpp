#include "LockFile.h"

#include "FileIo.h"
#include "FilePlatform.h"

#include <atomic>
#include <charconv>
#include <thread>

namespace tarvex {

namespace {

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

std::string OwnerText(const TLockOwner& owner) {
    return JoinLinesCrLf(
        {owner.Host, std::to_string(owner.ProcessId), owner.User, std::to_string(owner.Window)});
}

// Creates the file only if it does not exist yet, so two windows cannot both believe they made it.
platform::TIoError CreateExclusive(const std::filesystem::path& path, const std::string& text) {
    platform::TIoError error = platform::TIoError::None;
    const platform::TFileHandle file = platform::CreateNewFile(path, error);
    if (file == platform::NoFile) {
        return error == platform::TIoError::None ? platform::TIoError::Other : error;
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t written = platform::WriteSome(file, rest, error);
        if (written == 0) {
            break;
        }
        rest.remove_prefix(written);
    }
    platform::CloseFile(file);
    return rest.empty() ? platform::TIoError::None : platform::TIoError::Other;
}

} // namespace

TLockOwner NewWindowOwner() {
    TLockOwner self;
    self.Host = platform::HostName();
    self.ProcessId = platform::CurrentProcessId();
    self.User = platform::UserName();
    self.Window = NextWindowNumber();
    return self;
}

bool OwnerGone(const TLockOwner& owner) {
    // Only this machine can tell whether a process is gone; another machine's window is believed.
    return owner.Host == platform::HostName() && !platform::ProcessRunning(owner.ProcessId);
}

TLockFile::TLockFile(std::filesystem::path path) : m_path(std::move(path)), m_self(NewWindowOwner()) {}

TLockFile::~TLockFile() {
    Release();
}

std::optional<TLockOwner> TLockFile::ReadOwner(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path, 4096);
    if (!bytes) {
        return std::nullopt;
    }
    const std::vector<std::string> lines = SplitLines(*bytes);
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
    return owner;
}

bool TLockFile::IsOwn() const {
    const std::optional<TLockOwner> owner = ReadOwner(m_path);
    return owner && owner->Host == m_self.Host && owner->ProcessId == m_self.ProcessId &&
           owner->Window == m_self.Window;
}

TLockResult TLockFile::Acquire(bool force) {
    if (m_held) {
        return TLockResult::Acquired;
    }
    const std::string text = OwnerText(m_self);
    // Twice at most: once as things are, once after a stale or forced lock was taken away.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const platform::TIoError error = CreateExclusive(m_path, text);
        if (error == platform::TIoError::None) {
            m_held = true;
            return TLockResult::Acquired;
        }
        std::error_code ec;
        if (!std::filesystem::is_regular_file(m_path, ec)) {
            // Nothing in the way, yet no file could be made: the folder takes none.
            return TLockResult::NotPossible;
        }
        const std::optional<TLockOwner> owner = ReadOwner(m_path);
        // A lock file that names nobody was left half-written by a process that died at once.
        if (owner && !force && !OwnerGone(*owner)) {
            return TLockResult::HeldByOther;
        }
        if (!std::filesystem::remove(m_path, ec)) {
            return TLockResult::NotPossible;
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
    // Someone who took a lock over keeps it: only our own file is removed.
    if (IsOwn()) {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }
}

std::filesystem::path LockPathFor(const std::filesystem::path& file) {
    return file.parent_path() / platform::PathFromUtf8("." + platform::PathToUtf8(file.filename()) + ".lock");
}

} // namespace tarvex
