#pragma once
// GenerateMenuScript: turns a design into menu.js, the configuration our menu engine reads.

#include "model/FileIo.h"
#include "model/Project.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline constexpr std::string_view NoStylesMessage = "Project can not be compiled. You don't have menu styles";
inline constexpr std::string_view ScriptWarningCaption = "Warning!";

struct TMenuScript {
    // True when the style list is empty: no lines, and nothing may be written.
    bool Refused = false;
    // The file's lines, without line ends.
    std::vector<std::string> Lines;
    // Message texts to show with the caption "Warning!", in the order they arose (record text).
    std::vector<std::string> Warnings;
};

// Builds the whole script in memory. Its only changes to the design are the two repairs: a menu
// whose style does not exist is pointed at the first style, and a level without a Menu Options
// node gets one (main-menu defaults) as its first node.
TMenuScript GenerateMenuScript(TProject& project);

// The style's name without spaces; nothing else changes.
std::string StyleVariableName(std::string_view styleName);
// "mainmenu" for nullptr, otherwise the group's text without spaces.
std::string MenuName(const TTreeNode* group);

// Writes the lines with CR LF endings, replacing the file whole.
TWriteStatus WriteMenuScript(const TMenuScript& script, const std::filesystem::path& path);

} // namespace tarvex
