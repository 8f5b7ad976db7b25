#include "ImportTree.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/PercentText.h"
#include "base/RecordText.h"

#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

// The bookmark file's doctype; files without it still carry its folder and link markers.
constexpr std::string_view BookmarkDoctype = "<!doctype netscape-bookmark-file";
// Enough of the start of a file to tell its kind.
constexpr std::size_t SniffSize = 4096;

// The text without white space between tags, so "<DT> <H3" and "<DT><H3" look alike.
std::string Squeezed(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            out += c;
        }
    }
    return out;
}

// A group as the folder import makes one: a single space stands for no address, and the group
// gets its Menu Options node with the defaults of its place.
TTreeNode* AppendImportedGroup(TProject& project, TTreeNode* parent, const TImportEntry& entry) {
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = entry.Caption;
    item.Address = entry.Address.empty() ? std::string(" ") : entry.Address;
    TTreeNode* group = AppendItemNode(project, parent, TNodeKind::MenuGroup, item);
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, group);
    AppendOptionsNode(project, group, options);
    return group;
}

void AppendChildren(TProject& project, TTreeNode* group, const TImportEntry& entry) {
    // The design's group of each open imported group.
    std::vector<TTreeNode*> groups;
    WalkDepthFirst(
        &entry, ImportChildAt<const TImportEntry>,
        [&](const TImportEntry& child) {
            if (&child == &entry) {
                groups.push_back(group);
                return true;
            }
            if (!child.Included) {
                return false;
            }
            if (!child.IsGroup) {
                TMenuItemRec item;
                FillDefaultMenuItem(item);
                item.Caption = child.Caption;
                item.Address = child.Address;
                AppendItemNode(project, groups.back(), TNodeKind::MenuItem, item);
                return false;
            }
            groups.push_back(AppendImportedGroup(project, groups.back(), child));
            return true;
        },
        [&](const TImportEntry&) { groups.pop_back(); });
}

} // namespace

std::string ReadableSegment(std::string_view segment) {
    std::string text = PercentDecoded(segment);
    const std::string lower = AsciiLower(text);
    for (const std::string_view extension :
         {".html", ".htm", ".php", ".aspx", ".asp", ".jsp", ".shtml", ".xhtml"}) {
        if (lower.size() > extension.size() && lower.ends_with(extension)) {
            text.resize(text.size() - extension.size());
            break;
        }
    }
    for (char& c : text) {
        if (c == '-' || c == '_' || c == '+') {
            c = ' ';
        }
    }
    text = ImportedText(text);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::optional<TImportKind> DetectImportKindOfText(std::string_view bytes) {
    // A compressed site map (sitemap.xml.gz) goes to the site-map reader, which says to unpack it.
    if (bytes.starts_with("\x1F\x8B")) {
        return TImportKind::Sitemap;
    }
    // UTF-16 is told apart by its markup's ASCII letters; the readers then accept it or say why not.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        std::string narrow;
        for (const char c : bytes.substr(2, 2 * SniffSize)) {
            if (c != '\0') {
                narrow += c;
            }
        }
        const bool bomAgain = narrow.starts_with("\xFF\xFE") || narrow.starts_with("\xFE\xFF");
        return bomAgain ? std::nullopt : DetectImportKindOfText(narrow);
    }
    const std::string head = AsciiLower(bytes.substr(0, SniffSize));
    const std::string squeezed = Squeezed(head);
    if (squeezed.find(Squeezed(BookmarkDoctype)) != std::string::npos ||
        (squeezed.find("<dl>") != std::string::npos &&
         (squeezed.find("<dt><h3") != std::string::npos || squeezed.find("<dt><a") != std::string::npos))) {
        return TImportKind::Bookmarks;
    }
    if (head.find("<urlset") != std::string::npos || head.find("<sitemapindex") != std::string::npos ||
        head.find(":urlset") != std::string::npos || head.find(":sitemapindex") != std::string::npos) {
        return TImportKind::Sitemap;
    }
    if (head.find("<html") != std::string::npos || head.find("<!doctype html") != std::string::npos ||
        head.find("<nav") != std::string::npos || head.find("<ul") != std::string::npos ||
        head.find("<body") != std::string::npos) {
        return TImportKind::PageNavigation;
    }
    return std::nullopt;
}

std::optional<TImportKind> DetectImportKind(const fs::path& source) {
    std::error_code ec;
    if (fs::is_directory(source, ec)) {
        return TImportKind::Folder;
    }
    const TImportBytes read = ReadImportFile(source);
    return read.Bytes ? DetectImportKindOfText(*read.Bytes) : std::nullopt;
}

TImportBytes ReadImportFile(const fs::path& source) {
    std::error_code ec;
    const auto size = fs::file_size(source, ec);
    if (!ec && size > ImportFileCeiling) {
        return {std::nullopt,
                ImportText(
                    TARVEX_TRANSLATE_NOOP("Import", "The file %1 is too large to import (more than %2 MB)."),
                    {TUiText::Verbatim(PathText(source)),
                     TUiText::Verbatim(std::to_string(ImportFileCeiling >> 20))})};
    }
    std::optional<std::string> bytes = ReadWholeFile(source, ImportFileCeiling);
    if (!bytes) {
        return {std::nullopt, ImportText(TARVEX_TRANSLATE_NOOP("Import", "Can't read file %1!"),
                                         {TUiText::Verbatim(PathText(source))})};
    }
    return {std::move(bytes), {}};
}

std::string ImportedText(std::string_view text, std::size_t capacity) {
    std::string collapsed;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            space = !collapsed.empty();
            continue;
        }
        if (space) {
            collapsed += ' ';
            space = false;
        }
        collapsed += c;
    }
    std::string clean = EnteredText(collapsed);
    // Node text and record caption must say the same, so both are cut here.
    clean.resize(Utf8PrefixSize(clean, capacity));
    return clean;
}

TTreeNode* AppendImportedTree(TProject& project, TTreeNode* parent, const TImportEntry& root) {
    TTreeNode* group = AppendImportedGroup(project, parent, root);
    AppendChildren(project, group, root);
    return group;
}

void AppendImportedEntries(TProject& project, TTreeNode* parent, const TImportEntry& root) {
    AppendChildren(project, parent, root);
}

std::size_t CountIncludedEntries(const TImportEntry& root) {
    std::size_t count = 0;
    WalkDepthFirst(&root, ImportChildAt<const TImportEntry>, [&count](const TImportEntry& entry) {
        count += entry.Included ? 1 : 0;
        return entry.Included;
    });
    return count;
}

} // namespace tarvex
