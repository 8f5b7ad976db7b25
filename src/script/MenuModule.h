#pragma once
// The module output: the engine and one design's menus as a single ES module that adds no global,
// and the design's style sheet, so a page under a strict content security policy needs one link,
// one module script and the mount point.

#include "MenuScript.h"
#include "model/Project.h"

#include <string>
#include <string_view>

namespace tarvex {

inline constexpr std::string_view ModuleScriptName = "tarvex-menu.js";
inline constexpr std::string_view ModuleStyleSheetName = "tarvex-menu.css";

// The module's text: `engine` (the classic engine file, which hands its two functions to the
// object it is called with) followed by `script`'s lines inside a function of their own, every
// name menu.js assigns declared there. Lines end with CR LF as menu.js's do.
std::string MenuModuleText(std::string_view engine, const TProject& project, const TMenuScript& script);

// The design's style sheet: the main menu's style as the engine's custom properties on the mount
// point, and the page of links drawn as a bar with them before the engine replaces it. Only
// values that read as colours, lengths and font names are written.
std::string MenuModuleStyleSheet(const TProject& project);

} // namespace tarvex
