#pragma once
// The one size every reader of a project takes, held at the edits that add to a design: what
// would outgrow it is refused before it happens, so every file Tarvex saves opens again.

#include "base/UiText.h"
#include "import/ImportTree.h"
#include "model/Project.h"

#include <string_view>

namespace tarvex {

class TUserInterface;

// Whether `added` may go into `design`; when not, a message box says so and why, in words that
// begin with `doing` ("Pasting this", "Importing this").
bool AllowGrowth(TUserInterface& ui, const TProject& design, const TProject& added, const TUiText& doing);
// The same for an imported tree, laid out as the import lays it out.
bool AllowImport(TUserInterface& ui, const TProject& design, const TImportEntry& tree);

// Said when the clipboard holds more than a project may.
void ReportClipboardTooLarge(TUserInterface& ui);

} // namespace tarvex
