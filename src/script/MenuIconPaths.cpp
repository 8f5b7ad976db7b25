#include "MenuIconPaths.h"

#include <algorithm>

namespace tarvex {

namespace {

constexpr TMenuIconPath Paths[] = {
#include "MenuIconPaths.inc"
};

} // namespace

std::span<const TMenuIconPath> MenuIconPaths() {
    return Paths;
}

std::string_view MenuIconPath(std::string_view name) {
    const auto* found = std::find_if(std::begin(Paths), std::end(Paths),
                                     [name](const TMenuIconPath& icon) { return icon.Name == name; });
    return found == std::end(Paths) ? std::string_view() : found->Path;
}

} // namespace tarvex
