#pragma once
// Whole-file reading and the one way files are written: built in memory, then swapped in whole.

#include "base/UiText.h"

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
    // The device had no room for the new content; the old file is whole.
    NoSpace,
    // The folder lets no new file be made beside the target, so it cannot be replaced safely; the
    // target is not rewritten in place, which a crash or a full disk could leave half written.
    FolderRefusesNewFiles,
    // A file every window shares, which another window was writing the whole time this one waited
    // for it: not written, so neither window's changes are lost.
    HeldByOtherWindow,
};

// Writes `bytes` to a temporary file of its own beside the target (the end of its chain of
// symbolic links), flushes it, gives it the target's permission bits and renames it over the
// target; then the folder is flushed. Every save makes a new temporary name, so saves of one
// target running at once never touch each other's file: the target always holds one save's whole
// content. A failure at any point leaves the old file whole and removes the temporary file;
// leftovers of killed saves older than a day are removed by a later save in the same folder.
TWriteStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// What the messages of a failed save add to say why.
inline constexpr std::string_view DiskFullMessage = TARVEX_TRANSLATE_NOOP("Files", "The disk is full.");
inline constexpr std::string_view FolderRefusesMessage =
    TARVEX_TRANSLATE_NOOP("Files", "The folder does not let a new file be made, which a safe save needs.");

// " " and the reason a write failed for, when there is one worth telling; else nothing. The window
// translates it; the command-line tool prints its English.
inline TUiText WhyNotWrittenText(TWriteStatus status) {
    std::string_view reason;
    if (status == TWriteStatus::NoSpace) {
        reason = DiskFullMessage;
    } else if (status == TWriteStatus::FolderRefusesNewFiles) {
        reason = FolderRefusesMessage;
    }
    if (reason.empty()) {
        return {};
    }
    //: Puts the reason after the sentence it explains.
    return TARVEX_TEXT("Files", " %1").Arg(TUiText("Files", reason));
}

inline std::string WhyNotWritten(TWriteStatus status) {
    return WhyNotWrittenText(status).English();
}

// Whether `name` is one the temporary files of saves take.
bool IsTemporaryFileName(std::string_view name);

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
// what would exhaust memory. A project's work also grows with its blocks, which its reader limits.
inline constexpr std::uint64_t ProjectFileCeiling = 64ull << 20;
inline constexpr std::uint64_t FavoritesFileCeiling = 64ull << 20;
inline constexpr std::uint64_t RecentFilesCeiling = 1ull << 20;
inline constexpr std::uint64_t ShortcutFileCeiling = 1ull << 20;
inline constexpr std::uint64_t DefaultReadCeiling = 64ull << 20;

// The bytes of a regular file (or of what a link to one points to), or nothing when it cannot be
// opened or read, is no regular file (a FIFO, a device, a folder) or is larger than `ceiling`.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::uint64_t ceiling = DefaultReadCeiling);

// Moves the file aside to the first free name of "NAME.bak", "NAME.bak2", ... beside it, so a
// shared file that did not read cleanly survives the next save. The backup's path, or nothing when
// the file could not be moved.
std::optional<std::filesystem::path> KeepAsBackup(const std::filesystem::path& file);

// Splits text into lines: CR LF, LF or a lone CR ends a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line, the last included, followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace tarvex
