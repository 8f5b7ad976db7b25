#pragma once
// Reads a project file into the two trees: forgiving about layout, strict where the format is positional.

#include "base/UiText.h"
#include "model/Project.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// Appends the nodes found in `bytes` to the project's trees (normally both empty), reading them as
// UTF-8 when the first line declares it or a byte-order mark opens them, else as Windows-1252. A total
// function: any bytes give some (possibly empty) design, never a crash or a read past the end.
// The trees are in an update (BeginUpdate/EndUpdate) while it runs.
void ReadProjectText(std::string_view bytes, TProject& project);

// Whether any line is a tag of the project format. A file without one is no project at all, and
// taking it for an empty design would invite saving that design over it.
bool HoldsProject(std::string_view bytes);

// More blocks (groups, items, menu options, styles) than any design holds; reading, saving and
// publishing that many stays within seconds and well under a gigabyte.
inline constexpr std::size_t ProjectBlockLimit = 250000;
// Whether the lines that open a block number more than ProjectBlockLimit.
bool ExceedsProjectBlockLimit(std::string_view bytes);

// A project file's bytes, or the message that says why it gives no project: unreadable, too
// large, not a project, too many blocks. `shownPath` is the path as the messages name it.
struct TProjectFileBytes {
    std::optional<std::string> Bytes;
    TUiText Error;
};
TProjectFileBytes ReadProjectFile(const std::filesystem::path& path, const std::string& shownPath);

} // namespace tarvex
