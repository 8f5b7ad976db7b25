#pragma once
// Names that menu.js gives to the author's styles: safe script identifiers in the page's global scope.

#include <string>
#include <string_view>

namespace tarvex {

// Every derived style variable begins with this; a style named so itself is derived too, so a
// derived name never meets a name an author typed.
inline constexpr std::string_view DerivedStyleNamePrefix = "tvxStyle_";

// True for a name menu.js may declare as it is: an ASCII identifier that is no reserved word, no
// name a browser defines on window, no global of our engine or of the menu script, and that does
// not begin with DerivedStyleNamePrefix.
bool IsSafeGlobalName(std::string_view name);

// True when a browser defines `name` on window (the committed list from headless Chromium).
bool IsBrowserGlobalName(std::string_view name);

} // namespace tarvex
