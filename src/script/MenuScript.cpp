#include "MenuScript.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

namespace {

using TLevel = std::vector<std::unique_ptr<TTreeNode>>;

constexpr std::string_view MainMenuOptionsText = "Main menu options";

// The header the engine expects before any style: a comment naming the maker, then its timing globals.
void AppendHeader(std::vector<std::string>& lines) {
    lines.emplace_back("/*");
    lines.emplace_back(" Korvane DHTML Menu Version 1.2");
    lines.emplace_back(" Copyright (c) Korvane. All rights reserved.");
    lines.emplace_back(" Created with Tarvex");
    lines.emplace_back(" " + std::string(KorvaneWebAddress));
    lines.emplace_back("*/");
    lines.emplace_back("timegap=100;");
    lines.emplace_back("followspeed=3;");
    lines.emplace_back("followrate=30;");
    lines.emplace_back("suboffset_top=0;");
    lines.emplace_back("suboffset_left=2;");
    lines.emplace_back("");
}

// A value between double quotes. A quote or backslash written verbatim would end the string early
// and make the whole script unparsable, and a line break is not allowed inside a string literal;
// everything else goes out byte for byte. `spaces`, when given, stands in for every space.
void AppendEscaped(std::string& out, std::string_view value, std::optional<std::string_view> spaces = {}) {
    const bool replaceSpaces = spaces.has_value();
    std::size_t start = 0;
    while (true) {
        // A plain loop: this runs over every text of the design, and the set is tiny.
        std::size_t at = start;
        while (at < value.size()) {
            const char c = value[at];
            if (c == '"' || c == '\\' || c == '\r' || c == '\n' || (c == ' ' && replaceSpaces)) {
                break;
            }
            ++at;
        }
        out.append(value.substr(start, at - start));
        if (at == value.size()) {
            return;
        }
        switch (value[at]) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += *spaces;
        }
        start = at + 1;
    }
}

std::string Quoted(std::string_view value, std::string_view after = ",") {
    std::string line;
    line.reserve(value.size() + 2 + after.size());
    line += '"';
    AppendEscaped(line, value);
    line += '"';
    line += after;
    return line;
}

// Zero means "leave it to the engine" for these positions, written as an empty entry.
std::string NumberOrEmpty(int32_t value) {
    return value == 0 ? std::string(",") : std::to_string(value) + ",";
}

void AppendStyle(std::vector<std::string>& lines, const TTreeNode& node) {
    const TMenuStyleRec& s = node.Style();
    // The comment ends at a line break; one inside a name would turn the rest of the name into code.
    std::string comment = "//";
    for (const char c : node.Text()) {
        comment += (c == '\r' || c == '\n') ? ' ' : c;
    }
    lines.push_back(std::move(comment));
    lines.push_back(StyleVariableName(node.Text()) + "=[");
    lines.push_back(Quoted(s.MouseOffFont));
    lines.push_back(Quoted(s.MouseOffBackground));
    lines.push_back(Quoted(s.MouseOnFont));
    lines.push_back(Quoted(s.MouseOnBackground));
    lines.push_back(Quoted(s.MenuBorderColor));
    lines.push_back(NumberOrEmpty(s.FontSize));
    lines.push_back(Quoted(s.FontStyle));
    lines.push_back(Quoted(s.FontWeight));
    lines.push_back(Quoted(s.FontName));
    lines.push_back(NumberOrEmpty(s.MenuItemPadding));
    lines.push_back(Quoted(s.SubMenuImage));
    lines.emplace_back(s.BorderSeparatorbar == "Yes" ? "1," : ",");
    lines.push_back(Quoted(s.HighColor));
    lines.push_back(Quoted(s.LowColor));
    lines.emplace_back(",,");
    lines.push_back(Quoted(s.TopBarImage));
    lines.push_back(Quoted(s.MenuHeaderFontColor));
    lines.push_back(Quoted(s.MenuHeaderBackground));
    lines.emplace_back("]");
    lines.emplace_back("");
}

// The line of one entry, built in one string: there is one per entry of the design.
std::string EntryLine(const TTreeNode& node) {
    const TMenuItemRec& item = node.Item();
    std::string line;
    line.reserve(40 + item.Caption.size() + node.Text().size() + item.Address.size() + item.Target.size() +
                 item.Hint.size());
    line += ",\"";
    AppendEscaped(line, item.Caption, "&nbsp;");
    line += "\",\"";
    if (node.HasChildren()) {
        line += "show-menu=";
        AppendEscaped(line, node.Text(), "");
        line += "\",\"";
    }
    AppendEscaped(line, item.Address);
    if (!item.Target.empty()) {
        line += " target=";
        AppendEscaped(line, item.Target);
    }
    if (node.HasChildren()) {
        line += "\",\"";
        AppendEscaped(line, item.Hint);
        line += "\",1";
    } else {
        line += "\",,,1";
    }
    return line;
}

// Builds the lines in one pass and applies the two repairs on the way.
class TScriptBuilder {
public:
    TScriptBuilder(TProject& project, TMenuScript& script) : m_project(project), m_script(script) {}

    // One menu per level that has entries: the main menu first, then every group's submenu in
    // depth-first pre-order, each followed at once by the submenus of the groups inside it. The
    // walk keeps its own stack because a file decides how deep groups nest.
    void WriteMenus() {
        WriteMenu(nullptr);
        struct TFrame {
            const TLevel* level;
            std::size_t next;
        };
        std::vector<TFrame> stack{{&m_project.Objects.Level(nullptr), 0}};
        while (!stack.empty()) {
            TFrame& frame = stack.back();
            if (frame.next >= frame.level->size()) {
                stack.pop_back();
                continue;
            }
            TTreeNode* node = (*frame.level)[frame.next++].get();
            if (node->IsOptions() || !node->HasChildren()) {
                continue;
            }
            WriteMenu(node);
            stack.push_back({&node->Children(), 0});
        }
    }

private:
    // The menu of the level below `group` (nullptr: the root level).
    //
    // A level's entries are all its nodes other than Menu Options nodes, and its options are the
    // first Menu Options node wherever it stands. For a level shaped as the editor keeps it (options
    // first) this is exactly "the nodes after the options node"; for a level whose options node is
    // not first, or that has several, no options record is ever read as an entry. A level without
    // entries (an empty tree, a group holding only its options) gets no addmenu call.
    void WriteMenu(TTreeNode* group) {
        const TLevel& level = m_project.Objects.Level(group);
        bool hasEntries = false;
        for (const auto& node : level) {
            if (!node->IsOptions()) {
                hasEntries = true;
                break;
            }
        }
        if (!hasEntries) {
            return;
        }

        TTreeNode* optionsNode = FindMenuOptionsNodeOfLevel(m_project.Objects, group);
        if (!optionsNode) {
            // Main-menu defaults on every level: a repair, not a placement.
            TMenuOptionsRec defaults;
            FillDefaultMenuOptions(m_project, defaults, nullptr);
            optionsNode =
                m_project.Objects.Insert(group, 0, TNodeKind::MenuOptions, std::string(MenuOptionsText));
            optionsNode->Options() = defaults;
        }
        TMenuOptionsRec& options = optionsNode->Options();

        if (!StyleExists(m_project, options.MenuStyle)) {
            m_script.Warnings.push_back("Menu style in \"" +
                                        (group ? group->Text() : std::string(MainMenuOptionsText)) +
                                        "\" object not found. Used first found menu style");
            // Stored, so the design itself names a real style and the next run does not warn again.
            options.MenuStyle = m_project.Styles.FirstRoot()->Text();
        }

        auto& lines = m_script.Lines;
        lines.push_back("addmenu(menu=[" + Quoted(MenuName(group)));
        lines.push_back(std::to_string(options.MenuTop) + ",");
        // Submenus have always gone out one pixel right of their stored place, and published pages
        // are laid out for that. Summed in 64 bits so the largest stored value cannot overflow.
        lines.push_back(std::to_string(int64_t{options.MenuLeft} + (group ? 1 : 0)) + ",");
        lines.push_back(NumberOrEmpty(options.MenuWidth));
        lines.push_back(std::to_string(options.MenuBorder) + ",");
        lines.push_back(Quoted(options.ScreenPosition));
        lines.push_back(StyleVariableName(options.MenuStyle) + ",");
        lines.emplace_back(group ? "0," : "1,");
        lines.push_back(Quoted(options.TextAlignment));
        lines.emplace_back(",,");
        lines.emplace_back(options.Orientation == "Horizontal" ? "1," : "0,");
        lines.emplace_back(",");
        lines.push_back(options.ImagePosition.str() + ",");
        lines.emplace_back(",,");
        lines.emplace_back(options.MenuOpening == "on mouse click" ? "1," : "0,");
        lines.emplace_back(",,,,");
        for (const auto& node : level) {
            if (!node->IsOptions()) {
                lines.push_back(EntryLine(*node));
            }
        }
        lines.emplace_back("])");
    }

    TProject& m_project;
    TMenuScript& m_script;
};

} // namespace

std::string StyleVariableName(std::string_view styleName) {
    std::string name;
    name.reserve(styleName.size());
    for (const char c : styleName) {
        // A line break cannot be part of a name either, and would split the line that declares it.
        if (c != ' ' && c != '\r' && c != '\n') {
            name += c;
        }
    }
    return name;
}

std::string MenuName(const TTreeNode* group) {
    if (!group) {
        return "mainmenu";
    }
    std::string name;
    for (const char c : group->Text()) {
        if (c != ' ') {
            name += c;
        }
    }
    return name;
}

TMenuScript GenerateMenuScript(TProject& project) {
    TMenuScript script;
    if (project.Styles.Empty()) {
        script.Refused = true;
        return script;
    }
    AppendHeader(script.Lines);
    for (const auto& style : project.Styles.Roots()) {
        AppendStyle(script.Lines, *style);
    }
    TScriptBuilder(project, script).WriteMenus();
    script.Lines.emplace_back("");
    script.Lines.emplace_back("dumpmenus()");
    return script;
}

TWriteStatus WriteMenuScript(const TMenuScript& script, const std::filesystem::path& path) {
    return WriteFileAtomically(path, JoinLinesCrLf(script.Lines));
}

} // namespace tarvex
