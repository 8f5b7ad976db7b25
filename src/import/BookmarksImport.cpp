#include "HtmlDocument.h"
#include "WebImport.h"

#include <unordered_set>
#include <utility>

namespace tarvex {

namespace {

constexpr std::string_view DefaultRootCaption = "Bookmarks";

std::string AddressOf(const GumboNode* anchor) {
    const char* href = AttributeOf(anchor, "href");
    return href ? ImportedText(href, ImportedAddressCapacity) : std::string();
}

// The list that holds a folder's entries: inside the folder's DT, or (in files written by hand)
// the DL right after it, past any description.
const GumboNode* FolderList(const GumboNode* dt, std::unordered_set<const GumboNode*>& claimed) {
    for (const GumboNode* child : ElementChildren(dt)) {
        if (IsElement(child, GUMBO_TAG_DL)) {
            return child;
        }
    }
    const GumboNode* parent = dt->parent;
    if (!parent || parent->type != GUMBO_NODE_ELEMENT) {
        return nullptr;
    }
    const GumboVector& siblings = parent->v.element.children;
    for (unsigned k = static_cast<unsigned>(dt->index_within_parent) + 1; k < siblings.length; ++k) {
        const auto* sibling = static_cast<const GumboNode*>(siblings.data[k]);
        if (sibling->type != GUMBO_NODE_ELEMENT) {
            continue;
        }
        if (IsElement(sibling, GUMBO_TAG_DL)) {
            claimed.insert(sibling);
            return sibling;
        }
        if (!IsElement(sibling, GUMBO_TAG_DD) && !IsElement(sibling, GUMBO_TAG_P)) {
            return nullptr;
        }
    }
    return nullptr;
}

// A folder's list, the group its entries go into, and the lists of the folders found in it.
struct TFolderList {
    const GumboNode* List;
    TImportEntry* Group;
    int Depth;
    std::vector<TFolderList> Inner;
};

class TBookmarksReader {
public:
    TImportResult Read(const GumboNode* document) {
        const GumboNode* topList = FindFirst(document, GUMBO_TAG_DL);
        if (!topList) {
            return {std::nullopt,
                    ImportText(TARVEX_TRANSLATE_NOOP("Import", "The file holds no bookmarks."))};
        }
        TImportEntry root;
        root.IsGroup = true;
        const GumboNode* heading = FindFirst(document, GUMBO_TAG_H1);
        root.Caption = heading ? TextOf(heading) : std::string();
        if (root.Caption.empty()) {
            root.Caption = DefaultRootCaption;
        }
        // Each list is read whole before its folders' lists, so the entries it made stay put.
        TFolderList top{topList, &root, 1, {}};
        bool tooDeep = false;
        WalkDepthFirst(
            &top,
            [](TFolderList& list, std::size_t i) { return i < list.Inner.size() ? &list.Inner[i] : nullptr; },
            [&](TFolderList& list) {
                if (tooDeep) {
                    return false;
                }
                std::vector<std::pair<std::size_t, const GumboNode*>> folders;
                ReadList(list.List, *list.Group, folders);
                tooDeep = !folders.empty() && list.Depth >= ImportGroupDepthLimit;
                if (tooDeep) {
                    return false;
                }
                for (const auto& [index, folderList] : folders) {
                    list.Inner.push_back({folderList, &list.Group->Children[index], list.Depth + 1, {}});
                }
                return true;
            },
            [](TFolderList& list) { list.Inner.clear(); });
        if (tooDeep) {
            return {std::nullopt,
                    ImportText(
                        TARVEX_TRANSLATE_NOOP("Import", "The bookmarks nest folders deeper than %1 levels."),
                        {TUiText::Verbatim(std::to_string(ImportGroupDepthLimit))})};
        }
        if (m_links == 0) {
            return {std::nullopt,
                    ImportText(TARVEX_TRANSLATE_NOOP("Import", "The file holds no bookmarks."))};
        }
        return {std::move(root), {}};
    }

private:
    // The entries of one list, in order, into `group`; `folders` gets each folder's own list.
    void ReadList(const GumboNode* list, TImportEntry& group,
                  std::vector<std::pair<std::size_t, const GumboNode*>>& folders) {
        WalkDepthFirst(list, GumboChildAt, [&](const GumboNode& node) {
            if (&node == list) {
                return true;
            }
            if (IsElement(&node, GUMBO_TAG_DT)) {
                ReadTerm(&node, group, folders);
                return false;
            }
            // A list no folder owns: its entries belong to this level.
            if (IsElement(&node, GUMBO_TAG_DL)) {
                return !m_claimed.contains(&node);
            }
            return IsElement(&node, GUMBO_TAG_P) || IsElement(&node, GUMBO_TAG_DIV);
        });
    }

    void ReadTerm(const GumboNode* dt, TImportEntry& group,
                  std::vector<std::pair<std::size_t, const GumboNode*>>& folders) {
        for (const GumboNode* child : ElementChildren(dt)) {
            if (IsElement(child, GUMBO_TAG_A)) {
                TImportEntry item;
                item.Address = AddressOf(child);
                // Saved searches and smart folders of some browsers are queries, not pages.
                if (item.Address.empty() || item.Address.starts_with("place:")) {
                    return;
                }
                item.Caption = TextOf(child);
                if (item.Caption.empty()) {
                    item.Caption = ImportedText(item.Address);
                }
                group.Children.push_back(std::move(item));
                ++m_links;
                return;
            }
            if (IsElement(child, GUMBO_TAG_H3)) {
                TImportEntry folder;
                folder.IsGroup = true;
                folder.Caption = TextOf(child);
                if (folder.Caption.empty()) {
                    folder.Caption = "Folder";
                }
                group.Children.push_back(std::move(folder));
                if (const GumboNode* list = FolderList(dt, m_claimed)) {
                    folders.emplace_back(group.Children.size() - 1, list);
                }
                return;
            }
        }
    }

    std::unordered_set<const GumboNode*> m_claimed;
    std::size_t m_links = 0;
};

} // namespace

TImportResult ParseBookmarks(std::string_view bytes) {
    const THtmlDocument document(bytes, ImportText(TARVEX_TRANSLATE_NOOP("Import", "The bookmarks file")));
    if (!document.Error().Empty()) {
        return {std::nullopt, document.Error()};
    }
    return TBookmarksReader().Read(document.Root());
}

} // namespace tarvex
