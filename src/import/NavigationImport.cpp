#include "HtmlDocument.h"
#include "WebImport.h"
#include "base/RecordText.h"

#include <utility>

namespace tarvex {

namespace {

constexpr std::size_t ChoiceLimit = 50;
// A list outside any nav is offered when it holds at least this many links: fewer is text.
constexpr std::size_t ListChoiceMinimumLinks = 2;

bool IsList(const GumboNode* node) {
    return IsElement(node, GUMBO_TAG_UL) || IsElement(node, GUMBO_TAG_OL) || IsElement(node, GUMBO_TAG_MENU);
}

bool IsSkipped(const GumboNode* node) {
    return IsElement(node, GUMBO_TAG_SCRIPT) || IsElement(node, GUMBO_TAG_STYLE) ||
           IsElement(node, GUMBO_TAG_TEMPLATE);
}

// What a link says: its text, else its label, title or image description.
std::string LinkCaption(const GumboNode* anchor) {
    std::string caption = TextOf(anchor);
    for (const char* attribute : {"aria-label", "title"}) {
        if (caption.empty()) {
            if (const char* value = AttributeOf(anchor, attribute)) {
                caption = ImportedText(value);
            }
        }
    }
    if (caption.empty()) {
        if (const GumboNode* image = FindFirst(anchor, GUMBO_TAG_IMG)) {
            if (const char* alt = AttributeOf(image, "alt")) {
                caption = ImportedText(alt);
            }
        }
    }
    return caption;
}

std::string AddressOf(const GumboNode* anchor) {
    const char* href = AttributeOf(anchor, "href");
    return href ? ImportedText(href, ImportedAddressCapacity) : std::string();
}

// The item's own link: the first one in it outside its nested lists.
const GumboNode* ItemAnchor(const GumboNode* li) {
    const GumboNode* anchor = nullptr;
    WalkDepthFirst(li, GumboChildAt, [&](const GumboNode& node) {
        if (&node == li) {
            return true;
        }
        if (!anchor && IsElement(&node, GUMBO_TAG_A)) {
            anchor = &node;
        }
        return !anchor && !IsList(&node) && !IsElement(&node, GUMBO_TAG_LI) && !IsSkipped(&node);
    });
    return anchor;
}

// The item's own words when it has no link (a heading over its submenu): its text outside lists.
std::string ItemText(const GumboNode* li) {
    std::string text;
    WalkDepthFirst(li, GumboChildAt, [&](const GumboNode& node) {
        if (node.type == GUMBO_NODE_TEXT) {
            text += node.v.text.text;
            text += ' ';
            return false;
        }
        return node.type == GUMBO_NODE_ELEMENT && (&node == li || (!IsList(&node) && !IsSkipped(&node)));
    });
    return ImportedText(text);
}

struct TLevel {
    const GumboNode* Container;
    // The link that already gave the level's group its caption.
    const GumboNode* Skip;
    TImportEntry* Group;
    int Depth;
    // The levels of the entries read in it, while the walk is inside it.
    std::vector<TLevel> Inner;
};

class TNavigationReader {
public:
    // False when the navigation nests deeper than a menu may.
    bool Read(const GumboNode* container, TImportEntry& root) {
        TLevel top{container, nullptr, &root, 1, {}};
        bool tooDeep = false;
        WalkDepthFirst(
            &top,
            [](TLevel& level, std::size_t i) { return i < level.Inner.size() ? &level.Inner[i] : nullptr; },
            [&](TLevel& level) {
                if (tooDeep) {
                    return false;
                }
                std::vector<std::pair<std::size_t, TLevel>> sublevels;
                ReadLevel(level, sublevels);
                // Every item opens a level, but only one that holds entries makes its item a
                // group: a list of plain links at the deepest level allowed is still fine.
                tooDeep = level.Depth > ImportGroupDepthLimit && !level.Group->Children.empty();
                if (tooDeep) {
                    return false;
                }
                for (auto& [index, sublevel] : sublevels) {
                    sublevel.Group = &level.Group->Children[index];
                    level.Inner.push_back(std::move(sublevel));
                }
                return true;
            },
            [](TLevel& level) { level.Inner.clear(); });
        if (tooDeep) {
            return false;
        }
        Prune(root);
        return true;
    }

    std::size_t Links() const { return m_links; }

private:
    void ReadLevel(const TLevel& level, std::vector<std::pair<std::size_t, TLevel>>& sublevels) {
        WalkDepthFirst(level.Container, GumboChildAt, [&](const GumboNode& node) {
            if (&node == level.Container) {
                return true;
            }
            if (&node == level.Skip || IsSkipped(&node)) {
                return false;
            }
            if (IsElement(&node, GUMBO_TAG_LI)) {
                ReadItem(level, &node, sublevels);
                return false;
            }
            if (IsElement(&node, GUMBO_TAG_A)) {
                ReadLink(level, &node);
                return false;
            }
            return true;
        });
    }

    void ReadItem(const TLevel& level, const GumboNode* node,
                  std::vector<std::pair<std::size_t, TLevel>>& sublevels) {
        TImportEntry entry;
        const GumboNode* anchor = ItemAnchor(node);
        if (anchor) {
            entry.Caption = LinkCaption(anchor);
            entry.Address = AddressOf(anchor);
            ++m_links;
        }
        if (entry.Caption.empty()) {
            entry.Caption = anchor ? ImportedText(entry.Address) : ItemText(node);
        }
        level.Group->Children.push_back(std::move(entry));
        sublevels.push_back({level.Group->Children.size() - 1, {node, anchor, nullptr, level.Depth + 1, {}}});
    }

    void ReadLink(const TLevel& level, const GumboNode* node) {
        TImportEntry entry;
        entry.Caption = LinkCaption(node);
        entry.Address = AddressOf(node);
        if (entry.Caption.empty()) {
            entry.Caption = ImportedText(entry.Address);
        }
        if (!entry.Caption.empty()) {
            level.Group->Children.push_back(std::move(entry));
            ++m_links;
        }
    }

    // Entries with children become groups; entries without caption, link or children go.
    static void Prune(TImportEntry& root) {
        WalkDepthFirst(
            &root, ImportChildAt<TImportEntry>, [](TImportEntry&) {},
            [](TImportEntry& entry) {
                std::erase_if(entry.Children, [](const TImportEntry& child) {
                    return child.Caption.empty() || (child.Children.empty() && child.Address.empty());
                });
                if (!entry.Children.empty()) {
                    entry.IsGroup = true;
                }
            });
    }

    std::size_t m_links = 0;
};

bool IsInside(const GumboNode* node, bool (*test)(const GumboNode*)) {
    for (const GumboNode* up = node->parent; up; up = up->parent) {
        if (test(up)) {
            return true;
        }
    }
    return false;
}

bool IsNav(const GumboNode* node) {
    return IsElement(node, GUMBO_TAG_NAV);
}

TUiText Describe(const GumboNode* node, const TImportEntry& tree, std::size_t links) {
    std::string name;
    if (const char* label = AttributeOf(node, "aria-label")) {
        name = " \"" + ImportedText(label) + "\"";
    } else if (const char* id = AttributeOf(node, "id")) {
        name = " #" + ImportedText(id);
    } else if (const char* cls = AttributeOf(node, "class")) {
        name = " ." + ImportedText(cls);
    }
    std::string captions;
    for (std::size_t i = 0; i < tree.Children.size() && i < 3; ++i) {
        captions += (i == 0 ? ": " : ", ") + tree.Children[i].Caption;
    }
    captions += tree.Children.size() > 3 ? ", ..." : "";
    const TUiText count =
        links == 1 ? ImportText(TARVEX_TRANSLATE_NOOP("Import", "1 link%1"), {TUiText::Verbatim(captions)})
                   : ImportText(TARVEX_TRANSLATE_NOOP("Import", "%1 links%2"),
                                {TUiText::Verbatim(std::to_string(links)), TUiText::Verbatim(captions)});
    return ImportText(IsNav(node) ? TARVEX_TRANSLATE_NOOP("Import", "Navigation%1 (%2)")
                                  : TARVEX_TRANSLATE_NOOP("Import", "List%1 (%2)"),
                      {TUiText::Verbatim(name), count});
}

} // namespace

TImportChoices FindPageNavigations(std::string_view bytes, std::string_view pageName) {
    const THtmlDocument document(bytes, ImportText(TARVEX_TRANSLATE_NOOP("Import", "The page")));
    if (!document.Error().Empty()) {
        return {{}, document.Error()};
    }
    const GumboNode* titleNode = FindFirst(document.Root(), GUMBO_TAG_TITLE);
    std::string fallbackCaption = titleNode ? TextOf(titleNode) : std::string();
    if (fallbackCaption.empty()) {
        fallbackCaption = ImportedText(pageName);
    }
    if (fallbackCaption.empty()) {
        fallbackCaption = "Navigation";
    }

    std::vector<const GumboNode*> navs;
    std::vector<const GumboNode*> lists;
    WalkDepthFirst(document.Root(), GumboChildAt, [&](const GumboNode& node) {
        if (IsNav(&node)) {
            navs.push_back(&node);
        } else if (IsList(&node) && !IsInside(&node, &IsNav) && !IsInside(&node, &IsList)) {
            lists.push_back(&node);
        }
    });

    TImportChoices result;
    for (const bool fromNav : {true, false}) {
        for (const GumboNode* node : fromNav ? navs : lists) {
            if (result.Choices.size() >= ChoiceLimit) {
                break;
            }
            TImportEntry root;
            root.IsGroup = true;
            const char* label = AttributeOf(node, "aria-label");
            root.Caption = label ? ImportedText(label) : std::string();
            if (root.Caption.empty()) {
                root.Caption = fallbackCaption;
            }
            TNavigationReader reader;
            if (!reader.Read(node, root)) {
                return {{},
                        ImportText(TARVEX_TRANSLATE_NOOP(
                                       "Import", "The page's navigation nests deeper than %1 levels."),
                                   {TUiText::Verbatim(std::to_string(ImportGroupDepthLimit))})};
            }
            if (root.Children.empty() || (!fromNav && reader.Links() < ListChoiceMinimumLinks)) {
                continue;
            }
            TUiText description = Describe(node, root, reader.Links());
            result.Choices.push_back({std::move(description), std::move(root)});
        }
    }
    if (result.Choices.empty()) {
        result.Error = ImportText(TARVEX_TRANSLATE_NOOP(
            "Import", "The page has no navigation: no nav element and no list of links."));
    }
    return result;
}

std::optional<std::string> ReadPageTitle(std::string_view bytes) {
    // Only the head matters; cutting after the title keeps large pages cheap.
    const std::string lower = AsciiLower(bytes.substr(0, std::min<std::size_t>(bytes.size(), 1u << 20)));
    const std::size_t end = lower.find("</title");
    if (end == std::string::npos) {
        return std::nullopt;
    }
    const THtmlDocument document(bytes.substr(0, end),
                                 ImportText(TARVEX_TRANSLATE_NOOP("Import", "The page")));
    const GumboNode* title = document.Error().Empty() ? FindFirst(document.Root(), GUMBO_TAG_TITLE) : nullptr;
    std::string text = title ? TextOf(title) : std::string();
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

} // namespace tarvex
