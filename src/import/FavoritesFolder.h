#pragma once
// The browser Favorites folder as a tree of folders and internet shortcuts, and the shortcut files'
// addresses.

#include "ImportTree.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

struct TFavoriteEntry {
    enum class TKind { Root, Folder, Shortcut };
    TKind Kind = TKind::Root;
    // Shown text (UTF-8, as the file system gives it): "Favorities" for the root, the folder's name, or the
    // shortcut's file name without its extension.
    std::string Text;
    // The entry's full path, uncut: a shortcut is read through it, however deep it lies.
    std::string Path;
    std::vector<TFavoriteEntry> Children;
    // On the root only: the scan stopped at FavoritesEntryLimit entries.
    bool Cut = false;
};

// More entries than any person's Favorites hold; a scan stops there.
inline constexpr std::size_t FavoritesEntryLimit = 10000;

// The user's Favorites folder: the Favorites known folder on Windows, ~/Favorites elsewhere;
// nothing when it does not exist.
std::optional<std::filesystem::path> FindFavoritesFolder();

// The root entry "Favorities" with the folders of depth 1 and 2 and the ".URL" files of all of
// them, sorted by name without regard to case. A folder that cannot be listed adds nothing; a
// link that leads back into a folder already read, or above the scanned one, is not followed.
TFavoriteEntry ScanFavoritesFolder(const std::filesystem::path& favorites);

// The last "URL=" or "BASEURL=" line's address (prefix compared in upper case, nothing trimmed,
// cut to 255 characters) as UTF-8: the bytes are read as UTF-8 when they are valid UTF-8, else as
// Windows-1252. Empty when there is none.
std::string ParseInternetShortcut(std::string_view bytes);
// Nothing when the file cannot be read.
std::optional<std::string> ReadInternetShortcut(const std::filesystem::path& file);

// A scanned folder as an imported tree: the folder a group, each of its shortcuts an item with
// the address its file gives; with `subfolders`, every sub-folder a group of its own as well.
// `caption` makes an entry's text into its caption. A shortcut file that cannot be read is left
// out; Error then names every such file (and says when the scan was cut short), beside the tree.
TImportResult ReadFavoritesFolder(const TFavoriteEntry& folder, bool subfolders,
                                  const std::function<std::string(std::string_view)>& caption);

} // namespace tarvex
