#pragma once
// Reads a project file into the two trees: forgiving about layout, strict where the format is positional.

#include "model/Project.h"

#include <string_view>

namespace tarvex {

// Appends the nodes found in `bytes` to the project's trees (normally both empty). A total
// function: any bytes give some (possibly empty) design, never a crash or a read past the end.
// The trees are in an update (BeginUpdate/EndUpdate) while it runs.
void ReadProjectText(std::string_view bytes, TProject& project);

// Whether any line is a tag of the project format. A file without one is no project at all, and
// taking it for an empty design would invite saving that design over it.
bool HoldsProject(std::string_view bytes);

} // namespace tarvex
