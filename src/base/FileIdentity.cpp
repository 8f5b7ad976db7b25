#include "FileIdentity.h"

#include "FileIo.h"

#include <system_error>

namespace tarvex {

std::uint64_t ContentHash(std::string_view bytes) {
    // FNV-1a: small, fast and good enough to tell two versions of a text apart.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<TFileIdentity> IdentityOf(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    TFileIdentity identity;
    identity.Size = bytes.size();
    identity.Modified = static_cast<std::int64_t>(time.time_since_epoch().count());
    identity.ContentHash = ContentHash(bytes);
    return identity;
}

std::optional<TFileIdentity> ReadIdentity(const std::filesystem::path& path, std::uint64_t ceiling) {
    const std::optional<std::string> bytes = ReadWholeFile(path, ceiling);
    if (!bytes) {
        return std::nullopt;
    }
    return IdentityOf(path, *bytes);
}

TDiskState CompareWithDisk(const TFileIdentity& known, const std::filesystem::path& path,
                           std::uint64_t ceiling) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return TDiskState::Missing;
    }
    // Always by content: time stamps are too coarse to tell two quick writes of the same size apart.
    const std::optional<TFileIdentity> now = ReadIdentity(path, ceiling);
    if (!now) {
        // What cannot be read cannot be compared; a write reports its own trouble with it.
        return TDiskState::Unchanged;
    }
    return now->Size == known.Size && now->ContentHash == known.ContentHash ? TDiskState::Unchanged
                                                                            : TDiskState::Changed;
}

} // namespace tarvex
