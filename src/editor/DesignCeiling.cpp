#include "DesignCeiling.h"

#include "UserInterface.h"
#include "base/FileIo.h"
#include "project/ProjectWriter.h"

#include <string>

namespace tarvex {

namespace {

std::string CeilingText() {
    return std::to_string(ProjectFileCeiling >> 20) + " MB";
}

} // namespace

bool AllowGrowth(TUserInterface& ui, const TProject& design, const TProject& added, const TUiText& doing) {
    if (FitsProjectFile(design, added)) {
        return true;
    }
    ui.ShowMessageBox(
        TARVEX_TEXT("Editor", "%1 would make the project larger than %2, more than Tarvex can open again. "
                              "Nothing was added.")
            .Arg(doing)
            .Arg(CeilingText()),
        TARVEX_TEXT("Editor", "Error"), TMsgIcon::Error, TMsgButtons::Ok);
    return false;
}

bool AllowImport(TUserInterface& ui, const TProject& design, const TImportEntry& tree) {
    // Laid out beside the design's first style, so each group's options name a style as long as
    // the one they will name.
    TProject imported;
    if (const TTreeNode* style = design.Styles.FirstRoot()) {
        AppendStyleNode(imported, style->Text(), style->Style());
    }
    AppendImportedTree(imported, nullptr, tree);
    return AllowGrowth(ui, design, imported, TARVEX_TEXT("Editor", "Importing this"));
}

void ReportClipboardTooLarge(TUserInterface& ui) {
    ui.ShowMessageBox(TARVEX_TEXT("Editor",
                                  "The clipboard holds more than %1, more than a Tarvex project can "
                                  "hold. Nothing was pasted.")
                          .Arg(CeilingText()),
                      TARVEX_TEXT("Editor", "Error"), TMsgIcon::Error, TMsgButtons::Ok);
}

} // namespace tarvex
