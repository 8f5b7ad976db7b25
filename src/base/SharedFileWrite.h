#pragma once
// Writing a file that every window of one user shares, without undoing another window's changes.

#include "FileIo.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tarvex {

// The file's bytes as they are now (nothing: missing or unreadable) in, the bytes to write out.
using TSharedFileMerge = std::function<std::string(const std::optional<std::string>& current)>;

// Under a short-lived lock beside `file`, reads it as it is now, lets `merge` apply this window's
// own changes to it and writes the result through the atomic writer. Without the lock nothing is
// written (HeldByOtherWindow): another window's write in between would be undone. The caller keeps
// its changes for the next write, or tells the author.
TWriteStatus WriteSharedFile(const std::filesystem::path& file, std::uint64_t ceiling,
                             const TSharedFileMerge& merge);

// How long a shared file's writer waits for another window's write to finish.
inline constexpr std::chrono::milliseconds SharedFilePatience{2000};

} // namespace tarvex
