#include "FileIo.h"

#include "FilePlatform.h"

#include <algorithm>
#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

std::optional<TWriteFaultPlan> g_writeFault;

// Writes everything or reports failure; the fault seam cuts the write short where a test says.
bool WriteAll(platform::TFileHandle file, std::string_view bytes) {
    platform::TIoError error = platform::TIoError::None;
    if (g_writeFault && g_writeFault->AtByte < bytes.size()) {
        platform::WriteSome(file, bytes.substr(0, static_cast<std::size_t>(g_writeFault->AtByte)), error);
        return false;
    }
    return platform::WriteSome(file, bytes, error) == bytes.size();
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

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool RewriteInPlace(const fs::path& target, std::string_view bytes) {
    const platform::TFileHandle file = platform::OpenForRewrite(target);
    if (file == platform::NoFile) {
        return false;
    }
    // Nothing is overwritten until the new content is known to fit.
    bool ok = platform::Reserve(file, bytes.size());
    ok = ok && WriteAll(file, bytes) && platform::Truncate(file, bytes.size()) && platform::SyncFile(file);
    return platform::CloseFile(file) && ok;
}

} // namespace

void SetWriteFaultForTesting(std::optional<TWriteFaultPlan> plan) {
    g_writeFault = plan;
}

fs::path TemporaryFileFor(const fs::path& target) {
    const std::u8string name8 = target.filename().u8string();
    const std::string name(name8.begin(), name8.end());
    const std::string suffix = ".tvxtmp";
    const fs::path folder = target.parent_path();
    const std::size_t limit = platform::FileNameLimit(folder.empty() ? fs::path(".") : folder);
    std::string temp = "." + name + suffix;
    if (temp.size() > limit) {
        // Cut the name and tell cut names apart by a hash of the whole one.
        char hash[17];
        static const char digits[] = "0123456789abcdef";
        std::uint64_t value = Fnv1a(name);
        for (int i = 15; i >= 0; --i, value >>= 4) {
            hash[i] = digits[value & 15];
        }
        hash[16] = '\0';
        const std::string tail = std::string("~") + hash + suffix;
        std::size_t keep = limit > tail.size() + 1 ? limit - tail.size() - 1 : 0;
        keep = std::min(keep, name.size());
        // Never split a UTF-8 sequence.
        while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
            --keep;
        }
        temp = "." + name.substr(0, keep) + tail;
    }
    return folder / fs::path(std::u8string(temp.begin(), temp.end()));
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
    const fs::path temp = TemporaryFileFor(target);
    fs::remove(temp, ec);
    platform::TIoError createError = platform::TIoError::None;
    const platform::TFileHandle file = platform::CreateNewFile(temp, createError);
    if (file != platform::NoFile) {
        bool ok = WriteAll(file, bytes);
        if (ok && targetExists) {
            // Keep the permission bits the person gave the file.
            platform::CopyPermissions(file, target);
        }
        ok = ok && platform::SyncFile(file);
        ok = platform::CloseFile(file) && ok;
        if (ok) {
            if (platform::ReplaceByTemporary(temp, target)) {
                platform::SyncFolder(target.parent_path());
                return TWriteStatus::Written;
            }
        }
        // A write that failed never falls back to rewriting the target: the old file stays whole.
        fs::remove(temp, ec);
        return TWriteStatus::CannotCreate;
    }
    if (targetExists && createError == platform::TIoError::Denied && RewriteInPlace(target, bytes)) {
        return TWriteStatus::Written;
    }
    return TWriteStatus::CannotCreate;
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

} // namespace tarvex
