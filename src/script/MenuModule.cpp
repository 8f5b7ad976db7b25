#include "MenuModule.h"

#include "MenuHtml.h"
#include "base/RecordText.h"

#include <cctype>
#include <unordered_set>

namespace tarvex {

namespace {

constexpr std::string_view Eol = "\r\n";
// What menu.js assigns besides its styles; the classic engine leaves them to the page.
constexpr std::string_view ScriptSettings =
    "timegap, followspeed, followrate, suboffset_top, suboffset_left, menu";

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const TTreeNode* MainMenuStyle(const TProject& project) {
    const TTreeNode* options = FindMenuOptionsNodeOfLevel(project.Objects, nullptr);
    if (options) {
        for (const TTreeNode& style : project.Styles.Roots()) {
            if (style.Text() == options->Options().MenuStyle.view()) {
                return &style;
            }
        }
    }
    return project.Styles.FirstRoot();
}

// A colour as the engine reads it: six or three hex digits get their "#", anything else is left
// out, so no text of the author's reaches the style sheet's syntax.
std::string CssColour(std::string_view value) {
    const std::string trimmed(TrimSpaces(value));
    if (trimmed.size() != 6 && trimmed.size() != 3) {
        return {};
    }
    for (const char c : trimmed) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return {};
        }
    }
    return "#" + trimmed;
}

// Font names keep letters, digits, spaces, commas and hyphens; a name with anything else is left
// out whole rather than cut into another font's name.
std::string CssFontFamily(std::string_view value) {
    const std::string trimmed(TrimSpaces(value));
    for (const char c : trimmed) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != ',' && c != '-') {
            return {};
        }
    }
    return trimmed;
}

// The rules for what only some designs have, so that a design without them keeps its bytes: a
// panel's columns side by side, every level of them shown, and icons on the text's baseline.
std::string PartialRules(const TProject& project, const std::string& list) {
    bool panel = false;
    bool icon = false;
    project.Objects.Walk(
        [&](const TTreeNode& node) {
            if (node.IsGroup() || node.IsItem()) {
                panel = panel || (node.IsGroup() && IsPanelMenu(project, &node));
                icon = icon || !IsBlank(node.Item().Icon.view());
            }
            return node.IsGroup();
        },
        [](const TTreeNode&) {});
    std::string rules;
    const std::string panelList = list + " ul." + std::string(MenuPanelClass);
    // A panel hangs from the bar's left edge, as wide as its columns and at most the bar, whose
    // width it wraps its columns to. Vertically it keeps its place under its own entry: on a bar
    // wrapped onto rows, hanging under the whole bar would make the pointer cross the rows below,
    // whose entries take the hover and close it.
    const std::string panelRules[] = {
        list + " > ul { position: relative; }",
        list + " li:has(> ul." + std::string(MenuPanelClass) + ") { position: static; }",
        panelList + " { flex-direction: row; align-items: flex-start; gap: 0 1em; box-sizing: border-box; "
                    "top: auto; width: max-content; max-width: 100%; padding: 0.25em; }",
        panelList + " > li > a, " + panelList + " > li > span { font-weight: bold; }",
        panelList + " ul { display: flex; position: static; min-width: 0; }",
        panelList + " ul ul { padding-left: 1em; }",
    };
    for (const std::string& rule : panelRules) {
        if (panel) {
            rules += rule;
            rules += Eol;
        }
    }
    if (icon) {
        rules += list + " svg { vertical-align: -0.125em; }";
        rules += Eol;
    }
    return rules;
}

void AppendProperty(std::string& css, std::string_view name, const std::string& value) {
    if (!value.empty()) {
        css += "  --tvx-" + std::string(name) + ": " + value + ";" + std::string(Eol);
    }
}

} // namespace

std::string MenuModuleText(std::string_view engine, const TProject& project, const TMenuScript& script) {
    std::string text = "/* Tarvex menu: the menu engine and this design's menus in one module. */";
    text += Eol;
    text += "(function (addmenu, dumpmenus) {";
    text += Eol;
    text += "'use strict';";
    text += Eol;
    std::string declared(ScriptSettings);
    std::unordered_set<std::string> seen;
    for (const TTreeNode& style : project.Styles.Roots()) {
        std::string name = StyleVariableName(style.Text());
        if (seen.insert(name).second) {
            declared += ", " + name;
        }
    }
    text += "let " + declared + ";" + std::string(Eol);
    text += "const left = 'left', right = 'right', center = 'center';";
    text += Eol;
    for (const std::string& line : script.Lines) {
        // The engine reads the pause from its caller here, not from a global.
        text += line == "dumpmenus()" ? "dumpmenus({ timegap: timegap });" : line;
        text += Eol;
    }
    text += "}).apply(null, (function () {";
    text += Eol;
    text += "const engine = {};";
    text += Eol;
    text += "(function () {";
    text += Eol;
    text += engine;
    if (!engine.empty() && engine.back() != '\n') {
        text += Eol;
    }
    text += "}).call(engine);";
    text += Eol;
    text += "return [engine.addmenu, engine.dumpmenus];";
    text += Eol;
    text += "})());";
    text += Eol;
    return text;
}

std::string MenuModuleStyleSheet(const TProject& project) {
    std::string css = "/* Tarvex menu: the design's main menu style as the engine's custom properties (see";
    css += " webmenu.htm), for the plain list before the menu is drawn. To change the drawn menu, set";
    css += " them in a rule of your own for .tvx-m (every menu) or .tvx-root (the bar). */";
    css += Eol;
    css += "#tarvex-menu {";
    css += Eol;
    if (const TTreeNode* node = MainMenuStyle(project)) {
        const TMenuStyleRec& style = node->Style();
        AppendProperty(css, "fg", CssColour(style.MouseOffFont.view()));
        AppendProperty(css, "bg", CssColour(style.MouseOffBackground.view()));
        AppendProperty(css, "ofg", CssColour(style.MouseOnFont.view()));
        AppendProperty(css, "obg", CssColour(style.MouseOnBackground.view()));
        AppendProperty(css, "bc", CssColour(style.MenuBorderColor.view()));
        if (style.FontSize > 0 && style.FontSize < 1000) {
            AppendProperty(css, "font-size", std::to_string(style.FontSize) + "px");
        }
        AppendProperty(css, "font-family", CssFontFamily(style.FontName.view()));
        if (style.MenuItemPadding >= 0 && style.MenuItemPadding < 1000) {
            AppendProperty(css, "pad", std::to_string(style.MenuItemPadding) + "px");
        }
    }
    css += "}";
    css += Eol;
    // The list stands as a bar of the menu's size until the engine replaces it; without script
    // its groups open on hover and focus, and every link is a target of at least 24 x 24 px.
    const std::string list = "#tarvex-menu nav." + std::string(MenuLinksClass);
    for (const std::string& rule : {
             list + " ul { display: flex; flex-wrap: wrap; margin: 0; padding: 0; list-style: none; "
                    "background: var(--tvx-bg, #fff); }",
             list + " li { position: relative; }",
             list + " li ul { display: none; position: absolute; z-index: 1; top: 100%; left: 0; "
                    "flex-direction: column; min-width: 12em; }",
             list + " li ul ul { top: 0; left: 100%; }",
             list + " li:hover > ul, " + list + " li:focus-within > ul { display: flex; }",
             list + " a, " + list +
                 " span { display: block; box-sizing: border-box; min-width: 24px; "
                 "min-height: 24px; padding: var(--tvx-pad, 4px); color: var(--tvx-fg, #000); "
                 "font-size: var(--tvx-font-size, 14px); font-family: var(--tvx-font-family, sans-serif); "
                 "line-height: 1.25; text-decoration: none; white-space: nowrap; }",
             list + " small { display: block; font-size: 0.85em; }",
             list + " a:hover, " + list +
                 " a:focus { color: var(--tvx-ofg, #fff); "
                 "background: var(--tvx-obg, #333); }",
         }) {
        css += rule;
        css += Eol;
    }
    return css + PartialRules(project, list);
}

} // namespace tarvex
