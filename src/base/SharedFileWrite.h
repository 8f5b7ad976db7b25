#pragma once
// Writing a file that every window of one user shares, without undoing another window's changes.

#include "FileIo.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tarvex {

// The file's bytes as they are now (nothing: missing or unreadable) in, the bytes to write out.
using TSharedFileMerge = std::function<std::string(const std::optional<std::string>& current)>;

// Under a short-lived lock beside `file`, reads it as it is now, lets `merge` apply this window's
// own changes to it and writes the result through the atomic writer. A lock that another window
// keeps for too long does not stop the write: losing this window's changes would be worse than a
// rare race.
TWriteStatus WriteSharedFile(const std::filesystem::path& file, std::uint64_t ceiling,
                             const TSharedFileMerge& merge);

} // namespace tarvex
