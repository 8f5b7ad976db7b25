#pragma once
// What the editor's source files share: the save question, the file-dialog request and the row parser.

#include "UserInterface.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

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

// A whole signed decimal 32-bit integer, nothing around it; anything else is the row's default.
inline int32_t ParseRowInteger(std::string_view text, int32_t fallback) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return fallback;
        }
    }
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return fallback;
    }
    return value;
}

} // namespace tarvex::editor_internal
