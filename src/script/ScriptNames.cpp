#include "ScriptNames.h"

#include <algorithm>
#include <string_view>

namespace tarvex {

namespace {

constexpr std::string_view BrowserGlobals[] = {
#include "BrowserGlobals.inc"
};

// Reserved words of every edition, the old future-reserved ones included (older browsers refuse
// them as names), and the names a script cannot assign.
constexpr std::string_view ReservedWords[] = {
    "abstract",   "arguments", "async",     "await",      "boolean",  "break",     "byte",         "case",
    "catch",      "char",      "class",     "const",      "continue", "debugger",  "default",      "delete",
    "do",         "double",    "else",      "enum",       "eval",     "export",    "extends",      "false",
    "final",      "finally",   "float",     "for",        "function", "get",       "goto",         "if",
    "implements", "import",    "in",        "instanceof", "int",      "interface", "let",          "long",
    "native",     "new",       "null",      "of",         "package",  "private",   "protected",    "public",
    "return",     "set",       "short",     "static",     "super",    "switch",    "synchronized", "this",
    "throw",      "throws",    "transient", "true",       "try",      "typeof",    "var",          "void",
    "volatile",   "while",     "with",      "yield",
};

// What the engine and the menu script itself put into the page's global scope: a style array
// of one of these names would replace it.
constexpr std::string_view EngineGlobals[] = {
    "addmenu",       "dumpmenus",      "menu", "timegap", "followspeed", "followrate",
    "suboffset_top", "suboffset_left", "left", "right",   "center",
};

bool IsAsciiIdentifier(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$';
        if (!letter && !(i > 0 && c >= '0' && c <= '9')) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsBrowserGlobalName(std::string_view name) {
    return std::find(std::begin(BrowserGlobals), std::end(BrowserGlobals), name) != std::end(BrowserGlobals);
}

bool IsSafeGlobalName(std::string_view name) {
    return IsAsciiIdentifier(name) && !name.starts_with(DerivedStyleNamePrefix) &&
           std::find(std::begin(ReservedWords), std::end(ReservedWords), name) == std::end(ReservedWords) &&
           std::find(std::begin(EngineGlobals), std::end(EngineGlobals), name) == std::end(EngineGlobals) &&
           !IsBrowserGlobalName(name);
}

} // namespace tarvex
