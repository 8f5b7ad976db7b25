#pragma once
// An entry's icon may be an .svg file beside the project. Such a file is never published as it
// is: it is read into a small tree of shapes and paths with presentational attributes, which the
// menu script carries as data and the engine rebuilds through DOM calls. A file that holds
// anything able to run, fetch or refer to something else is refused whole, with the reason.

#include "base/UiText.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex {

inline constexpr std::size_t IconFileLimit = 8 * 1024;

struct TSvgIcon {
    // The reduced tree as a script literal: ["svg",{"viewBox":"0 0 24 24"},[["path",{"d":"..."},[]]]].
    std::string Script;
    // Why the file is not drawn, as the end of a sentence ("holds a script element"); empty when it is.
    TUiText Refusal;
    // The same drawing as inline markup in pure ASCII, for a page: the outer svg element without a
    // width or height, so the page sizes it by adding them right after "<svg".
    std::string Markup;

    bool Drawn() const { return Refusal.Empty(); }
};

// True when the icon names a file rather than one of the drawn set: it ends in ".svg", any case.
bool IsIconFile(std::string_view icon);

// The file's text reduced to the safe subset, or the reason it is refused.
TSvgIcon ReduceSvg(std::string_view text);

// The icon file `icon` (a path relative to `folder`, which it may not leave) read and reduced. An
// empty folder is a design not saved yet: no file can be found beside it.
TSvgIcon ReadIconFile(const std::filesystem::path& folder, std::string_view icon);

} // namespace tarvex
