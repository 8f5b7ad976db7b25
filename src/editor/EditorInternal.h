#pragma once
// What the editor's source files share: the message captions, the save question, the file-dialog
// request, the style row.

#include "UserInterface.h"
#include "base/FileIo.h"

#include "model/RecordFields.h"

#include <string>
#include <string_view>

namespace tarvex::editor_internal {

inline TUiText ErrorCaption() {
    return TARVEX_TEXT("Editor", "Error");
}
inline TUiText WarningCaption() {
    return TARVEX_TEXT("Editor", "Warning");
}
inline TUiText ConfirmCaption() {
    return TARVEX_TEXT("Editor", "Confirm");
}
inline TUiText SaveQuestion() {
    return TARVEX_TEXT("Editor", "Project has changed. Do you want to save changes?");
}
// "Cannot create file <path>." and why, when the reason is known.
inline TUiText CannotCreateFileText(const std::string& path, TWriteStatus status) {
    return TARVEX_TEXT("Editor", "Cannot create file %1.%2").Arg(path).Arg(WhyNotWrittenText(status));
}
inline const std::string ProjectFilter =
    TARVEX_TRANSLATE_NOOP("Editor", "Tarvex Files (xml)|*.xml|All files|*.*");

inline TFileDialogRequest DialogRequest(std::string name, std::string filter, std::string defaultExt) {
    TFileDialogRequest request;
    request.DialogName = std::move(name);
    request.Filter = std::move(filter);
    request.DefaultExt = std::move(defaultExt);
    return request;
}

// The row whose drop-down lists the style list's names.
inline std::string_view MenuStyleRow() {
    return OptionsField("MenuStyle").Caption;
}

} // namespace tarvex::editor_internal
