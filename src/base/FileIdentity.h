#pragma once
// What a file was when the program last read or wrote it, to notice when someone else changed it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tarvex {

struct TFileIdentity {
    std::uint64_t Size = 0;
    // The modification time in the file system's own ticks.
    std::int64_t Modified = 0;
    std::uint64_t ContentHash = 0;

    friend bool operator==(const TFileIdentity&, const TFileIdentity&) = default;
};

enum class TDiskState {
    Unchanged,
    Changed,
    // The file is gone: writing it again overwrites nobody's work.
    Missing,
};

// A 64-bit hash of the bytes (not for security: it tells one version of a file from another).
std::uint64_t ContentHash(std::string_view bytes);

// The identity of `path` whose content is `bytes` (just read or just written); nothing when the
// file's size and time cannot be read.
std::optional<TFileIdentity> IdentityOf(const std::filesystem::path& path, std::string_view bytes);
// Reads the file to take its identity; nothing when it cannot be read.
std::optional<TFileIdentity> ReadIdentity(const std::filesystem::path& path, std::uint64_t ceiling);

// Whether `path` is still the file `known` describes. A new time over the same bytes (a touch,
// a checkout that changed nothing) is no change; nor is a file that cannot be read.
TDiskState CompareWithDisk(const TFileIdentity& known, const std::filesystem::path& path,
                           std::uint64_t ceiling);

} // namespace tarvex
