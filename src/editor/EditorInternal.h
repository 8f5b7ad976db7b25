#pragma once
// What the editor's source files share: the save question, the file-dialog request, the style row.

#include "UserInterface.h"

#include "model/RecordFields.h"

#include <string>
#include <string_view>

namespace tarvex::editor_internal {

inline const std::string SaveQuestion = "Project has changed. Do you want to save changes?";
inline const std::string ProjectFilter = "Tarvex Files (xml)|*.xml|All files|*.*";

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
