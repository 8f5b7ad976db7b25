#include "MenuHtml.h"

#include "CaptionText.h"
#include "MenuModule.h"
#include "PageAddress.h"
#include "base/RecordText.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tarvex {

namespace {

constexpr std::string_view Eol = "\r\n";
// Indentation shows the first levels; deeper ones keep this much, so a deep design's page grows
// with its entries, not with their depth times their number.
constexpr std::size_t DeepestIndentation = 16;

// Text and attribute values as ASCII: markup characters and everything beyond ASCII become
// references; characters no HTML text may hold (controls, non-characters) become a space or U+FFFD.
std::string Escaped(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = DecodeUtf8At(utf8, i);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if ((c < 0x20 && c != '\t' && c != '\n') || (c >= 0x7F && c <= 0x9F)) {
            out += ' ';
            continue;
        }
        if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE) {
            c = ReplacementCharacter;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char reference[16];
        std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(c));
        out += reference;
    }
    return out;
}

bool HasAddress(const TMenuItemRec& item) {
    return item.Address.str().find_first_not_of(' ') != std::string::npos;
}

// The page the list is shown on, for marking its own link.
struct TCurrentPage {
    std::string_view Address;
    std::string Key;
};

// The caption, its references decoded so the list reads as the menu does, then the badge and the
// description when the entry has them.
std::string EntryText(const TTreeNode& node) {
    const TMenuItemRec& item = node.Item();
    std::string text = Escaped(DecodeCaptionReferences(node.Text()));
    if (!IsBlank(item.Badge.view())) {
        text += " <b>" + Escaped(item.Badge.str()) + "</b>";
    }
    if (!IsBlank(item.Description.view())) {
        text += "<small>" + Escaped(item.Description.str()) + "</small>";
    }
    return text;
}

// One entry's opening: its link (or, for a group with no page, its caption as text).
std::string EntryStart(const TTreeNode& node, const TCurrentPage& current) {
    const TMenuItemRec& item = node.Item();
    std::string line = "<li>";
    if (!HasAddress(item)) {
        return line + "<span>" + EntryText(node) + "</span>";
    }
    line += "<a href=\"" + Escaped(item.Address.str()) + "\"";
    if (!item.Target.empty()) {
        line += " target=\"" + Escaped(item.Target.str()) + "\"";
    }
    if (!item.Hint.empty()) {
        line += " title=\"" + Escaped(item.Hint.str()) + "\"";
    }
    if (!current.Key.empty() && PageAddressKey(item.Address.view(), current.Address) == current.Key) {
        line += " aria-current=\"page\"";
    }
    return line + ">" + EntryText(node) + "</a>";
}

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

} // namespace

namespace {

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

} // namespace

std::string GenerateMenuHtml(const TProject& project, std::string_view currentPage, TMenuOutput output) {
    const TCurrentPage current{currentPage, PageAddressKey(currentPage, currentPage)};
    std::string html;
    const auto line = [&html](std::size_t depth, std::string_view text) {
        html.append(std::min(depth, DeepestIndentation) * 2, ' ');
        html += text;
        html += Eol;
    };
    html += PageHead();
    line(0, "<body>");
    line(0, "<div id=\"tarvex-menu\">");
    line(0, "<nav class=\"" + std::string(MenuLinksClass) + "\" aria-label=\"Menu\">");
    line(0, "<ul>");

    // Each open entry's list sits two indentation steps deeper than the list that holds it.
    std::size_t openLists = 1;
    project.Objects.Walk(
        [&](const TTreeNode& node) {
            if (!IsEntry(node)) {
                return false;
            }
            const std::size_t depth = openLists * 2 - 1;
            if (node.HasChildren() && HasEntries(node)) {
                line(depth, EntryStart(node, current));
                line(depth + 1, "<ul>");
                ++openLists;
                return true;
            }
            line(depth, EntryStart(node, current) + "</li>");
            return false;
        },
        [&](const TTreeNode&) {
            --openLists;
            line(openLists * 2, "</ul>");
            line(openLists * 2 - 1, "</li>");
        });

    line(0, "</ul>");
    line(0, "</nav>");
    line(0, "</div>");
    if (output == TMenuOutput::Module) {
        line(0, "<script type=\"module\" src=\"" + std::string(ModuleScriptName) + "\"></script>");
    } else {
        line(0, "<script src=\"one.js\"></script>");
        line(0, "<script src=\"menu.js\"></script>");
        line(0, "<script src=\"main.js\"></script>");
    }
    line(0, "</body>");
    line(0, "</html>");
    return html;
}

TWriteStatus WriteMenuHtml(const TProject& project, const std::filesystem::path& path) {
    return WriteFileAtomically(path, GenerateMenuHtml(project));
}

} // namespace tarvex
