#pragma once
// Menu trees from the files web authors already hold: a browser's bookmarks exported as HTML, a
// site map (or a site-map index with its files), and the navigation lists of a page. Each parser
// takes the whole file, refuses what it cannot read with a message, and resolves nothing outside
// the given files: no address is ever fetched, no external or custom XML entity expanded.

#include "ImportTree.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// False in builds without the HTML and XML parsers; every function below then says so.
bool WebImportAvailable();

// Folders become groups, bookmarks items; the root group takes the file's heading.
TImportResult ParseBookmarks(std::string_view bytes);

// The trees a source offers, never empty unless Error says why: for a page, its `nav` elements
// first, then its lists of links outside them.
struct TImportChoices {
    std::vector<TImportChoice> Choices;
    TUiText Error;
};
// `pageName` names the root group when the navigation has no label.
TImportChoices FindPageNavigations(std::string_view bytes, std::string_view pageName);

// The page's title as one clean line, or nothing.
std::optional<std::string> ReadPageTitle(std::string_view bytes);

// A site map or site-map index file. An index's site maps are read from the index's own folder
// (by the last part of their address); pages are grouped by their path segments. A page found in
// the site map's folder under its path gives its title as the caption.
TImportResult ParseSitemapFile(const std::filesystem::path& file);
// The same for a site map already in memory; `folder` is where its local files lie (may be empty).
TImportResult ParseSitemap(std::string_view bytes, const std::filesystem::path& folder);

// Limits on what a site map may list.
inline constexpr std::size_t SitemapPageLimit = 50000;
inline constexpr std::size_t SitemapIndexLimit = 1000;

} // namespace tarvex
