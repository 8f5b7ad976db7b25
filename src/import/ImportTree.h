#pragma once
// A menu tree read from another program's file (bookmarks, a site map, a page's navigation),
// shown for review before it becomes groups and items of the design.

#include "base/DepthFirstWalk.h"
#include "base/UiText.h"
#include "model/Project.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

struct TImportEntry {
    // Clean one-line UTF-8, never empty.
    std::string Caption;
    // As the source gave it; empty for a group that stands for no page.
    std::string Address;
    bool IsGroup = false;
    // The author may leave a branch out in the review; left-out branches are not added.
    bool Included = true;
    std::vector<TImportEntry> Children;
};

// The child list of an imported tree, for WalkDepthFirst; `TEntry` a TImportEntry, const or not.
template <typename TEntry> TEntry* ImportChildAt(TEntry& entry, std::size_t i) {
    return i < entry.Children.size() ? &entry.Children[i] : nullptr;
}

// Either a tree (a group) or the message that says why nothing can be added.
struct TImportResult {
    std::optional<TImportEntry> Tree;
    TUiText Error;
};

// A sentence of importing, its source marked in the "Import" context.
inline TUiText ImportText(const char* source, std::vector<TUiText> args = {}) {
    return TUiText("Import", source, std::move(args));
}

// One tree the author may pick in the review (a page may offer several navigations).
struct TImportChoice {
    TUiText Description;
    TImportEntry Tree;
};

enum class TImportKind { Folder, Bookmarks, Sitemap, PageNavigation };

// What a source is, from what it holds: a folder, an HTML file with the bookmark file's markers,
// an XML site map or site-map index, or any other HTML page. Nothing when it is none of these
// or cannot be read.
std::optional<TImportKind> DetectImportKind(const std::filesystem::path& source);
std::optional<TImportKind> DetectImportKindOfText(std::string_view bytes);

// Imported files are read whole; anything larger is refused with a message.
inline constexpr std::uint64_t ImportFileCeiling = 32ull << 20;
// A menu nested deeper than this is no menu anyone can use, and is refused.
inline constexpr int ImportGroupDepthLimit = 32;

// The bytes of a file to import, or the message why they cannot be had.
struct TImportBytes {
    std::optional<std::string> Bytes;
    TUiText Error;
};
TImportBytes ReadImportFile(const std::filesystem::path& source);

// The longest caption and address, in characters, that an entry's record holds.
inline constexpr std::size_t ImportedCaptionCapacity = 250;
inline constexpr std::size_t ImportedAddressCapacity = 255;

// One-line clean text with runs of white space made one space and the ends trimmed, cut to
// `capacity` characters.
std::string ImportedText(std::string_view text, std::size_t capacity = ImportedCaptionCapacity);

// A path segment as a caption: decoded, without a page extension, dashes and underscores made
// spaces, the first letter upper-cased ("our-team.html" gives "Our team").
std::string ReadableSegment(std::string_view segment);

// Adds the included part of `root` under `parent` (nullptr: the root level) as the folder import
// adds its group: a group's address is its page's or a single space, every group gets its Menu
// Options node with the defaults of its place, items get the item defaults. Returns the new group.
TTreeNode* AppendImportedTree(TProject& project, TTreeNode* parent, const TImportEntry& root);

// Adds only the included entries of `root` under `parent` (nullptr: the root level), by the same
// rules, for a design that takes the imported tree as its own menu.
void AppendImportedEntries(TProject& project, TTreeNode* parent, const TImportEntry& root);

// Entries (groups and items) that would be added, the root included.
std::size_t CountIncludedEntries(const TImportEntry& root);

} // namespace tarvex
