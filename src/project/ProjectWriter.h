#pragma once
// Writes a design as a project file: the line-oriented, XML-like text format with CR LF lines.

#include "model/Project.h"

#include <filesystem>
#include <string>

namespace tarvex {

enum class TSaveStatus {
    Written,
    ReadOnly,     // an existing file without write permission: nothing written
    CannotCreate, // the file could not be created or replaced: the old content is kept
    NoSpace,      // the disk is full: the old content is kept
    // The folder lets no new file be made, so the file could not be replaced safely: the old
    // content is kept, and the project can go elsewhere.
    FolderRefusesNewFiles,
};

// The file's exact bytes (Windows-1252 when the design fits it, else UTF-8; no escaping, CR LF
// after every line).
std::string WriteProjectText(const TProject& project);

// Checks the read-only case, then writes the whole file through a temporary file beside it.
TSaveStatus SaveProjectFile(const TProject& project, const std::filesystem::path& path);

} // namespace tarvex
