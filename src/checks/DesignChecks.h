#pragma once
// CheckDesign: what would make the published menu fail its visitors, found before they meet it.
// The window lists the findings as the author edits; tarvex-cli check prints them for a site's build.

#include "base/UiText.h"
#include "model/Project.h"
#include "script/MenuScript.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

enum class TCheckLevel { Error, Warning };

// Where a finding is, for people (Text) and for selecting it again (the tree and the index path).
struct TCheckPlace {
    bool InStyles = false;
    // Indices among siblings from the root level down (a style: its one index); empty for none.
    std::vector<int> Path;
    // "Products > Price list", "Products > Menu Options", "Main menu options" or "Style \"Ocean\"".
    TUiText Text;

    bool operator==(const TCheckPlace&) const = default;
};

struct TCheckFinding {
    TCheckLevel Level = TCheckLevel::Warning;
    TCheckPlace Place;
    TUiText Text; // one sentence, UTF-8

    bool operator==(const TCheckFinding&) const = default;
};

struct TCheckSettings {
    // The site's folder: relative addresses must name files under it. Empty: not checked.
    std::filesystem::path Site;
    // The project's folder, where icon files are looked for. Empty: a design not saved yet.
    std::filesystem::path ProjectFolder;
};

// Every finding, errors first, each group in the design's order. `scriptWarnings` are the
// generator's warnings for this design, which join the list (a caller that has the script passes them).
std::vector<TCheckFinding> CheckDesign(const TProject& project,
                                       const std::vector<TScriptWarning>& scriptWarnings,
                                       const TCheckSettings& settings = {});
// Same, generating the script's warnings itself.
std::vector<TCheckFinding> CheckDesign(const TProject& project, const TCheckSettings& settings = {});

int CountErrors(const std::vector<TCheckFinding>& findings);
std::string_view LevelText(TCheckLevel level); // "error" or "warning"
// "LEVEL: PLACE: TEXT", in English.
std::string FindingLine(const TCheckFinding& finding);
// The place of a node of either tree.
TCheckPlace PlaceOf(const TTreeNode& node);

// Captions longer than this wrap in a submenu or widen a bar.
inline constexpr std::size_t LongCaptionCharacters = 60;
// Menus nested deeper than this are hard to reach with a pointer.
inline constexpr int DeepestComfortableMenu = 4;
// Findings listed at most; the rest are counted in one last finding.
inline constexpr std::size_t ListedFindingLimit = 1000;

} // namespace tarvex
