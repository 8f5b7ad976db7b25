#pragma once
// The command table: for each of the main window's commands its name, category, captions, hint,
// keys, icon, places in the menus, toolbars and context menus, handler and enabling rule. Menus,
// toolbars, Customize, shortcuts and dispatch read it.

#include "ActionId.h"
#include "TarvexEditor.h"
#include "base/Translatable.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace tarvex {

// Everything that shows commands: the menu bar's menus, the two toolbars (as they are before
// Customize changes them) and the trees' context menus.
enum class TCommandBar {
    FileMenu,
    EditMenu,
    MenuMenu,
    StylesMenu,
    PreviewMenu,
    ToolsMenu,
    HelpMenu,
    FileToolBar,
    CommandsToolBar,
    ObjectsTreePopup,
    StyleListPopup,
};
inline constexpr int CommandBarCount = 11;

// Where a command sits on one bar. Entries show in rising Order; its tens digit is the section,
// and a separator stands between two sections.
struct TCommandPlace {
    TCommandBar Bar;
    int Order;
};

// Every place of one command; a command on no bar is reached through Customize only.
struct TCommandPlaces {
    static constexpr std::size_t Capacity = 4;
    std::array<TCommandPlace, Capacity> Items{};
    std::size_t Count = 0;

    constexpr TCommandPlaces() = default;
    constexpr TCommandPlaces(std::initializer_list<TCommandPlace> places) {
        for (const TCommandPlace& place : places) {
            Items[Count++] = place;
        }
    }
    constexpr std::span<const TCommandPlace> View() const { return {Items.data(), Count}; }
};

struct TCommand {
    TActionId Id;
    std::string_view Name;
    std::string_view Category;
    // The command's own caption, as Customize and the context menus' hints name it.
    std::string_view Caption;
    // As the menus show it, "&" before the access key's letter.
    std::string_view MenuCaption;
    std::string_view Hint;
    // In the "Ctrl+N" form, empty for none; AlternateShortcut is a second key for the same command.
    std::string_view Shortcut;
    std::string_view AlternateShortcut;
    // The icon's file name without ".svg"; commands may share a picture.
    std::string_view Icon;
    TCommandPlaces Places;
    // Null for a command that is only shown.
    void (*Handler)(TTarvexEditor&);
    bool (*Enabled)(const TTarvexEditor&, TActionId);
};

// In the order of TActionId.
std::span<const TCommand> Commands();
const TCommand& Command(TActionId id);
// Whether the command is switched on and off by the events that concern it rather than derived
// from the state.
bool IsSwitchedCommand(TActionId id);

// The menu bar's menus, left to right, with their titles.
struct TMenuBarMenu {
    TCommandBar Bar;
    std::string_view Title;
};
std::span<const TMenuBarMenu> MenuBarMenus();

// The File menu's submenu of recent files, the one entry that is not a command.
inline constexpr TCommandPlace RecentFilesPlace{TCommandBar::FileMenu, 31};
// The window shows it translated in the "Command" context.
inline constexpr std::string_view RecentFilesCaption = TARVEX_TRANSLATE_NOOP("Command", "Recent files...");

// One entry of a bar as built from the table: a command, a separator, or the recent files.
struct TBarEntry {
    enum class TKind { Command, Separator, RecentFiles };
    TKind Kind = TKind::Separator;
    TActionId Id{};
};
// The entries of `bar` in order, a separator between two sections and none at either end.
std::vector<TBarEntry> BarEntries(TCommandBar bar);

} // namespace tarvex
