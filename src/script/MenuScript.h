#pragma once
// GenerateMenuScript: turns a design into menu.js, the configuration our menu engine reads.
//
// menu.js is pure ASCII and no text of the author's is ever written outside a string literal, so
// no design can break the script or run code of its own:
// - Inside string literals a quote, a backslash, CR and LF are escaped, "</", "<!--" and "<script" (any
//   case) get a backslash after their "<" (the script may be pasted into an inline script block), and every
//   character above 0x7F is a \uXXXX escape of its Unicode code point (a surrogate pair above U+FFFF), so the
//   page's encoding does not matter. Comment lines carry "?" for such characters and the same backslash.
// - A style's variable is its name without spaces when that is a safe global name (see
//   IsSafeGlobalName). Any other name is derived: "tvxStyle_" followed by the name without
//   spaces, taken as UTF-8 bytes, with A-Z, a-z, 0-9 and "$" kept, "_" doubled and every other
//   byte written "_" plus two upper-case hex digits ("3D look" -> tvxStyle_3Dlook, "Dark-blue" ->
//   tvxStyle_Dark_2Dblue, "my_top" stays, "top" -> tvxStyle_top). The encoding can be read back,
//   so two names get one variable only when they are equal without their spaces, as plain names
//   always did; and since a typed name beginning with the prefix is itself derived, derived
//   names never meet typed ones.
// - The image position is one of the engine's keywords left, right, center or nothing.
// - Menu names are unique: the first menu of a name (main menu first, then depth-first) keeps
//   it, a later one gets "_2", "_3"... added, skipping every name the design uses.

#include "MenuLevels.h"
#include "base/FileIo.h"
#include "base/UiText.h"
#include "model/Project.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline constexpr std::string_view NoStylesMessage =
    TARVEX_TRANSLATE_NOOP("Script", "Project can not be compiled. You don't have menu styles");
inline constexpr std::string_view ScriptWarningCaption = TARVEX_TRANSLATE_NOOP("Script", "Warning!");
inline constexpr std::string_view EmptyCaptionMessage =
    TARVEX_TRANSLATE_NOOP("Editor", "A menu entry needs a caption");

enum class TScriptWarningKind {
    MissingStyle,         // a menu's style does not exist; the first style is used
    RenamedStyleVariable, // a style's name cannot be a variable as it is; a derived name is used
    DroppedImagePosition, // an image position other than left, right or center is left out
    RenamedMenu,          // a menu name already taken; the menu gets a unique one
    ScriptAddress,        // an entry's address is a javascript: address
    EmptyCaption,         // an entry's caption is empty or spaces only
};

struct TScriptWarning {
    TScriptWarningKind Kind;
    TUiText Text;
    // What it concerns: a style node, an entry, or the options node (else the group) of a menu.
    const TTreeNode* Node = nullptr;

    // What a warning says; where it points is no part of it.
    bool operator==(const TScriptWarning& other) const { return Kind == other.Kind && Text == other.Text; }
};

struct TMenuScript {
    // True when the style list is empty: no lines, and nothing may be written.
    bool Refused = false;
    // The file's lines, without line ends.
    std::vector<std::string> Lines;
    // In the order they arose.
    std::vector<TScriptWarning> Warnings;
};

// Builds the whole script in memory and never changes the design: a menu whose style does not
// exist uses the first style (with a warning), and a level without a Menu Options node uses the
// main menu's defaults. Storing such a repair is the caller's own step. Icon files are looked for
// in `iconFolder`, the project's own folder (empty for a design never saved: none is found).
TMenuScript GenerateMenuScript(const TProject& project, const std::filesystem::path& iconFolder = {});

// The variable of a style (record text): its name without spaces, or the derived name.
std::string StyleVariableName(std::string_view styleName);
// How warnings name the options of the menu below `group`: its text, "Main menu options" for nullptr.
TUiText MenuObjectText(const TTreeNode* group);
// The warning for a menu whose style does not exist, named as MenuObjectText does.
TUiText MissingStyleWarning(const TUiText& objectName);
// "mainmenu" for nullptr, otherwise the group's text without spaces, before it is made unique.
std::string MenuName(const TTreeNode* group);

// Writes the lines with CR LF endings, replacing the file whole.
TWriteStatus WriteMenuScript(const TMenuScript& script, const std::filesystem::path& path);

} // namespace tarvex
