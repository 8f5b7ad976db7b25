#include "FileIo.h"

#include "FilePlatform.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

std::optional<TWriteFaultPlan> g_writeFault;

constexpr std::string_view TemporarySuffix = ".tvxtmp";

// Writes everything or says why not; the fault seam cuts the write short where a test says.
platform::TIoError WriteAll(platform::TFileHandle file, std::string_view bytes) {
    platform::TIoError error = platform::TIoError::None;
    if (g_writeFault && g_writeFault->AtByte < bytes.size()) {
        platform::WriteSome(file, bytes.substr(0, static_cast<std::size_t>(g_writeFault->AtByte)), error);
        return g_writeFault->Fault == TWriteFault::NoSpace ? platform::TIoError::NoSpace
                                                           : platform::TIoError::Other;
    }
    const std::size_t done = platform::WriteSome(file, bytes, error);
    return done == bytes.size() ? platform::TIoError::None : error;
}

// Follows a chain of symbolic links to the file a save must replace, so the link itself stays.
fs::path FinalTarget(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// Random enough that two processes, or two saves of one process, never pick the same name; the
// exclusive create catches the rest.
std::uint64_t RandomPart() {
    static std::mt19937_64 generator([] {
        std::random_device device;
        const auto now =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
        return std::mt19937_64(seed);
    }());
    return generator();
}

// "." + the target's name (cut to fit the folder, never inside a UTF-8 sequence) + "~" + 16 hex
// digits + the suffix.
fs::path NewTemporaryName(const fs::path& target) {
    const std::u8string name8 = target.filename().u8string();
    const std::string name(name8.begin(), name8.end());
    const fs::path folder = target.parent_path();
    const std::size_t limit = platform::FileNameLimit(folder.empty() ? fs::path(".") : folder);
    char random[17];
    static const char digits[] = "0123456789abcdef";
    std::uint64_t value = RandomPart();
    for (int i = 15; i >= 0; --i, value >>= 4) {
        random[i] = digits[value & 15];
    }
    random[16] = '\0';
    const std::string tail = std::string("~") + random + std::string(TemporarySuffix);
    std::size_t keep = limit > tail.size() + 1 ? limit - tail.size() - 1 : 0;
    keep = std::min(keep, name.size());
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    const std::string temp = "." + name.substr(0, keep) + tail;
    return folder / fs::path(std::u8string(temp.begin(), temp.end()));
}

// Leftovers of saves that were killed: old enough that no running save can still own them.
void RemoveStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::u8string name8 = it->path().filename().u8string();
        std::error_code entryEc;
        if (IsTemporaryFileName(
                std::string_view(reinterpret_cast<const char*>(name8.data()), name8.size())) &&
            it->is_regular_file(entryEc) && it->last_write_time(entryEc) < dayAgo && !entryEc) {
            fs::remove(it->path(), entryEc);
        }
    }
}

TWriteStatus StatusOf(platform::TIoError error) {
    return error == platform::TIoError::NoSpace ? TWriteStatus::NoSpace : TWriteStatus::CannotCreate;
}

// The temporary file, created exclusively under a new name, or NoFile with the reason.
platform::TFileHandle CreateTemporary(const fs::path& target, fs::path& temp, platform::TIoError& error) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp = NewTemporaryName(target);
        const platform::TFileHandle file = platform::CreateNewFile(temp, error);
        if (file != platform::NoFile || error != platform::TIoError::Exists) {
            return file;
        }
    }
    return platform::NoFile;
}

} // namespace

void SetWriteFaultForTesting(std::optional<TWriteFaultPlan> plan) {
    g_writeFault = plan;
}

bool IsTemporaryFileName(std::string_view name) {
    return name.size() > TemporarySuffix.size() + 1 && name.front() == '.' && name.ends_with(TemporarySuffix);
}

TWriteStatus WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = FinalTarget(path);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    const bool targetExists = fs::exists(status);
    if (targetExists && !fs::is_regular_file(status)) {
        return TWriteStatus::CannotCreate;
    }
    if (targetExists && !platform::UserMayWrite(target)) {
        return TWriteStatus::NotWritable;
    }
    RemoveStaleTemporaries(target.parent_path());
    fs::path temp;
    platform::TIoError error = platform::TIoError::None;
    const platform::TFileHandle file = CreateTemporary(target, temp, error);
    if (file == platform::NoFile) {
        // Rewriting the target in place instead could leave it half old, half new after a crash.
        if (targetExists && error == platform::TIoError::Denied) {
            return TWriteStatus::FolderRefusesNewFiles;
        }
        return StatusOf(error);
    }
    error = WriteAll(file, bytes);
    if (error == platform::TIoError::None && targetExists) {
        // Keep the permission bits the person gave the file.
        platform::CopyPermissions(file, target);
    }
    if (error == platform::TIoError::None && !platform::SyncFile(file)) {
        error = platform::TIoError::Other;
    }
    if (!platform::CloseFile(file) && error == platform::TIoError::None) {
        error = platform::TIoError::Other;
    }
    if (error == platform::TIoError::None && platform::ReplaceByTemporary(temp, target)) {
        platform::SyncFolder(target.parent_path());
        return TWriteStatus::Written;
    }
    // A write that failed leaves the old file whole.
    fs::remove(temp, ec);
    return StatusOf(error);
}

bool IsReadOnlyFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) {
        return false;
    }
    const auto writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writeBits) == fs::perms::none;
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::uint64_t ceiling) {
    platform::TReadResult result = platform::ReadRegularFile(path, ceiling);
    if (result.Status != platform::TReadStatus::Read) {
        return std::nullopt;
    }
    return std::move(result.Bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<std::filesystem::path> KeepAsBackup(const std::filesystem::path& file) {
    for (int n = 1; n < 100; ++n) {
        std::filesystem::path backup = file;
        backup += n == 1 ? std::string(".bak") : ".bak" + std::to_string(n);
        std::error_code ec;
        if (std::filesystem::symlink_status(backup, ec).type() != std::filesystem::file_type::not_found) {
            continue;
        }
        std::filesystem::rename(file, backup, ec);
        if (ec) {
            return std::nullopt;
        }
        return backup;
    }
    return std::nullopt;
}

} // namespace tarvex
