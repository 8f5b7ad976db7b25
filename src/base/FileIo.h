#pragma once
// Whole-file reading and the one way files are written: built in memory, then swapped in whole.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

enum class TWriteStatus {
    Written,
    CannotCreate,
    // The file exists and the running user may not write to it: it is left alone rather than
    // replaced through a writable folder.
    NotWritable,
};

// Writes `bytes` to a temporary file beside the target (the end of its chain of symbolic links),
// flushes it, gives it the target's permission bits and renames it over the target; then the
// folder is flushed. A failure at any point leaves the old file whole and removes the temporary
// file; an earlier save's leftover is removed by the next save of the same target. Only when the
// folder refuses new files while the target is writable is the target rewritten in place, and
// then only after room for the new content has been reserved.
TWriteStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The temporary file a save of `target` uses: one name per target, short enough for the folder.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& target);

// A test seam: every file write stops with `Fault` once `AtByte` bytes of that file are written.
enum class TWriteFault { NoSpace, IoError };
struct TWriteFaultPlan {
    std::uint64_t AtByte = 0;
    TWriteFault Fault = TWriteFault::NoSpace;
};
void SetWriteFaultForTesting(std::optional<TWriteFaultPlan> plan);

// An existing file that nobody may write to (the read-only attribute of the file dialogs'
// world). Checked on the permission bits, so it holds for root as well.
bool IsReadOnlyFile(const std::filesystem::path& path);

// Size ceilings of the files the program reads: far above any real file of the kind, far below
// what would exhaust memory.
inline constexpr std::uint64_t ProjectFileCeiling = 512ull << 20;
inline constexpr std::uint64_t FavoritesFileCeiling = 64ull << 20;
inline constexpr std::uint64_t RecentFilesCeiling = 1ull << 20;
inline constexpr std::uint64_t ShortcutFileCeiling = 1ull << 20;
inline constexpr std::uint64_t DefaultReadCeiling = 64ull << 20;

// The bytes of a regular file (or of what a link to one points to), or nothing when it cannot be
// opened or read, is no regular file (a FIFO, a device, a folder) or is larger than `ceiling`.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::uint64_t ceiling = DefaultReadCeiling);

// Splits text into lines: CR LF, LF or a lone CR ends a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line, the last included, followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace tarvex
