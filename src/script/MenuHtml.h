#pragma once
// The design as a plain page of links: a nested list inside a nav, within the menu engine's mount
// point, so visitors without script and search engines reach every page. The engine replaces the
// list with the drawn menu.

#include "base/FileIo.h"
#include "model/Project.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex {

// The class that marks the list for the engine.
inline constexpr std::string_view MenuLinksClass = "tarvex-links";
// The class of a panel's list, whose columns stand side by side.
inline constexpr std::string_view MenuPanelClass = "tarvex-panel";

// Which files the page loads the menu from.
enum class TMenuOutput { Classic, Module };

// A whole HTML page in pure ASCII (everything else as character references), lines ended by CR LF:
// the list in the mount point, then the script elements that load the menu. The list is styled as
// a bar before any script runs by the design's style sheet, tarvex-menu.css, which both pages link;
// the classic page loads one.js, menu.js and main.js, the module page tarvex-menu.js.
// With `currentPage` (an absolute address), the link to that page is marked aria-current="page".
// Entries carry their icon (icon files are looked for in `iconFolder`, the project's folder, and
// drawn as the reducer keeps them), badge and description; a panel's columns are nested lists.
std::string GenerateMenuHtml(const TProject& project, std::string_view currentPage = {},
                             TMenuOutput output = TMenuOutput::Classic,
                             const std::filesystem::path& iconFolder = {});
// Written whole through the atomic writer.
TWriteStatus WriteMenuHtml(const TProject& project, const std::filesystem::path& path,
                           const std::filesystem::path& iconFolder = {});

// True when the submenu of `group` (nullptr: the main menu, never a panel) is laid out as a panel.
bool IsPanelMenu(const TProject& project, const TTreeNode* group);

} // namespace tarvex
