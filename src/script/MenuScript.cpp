#include "MenuScript.h"

#include "MenuLevels.h"
#include "MenuScriptExtras.h"
#include "ScriptLiteral.h"
#include "ScriptNames.h"
#include "base/RecordText.h"
#include "model/RecordFields.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tarvex {

namespace {

constexpr const char* MainMenuOptionsText = TARVEX_TRANSLATE_NOOP("Script", "Main menu options");

TUiText Verbatim(std::string_view text) {
    return TUiText::Verbatim(text);
}

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

// Zero means "leave it to the engine" for these positions, written as an empty entry.
std::string NumberOrEmpty(int32_t value) {
    return value == 0 ? std::string(",") : std::to_string(value) + ",";
}

void AppendStyle(TMenuScript& script, const TTreeNode& node) {
    auto& lines = script.Lines;
    const TMenuStyleRec& s = node.Style();
    lines.push_back(CommentLine(node.Text()));
    const std::string variable = StyleVariableName(node.Text());
    if (variable.starts_with(DerivedStyleNamePrefix)) {
        script.Warnings.push_back(
            {TScriptWarningKind::RenamedStyleVariable,
             TUiText(
                 "Script",
                 TARVEX_TRANSLATE_NOOP(
                     "Script", "Style name \"%1\" can not be used as a script variable; menu.js calls it %2"),
                 {Verbatim(node.Text()), Verbatim(variable)}),
             &node});
    }
    lines.push_back(variable + "=[");
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

// The line of one entry, built in one string: there is one per entry of the design. `menuName`
// is the unique name of a group's submenu.
std::string EntryLine(const TTreeNode& node, std::string_view menuName, TIconFiles& icons) {
    const TMenuItemRec& item = node.Item();
    std::string line;
    line.reserve(40 + item.Caption.size() + node.Text().size() + item.Address.size() + item.Target.size() +
                 item.Hint.size());
    line += ",\"";
    AppendEscaped(line, item.Caption, "&nbsp;");
    line += "\",\"";
    if (node.HasChildren()) {
        line += "show-menu=";
        AppendEscaped(line, menuName);
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
        line += "\",";
    } else {
        line += "\",,,";
    }
    return line + EntryExtrasPosition(item, icons);
}

// Builds the lines in one pass over a design it only reads.
class TScriptBuilder {
public:
    TScriptBuilder(const TProject& project, TMenuScript& script, const std::filesystem::path& iconFolder)
        : m_project(project), m_script(script), m_icons(iconFolder) {}

    // One menu per level that has entries: the main menu first, then every group's submenu in
    // depth-first pre-order, each followed at once by the submenus of the groups inside it.
    void WriteMenus() {
        AssignMenuNames();
        ForEachMenu(m_project.Objects, [this](const TTreeNode* group) { WriteMenu(group); });
    }

private:
    // Every group in depth-first pre-order, the order of the menus in the file.
    template <class TVisit> void ForEachGroup(TVisit visit) {
        m_project.Objects.Walk(
            [&](const TTreeNode& node) {
                if (!node.IsOptions() && node.HasChildren()) {
                    visit(&node);
                }
            },
            [](const TTreeNode&) {});
    }

    // Two menus of one name open each other's submenus, so a later menu whose name is taken gets
    // a new one; the suffix skips every name the design itself uses, so no other menu moves.
    void AssignMenuNames() {
        std::unordered_set<std::string> natural{MenuName(nullptr)};
        ForEachGroup([&](const TTreeNode* group) { natural.insert(MenuName(group)); });
        std::unordered_set<std::string> taken{MenuName(nullptr)};
        std::unordered_map<std::string, int> nextSuffix;
        ForEachGroup([&](const TTreeNode* group) {
            std::string name = MenuName(group);
            if (taken.contains(name)) {
                int& suffix = nextSuffix.try_emplace(name, 2).first->second;
                std::string unique;
                do {
                    unique = name + "_" + std::to_string(suffix++);
                } while (taken.contains(unique) || natural.contains(unique));
                m_script.Warnings.push_back(
                    {TScriptWarningKind::RenamedMenu,
                     TUiText("Script",
                             TARVEX_TRANSLATE_NOOP("Script", "Menu name \"%1\" of \"%2\" object is already "
                                                             "used; menu.js names this menu \"%3\""),
                             {Verbatim(name), Verbatim(group->Text()), Verbatim(unique)}),
                     group});
                name = std::move(unique);
            }
            taken.insert(name);
            m_menuNames.emplace(group, std::move(name));
        });
    }

    // The image position goes out without quotes, so only the engine's own keywords may.
    std::string ImagePositionLine(const TMenuOptionsRec& options, const TUiText& objectName,
                                  const TTreeNode* place) {
        std::string word;
        for (const char c : options.ImagePosition.str()) {
            if (c != ' ') {
                word += AsciiLower(c);
            }
        }
        if (word == "left" || word == "right" || word == "center") {
            return word + ",";
        }
        if (!word.empty()) {
            m_script.Warnings.push_back(
                {TScriptWarningKind::DroppedImagePosition,
                 TUiText(
                     "Script",
                     TARVEX_TRANSLATE_NOOP(
                         "Script",
                         "Image position \"%1\" in \"%2\" object is not left, right or center; none is used"),
                     {Verbatim(options.ImagePosition.str()), objectName}),
                 place});
        }
        return ",";
    }

    // Written as typed, since an author may mean it, but a site's owner should know.
    void CheckAddress(const TTreeNode& node) {
        std::string scheme;
        for (const char c : node.Item().Address.str()) {
            // Browsers skip leading blanks and controls and drop tabs and line breaks anywhere.
            if (static_cast<unsigned char>(c) <= ' ' &&
                (scheme.empty() || c == '\t' || c == '\r' || c == '\n')) {
                continue;
            }
            scheme += AsciiLower(c);
            if (scheme.size() == 11) {
                break;
            }
        }
        if (scheme == "javascript:") {
            m_script.Warnings.push_back(
                {TScriptWarningKind::ScriptAddress,
                 TUiText(
                     "Script",
                     TARVEX_TRANSLATE_NOOP(
                         "Script",
                         "Address of \"%1\" object is a javascript: address; it runs script on your pages"),
                     {Verbatim(node.Text())}),
                 &node});
        }
    }

    // Positions 17 to 20: the main menu's own words, the style for a dark colour scheme and the
    // small screen look, each written only when set, so a design that sets none keeps its bytes.
    std::string LaterOptionsLine(const TMenuOptionsRec& options, bool mainMenu) const {
        const auto changed = [&options](std::string_view tag) {
            const TRecordField<TMenuOptionsRec>& field = OptionsField(tag);
            const std::string_view value = field.GetText(options);
            return !IsBlank(value) && value != field.TextDefault;
        };
        std::string line;
        line += mainMenu && changed("MenuButtonCaption") ? Quoted(options.MenuButtonCaption) : ",";
        line += mainMenu && changed("NavigationName") ? Quoted(options.NavigationName) : ",";
        const bool dark = !options.DarkStyle.empty() && StyleExists(m_project, options.DarkStyle);
        line += dark ? StyleVariableName(options.DarkStyle) + "," : ",";
        return line + SmallScreenLookPosition(options);
    }

    // The engine draws such an entry as a row of normal height, but nobody can tell what it is.
    void CheckCaption(const TTreeNode& node, const TUiText& objectName) {
        if (IsBlank(node.Item().Caption.view())) {
            m_script.Warnings.push_back(
                {TScriptWarningKind::EmptyCaption,
                 TUiText(
                     "Script",
                     TARVEX_TRANSLATE_NOOP(
                         "Script", "An entry of \"%1\" object has no caption; it is drawn as an empty row"),
                     {objectName}),
                 &node});
        }
    }

    // The menu of the level below `group` (nullptr: the root level), which has entries.
    //
    // A level's entries are all its nodes other than Menu Options nodes, and its options are the
    // first Menu Options node wherever it stands. For a level shaped as the editor keeps it (options
    // first) this is exactly "the nodes after the options node"; for a level whose options node is
    // not first, or that has several, no options record is ever read as an entry.
    void WriteMenu(const TTreeNode* group) {
        const TNodeLevel<const TTreeNode> level = m_project.Objects.Level(group);
        // A level without options takes the main menu's defaults, and a missing style the first
        // style: both only for this script, the design stays as it is.
        const TTreeNode* optionsNode = FindMenuOptionsNodeOfLevel(m_project.Objects, group);
        TMenuOptionsRec defaults;
        if (!optionsNode) {
            FillDefaultMenuOptions(m_project, defaults, nullptr);
        }
        const TMenuOptionsRec& options = optionsNode ? optionsNode->Options() : defaults;
        const TUiText objectName = MenuObjectText(group);
        std::string_view styleName = options.MenuStyle;
        if (!StyleExists(m_project, styleName)) {
            m_script.Warnings.push_back({TScriptWarningKind::MissingStyle, MissingStyleWarning(objectName),
                                         optionsNode ? optionsNode : group});
            styleName = m_project.Styles.FirstRoot()->Text();
        }

        auto& lines = m_script.Lines;
        lines.push_back("addmenu(menu=[" + Quoted(group ? m_menuNames.at(group) : MenuName(nullptr)));
        lines.push_back(std::to_string(options.MenuTop) + ",");
        // Submenus have always gone out one pixel right of their stored place, and published pages
        // are laid out for that. Summed in 64 bits so the largest stored value cannot overflow.
        lines.push_back(std::to_string(int64_t{options.MenuLeft} + (group ? 1 : 0)) + ",");
        lines.push_back(NumberOrEmpty(options.MenuWidth));
        lines.push_back(std::to_string(options.MenuBorder) + ",");
        lines.push_back(Quoted(options.ScreenPosition));
        lines.push_back(StyleVariableName(styleName) + ",");
        lines.emplace_back(group ? "0," : "1,");
        lines.push_back(Quoted(options.TextAlignment));
        lines.push_back(PanelPositions(options));
        lines.emplace_back(options.Orientation == "Horizontal" ? "1," : "0,");
        lines.push_back(WhenNoRoomPosition(options));
        lines.push_back(ImagePositionLine(options, objectName, optionsNode ? optionsNode : group));
        lines.push_back(MoreAndWidthPositions(options));
        lines.emplace_back(options.MenuOpening == "on mouse click" ? "1," : "0,");
        lines.push_back(LaterOptionsLine(options, group == nullptr));
        for (const TTreeNode& node : level) {
            if (!node.IsOptions()) {
                CheckAddress(node);
                CheckCaption(node, objectName);
                const auto name = m_menuNames.find(&node);
                lines.push_back(
                    EntryLine(node, name == m_menuNames.end() ? std::string_view() : name->second, m_icons));
            }
        }
        lines.emplace_back("])");
    }

    const TProject& m_project;
    TMenuScript& m_script;
    TIconFiles m_icons;
    std::unordered_map<const TTreeNode*, std::string> m_menuNames;
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
    if (IsSafeGlobalName(name)) {
        return name;
    }
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string derived(DerivedStyleNamePrefix);
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$') {
            derived += c;
        } else if (c == '_') {
            derived += "__";
        } else {
            derived += '_';
            derived += hex[byte >> 4];
            derived += hex[byte & 0xF];
        }
    }
    return derived;
}

TUiText MenuObjectText(const TTreeNode* group) {
    return group ? Verbatim(group->Text()) : TUiText("Script", MainMenuOptionsText);
}

TUiText MissingStyleWarning(const TUiText& objectName) {
    return TUiText(
        "Script",
        TARVEX_TRANSLATE_NOOP("Script", "Menu style in \"%1\" object not found. Used first found menu style"),
        {objectName});
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

TMenuScript GenerateMenuScript(const TProject& project, const std::filesystem::path& iconFolder) {
    TMenuScript script;
    if (project.Styles.Empty()) {
        script.Refused = true;
        return script;
    }
    AppendHeader(script.Lines);
    for (const TTreeNode& style : project.Styles.Roots()) {
        AppendStyle(script, style);
    }
    TScriptBuilder(project, script, iconFolder).WriteMenus();
    script.Lines.emplace_back("");
    script.Lines.emplace_back("dumpmenus()");
    return script;
}

TWriteStatus WriteMenuScript(const TMenuScript& script, const std::filesystem::path& path) {
    return WriteFileAtomically(path, JoinLinesCrLf(script.Lines));
}

} // namespace tarvex
