#pragma once
// What a link the person follows in the preview may hand to the desktop: the web, mail, and the
// author's own pages, documents and pictures, never a program or a file of unknown kind.

#include <filesystem>
#include <string_view>

namespace tarvex {

// http, https and mailto (`scheme` in any letter case): the desktop's browser or mail program
// opens those.
bool IsWebScheme(std::string_view scheme);

// Whether the desktop may be asked to open `file`, by its name alone: a page (.htm, .html), a PDF
// or a picture, which the desktop shows in a browser or a viewer. A program, a script, a shortcut
// or any other kind is refused, as is a name the system would read as something else (a stream
// after ":", a trailing dot or space that Windows drops).
bool IsShownByBrowser(const std::filesystem::path& file);

} // namespace tarvex
