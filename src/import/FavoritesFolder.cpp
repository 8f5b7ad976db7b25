#include "FavoritesFolder.h"

#include "base/FileIo.h"
#include "base/FilePlatform.h"
#include "base/PathText.h"
#include "base/RecordText.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view RootText = "Favorities";
constexpr std::size_t AddressSize = 255;
// Folders of depth 1 and 2 are listed; the entries of depth 3 are scanned for shortcuts only.
constexpr int DeepestListedFolder = 2;

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithUpperCased(std::string_view line, std::string_view prefix) {
    if (line.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperAscii(line[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Case-insensitive first; names that differ only in case (possible outside Windows) keep a fixed order.
bool NameLess(const std::string& a, const std::string& b) {
    const auto lowerLess = [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess)) {
        return false;
    }
    return a < b;
}

struct TFolderItem {
    std::string Name;
    fs::path Path;
    std::string PathText;
    bool IsFolder = false;
};

// The folder's entries in the order the dialog shows them; an unlistable folder gives none.
std::vector<TFolderItem> ListFolder(const fs::path& folder) {
    std::vector<TFolderItem> items;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return items;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        TFolderItem item;
        item.Path = it->path();
        item.Name = PathText(item.Path.filename());
        item.PathText = PathText(item.Path);
        std::error_code typeEc;
        // Links count as what they point to, as shortcuts to folders do in the shell.
        item.IsFolder = it->is_directory(typeEc);
        items.push_back(std::move(item));
    }
    std::sort(items.begin(), items.end(),
              [](const TFolderItem& a, const TFolderItem& b) { return NameLess(a.Name, b.Name); });
    return items;
}

bool IsShortcutName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && name.size() - dot == 4 &&
           StartsWithUpperCased(name.substr(dot), ".URL");
}

// What one scan has seen: the folders read (by their real path) and how many entries it made.
struct TScan {
    fs::path Root;
    std::set<fs::path> Read;
    std::size_t Entries = 0;
    bool Cut = false;

    // A folder is read once: a link back to one already read, or to a folder that holds the
    // scanned one, would list the same entries again and again.
    bool ShouldRead(const fs::path& folder) {
        std::error_code ec;
        const fs::path real = fs::weakly_canonical(folder, ec);
        if (ec) {
            return false;
        }
        if (Read.contains(real)) {
            return false;
        }
        const auto [end, unused] = std::mismatch(real.begin(), real.end(), Root.begin(), Root.end());
        if (end == real.end()) {
            return false;
        }
        Read.insert(real);
        return true;
    }

    bool Count() {
        if (Entries >= FavoritesEntryLimit) {
            Cut = true;
            return false;
        }
        ++Entries;
        return true;
    }
};

// The recursion is bounded by the depth rule: three levels at most.
void ScanFolder(const fs::path& folder, TFavoriteEntry& parent, int depth, TScan& scan) {
    for (TFolderItem& item : ListFolder(folder)) {
        if (scan.Cut) {
            return;
        }
        if (item.IsFolder) {
            if (depth > DeepestListedFolder || !scan.ShouldRead(item.Path) || !scan.Count()) {
                continue;
            }
            TFavoriteEntry entry;
            entry.Kind = TFavoriteEntry::TKind::Folder;
            entry.Text = item.Name;
            entry.Path = item.PathText;
            ScanFolder(item.Path, entry, depth + 1, scan);
            parent.Children.push_back(std::move(entry));
        } else if (IsShortcutName(item.Name) && scan.Count()) {
            TFavoriteEntry entry;
            entry.Kind = TFavoriteEntry::TKind::Shortcut;
            entry.Text = item.Name.substr(0, item.Name.rfind('.'));
            entry.Path = item.PathText;
            parent.Children.push_back(std::move(entry));
        }
    }
}

} // namespace

std::optional<fs::path> FindFavoritesFolder() {
    // On Windows the profile's Favorites folder is where the shell's known folder lies unless moved.
    const std::optional<fs::path> home = platform::HomeFolder();
    if (!home) {
        return std::nullopt;
    }
    const fs::path folder = *home / "Favorites";
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return std::nullopt;
    }
    return folder;
}

TFavoriteEntry ScanFavoritesFolder(const fs::path& favorites) {
    TFavoriteEntry root;
    root.Kind = TFavoriteEntry::TKind::Root;
    root.Text = RootText;
    root.Path = PathText(favorites);
    TScan scan;
    std::error_code ec;
    scan.Root = fs::weakly_canonical(favorites, ec);
    scan.Read.insert(scan.Root);
    ScanFolder(favorites, root, 1, scan);
    root.Cut = scan.Cut;
    return root;
}

std::string ParseInternetShortcut(std::string_view bytes) {
    // Shortcuts written by older systems are in the Windows code page, newer ones in UTF-8.
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
    std::string address;
    for (const std::string& line : SplitLines(text)) {
        if (StartsWithUpperCased(line, "BASEURL=")) {
            address = line.substr(8);
        } else if (StartsWithUpperCased(line, "URL=")) {
            address = line.substr(4);
        }
    }
    // Composing can give more characters than it was given (one mark may stand for two), so
    // the field's limit applies to the composed text.
    std::string clean = CleanText(address);
    clean.resize(Utf8PrefixSize(clean, AddressSize));
    return clean;
}

std::optional<std::string> ReadInternetShortcut(const fs::path& file) {
    const std::optional<std::string> bytes = ReadWholeFile(file, ShortcutFileCeiling);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseInternetShortcut(*bytes);
}

TImportResult ReadFavoritesFolder(const TFavoriteEntry& folder, bool subfolders,
                                  const std::function<std::string(std::string_view)>& caption) {
    TImportEntry root;
    std::string unreadable;
    // The imported group of each open folder; a folder's entry is the last of its parent's
    // children while the walk is inside it, so growing the parent's list later moves nothing held.
    std::vector<TImportEntry*> groups;
    const auto childAt = [](const TFavoriteEntry& entry, std::size_t i) {
        return i < entry.Children.size() ? &entry.Children[i] : nullptr;
    };
    WalkDepthFirst(
        &folder, childAt,
        [&](const TFavoriteEntry& entry) {
            TImportEntry* to = groups.empty() ? &root : &groups.back()->Children.emplace_back();
            to->Caption = caption(entry.Text);
            if (entry.Kind == TFavoriteEntry::TKind::Shortcut) {
                const std::optional<std::string> address = ReadInternetShortcut(PathFromUtf8(entry.Path));
                if (!address) {
                    // One bad file costs its own item, not the rest of the folder.
                    if (!groups.empty()) {
                        groups.back()->Children.pop_back();
                    }
                    unreadable += "\n" + entry.Path;
                    return false;
                }
                to->Address = EnteredText(*address);
                return false;
            }
            if (!groups.empty() && !subfolders) {
                groups.back()->Children.pop_back();
                return false;
            }
            to->IsGroup = true;
            groups.push_back(to);
            return true;
        },
        [&](const TFavoriteEntry&) { groups.pop_back(); });
    TUiText error;
    if (!unreadable.empty()) {
        error = ImportText(
            TARVEX_TRANSLATE_NOOP("Import", "These shortcut files could not be read and were left out:%1"),
            {TUiText::Verbatim(unreadable)});
    }
    if (folder.Cut) {
        TUiText cut =
            ImportText(TARVEX_TRANSLATE_NOOP(
                           "Import", "The folder holds more than %1 entries; only the first %1 were read."),
                       {TUiText::Verbatim(std::to_string(FavoritesEntryLimit))});
        // Both are told, one a line; the lines are translated each on its own.
        error =
            error.Empty() ? std::move(cut) : TUiText("Import", "%1\n%2", {std::move(error), std::move(cut)});
    }
    return {std::move(root), std::move(error)};
}

} // namespace tarvex
