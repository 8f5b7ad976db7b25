#include "MenuHtml.h"

#include "CaptionText.h"
#include "HtmlText.h"
#include "MenuIconPaths.h"
#include "MenuModule.h"
#include "PageAddress.h"
#include "SvgIcon.h"
#include "base/RecordText.h"

#include <algorithm>
#include <map>

namespace tarvex {

namespace {

constexpr std::string_view Eol = "\r\n";
// Indentation shows the first levels; deeper ones keep this much, so a deep design's page grows
// with its entries, not with their depth times their number.
constexpr std::size_t DeepestIndentation = 16;

std::string_view TrimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool HasAddress(const TMenuItemRec& item) {
    return item.Address.str().find_first_not_of(' ') != std::string::npos;
}

// The page the list is shown on, for marking its own link.
struct TCurrentPage {
    std::string_view Address;
    std::string Key;
};

bool IsEntry(const TTreeNode& node) {
    return node.IsGroup() || node.IsItem();
}

bool HasEntries(const TTreeNode& node) {
    for (const TTreeNode& child : node.Children()) {
        if (IsEntry(child)) {
            return true;
        }
    }
    return false;
}

bool Opens(const TTreeNode& node) {
    return node.HasChildren() && HasEntries(node);
}

// The page's head: the style sheet that shows the list as a bar before any script runs.
std::string PageHead() {
    std::string head = "<!DOCTYPE html>" + std::string(Eol) + "<html lang=\"en\">" + std::string(Eol) +
                       "<head>" + std::string(Eol) + "<meta charset=\"utf-8\">" + std::string(Eol) +
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">" +
                       std::string(Eol) + "<title>Menu</title>" + std::string(Eol);
    // Linked, never inline, so a page under a strict content security policy shows it.
    head += "<link rel=\"stylesheet\" href=\"" + std::string(ModuleStyleSheetName) + "\">" + std::string(Eol);
    return head + "</head>" + std::string(Eol);
}

// The list of links: nested lists as the design nests its menus, except that a panel's own items
// (those that open nothing) are gathered into one list where the first of them stands, as the
// menu draws them as a column of their own.
class TLinksWriter {
public:
    TLinksWriter(const TProject& project, std::string_view currentPage,
                 const std::filesystem::path& iconFolder, std::string& html)
        : m_project(project), m_current{currentPage, PageAddressKey(currentPage, currentPage)},
          m_iconFolder(iconFolder), m_html(html) {}

    void Write() {
        m_project.Objects.Walk([this](const TTreeNode& node) { return Enter(node); },
                               [this](const TTreeNode&) { Leave(); });
    }

private:
    void Line(std::size_t depth, std::string_view text) {
        m_html.append(std::min(depth, DeepestIndentation) * 2, ' ');
        m_html += text;
        m_html += Eol;
    }

    // Each open entry's list sits two indentation steps deeper than the list that holds it.
    std::size_t Depth() const { return m_openLists * 2 - 1; }

    bool Enter(const TTreeNode& node) {
        if (!IsEntry(node)) {
            return false;
        }
        if (!Opens(node)) {
            if (InPanel(node)) {
                WriteOwnColumn(node);
            } else {
                Line(Depth(), EntryStart(node) + "</li>");
            }
            return false;
        }
        Line(Depth(), EntryStart(node));
        Line(Depth() + 1, IsPanelMenu(m_project, &node) ? "<ul class=\"" + std::string(MenuPanelClass) + "\">"
                                                        : std::string("<ul>"));
        ++m_openLists;
        return true;
    }

    void Leave() {
        --m_openLists;
        Line(m_openLists * 2, "</ul>");
        Line(m_openLists * 2 - 1, "</li>");
    }

    bool InPanel(const TTreeNode& node) {
        if (node.Parent() != m_lastParent) {
            m_lastParent = node.Parent();
            m_lastParentIsPanel = IsPanelMenu(m_project, m_lastParent);
        }
        return m_lastParentIsPanel;
    }

    // At the panel's first own item, all of them as one column; the later ones are then written.
    void WriteOwnColumn(const TTreeNode& node) {
        std::vector<const TTreeNode*> own;
        for (const TTreeNode& sibling : node.Parent()->Children()) {
            if (IsEntry(sibling) && !Opens(sibling)) {
                own.push_back(&sibling);
            }
        }
        if (own.front() != &node) {
            return;
        }
        // Unheaded, so named after the panel for screen readers, as the menu names it.
        const std::string panel = DecodeCaptionReferences(node.Parent()->Text());
        Line(Depth(), "<li>");
        Line(Depth() + 1, "<ul aria-label=\"" + HtmlEscaped(IsBlank(panel) ? "Menu" : panel) + "\">");
        for (const TTreeNode* item : own) {
            Line(Depth() + 2, EntryStart(*item) + "</li>");
        }
        Line(Depth() + 1, "</ul>");
        Line(Depth(), "</li>");
    }

    std::string EntryStart(const TTreeNode& node);
    std::string EntryText(const TTreeNode& node);
    std::string IconMarkup(std::string_view icon);

    const TProject& m_project;
    const TCurrentPage m_current;
    const std::filesystem::path& m_iconFolder;
    std::string& m_html;
    std::map<std::string, std::string, std::less<>> m_iconFiles; // each file's markup, read once
    std::size_t m_openLists = 1;
    const TTreeNode* m_lastParent = nullptr;
    bool m_lastParentIsPanel = false;
};

// One entry's opening: its link (or, for a group with no page, its caption as text).
std::string TLinksWriter::EntryStart(const TTreeNode& node) {
    const TMenuItemRec& item = node.Item();
    std::string line = "<li>";
    if (!HasAddress(item)) {
        return line + "<span>" + EntryText(node) + "</span>";
    }
    line += "<a href=\"" + HtmlEscaped(item.Address.str()) + "\"";
    if (!item.Target.empty()) {
        line += " target=\"" + HtmlEscaped(item.Target.str()) + "\"";
    }
    if (!item.Hint.empty()) {
        line += " title=\"" + HtmlEscaped(item.Hint.str()) + "\"";
    }
    if (!m_current.Key.empty() && PageAddressKey(item.Address.view(), m_current.Address) == m_current.Key) {
        line += " aria-current=\"page\"";
    }
    return line + ">" + EntryText(node) + "</a>";
}

// The icon, the caption with its references decoded so the list reads as the menu does, then the
// badge and the description when the entry has them.
std::string TLinksWriter::EntryText(const TTreeNode& node) {
    const TMenuItemRec& item = node.Item();
    std::string text = IconMarkup(item.Icon.view()) + HtmlEscaped(DecodeCaptionReferences(node.Text()));
    if (!IsBlank(item.Badge.view())) {
        text += " <b>" + HtmlEscaped(item.Badge.str()) + "</b>";
    }
    if (!IsBlank(item.Description.view())) {
        text += "<small>" + HtmlEscaped(item.Description.str()) + "</small>";
    }
    return text;
}

// Decoration in the text's colour, as the menu draws it: a name of the drawn set, or an icon file
// beside the project as the reducer kept it; nothing for a name or file that cannot be drawn.
std::string TLinksWriter::IconMarkup(std::string_view icon) {
    const std::string start = "<svg width=\"1em\" height=\"1em\" aria-hidden=\"true\" focusable=\"false\"";
    if (!IsIconFile(icon)) {
        const std::string_view path = MenuIconPath(AsciiLower(TrimmedSpaces(icon)));
        if (path.empty()) {
            return {};
        }
        return start +
               " viewBox=\"0 0 24 24\" fill=\"none\" stroke=\"currentColor\" stroke-width=\"2\" "
               "stroke-linecap=\"round\" stroke-linejoin=\"round\"><path d=\"" +
               HtmlEscaped(path) + "\"></path></svg> ";
    }
    auto known = m_iconFiles.find(icon);
    if (known == m_iconFiles.end()) {
        const TSvgIcon file = ReadIconFile(m_iconFolder, icon);
        // The reducer leaves the outer element's size to the page: it goes right after "<svg".
        std::string markup = file.Drawn() ? start + file.Markup.substr(4) + " " : std::string();
        known = m_iconFiles.emplace(std::string(icon), std::move(markup)).first;
    }
    return known->second;
}

} // namespace

bool IsPanelMenu(const TProject& project, const TTreeNode* group) {
    if (!group) {
        return false;
    }
    const TTreeNode* options = FindMenuOptionsNodeOfLevel(project.Objects, group);
    return options && AsciiLower(TrimmedSpaces(options->Options().Layout.view())) == "panel";
}

std::string GenerateMenuHtml(const TProject& project, std::string_view currentPage, TMenuOutput output,
                             const std::filesystem::path& iconFolder) {
    std::string html = PageHead();
    const auto line = [&html](std::string_view text) {
        html += text;
        html += Eol;
    };
    line("<body>");
    line("<div id=\"tarvex-menu\">");
    line("<nav class=\"" + std::string(MenuLinksClass) + "\" aria-label=\"Menu\">");
    line("<ul>");
    TLinksWriter(project, currentPage, iconFolder, html).Write();
    line("</ul>");
    line("</nav>");
    line("</div>");
    if (output == TMenuOutput::Module) {
        line("<script type=\"module\" src=\"" + std::string(ModuleScriptName) + "\"></script>");
    } else {
        line("<script src=\"one.js\"></script>");
        line("<script src=\"menu.js\"></script>");
        line("<script src=\"main.js\"></script>");
    }
    line("</body>");
    line("</html>");
    return html;
}

TWriteStatus WriteMenuHtml(const TProject& project, const std::filesystem::path& path,
                           const std::filesystem::path& iconFolder) {
    return WriteFileAtomically(path, GenerateMenuHtml(project, {}, TMenuOutput::Classic, iconFolder));
}

} // namespace tarvex
