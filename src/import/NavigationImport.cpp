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
    std::vector<const GumboNode*> pending;
    const std::vector<const GumboNode*> children = ElementChildren(li);
    pending.assign(children.rbegin(), children.rend());
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (IsElement(node, GUMBO_TAG_A)) {
            return node;
        }
        if (IsList(node) || IsElement(node, GUMBO_TAG_LI) || IsSkipped(node)) {
            continue;
        }
        const std::vector<const GumboNode*> inner = ElementChildren(node);
        pending.insert(pending.end(), inner.rbegin(), inner.rend());
    }
    return nullptr;
}

// The item's own words when it has no link (a heading over its submenu): its text outside lists.
std::string ItemText(const GumboNode* li) {
    std::string text;
    std::vector<const GumboNode*> pending{li};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_TEXT) {
            text += node->v.text.text;
            text += ' ';
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT || (node != li && (IsList(node) || IsSkipped(node)))) {
            continue;
        }
        const GumboVector& list = node->v.element.children;
        for (unsigned i = list.length; i-- > 0;) {
            pending.push_back(static_cast<const GumboNode*>(list.data[i]));
        }
    }
    return ImportedText(text);
}

struct TLevel {
    const GumboNode* Container;
    // The link that already gave the level's group its caption.
    const GumboNode* Skip;
    TImportEntry* Group;
    int Depth;
};

class TNavigationReader {
public:
    // False when the navigation nests deeper than a menu may.
    bool Read(const GumboNode* container, TImportEntry& root) {
        std::vector<TLevel> pending{{container, nullptr, &root, 1}};
        while (!pending.empty()) {
            const TLevel level = pending.back();
            pending.pop_back();
            std::vector<std::pair<std::size_t, TLevel>> sublevels;
            ReadLevel(level, sublevels);
            for (auto& [index, sublevel] : sublevels) {
                if (sublevel.Depth > ImportGroupDepthLimit) {
                    return false;
                }
                sublevel.Group = &level.Group->Children[index];
                pending.push_back(sublevel);
            }
        }
        Prune(root);
        return true;
    }

    std::size_t Links() const { return m_links; }

private:
    void ReadLevel(const TLevel& level, std::vector<std::pair<std::size_t, TLevel>>& sublevels) {
        std::vector<const GumboNode*> pending;
        const auto pushChildren = [&pending](const GumboNode* node) {
            const std::vector<const GumboNode*> children = ElementChildren(node);
            pending.insert(pending.end(), children.rbegin(), children.rend());
        };
        pushChildren(level.Container);
        while (!pending.empty()) {
            const GumboNode* node = pending.back();
            pending.pop_back();
            if (node == level.Skip || IsSkipped(node)) {
                continue;
            }
            if (IsElement(node, GUMBO_TAG_LI)) {
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
                sublevels.push_back(
                    {level.Group->Children.size() - 1, {node, anchor, nullptr, level.Depth + 1}});
                continue;
            }
            if (IsElement(node, GUMBO_TAG_A)) {
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
                continue;
            }
            pushChildren(node);
        }
    }

    // Entries with children become groups; entries without caption, link or children go.
    static void Prune(TImportEntry& root) {
        std::vector<std::pair<TImportEntry*, bool>> pending{{&root, false}};
        while (!pending.empty()) {
            auto [entry, visited] = pending.back();
            pending.pop_back();
            if (!visited) {
                pending.push_back({entry, true});
                for (TImportEntry& child : entry->Children) {
                    pending.push_back({&child, false});
                }
                continue;
            }
            std::erase_if(entry->Children, [](const TImportEntry& child) {
                return child.Caption.empty() || (child.Children.empty() && child.Address.empty());
            });
            if (!entry->Children.empty()) {
                entry->IsGroup = true;
            }
        }
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

std::string Describe(const GumboNode* node, const TImportEntry& tree, std::size_t links) {
    std::string description = IsNav(node) ? "Navigation" : "List";
    if (const char* label = AttributeOf(node, "aria-label")) {
        description += " \"" + ImportedText(label) + "\"";
    } else if (const char* id = AttributeOf(node, "id")) {
        description += " #" + ImportedText(id);
    } else if (const char* cls = AttributeOf(node, "class")) {
        description += " ." + ImportedText(cls);
    }
    description += " (" + std::to_string(links) + (links == 1 ? " link" : " links");
    for (std::size_t i = 0; i < tree.Children.size() && i < 3; ++i) {
        description += (i == 0 ? ": " : ", ") + tree.Children[i].Caption;
    }
    return description + (tree.Children.size() > 3 ? ", ...)" : ")");
}

} // namespace

TImportChoices FindPageNavigations(std::string_view bytes, std::string_view pageName) {
    const THtmlDocument document(bytes, "The page");
    if (!document.Error().empty()) {
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
    std::vector<const GumboNode*> pending{document.Root()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (IsNav(node)) {
            navs.push_back(node);
        } else if (IsList(node) && !IsInside(node, &IsNav) && !IsInside(node, &IsList)) {
            lists.push_back(node);
        }
        const std::vector<const GumboNode*> children = ElementChildren(node);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }

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
                        "The page's navigation nests deeper than " + std::to_string(ImportGroupDepthLimit) +
                            " levels."};
            }
            if (root.Children.empty() || (!fromNav && reader.Links() < ListChoiceMinimumLinks)) {
                continue;
            }
            std::string description = Describe(node, root, reader.Links());
            result.Choices.push_back({std::move(description), std::move(root)});
        }
    }
    if (result.Choices.empty()) {
        result.Error = "The page has no navigation: no nav element and no list of links.";
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
    const THtmlDocument document(bytes.substr(0, end), "The page");
    const GumboNode* title = document.Error().empty() ? FindFirst(document.Root(), GUMBO_TAG_TITLE) : nullptr;
    std::string text = title ? TextOf(title) : std::string();
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

} // namespace tarvex
