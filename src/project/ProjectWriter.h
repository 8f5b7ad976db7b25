#pragma once
// Writes a design as a project file: the line-oriented, XML-like text format with CR LF lines.

#include "model/Project.h"

#include <cstddef>
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
// after every line). They are built in `room`'s memory when it has enough: a caller done with a
// file of about the same size (the one the design was read from) saves the system handing out
// and clearing that much memory again.
std::string WriteProjectText(const TProject& project, std::string room = {});

// Never fewer bytes than WriteProjectText gives for `project`: its lines counted as UTF-8, which
// the Windows-1252 form never exceeds, without building them.
std::size_t ProjectTextBound(const TProject& project);

// Whether `design` with `added` put into it still writes a file every reader takes
// (ProjectFileCeiling), counted so that it never under-counts: both bounds, plus room for each
// style a paste renames ("Ocean 2") and for each Menu Options record whose numbers are worked out
// again where it lands.
bool FitsProjectFile(const TProject& design, const TProject& added);

// Checks the read-only case, then writes the whole file through a temporary file beside it.
// `room` as for WriteProjectText.
TSaveStatus SaveProjectFile(const TProject& project, const std::filesystem::path& path,
                            std::string room = {});

} // namespace tarvex
