#pragma once
// The copy of an unsaved design that a crash or a power cut cannot take away.

#include "base/FileIdentity.h"
#include "base/LockFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

struct TRecoveryCopy {
    std::filesystem::path Path; // the copy itself
    // The project file the design belongs to (UTF-8); empty for one never saved.
    std::string OriginalFile;
    // When the copy was written, in seconds since 1970.
    std::int64_t Time = 0;
    // The window that wrote it.
    TLockOwner Owner;
    // The project file as that window had opened or saved it, so a Save of the recovered design
    // still notices what another program did to it.
    std::optional<TFileIdentity> Identity;
    // The design, in the project file's own format.
    std::string ProjectText;
};

// A few header lines, an empty line, then the project text.
std::string RecoveryCopyText(const TRecoveryCopy& copy);
// Nothing when the bytes are no recovery copy.
std::optional<TRecoveryCopy> ParseRecoveryCopy(std::string_view bytes);

// Where the window `owner` keeps its copy in `folder`.
std::filesystem::path RecoveryCopyPath(const std::filesystem::path& folder, const TLockOwner& owner);
// The copies in `folder` whose windows no longer run, newest first.
std::vector<TRecoveryCopy> OrphanedRecoveryCopies(const std::filesystem::path& folder);
// "2026-12-09 18:05", local time.
std::string RecoveryTimeText(std::int64_t time);

} // namespace tarvex
